#include "platform/gif_writer.h"

#include <unordered_map>

namespace {

constexpr int kMaxCode = 4095;

void PutWord(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// Codes packed least significant bit first into the data sub-blocks of at most 255 bytes.
class CodeWriter {
  public:
    explicit CodeWriter(std::string& out) : out_(out) {}
    void Put(int code, int bits) {
        buffer_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            Byte(static_cast<char>(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    void Finish() {
        if (count_ > 0) Byte(static_cast<char>(buffer_ & 0xFF));
        Flush();
        out_ += '\0';
    }

  private:
    void Byte(char b) {
        block_ += b;
        if (block_.size() == 255) Flush();
    }
    void Flush() {
        if (block_.empty()) return;
        out_ += static_cast<char>(block_.size());
        out_ += block_;
        block_.clear();
    }
    std::string& out_;
    std::string block_;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};

void Compress(const std::vector<std::uint8_t>& pixels, int minCodeSize, std::string& out) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int last = end;  // the highest code in use
    std::unordered_map<std::uint32_t, int> table;
    CodeWriter w(out);
    w.Put(clear, codeSize);
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | pixels[i];
        if (auto it = table.find(key); it != table.end()) {
            prefix = it->second;
            continue;
        }
        w.Put(prefix, codeSize);
        table[key] = ++last;
        if (last >= (1 << codeSize) && codeSize < 12) ++codeSize;
        if (last == kMaxCode) {
            w.Put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            last = end;
        }
        prefix = pixels[i];
    }
    w.Put(prefix, codeSize);
    w.Put(end, codeSize);
    w.Finish();
}

}  // namespace

std::string EncodeGif(const IndexedPicture& p) {
    const size_t count = static_cast<size_t>(p.width) * static_cast<size_t>(p.height);
    if (p.width <= 0 || p.height <= 0 || p.width > 65535 || p.height > 65535 ||
        p.pixels.size() != count || p.palette.empty() || p.palette.size() > 256)
        return "";
    for (std::uint8_t index : p.pixels)
        if (index >= p.palette.size()) return "";

    int bits = 1;
    while ((1u << bits) < p.palette.size()) ++bits;
    std::string out = "GIF89a";
    PutWord(out, p.width);
    PutWord(out, p.height);
    out += static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1));
    out += '\0';  // background colour
    out += '\0';  // pixel aspect
    for (size_t i = 0; i < (1u << bits); ++i) {
        const std::uint32_t rgb = i < p.palette.size() ? p.palette[i] : 0;
        out += static_cast<char>((rgb >> 16) & 0xFF);
        out += static_cast<char>((rgb >> 8) & 0xFF);
        out += static_cast<char>(rgb & 0xFF);
    }
    if (p.transparent >= 0 && p.transparent < static_cast<int>(p.palette.size())) {
        out += "\x21\xF9\x04\x01";
        PutWord(out, 0);
        out += static_cast<char>(p.transparent);
        out += '\0';
    }
    out += '\x2C';
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, p.width);
    PutWord(out, p.height);
    out += '\0';
    const int minCodeSize = bits < 2 ? 2 : bits;
    out += static_cast<char>(minCodeSize);
    Compress(p.pixels, minCodeSize, out);
    out += '\x3B';
    return out;
}

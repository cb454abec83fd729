#include "platform/text_codec.h"

#include <algorithm>

#include "platform/vb_strings.h"

namespace {

// Code points of bytes 0x80-0x9F; 0 where the code page leaves the byte unassigned.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return 0x80 + i;
    if (cp >= 0x80 && cp < 0xA0) return static_cast<int>(cp);  // unassigned bytes round-trip
    return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Stands for a byte that starts no valid UTF-8 sequence; it is written as "?".
constexpr char32_t kInvalid = 0xFFFD;

// Decodes one UTF-8 sequence at `i`. Anything malformed (a stray continuation byte, a sequence
// cut short, an overlong form such as C0 AF for "/", a surrogate, a value past U+10FFFF) gives
// kInvalid for its first byte, and decoding goes on at the next.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    const size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra > s.size()) return kInvalid;
    char32_t cp = c & (0x3F >> extra);
    for (size_t k = 0; k < extra; ++k) {
        const unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) return kInvalid;
        cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr char32_t kShortest[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return kInvalid;
    i += extra;
    return cp;
}

}  // namespace

std::string ToCp1252(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();)
        out += static_cast<char>(CodePointToByte(NextCodePoint(utf8, i)));
    return out;
}

std::string FromCp1252(std::string_view bytes) {
    std::string out;
    for (char c : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

void PutFixedText(std::span<std::uint8_t> field, std::string_view utf8) {
    std::string bytes = ToCp1252(utf8);
    std::fill(field.begin(), field.end(), static_cast<std::uint8_t>(' '));
    std::copy_n(bytes.begin(), std::min(bytes.size(), field.size()), field.begin());
}

std::string GetFixedText(std::span<const std::uint8_t> field) {
    return FromCp1252(std::string_view(reinterpret_cast<const char*>(field.data()), field.size()));
}

std::string FieldText(std::span<const std::uint8_t> field) {
    if (field.empty() || field[0] == 0) return {};
    auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return Trim(GetFixedText(field.first(static_cast<size_t>(end - field.begin()))));
}

bool KeptInOneByte(std::string_view utf8) {
    return FromCp1252(ToCp1252(utf8)) == utf8;
}

bool IsReadableText(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) return false;
        // U+0080 to U+009F: the bytes the character set has no letter for, read back as such.
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) return false;
    }
    return true;
}

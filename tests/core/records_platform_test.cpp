#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/file_util.h"
#include "platform/record_file.h"
#include "platform/text_codec.h"
#include "write_limit.h"

namespace fs = std::filesystem;

namespace {

class TempDir {
  public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("quorvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    static inline int counter_ = 0;
    fs::path path_;
};

}  // namespace

TEST(TextCodec, RoundTripsWindows1252) {
    const std::string text =
        "Caf\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x94 na\xC3\xAFve";  // Café € 5 — naïve
    const std::string bytes = ToCp1252(text);
    EXPECT_EQ(bytes.size(), 16u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[5]), 0x80);
    EXPECT_EQ(FromCp1252(bytes), text);
    EXPECT_EQ(ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
}

// Malformed UTF-8 never turns into another character on disk: each of its bytes is written
// as "?", and what follows is read as usual.
TEST(TextCodec, MalformedUtf8BecomesQuestionMarks) {
    struct Case {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"overlong slash",
         "a\xC0\xAF"
         "b",
         "a??b"},
        {"overlong in three bytes", "\xE0\x80\xAF", "???"},
        {"stray continuation", "\x80x", "?x"},
        {"cut short", "x\xC3", "x?"},
        {"cut short before text", "\xE2\x82z", "??z"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"past the last code point", "\xF4\x90\x80\x80", "????"},
        {"no such lead byte", "\xFF\xF8", "??"},
        {"Latin-1 letter", "caf\xE9", "caf?"},
        {"valid neighbours", "\xC3\xA9\xC0\xE2\x82\xAC", "\xE9?\x80"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToCp1252(c.in), c.out) << c.name;
}

TEST(TextCodec, FixedFieldsArePaddedAndTrimmed) {
    std::uint8_t field[8];
    PutFixedText(field, "Brivo");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(field), 8), "Brivo   ");
    EXPECT_EQ(FieldText(field), "Brivo");
    PutFixedText(field, "much too long");
    EXPECT_EQ(GetFixedText(field), "much too");

    std::uint8_t nul[4] = {0, 'a', 'b', 'c'};
    EXPECT_EQ(FieldText(nul), "");
    std::uint8_t blanks[4] = {' ', ' ', ' ', ' '};
    EXPECT_EQ(FieldText(blanks), "");
    std::uint8_t ended[4] = {'a', 'b', 0, 0};
    EXPECT_EQ(FieldText(ended), "ab");
}

TEST(RecordFile, RoundTripsMixedFieldsAndReadsZerosPastTheEnd) {
    TempDir dir;
    RecordFile file(dir.File("mixed.dat"), 32);
    RecordBuffer rec(32);
    rec.SetI16(0, -2);
    rec.SetI32(2, 123456789);
    rec.SetF64(6, 46000.5);
    rec.SetText(14, 18, "Ruun");
    ASSERT_TRUE(file.Write(3, rec));

    auto bytes = ReadWholeFile(dir.File("mixed.dat"));
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 96u);  // records 1 and 2 are zero-filled
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[64]), 0xFE);
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[65]), 0xFF);

    RecordBuffer back;
    ASSERT_TRUE(file.Read(3, back));
    EXPECT_EQ(back.GetI16(0), -2);
    EXPECT_EQ(back.GetI32(2), 123456789);
    EXPECT_DOUBLE_EQ(back.GetF64(6), 46000.5);
    EXPECT_EQ(back.GetText(14, 18), "Ruun");
    EXPECT_EQ(back.GetRawText(14, 18), "Ruun              ");

    ASSERT_TRUE(file.Read(9, back));
    for (auto b : back.bytes()) EXPECT_EQ(b, 0);
    EXPECT_EQ(file.RecordCount(), 3);
    EXPECT_THROW(back.GetI16(31), std::out_of_range);
}

TEST(RecordFile, AFailedWriteSaysSoAndLeavesTheOldFile) {
    TempDir dir;
    RecordFile file(dir.File("keep.dat"), 4);
    RecordBuffer rec(4);
    rec.SetI32(0, 7);
    ASSERT_TRUE(file.Write(1, rec));

    rec.SetI32(0, 8);
    std::string error;
    bool written = true;
    {
        WriteLimit full(6);
        written = file.Write(3, rec, &error);
    }

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    RecordBuffer back;
    ASSERT_TRUE(file.Read(1, back));
    EXPECT_EQ(back.GetI32(0), 7);
    EXPECT_EQ(file.RecordCount(), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("")), fs::directory_iterator()), 1);
}

TEST(RecordFile, AWriteIntoAMissingFolderFailsWithoutCreatingAnything) {
    TempDir dir;
    RecordFile file(dir.File("no/such/folder.dat"), 4);
    std::string error;
    EXPECT_FALSE(file.Write(1, RecordBuffer(4), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(FileExists(dir.File("no")));
}

// The last step of a safe write is the rename over the target; when it fails the write has
// failed, and the temporary file beside the target is gone.
TEST(FileUtil, AnAtomicWriteWhoseRenameFailsSaysSo) {
    TempDir dir;
    fs::create_directories(dir.File("taken/inside"));  // a folder cannot be replaced by a file
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.File("taken"), "bytes", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(dir.File("taken/inside")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("")), fs::directory_iterator()), 1);
}

TEST(FileUtil, FindsNamesWithoutRegardToCaseAndJoinsPaths) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("Brivo.PMS"), "x", nullptr));
    EXPECT_EQ(FindNoCase(dir.File(""), "brivo.pms"), "Brivo.PMS");
    EXPECT_FALSE(FindNoCase(dir.File(""), "ruun.pms"));
    EXPECT_EQ(ListFiles(dir.File(""), ".pms"), std::vector<std::string>{"Brivo.PMS"});
    EXPECT_EQ(JoinPath("/a/b", "\\Data\\PMS\\x.pms"), "/a/b/Data/PMS/x.pms");
    EXPECT_EQ(JoinPath("/a/", "Data"), "/a/Data");
}

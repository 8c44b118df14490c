#include "app/state_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "app/paths.h"
#include "scratch_dir.h"

namespace {
using statefile::DecodeText;
using statefile::EncodeUtf8;

// Decodes and returns what was printed alongside.
String DecodeCapturing(const std::string& bytes, std::string& printed) {
    testing::internal::CaptureStdout();
    String text = DecodeText(bytes);
    printed = testing::internal::GetCapturedStdout();
    return text;
}

TEST(EncodeUtf8, UsesOneTwoOrThreeBytesPerCharacter) {
    const struct {
        String text;
        std::string bytes;
    } cases[] = {
        {u"", ""},
        {u"A", "A"},
        {String(1, u'\0'), std::string(1, '\0')},
        {u"\u007f", "\x7F"},
        {u"\u0080", "\xC2\x80"},
        {u"\u00e9", "\xC3\xA9"},  // 233 -> 195, 169
        {u"\u07ff", "\xDF\xBF"},
        {u"\u0800", "\xE0\xA0\x80"},
        {u"\u20ac", "\xE2\x82\xAC"},
        {u"\ufeff", "\xEF\xBB\xBF"},
        {u"\uffff", "\xEF\xBF\xBF"},
        {String(1, char16_t(0xD800)), "\xED\xA0\x80"},  // a lone surrogate is just another 16-bit value
        {u"a\u00e9\u20ac", "a\xC3\xA9\xE2\x82\xAC"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeUtf8(c.text), c.bytes) << ToNarrow(c.text);
}

TEST(DecodeText, ReadsUtf16MarksAndValidUtf8Silently) {
    const struct {
        const char* name;
        std::string bytes;
        String text;
    } cases[] = {
        {"empty", "", u""},
        {"ascii", "hello", u"hello"},
        {"two and three bytes", "\xC3\xA9\xE2\x82\xAC", u"\u00e9\u20ac"},
        {"utf-8 mark skipped", "\xEF\xBB\xBFhi", u"hi"},
        {"utf-8 mark alone", "\xEF\xBB\xBF", u""},
        {"little-endian", std::string("\xFF\xFE" "A\0\xE9\0\xAC\x20", 8), u"A\u00e9\u20ac"},
        {"big-endian", std::string("\xFE\xFF\0A\0\xE9\x20\xAC", 8), u"A\u00e9\u20ac"},
        {"odd trailing byte ignored", std::string("\xFF\xFE" "A\0B", 5), u"A"},
        {"utf-16 mark alone", "\xFE\xFF", u""},
        {"embedded zero", std::string("a\0b", 3), String(u"a\0b", 3)},
    };
    for (const auto& c : cases) {
        std::string printed;
        EXPECT_EQ(DecodeCapturing(c.bytes, printed), c.text) << c.name;
        EXPECT_EQ(printed, "") << c.name;
    }
}

TEST(DecodeText, InvalidUtf8FallsBackToOneCharacterPerByte) {
    const struct {
        const char* name;
        std::string bytes;
        String text;
    } cases[] = {
        {"single byte 200", "\xC8", String(1, char16_t(200))},
        {"stray continuation", "a\x80", u"a\u0080"},
        {"four-byte form", "\xF0\x9F\x98\x80", u"\u00f0\u009f\u0098\u0080"},
        {"wrong continuation", "\xC3" "A", u"\u00c3A"},
        {"three bytes cut off", "x\xE2\x82", u"x\u00e2\u0082"},
        {"mark then invalid", "\xEF\xBB\xBF\xFF", u"\u00ff"},
        {"one byte of a utf-16 mark", "\xFF", u"\u00ff"},
    };
    for (const auto& c : cases) {
        std::string printed;
        EXPECT_EQ(DecodeCapturing(c.bytes, printed), c.text) << c.name;
        EXPECT_EQ(printed, "Invalid UTF-8!\n") << c.name;
    }
}

using StateFileTest = ScratchDirTest;

TEST_F(StateFileTest, SavedTextLoadsBackUnchanged) {
    const String texts[] = {
        u"",
        u"plain",
        u"\u00e9",
        u"1,2,3|scores:100,90,0|",
        u"\u0001\u007f\u0080\u07ff\u0800\ufffe\uffff",
        String(1, char16_t(0xDC00)) + u"x",
        u"x\ufeff",                      // a mark that is not leading is kept
        String(5000, u'\u20ac'),         // more than one read block
    };
    for (const String& text : texts) {
        ASSERT_EQ(statefile::SaveStateFile(text), 0);
        EXPECT_EQ(statefile::LoadStateFile(), text) << ToNarrow(text.substr(0, 40));
    }
    EXPECT_EQ(ReadBytes(".marmostate").size(), 15000u);
}

TEST_F(StateFileTest, WritesExactlyTheEncodedBytes) {
    ASSERT_EQ(statefile::SaveStateFile(u"\u00e9"), 0);
    EXPECT_EQ(ReadBytes(".marmostate"), "\xC3\xA9");
    ASSERT_EQ(statefile::SaveStateFile(u""), 0);
    EXPECT_EQ(ReadBytes(".marmostate"), "");
}

TEST_F(StateFileTest, LeadingByteOrderMarkCharacterIsDropped) {
    ASSERT_EQ(statefile::SaveStateFile(u"\ufeffabc"), 0);
    EXPECT_EQ(statefile::LoadStateFile(), u"abc");
}

TEST_F(StateFileTest, LoadsWhateverIsOnDisk) {
    const struct {
        const char* name;
        std::string bytes;
        String text;
        std::string printed;
    } cases[] = {
        {"empty file", "", u"", ""},
        {"single byte 200", "\xC8", String(1, char16_t(200)), "Invalid UTF-8!\n"},
        {"little-endian", std::string("\xFF\xFE" "h\0i\0", 6), u"hi", ""},
        {"big-endian", std::string("\xFE\xFF\0h\0i", 6), u"hi", ""},
        {"exactly one block", std::string(4096, 'z'), String(4096, u'z'), ""},
        {"one block and a byte", std::string(4097, 'z'), String(4097, u'z'), ""},
    };
    for (const auto& c : cases) {
        WriteBytes(".marmostate", c.bytes);
        testing::internal::CaptureStdout();
        String text = statefile::LoadStateFile();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST_F(StateFileTest, MissingFileLoadsAsEmptyText) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(statefile::LoadStateFile(), u"");
    EXPECT_EQ(statefile::LoadStringFile(u"marmo://data/none.txt"), u"");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(StateFileTest, LoadStringReadsThroughTheSchemes) {
    WriteBytes("data/a.txt", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(statefile::LoadStringFile(u"marmo://data/a.txt"), u"\u00e9t\u00e9");
    EXPECT_EQ(statefile::LoadStringFile(FixDataPath(u"a.txt")), u"\u00e9t\u00e9");
    EXPECT_EQ(statefile::LoadStringFile(u"marmo://other/a.txt"), u"");
}

TEST_F(StateFileTest, SuccessfulSaveLeavesNoTemporaryFile) {
    ASSERT_EQ(statefile::SaveStateFile(u"a much longer first state"), 0);
    ASSERT_EQ(statefile::SaveStateFile(u"short"), 0);
    EXPECT_EQ(ReadBytes(".marmostate"), "short");
    EXPECT_EQ(Listing(), ".marmostate ");
}

TEST_F(StateFileTest, UnopenableFileGivesMinusOne) {
    EXPECT_EQ(statefile::SaveStateFile(u"x", "missing/.marmostate"), -1);
    EXPECT_EQ(Listing(), "");
}

// A full disk, simulated by the file-size limit: the write fails part-way, as it would with no space left.
TEST_F(StateFileTest, FailedWriteKeepsThePreviousState) {
    ASSERT_EQ(statefile::SaveStateFile(u"scores:9,8,7"), 0);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    int result = statefile::SaveStateFile(String(1000, u'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, -2);
    EXPECT_EQ(statefile::LoadStateFile(), u"scores:9,8,7");
    EXPECT_EQ(Listing(), ".marmostate ");
}

TEST_F(StateFileTest, FailedReplaceKeepsWhatWasThere) {
    std::filesystem::create_directories("taken/keep");
    EXPECT_EQ(statefile::SaveStateFile(u"x", "taken"), -2);
    EXPECT_TRUE(std::filesystem::exists("taken/keep"));
    EXPECT_EQ(Listing(), "taken ");
}
}  // namespace

#include "app/paths.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {
TEST(FixDataPath, PlacesBareNamesInTheDataScheme) {
    const struct {
        String name, fixed;
    } cases[] = {
        {u"common/icons.png", u"marmo://data/common/icons.png"},
        {u"./common/icons.png", u"./common/icons.png"},
        {u"/tmp/a.png", u"/tmp/a.png"},
        {u"C:/a.png", u"C:/a.png"},
        {u"marmo://data/x.png", u"marmo://data/x.png"},
        {u"marmo://other/x", u"marmo://other/x"},
        {u"a/b:/c", u"marmo://data/a/b:/c"},  // a "/" before the ":/" means no scheme
        {u"a:b/c", u"marmo://data/a:b/c"},
        {u"icons.png", u"marmo://data/icons.png"},
        {u".hidden", u"marmo://data/.hidden"},
        {u"", u"marmo://data/"},
    };
    for (const auto& c : cases) EXPECT_EQ(FixDataPath(c.name), c.fixed) << ToNarrow(c.name);
}

class FopenFileTest : public ScratchDirTest {
protected:
    // What the path opens, or "null".
    static std::string Opened(const String& path) {
        std::FILE* file = fopenFile(path, u"rb");
        if (!file) return "null";
        char buf[64] = {};
        std::size_t n = std::fread(buf, 1, sizeof buf, file);
        std::fclose(file);
        return std::string(buf, n);
    }
};

TEST_F(FopenFileTest, ResolvesSchemesToFoldersOfTheCurrentDirectory) {
    WriteBytes("data/common/icons.png", "icons");
    WriteBytes("internal/x", "internal");
    WriteBytes("external/y", "external");
    WriteBytes("other/x", "other");
    WriteBytes("plain.txt", "plain");
    WriteBytes("data/caf\xC3\xA9.png", "cafe");
    const struct {
        String path;
        std::string opened;
    } cases[] = {
        {FixDataPath(u"common/icons.png"), "icons"},
        {u"marmo://data/common/icons.png", "icons"},
        {u"marmo://internal/x", "internal"},
        {u"marmo://external/y", "external"},
        {u"marmo://other/x", "null"},
        {u"marmo://data/missing.png", "null"},
        {u"marmo://", "null"},
        {u"plain.txt", "plain"},
        {u"./other/x", "other"},
        {u"marmo://data/caf\u00e9.png", "cafe"},
    };
    for (const auto& c : cases) EXPECT_EQ(Opened(c.path), c.opened) << ToNarrow(c.path);
}

TEST_F(FopenFileTest, UsesTheGivenMode) {
    std::FILE* file = fopenFile(u"marmo://internal/new.txt", u"wb");
    EXPECT_EQ(file, nullptr) << "the folder does not exist yet";
    std::filesystem::create_directory("internal");
    file = fopenFile(u"marmo://internal/new.txt", u"wb");
    ASSERT_NE(file, nullptr);
    std::fputs("written", file);
    std::fclose(file);
    EXPECT_EQ(ReadBytes("internal/new.txt"), "written");
}
}  // namespace

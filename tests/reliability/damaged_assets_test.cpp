// Every data file the game reads at 640 by 480, in turn missing or cut in half: the game still loads,
// shows the menu, starts a round from a click and plays it, with no GL error; a damaged picture or effect leaves
// its slot empty. The one damage the game treats as fatal, a tune image too small for its 64 frames, ends the
// process with the runtime error report.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/reliability/game_run_fixture.h"

namespace {

namespace fs = std::filesystem;

enum class Damage { kMissing, kHalf };

struct Case {
    std::string file;  // relative to data/
    Damage damage;
};

fs::path DataDir() {
    const char* dir = std::getenv("SKARNFELL_DATA_DIR");
    return dir ? dir : "data";
}

// The files a 640 by 480 window reads: above 630 pixels wide it takes the "-hd" pictures (the default font has only
// the one file).
std::vector<Case> Cases() {
    std::vector<Case> cases;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(DataDir(), ec)) {
        const std::string name = fs::relative(entry.path(), DataDir()).generic_string();
        const bool picture = name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0;
        const bool read = !picture || name.rfind("tunes/", 0) == 0 || name == "plinth_font.png" ||
                          name.find("-hd.png") != std::string::npos;
        if (!entry.is_regular_file() || name[0] == '.' || !read) continue;
        for (Damage d : {Damage::kMissing, Damage::kHalf}) cases.push_back({name, d});
    }
    std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) { return a.file < b.file; });
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.file;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    const char* kinds[] = {"_missing", "_half"};
    return name + kinds[static_cast<int>(info.param.damage)];
}

// A copy of the data folder made of links to the real files, except the one under test.
class DataCopy {
public:
    DataCopy() {
        char name[] = "/tmp/skarnfell-data-XXXXXX";
        root_ = mkdtemp(name);
        for (const auto& entry : fs::recursive_directory_iterator(DataDir())) {
            const fs::path to = root_ / fs::relative(entry.path(), DataDir());
            if (entry.is_directory()) {
                fs::create_directories(to);
            } else {
                fs::create_symlink(fs::absolute(entry.path()), to);
            }
        }
    }
    ~DataCopy() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    void Damage(const std::string& file, Damage damage) {
        const fs::path target = root_ / file;
        const std::string bytes = Bytes(DataDir() / file);
        fs::remove(target);
        if (damage == Damage::kMissing) return;
        std::ofstream(target, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
    }

    void Replace(const std::string& file, const fs::path& with) {
        fs::remove(root_ / file);
        fs::copy_file(with, root_ / file);
    }

    const fs::path& root() const { return root_; }

private:
    static std::string Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    fs::path root_;
};

// Starts the program over a data folder that is not the generated one.
class DamagedData : public reliability::GameRun {
protected:
    void StartWith(const DataCopy& data) {
        const char* real = std::getenv("SKARNFELL_DATA_DIR");
        const std::string saved = real ? real : "";
        setenv("SKARNFELL_DATA_DIR", data.root().c_str(), 1);
        AppFixture::SetUp();
        if (real) setenv("SKARNFELL_DATA_DIR", saved.c_str(), 1);
    }
    void SetUp() override {}
};

class DamagedFile : public DamagedData, public ::testing::WithParamInterface<Case> {};

// Slots of the pictures and effects, by file name at 640 by 480.
int SlotOf(const std::string& file, bool* isSound) {
    static const std::map<std::string, int> pictures = {
        {"common/icons-hd.png", 97}, {"common/Buttons-hd.png", 95}, {"common/dpad-hd.png", 94},
        {"common/icade-hd.png", 92}, {"common/PlovoLogo-hd.png", 93}, {"fonts/editundo-hd.png", 90},
        {"menu-hd.png", 99}, {"logo-hd.png", 98}, {"parts-hd.png", 96}, {"BadgesA-hd.png", 80},
        {"gfx-hd.png", 1}, {"dragon-hd.png", 2}};
    *isSound = file.rfind("sfx/", 0) == 0;
    if (*isSound) return std::atoi(file.c_str() + 4);
    auto it = pictures.find(file);
    return it == pictures.end() ? -1 : it->second;
}

TEST_P(DamagedFile, GameStillStartsAndPlaysARound) {
    DataCopy data;
    data.Damage(GetParam().file, GetParam().damage);
    StartWith(data);
    if (!game) return;  // skipped: no display
    FinishLoading();
    ASSERT_EQ(game->loadStage, 0);

    PlayFor(600, 6, [](long) {});
    EXPECT_GE(roundsStarted, 1) << "no round started from the play button";
    EXPECT_EQ(glErrors, 0) << "first GL error 0x" << std::hex << firstGlError;
    bool isSound = false;
    const int slot = SlotOf(GetParam().file, &isSound);
    if (slot >= 0 && isSound) {
        EXPECT_EQ(game->sounds[slot], nullptr);
    } else if (slot >= 0) {
        EXPECT_EQ(game->images[slot], nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(EachDataFile, DamagedFile, ::testing::ValuesIn(Cases()), CaseName);

TEST_F(DamagedData, ATuneImageTooSmallForItsFramesIsTheRuntimeError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DataCopy data;
    // A whole, readable picture, but 128 by 8 pixels: not one 64 by 64 frame fits.
    data.Replace("tunes/Tarnwick/Tune_18.png", DataDir() / "parts.png");
    EXPECT_EXIT(
        {
            dup2(2, 1);  // the report goes to standard output
            StartWith(data);
            if (!game) std::exit(0);
            FinishLoading();
            PlayFor(600, 1, [](long) {});
            std::exit(0);
        },
        ::testing::ExitedWithCode(255), "Marmo Runtime Error : Image frame outside surface");
}

}  // namespace

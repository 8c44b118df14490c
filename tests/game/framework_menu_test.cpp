// The title menu and the credits box, driven through real updates with the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/globals.h"
#include "game/my_app.h"
#include "tests/game/framework_test_data.h"

namespace {

constexpr int kFont = 90;
constexpr int kMouse = 1;

class MusicSpy : public NuvPlayer {
public:
    int Nuv_Stop(int all) override {
        stops.push_back(all);
        return 0;
    }
    int Nuv_StartTune(const String& name, int seed, int tempo) override {
        tunes.push_back(name);
        tempos.push_back(tempo);
        return 0;
    }
    std::vector<int> stops;
    std::vector<String> tunes;
    std::vector<int> tempos;
};

class MenuTest : public FrameworkFixture {
protected:
    void SetUp() override {
        FrameworkFixture::SetUp();
        if (IsSkipped()) return;
        spy = new MusicSpy();
        game->musicPlayer.reset(spy);
        OpenMenu(640, 480);
    }
    void TearDown() override {
        if (game && (game->lastDeviceWidth != 640 || game->lastDeviceHeight != 480)) SetWindow(640, 480);
        FrameworkFixture::TearDown();
    }
    // A loaded title menu that has finished sliding in.
    void OpenMenu(int w, int h) {
        SetWindow(w, h);
        FinishLoading();
        game->menuSlide = 0;
        Update();
    }
    // Presses the mouse at a virtual position for one update, then releases it for one.
    void Click(float x, float y) {
        MoveMouse(x * game->scaleX, y * game->scaleY);
        Press(kMouse);
        Update();
        Release(kMouse);
        Update();
    }
    // The text recorded in one row of glyphs at height y, columns counted from x0 in steps of advance.
    std::string Row(float x0, float y, float advance) const {
        std::string row;
        for (int i = 0; i < game->drawCount; i += 15) {
            const float* e = game->drawList.data() + i;
            if (e[0] != kFont || std::fabs(e[2] - y) > 0.01f) continue;
            int col = static_cast<int>(std::lround((e[1] - x0) / advance));
            if (col < 0) continue;
            if (row.size() <= static_cast<size_t>(col)) row.resize(col + 1, ' ');
            row[col] = static_cast<char>(e[6] + 32);
        }
        return row;
    }
    // The row of centred text at height y, starting at its leftmost glyph.
    std::string CentredRow(float y, float advance) const {
        float left = 1e9f;
        for (int i = 0; i < game->drawCount; i += 15) {
            const float* e = game->drawList.data() + i;
            if (e[0] == kFont && std::fabs(e[2] - y) <= 0.01f) left = std::min(left, e[1]);
        }
        return Row(left, y, advance);
    }
    // Whether an image entry of this slot and frame was recorded at (x, y).
    bool Recorded(int slot, int frame, float x, float y) const {
        for (int i = 0; i < game->drawCount; i += 15) {
            const float* e = game->drawList.data() + i;
            if (e[0] == slot && e[6] == frame && std::fabs(e[1] - x) < 0.01f && std::fabs(e[2] - y) < 0.01f) {
                return true;
            }
        }
        return false;
    }
    MusicSpy* spy = nullptr;
};

TEST_F(MenuTest, ScoreListsFitTheVisibleHeight) {
    struct Case {
        int w, h;
        int lines;
        std::string best, recent;
    };
    for (const Case& c : {Case{640, 480, 10, "Top 10", "Last 10"}, Case{640, 360, 6, "Top 6", "Last 6"},
                          Case{640, 200, 1, "Highscore", "Last"}}) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        OpenMenu(c.w, c.h);
        for (int i = 0; i < 10; ++i) {
            game->scoreTables[10 + i] = 1000 + i;   // board 2, best
            game->scoreTables[40 + i] = 20000 + i;  // board 2, recent
        }
        Update();
        ASSERT_FLOAT_EQ(jscrh, static_cast<float>(c.h));
        const float x0 = jscrw - 140 + 20, advance = 10.5f, line = 15;
        const float bestY = 60 + line / 2, recentY = 0.5f * jscrh + 20 + line / 2;
        EXPECT_EQ(Row(x0, bestY, advance), c.best);
        EXPECT_EQ(Row(x0, recentY, advance), c.recent);
        // The row after the last score stays empty.
        for (int i = 0; i <= c.lines; ++i) {
            bool shown = i < c.lines;
            EXPECT_EQ(Row(x0, bestY + line * (i + 1), advance), shown ? "       " + std::to_string(1000 + i) : "");
            EXPECT_EQ(Row(x0, recentY + line * (i + 1), advance), shown ? "      " + std::to_string(20000 + i) : "");
        }
    }
}

TEST_F(MenuTest, SlidesInOneStepPerUpdate) {
    game->menuSlide = -32;
    for (int expected = -31; expected <= 0; ++expected) {
        Update();
        ASSERT_EQ(game->menuSlide, expected);
    }
    Update();
    EXPECT_EQ(game->menuSlide, 0);
    EXPECT_EQ(game->scorePanelWidth, 140);
    EXPECT_EQ(game->scoreBoard, 2);
    EXPECT_TRUE(Recorded(98, 0, 0.4f * 640, 0.7f * 480)) << "the logo at its place";
}

TEST_F(MenuTest, SoundButtonCyclesTheFourModes) {
    ASSERT_EQ(game->settings[5], 1);
    int firstChannel = game->sfxChannel;
    for (int expected : {2, 3, 0, 1}) {
        Click(32, 240);
        EXPECT_EQ(game->settings[5], expected);
    }
    EXPECT_NE(game->sfxChannel, firstChannel) << "the click plays its sound in modes 1 and 2";

    // Held down, the button acts once.
    MoveMouse(32, 240);
    Press(kMouse);
    Update(5);
    Release(kMouse);
    EXPECT_EQ(game->settings[5], 2);
    Update();
    EXPECT_TRUE(Recorded(97, 4, 32, 240));
    EXPECT_TRUE(Recorded(97, 2 + 7, 52, 240)) << "the mode's mark beside the button";

    game->settings[5] = 0;
    Update();
    EXPECT_TRUE(Recorded(97, 5, 32, 240));
    EXPECT_FALSE(Recorded(97, 7, 52, 240)) << "no mark when silent";
}

TEST_F(MenuTest, SoundButtonMovesToTheTopOnANarrowScreen) {
    OpenMenu(480, 640);
    ASSERT_EQ(game->landscape, 0);
    EXPECT_TRUE(Recorded(97, 4, 180, 32));
    Click(180, 32);
    EXPECT_EQ(game->settings[5], 2);
}

TEST_F(MenuTest, HoldingPlayStartsExactlyOneRound) {
    MoveMouse(0.7f * 640, 0.3f * 480);
    Press(kMouse);
    Update();
    EXPECT_EQ(game->mode, 11);
    EXPECT_EQ(game->clickLatch, 1);
    EXPECT_EQ(game->keyLatch, 1);
    EXPECT_EQ(game->scoreBoard, 2);
    EXPECT_EQ(std::count(spy->stops.begin(), spy->stops.end(), 1), 1);
    game->mode = 1;  // back at the menu with the mouse still held: the latch blocks a second start
    Update(3);
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(std::count(spy->stops.begin(), spy->stops.end(), 1), 1);
    Release(kMouse);
}

TEST_F(MenuTest, CreditsOpenHideTheListsAndCloseOnAClick) {
    Click(640 - 70, 480 - 40);
    ASSERT_EQ(game->creditsOpen, 1);
    Update();
    const float advance = 10.5f, top = 0.24f * 480 + 7.5f;
    struct Line {
        float d;
        const char* text;
    };
    for (Line l : {Line{0, "A Game By"}, Line{20, "Tovrin"}, Line{40, "www.tovrin-games.example"},
                   Line{80, "Created using"}, Line{100, "Marmo"}, Line{120, "www.marmo-engine.example"}}) {
        EXPECT_EQ(CentredRow(top + l.d, advance), l.text);
    }
    EXPECT_EQ(Row(640 - 140 + 20, 67.5f, advance), "") << "the score lists are hidden";

    // The play and credits buttons do not react while the box is open; the click closes it.
    Click(0.7f * 640, 0.3f * 480);
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->creditsOpen, 0);
    Update();
    EXPECT_EQ(Row(640 - 140 + 20, 67.5f, advance), "Top 10");
}

TEST_F(MenuTest, EnteringTheMenuStartsTheTitleTune) {
    spy->tunes.clear();
    spy->tempos.clear();
    game->mode = 2;
    Update();
    EXPECT_EQ(game->mode, 1);
    ASSERT_EQ(spy->tunes.size(), 1u);
    EXPECT_EQ(spy->tunes[0], u"Tarnwick/Tune_18");
    EXPECT_EQ(spy->tempos[0], 80);
}

TEST_F(MenuTest, ARoundEndedWhilePausedLeavesTheMenuUnpaused) {
    game->mode = 2;
    game->paused = 1;
    game->pauseSlide = 1;
    game->pauseY = 240;
    Update();
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->paused, 0);
    EXPECT_EQ(game->pauseSlide, -1);
    EXPECT_EQ(game->pauseY, -64);
}

}  // namespace

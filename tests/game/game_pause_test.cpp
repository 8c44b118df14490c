// The pause panel: opening by key and button, sliding, keyboard focus, and the Resume, Quit and Sound buttons.
#include "tests/game/game_round_fixture.h"

namespace {
using namespace gametest;

constexpr int kEscape = 27, kEnter = 13, kLeft = 37, kUp = 38, kRight = 39;

class Pause : public RoundFixture {
protected:
    void Tap(int code) {
        Press(code);
        Step();
        Release(code);
        Step();
    }
    void Click(float x, float y) {
        MoveMouse(x, y);
        Tap(kLeftMouse);
    }
    void OpenWithKey() {
        Tap(kEscape);
        ASSERT_EQ(game->paused, 1);
        ASSERT_TRUE(RunUntil([&] { return game->pauseY >= 240; }, 20));
    }
    // The icon-sheet image recorded at (x, y) in the last update, if any.
    const Entry* IconAt(float x, float y) {
        entries = Entries(*game);
        for (const Entry& e : entries) {
            if (e.kind == 97 && e.x == x && e.y == y) return &e;
        }
        return nullptr;
    }
    std::vector<Entry> entries;
};

TEST_F(Pause, EscapeOpensThePanelWhichSlidesDownAndFreezesPlay) {
    StartRound();
    Press(kEscape);
    Step();
    EXPECT_EQ(game->paused, 1);
    EXPECT_EQ(game->pauseSlide, 1);
    EXPECT_EQ(game->pauseFocus, 0);
    EXPECT_EQ(game->pauseY, -64 + 24);
    Step(5);
    EXPECT_EQ(game->paused, 1) << "a held escape neither closes nor reopens";
    Release(kEscape);
    ASSERT_TRUE(RunUntil([&] { return game->pauseY >= 240; }, 20));
    EXPECT_EQ(game->pauseY, -64 + 24 * 13);
    Step(3);
    EXPECT_EQ(game->pauseY, 248) << "it stops once at half the height";

    // Neither the plane nor the dragon fires while paused.
    MoveMouse(560, 300);
    Press(kLeftMouse);
    const int shots = InFlight(kFirstShot, kLastShot);
    game->roundClock = 180;
    for (int i = 0; i < 60; ++i) {
        UpdateOnly();
        ASSERT_EQ(FreshFire(), 0);
    }
    EXPECT_LE(InFlight(kFirstShot, kLastShot), shots);
    EXPECT_EQ(game->targetY, jscrh * 0.5f - 112) << "no steering";
}

TEST_F(Pause, EscapeAgainSlidesThePanelOutAndPlayResumes) {
    StartRound();
    OpenWithKey();
    Press(kEscape);
    Step();
    EXPECT_EQ(game->pauseSlide, -1);
    int updates = 1;
    while (game->paused == 1 && updates < 30) {
        Step();
        ++updates;
    }
    // The update of the press still finds the panel sliding in; then 248 falls by 24 until it is below -32.
    EXPECT_EQ(updates, 1 + 12);
    EXPECT_EQ(game->pauseY, -40);
    EXPECT_EQ(game->roundOver, 0);
}

TEST_F(Pause, KeyboardFocusMovesBetweenTheButtonsAndActs) {
    StartRound();
    OpenWithKey();
    ASSERT_EQ(game->landscape, 1);
    const float quitX = 320 - 140, soundX = 320 + 140, cornerY = 248 - 64;

    Tap(kRight);
    EXPECT_EQ(game->pauseFocus, 1);
    ASSERT_NE(IconAt(soundX, cornerY), nullptr);
    std::vector<int> modes;
    for (int i = 0; i < 4; ++i) {
        Tap(kEnter);
        modes.push_back(game->settings[5]);
    }
    EXPECT_EQ(modes, (std::vector<int>{2, 3, 0, 1}));

    Tap(kLeft);
    EXPECT_EQ(game->pauseFocus, 0);
    Tap(kUp);
    EXPECT_EQ(game->pauseFocus, -1);
    std::vector<Entry> focusFrames;
    for (const Entry& e : Entries(*game)) {
        if (e.kind == 97 && e.frame == 6) focusFrames.push_back(e);
    }
    ASSERT_EQ(focusFrames.size(), 1u);
    EXPECT_EQ(focusFrames[0].x, quitX);
    EXPECT_EQ(focusFrames[0].y, cornerY);
    Tap(kRight);
    EXPECT_EQ(game->pauseFocus, 0);
    Tap(kLeft);
    ASSERT_EQ(game->pauseFocus, -1);

    Press(kEnter);
    Step();
    EXPECT_EQ(game->roundOver, 1);
    EXPECT_EQ(game->paused, 0);
    EXPECT_EQ(game->pauseY, -64);
    EXPECT_EQ(game->clickLatch, 1);
    EXPECT_EQ(game->gameOverClock, 1) << "game over starts in the same update";
}

TEST_F(Pause, MouseOpensAndUsesThePanel) {
    StartRound();
    Click(16, 16);
    EXPECT_EQ(game->paused, 1);
    ASSERT_TRUE(RunUntil([&] { return game->pauseY >= 240; }, 20));
    Step();
    const float cornerY = 248 - 64;

    // Sound: frame 4 with a badge naming the mode, frame 5 and no badge when silent.
    struct Case {
        int mode, buttonFrame, badgeFrame;
    } cases[] = {{2, 4, 9}, {3, 4, 10}, {0, 5, -1}, {1, 4, 8}};
    for (const Case& c : cases) {
        Click(460, cornerY);
        EXPECT_EQ(game->settings[5], c.mode);
        const Entry* button = IconAt(460, cornerY);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->frame, c.buttonFrame) << c.mode;
        const Entry* badge = IconAt(480, cornerY);
        if (c.badgeFrame < 0) {
            EXPECT_EQ(badge, nullptr);
        } else {
            ASSERT_NE(badge, nullptr);
            EXPECT_EQ(badge->frame, c.badgeFrame);
        }
    }

    // Resume slides the panel out.
    Click(320, 248);
    EXPECT_EQ(game->pauseSlide, -1);
    ASSERT_TRUE(RunUntil([&] { return game->paused == 0; }, 20));
    EXPECT_EQ(game->roundOver, 0);

    // Quit ends the round at once.
    Click(16, 16);
    ASSERT_TRUE(RunUntil([&] { return game->pauseY >= 240; }, 20));
    Click(180, cornerY);
    EXPECT_EQ(game->roundOver, 1);
    EXPECT_EQ(game->paused, 0);
}

TEST_F(Pause, PauseButtonIgnoresAPressThatIsStillLatched) {
    StartRound();
    MoveMouse(16, 16);
    Press(kLeftMouse);
    game->clickLatch = 1;
    Step(3);
    EXPECT_EQ(game->paused, 0);
    Release(kLeftMouse);
    Step();
    Press(kLeftMouse);
    Step();
    EXPECT_EQ(game->paused, 1);
}
}  // namespace

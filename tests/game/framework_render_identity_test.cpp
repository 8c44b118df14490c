// Real frames of the game (title menu, a busy round, the pause panel) rendered by the device's straightforward path
// and by its cheaper one must be the same to the last bit of every pixel, at the design size and at a size with a
// fractional scale.
#include <set>
#include <vector>

#include "game/globals.h"
#include "tests/game/game_round_fixture.h"

namespace {
using namespace gametest;

class RenderIdentity : public RoundFixture {
protected:
    // One render of the current list, read back before the swap.
    std::vector<int> RenderAndRead(bool optimise) {
        gxtkGraphics& g = *device->graphicsDevice;
        g.optimise = optimise;
        g.Validate();
        g.BeginRender();
        device->OnRender();
        std::vector<int> pixels(static_cast<size_t>(g.width) * g.height);
        g.ReadPixels(pixels.data(), 0, 0, g.width, g.height, 0, g.width);
        windowState.SwapBuffers();
        g.optimise = true;
        return pixels;
    }

    void ExpectSameFrame() {
        std::vector<int> straight = RenderAndRead(false);
        std::vector<int> optimised = RenderAndRead(true);
        ASSERT_EQ(straight.size(), optimised.size());
        int differing = 0;
        for (size_t i = 0; i < straight.size(); ++i) differing += straight[i] != optimised[i];
        EXPECT_EQ(differing, 0);
        // A blank or broken read-back would match itself: the frame must be a real picture.
        std::set<int> colours(straight.begin(), straight.end());
        EXPECT_GT(colours.size(), 20u);
    }

    // The plane firing, volleys of eight, the plane kept in the air.
    void PlayBusy(int updates) {
        MoveMouse(560 * game->scaleX, (jscrh * 0.5f - 106) * game->scaleY);
        Press(kLeftMouse);
        for (int i = 0; i < updates; ++i) {
            game->planeHit = 0;
            game->volleySize = 8;
            if (i % 9 == 8) Release(kLeftMouse);
            if (i % 9 == 0) Press(kLeftMouse);
            Step();
        }
    }
};

TEST_F(RenderIdentity, TitleMenuBusyRoundAndPausePanelAtTwoSizes) {
    struct Size {
        int width, height;
    };
    for (Size size : {Size{640, 480}, Size{1000, 700}}) {
        SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
        Resize(size.width, size.height);
        Update();
        FinishLoading();
        ASSERT_EQ(game->loadStage, 0);
        game->mode = 1;
        Step(40);
        {
            SCOPED_TRACE("title menu");
            ExpectSameFrame();
        }
        game->mode = 11;
        Step();
        PlayBusy(260);
        {
            SCOPED_TRACE("busy round");
            ExpectSameFrame();
        }
        game->paused = 1;
        game->pauseSlide = 1;
        Step(8);
        {
            SCOPED_TRACE("pause panel sliding in");
            ExpectSameFrame();
        }
        game->pauseSlide = -1;
        Step(20);
        Release(kLeftMouse);
        game->roundOver = 1;
    }
}

}  // namespace

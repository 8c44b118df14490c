// Game over: the place a score takes, the overlay's clock and banner, and the score recording on entering the menu.
#include <sys/stat.h>

#include "tests/game/app_fixture.h"
#include "tests/game/game_test_helpers.h"

namespace {
using List = std::array<int, 10>;

void SetBest(MyApp& g, int board, const List& list) {
    std::copy(list.begin(), list.end(), g.scoreTables.begin() + (board - 1) * 10);
}
List Best(const MyApp& g, int board) {
    List out;
    std::copy_n(g.scoreTables.begin() + (board - 1) * 10, 10, out.begin());
    return out;
}
List Recent(const MyApp& g, int board) {
    List out;
    std::copy_n(g.scoreTables.begin() + (board + 2) * 10, 10, out.begin());
    return out;
}

using Ranking = gametest::BareGame;

TEST_F(Ranking, MyNthFindsTheFirstEntryTheScoreReaches) {
    struct Case {
        List best;
        int score, rank;
        const char16_t* ordinal;
    } cases[] = {
        {{}, 0, 1, u"1st!"},
        {{50, 40, 40, 30}, 40, 2, u"2nd"},
        {{50, 40, 40, 30}, 45, 2, u"2nd"},
        {{50, 40, 40, 30}, 39, 4, u"4th"},
        {{50, 40, 30, 20, 10}, 35, 3, u"3rd"},
        {{90, 80, 70, 60, 50, 40, 30, 20, 10, 5}, 5, 10, u"10th"},
        {{90, 80, 70, 60, 50, 40, 30, 20, 10, 5}, 4, 0, u""},
        {{9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, 9, 1, u"1st!"},
    };
    game->scoreBoard = 2;
    SetBest(*game, 1, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000});
    for (const Case& c : cases) {
        SetBest(*game, 2, c.best);
        game->score = c.score;
        EXPECT_EQ(game->MyNth(), String(c.ordinal)) << c.score;
        EXPECT_EQ(game->loopIndex, c.rank) << c.score;
    }
}

TEST_F(Ranking, EveryOrdinal) {
    const char16_t* ordinals[] = {u"1st!", u"2nd", u"3rd", u"4th", u"5th", u"6th", u"7th", u"8th", u"9th", u"10th"};
    game->scoreBoard = 2;
    SetBest(*game, 2, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    for (int rank = 1; rank <= 10; ++rank) {
        game->score = 110 - 10 * rank;
        EXPECT_EQ(game->MyNth(), String(ordinals[rank - 1]));
    }
}

// Recording saves the state file, so it runs in the fixture's scratch folder.
using Recording = AppFixture;

TEST_F(Recording, InsertsStrictlyGreaterScoresAndAlwaysPushesTheRecentList) {
    struct Case {
        List best;
        int score;
        List expectedBest;
    } cases[] = {
        {{50, 40, 40, 30}, 40, {50, 40, 40, 40, 30}},
        {{50, 40, 30, 20, 10}, 35, {50, 40, 35, 30, 20, 10}},
        {{}, 0, {}},
        {{}, 7, {7}},
        {{90, 80, 70, 60, 50, 40, 30, 20, 10, 5}, 3, {90, 80, 70, 60, 50, 40, 30, 20, 10, 5}},
        {{90, 80, 70, 60, 50, 40, 30, 20, 10, 5}, 95, {95, 90, 80, 70, 60, 50, 40, 30, 20, 10}},
        {{90, 80, 70, 60, 50, 40, 30, 20, 10, 5}, 6, {90, 80, 70, 60, 50, 40, 30, 20, 10, 6}},
    };
    for (const Case& c : cases) {
        game->scoreBoard = 2;
        SetBest(*game, 2, c.best);
        const List recentBefore = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        std::copy(recentBefore.begin(), recentBefore.end(), game->scoreTables.begin() + 40);
        const List otherBoard = Best(*game, 1);
        game->score = c.score;

        game->RecordScore();

        EXPECT_EQ(Best(*game, 2), c.expectedBest) << c.score;
        const List recentAfter = {c.score, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        EXPECT_EQ(Recent(*game, 2), recentAfter) << c.score;
        EXPECT_EQ(Best(*game, 1), otherBoard);
    }
    struct stat info;
    EXPECT_EQ(stat(".marmostate", &info), 0) << "the recording saves";
}

using Overlay = AppFixture;

TEST_F(Overlay, ClockCountsUpInTheRoundDownOverTheMenuAndStandsStillAboveTen) {
    game->mode = 10;
    game->gameOverClock = 0;
    for (int i = 1; i < 90; ++i) {
        game->GameOver();
        ASSERT_EQ(game->gameOverClock, i);
        ASSERT_EQ(game->mode, 10);
    }
    game->GameOver();
    EXPECT_EQ(game->mode, 2);
    EXPECT_EQ(game->gameOverClock, 75);

    std::vector<int> fade;
    game->mode = 1;
    while (game->gameOverClock > 0 && fade.size() < 100) {
        game->GameOver();
        fade.push_back(game->gameOverClock);
    }
    ASSERT_EQ(fade.size(), 38u);
    EXPECT_EQ(fade.front(), 73);
    EXPECT_EQ(fade[fade.size() - 2], 1);
    EXPECT_EQ(fade.back(), 0);
    game->GameOver();
    EXPECT_EQ(game->gameOverClock, 0);

    game->mode = 11;
    game->gameOverClock = 30;
    game->GameOver();
    EXPECT_EQ(game->gameOverClock, 30);
}

TEST_F(Overlay, DarkeningAndBarsGrowToTheirCaps) {
    game->mode = 1;
    struct Case {
        int clock;
        float dark;
        int bar;
    } cases[] = {{2, 2 / 40.0f, 24}, {18, 18 / 40.0f, 216}, {28, 0.7f, 216}, {60, 0.7f, 216}};
    for (const Case& c : cases) {
        game->gameOverClock = c.clock;
        game->score = -1;
        game->CLS2D();
        game->GameOver();
        EXPECT_EQ(game->tempA, c.bar) << c.clock;
        auto rects = gametest::EntriesOfKind(*game, gametest::kRectKind);
        ASSERT_EQ(rects.size(), 3u) << "no banner below every listed score";
        EXPECT_EQ(rects[0].alpha, c.dark);
        EXPECT_EQ(rects[0].w, 642);
        EXPECT_EQ(rects[1].w, 2 * c.bar);
        EXPECT_EQ(rects[2].x, 640 - 2 * c.bar);
        EXPECT_EQ(rects[2].w, 2 * c.bar + 1);
    }
    game->gameOverClock = 0;
    game->CLS2D();
    game->GameOver();
    EXPECT_EQ(game->drawCount, 0) << "hidden at 0";
}

TEST_F(Overlay, BannerNamesThePlaceOnASecondLineAfterElevenSpaces) {
    FinishLoading();
    ASSERT_EQ(game->loadStage, 0);
    const int font = game->currentFont;
    const float advance = game->imageMetrics[font * 3] * 2.0f;
    const float line = game->imageMetrics[font * 3 + 1] * 2.0f;
    ASSERT_GT(advance, 0);

    SetBest(*game, 2, {50, 40, 40, 30});
    game->score = 40;
    game->mode = 10;
    game->gameOverClock = 30;
    game->CLS2D();
    game->GameOver();

    String glyphs;
    std::vector<gametest::Entry> text;
    for (const auto& e : gametest::Entries(*game)) {
        if (e.kind == font) {
            glyphs += static_cast<char16_t>(e.frame + 32);
            text.push_back(e);
        }
    }
    EXPECT_EQ(glyphs, u"GAMEOVERNewHighscore2nd");
    ASSERT_EQ(text.size(), 23u);
    const gametest::Entry& n = text[8];
    const gametest::Entry& two = text[20];
    EXPECT_FLOAT_EQ(two.x, n.x + 11 * advance);
    EXPECT_FLOAT_EQ(two.y, n.y + line);
}
}  // namespace

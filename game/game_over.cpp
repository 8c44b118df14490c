// The end of a round: the game-over overlay with its clock, the place the score takes, and the score lists.
#include <algorithm>

#include "game/globals.h"
#include "game/modes.h"
#include "game/my_app.h"

namespace {
constexpr int kListLength = 10;
// Board n's best list starts at (n - 1) * 10, its recent list three lists further on.
constexpr int kRecentOffset = 30;
constexpr int kClockAtMenu = 90;
constexpr int kClockFadeStart = 75;

const char16_t* const kOrdinals[] = {u"", u"1st!", u"2nd", u"3rd", u"4th", u"5th",
                                     u"6th", u"7th", u"8th", u"9th", u"10th"};

// The banner for every rank, built once so the overlay formats nothing per update. The backslash and n are the
// text's own line-break marker.
const String& Banner(int rank) {
    static const std::array<String, kListLength + 1> banners = [] {
        std::array<String, kListLength + 1> all;
        for (int i = 0; i <= kListLength; ++i) all[i] = String(u"New Highscore\\n           ") + kOrdinals[i];
        return all;
    }();
    return banners[rank];
}

int BestListStart(int board) { return (board - 1) * kListLength; }
}  // namespace

String MyApp::MyNth() {
    const int base = BestListStart(scoreBoard);
    int rank = 0;
    for (int i = 0; i < kListLength; ++i) {
        if (score >= scoreTables[base + i]) {
            rank = i + 1;
            break;
        }
    }
    loopIndex = rank;
    return kOrdinals[rank];
}

int MyApp::GameOver() {
    if (gameOverClock > 0) {
        SetCol(0, 0, 0, std::min(gameOverClock / 40.0f, 0.7f));
        Rect(-1, -1, jscrw + 2, jscrh + 2);

        const float barCap = 0.45f * jscrh;
        tempA = 12 * gameOverClock;
        if (tempA > barCap) tempA = static_cast<int>(barCap);

        ResetDraw();
        SetCol(255, 255, 0, 0.5f);
        Rect(-1, 0.45f * jscrh - 8, 2 * tempA, 16);
        SetCol(255, 128, 0, 0.5f);
        Rect(jscrw - 2 * tempA, 0.55f * jscrh - 8, 2 * tempA + 1, 16);

        ResetDraw();
        SetSize(4);
        SetCol(255, 180, 180, 1);
        Text(0.35f * jscrw, tempA, u"GAME", 1, 1);
        Text(0.65f * jscrw, jscrh - tempA, u"OVER", 1, 1);

        MyNth();
        if (loopIndex > 0) {
            SetSize(1);
            SetCol(0, 125, 255, 0.5f);
            Rect(0.35f * jscrw, jscrh - tempA / 1.5f - 16, 0.3f * jscrw, 32);
            SetSize(2);
            SetCol(100, 255, 100, 1);
            Text(0.5f * jscrw, jscrh - tempA / 1.5f, Banner(loopIndex), 0.5f, 2);
        }
    }

    if (mode == kRound) {
        gameOverClock += 1;
        if (gameOverClock >= kClockAtMenu) {
            mode = kEnterMenu;
            gameOverClock = kClockFadeStart;
            musicPlayer->Nuv_Stop(1);
        }
    } else if (mode < kRound) {
        gameOverClock -= 2;
        if (gameOverClock < 0) gameOverClock = 0;
    }
    return 0;
}

void MyApp::RecordScore() {
    const int base = BestListStart(scoreBoard);
    int place = -1;
    for (int i = 0; i < kListLength; ++i) {
        if (score > scoreTables[base + i]) {
            place = i;
            break;
        }
    }
    if (place >= 0) {
        for (int i = kListLength - 2; i >= place; --i) scoreTables[base + i + 1] = scoreTables[base + i];
        scoreTables[base + place] = score;
    }

    GC_PostScore(scoreBoard, scoreTables[base]);
    GC_Badges();

    const int recent = base + kRecentOffset;
    for (int i = kListLength - 2; i >= 0; --i) scoreTables[recent + i + 1] = scoreTables[recent + i];
    scoreTables[recent] = score;

    Save();
}

// Stand-ins for an online score and achievement service, which this game does not have.
int MyApp::GC_PostScore(int board, int score) { return 0; }
int MyApp::GC_Badges() { return 0; }

// The title menu between rounds (logo, score lists, sound, play and credits buttons) and the credits box. Everything
// slides in from menuSlide = -32 to 0, one unit per update.
#include "app/gxtk_app.h"
#include "game/globals.h"
#include "game/modes.h"
#include "game/my_app.h"

namespace {
constexpr float kPanelWidth = 140;

struct Place {
    float x, y;
};

// Left edge of the score panel, which slides in from the right.
float PanelLeft(const MyApp& app) { return jscrw - kPanelWidth - 4.0f * static_cast<float>(app.menuSlide); }

// How many scores fit in half the visible height, at the current text size.
int ListLines(const MyApp& app) {
    int lineHeight = static_cast<int>(static_cast<float>(app.imageMetrics[app.currentFont * 3 + 1]) * app.drawSizeY);
    int rows = static_cast<int>(0.5f * jscrh - 90.0f);
    // No font metrics yet would divide by zero; show the full list instead.
    int n = lineHeight > 0 ? rows / lineHeight : 10;
    if (n < 1) n = 1;
    if (n > 10) n = 10;
    return n;
}

String ScoreList(MyApp& app, const String& title, const String& singleTitle, int first, int lines) {
    String text = lines == 1 ? singleTitle : title + IntToString(lines);
    for (int i = 0; i < lines; ++i) {
        text += u"\\n";
        text += app.rstr(app.scoreTables[first + i], 11, u" ");
    }
    return text;
}

void Logo(MyApp& app) {
    app.ResetDraw();
    app.SetSize(1);
    app.DrawImg(98, 0.4f * jscrw, 0.7f * jscrh - 12.0f * static_cast<float>(app.menuSlide), 0);
}

void ScorePanel(MyApp& app) {
    app.SetCol(0, 0, 0, 0.4f);
    app.Rect(PanelLeft(app), 0, kPanelWidth, jscrh);
}

Place SoundButtonPlace(const MyApp& app) {
    float slide = 4.0f * static_cast<float>(app.menuSlide) + 32.0f;
    if (app.landscape == 1) return {slide, static_cast<float>(static_cast<int>(jscrh * 0.5f))};
    return {static_cast<float>(static_cast<int>(jscrw * 0.5f)), slide};
}

void SoundButton(MyApp& app, Place at) {
    app.ResetDraw();
    app.SetSize(2);
    app.SetCol(50, 250, 50, 1);
    int& soundMode = app.settings[5];
    if (app.Button(97, at.x, at.y, soundMode != 0 ? 4 : 5) == 0 || app.clickLatch != 0) return;
    // Without the sequencer there is no music to choose, only sound on or off.
    soundMode = HasMusic == 1 ? (soundMode + 1) % 4 : (soundMode + 1) % 2;
    app.clickLatch = 1;
    app.PlaySFX(98, 1, 0.5f, 0);
}

void SoundModeMark(MyApp& app, Place at) {
    int soundMode = app.settings[5];
    if (soundMode < 1 || soundMode > 3 || HasMusic != 1) return;
    app.SetSize(1.5f);
    app.SetCol(180, 255, 255, 1);
    app.DrawImg(97, at.x + 20, at.y, static_cast<float>(soundMode + 7));
}

void ScoreLists(MyApp& app) {
    static const String kTop = u"Top ", kHighscore = u"Highscore", kLast = u"Last ", kLastOne = u"Last";
    int best = (app.scoreBoard - 1) * 10;
    int recent = (app.scoreBoard + 2) * 10;
    float x = PanelLeft(app) + 20;

    app.SetCol(255, 200, 100, 1);
    app.SetSize(1.5f);
    int lines = ListLines(app);
    if (app.creditsOpen != 1) app.Text(x, 60, ScoreList(app, kTop, kHighscore, best, lines), 0, 0);

    app.SetCol(200, 255, 100, 1);
    app.SetSize(1.5f);
    lines = ListLines(app);
    if (app.creditsOpen != 1) app.Text(x, 0.5f * jscrh + 20, ScoreList(app, kLast, kLastOne, recent, lines), 0, 0);
}

void PlayButton(MyApp& app) {
    app.ResetDraw();
    app.SetSize(1.5f);
    app.Alpha(1);
    // Tinted for the first 400 ms of every second: the button blinks.
    if (app::Millisecs() % 1000 <= 399) {
        app.SetCol(180, 255, 180);
    } else {
        app.SetCol(255, 255, 255);
    }
    float y = 0.3f * jscrh + 12.0f * static_cast<float>(app.menuSlide);
    if (app.Button(95, 0.7f * jscrw, y, 1) == 0 || app.clickLatch != 0 || app.creditsOpen != 0) return;
    app.mode = kEnterRound;
    app.clickLatch = 1;
    app.keyLatch = 1;
    app.scoreBoard = 2;
    app.musicPlayer->Nuv_Stop(1);
}

void Emblem(MyApp& app) {
    float slide = 12.0f * static_cast<float>(app.menuSlide);
    app.Alpha(0.75f);
    if (app.landscape == 1) {
        app.DrawImg(95, 0.4f * jscrw, 0.7f * jscrh - slide, 15);
    } else {
        app.DrawImg(95, 0.3f * jscrw, 0.65f * jscrh - slide, 15);
    }
    app.ResetDraw();
}

void CreditsButton(MyApp& app) {
    app.ResetDraw();
    app.SetSize(0.5f);
    float y = jscrh - 40.0f - 4.0f * static_cast<float>(app.menuSlide);
    if (app.Button(93, jscrw - 70, y, 0) == 0 || app.clickLatch != 0 || app.creditsOpen != 0) return;
    app.clickLatch = 1;
    app.PlaySFX(99, 1, 1, 0);
    app.creditsOpen = 1;
}
}  // namespace

int MyApp::LoadMenu() {
    // A round can end with its pause panel open (the pause key still works during the game-over overlay, and a
    // plane already going down keeps sliding while paused). The menu has no panel to resume from, and a pause
    // left set would hold the title tune silent and open the next round paused.
    paused = 0;
    pauseSlide = -1;
    pauseY = -64;
    musicPlayer->Nuv_StartTune(u"Tarnwick/Tune_18", Rand(1, 37171648), 80);
    RecordScore();
    return 0;
}

int MyApp::Menu() {
    if (menuSlide < 0) menuSlide = static_cast<int>(static_cast<float>(menuSlide) + 0.25f);
    scorePanelWidth = kPanelWidth;
    Logo(*this);
    ScorePanel(*this);
    Place sound = SoundButtonPlace(*this);
    SoundButton(*this, sound);
    SoundModeMark(*this, sound);
    ScoreLists(*this);
    PlayButton(*this);
    Emblem(*this);
    scoreBoard = 2;
    CreditsButton(*this);
    return 0;
}

int MyApp::CreditBox() {
    static const String kLines[6] = {u"A Game By",     u"Tovrin", u"www.tovrin-games.example",
                                     u"Created using", u"Marmo",  u"www.marmo-engine.example"};
    // The space left below each line.
    static const float kGaps[6] = {20, 20, 40, 20, 20, 40};

    ResetDraw();
    SetCol(255, 125, 0, 0.8f);
    Rect(0.1f * jscrw, 0.2f * jscrh, 0.8f * jscrw, 0.6f * jscrh);
    SetCol(100, 0, 0, 0.8f);
    Rect(0.12f * jscrw, 0.22f * jscrh, 0.76f * jscrw, 0.56f * jscrh);
    SetCol(255, 255, 255, 1);
    SetSize(1.5f);
    float d = 0;
    for (int i = 0; i < 6; ++i) {
        Text(0.5f * jscrw, 0.24f * jscrh + d, kLines[i], 1, 0);
        d += kGaps[i];
    }
    // A click anywhere closes the box.
    if (pointerDown > 0 && clickLatch == 0) {
        clickLatch = 1;
        creditsOpen = 0;
        PlaySFX(99, 1, 1, 0);
    }
    return 0;
}

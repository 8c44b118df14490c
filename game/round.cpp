// The rules of play: starting a round, one update of the round, the pause triggers and panel, and the loading
// picture.
#include <algorithm>
#include <cmath>

#include "app/random.h"
#include "game/globals.h"
#include "game/modes.h"
#include "game/my_app.h"

namespace {
constexpr int kRoundTuneSeedMax = 37171648;
constexpr float kPlaneStartX = 800, kPlaneStartY = 100;
constexpr float kTargetStartX = 500, kTargetAboveCentre = 112;
// Easing moves an eighth of the way per update and snaps within one unit.
constexpr float kEase = 0.125f;
constexpr int kPlaneFrameUpdates = 6;
// The dragon breathes when its second frame starts (cycle48 16), once the hint has pointed at the eye for a while.
constexpr int kVolleyFrame = 2;
constexpr int kVolleyAfterClock = 170;
constexpr int kVolleysPerGrowth = 8;
constexpr int kMaxVolley = 8;
constexpr float kGroundBelowCentre = 128;
constexpr float kOffLeft = -32;
constexpr int kSmokePuffs = 6;
// The hint slides in for 30 updates, stays until 140, then slides and fades out by 180.
constexpr int kHintEnd = 180, kHintSlideIn = 30, kHintFadeStart = 140;
constexpr int kScoreDigits = 8;

enum Sfx { kSfxShot = 2, kSfxRoundStart = 3, kSfxVolley = 4, kSfxVolleyAlt = 5, kSfxCrash = 6, kSfxClick = 98 };
enum Control { kUp = 0, kLeft = 3, kRight = 5, kDown = 8, kAction = 10, kBack = 99 };
enum IconFrame {
    kIconPause = 0, kIconQuit = 1, kIconResume = 3, kIconSound = 4, kIconMuted = 5, kIconFocus = 6,
    kIconModeBadge = 7
};
constexpr int kIconSheet = 97;
constexpr int kPlaneImage = 1;
constexpr int kLogoImage = 93;
const String kHint = u" <--Shoot his Eye!";

float EaseToward(float value, float target) {
    float next = value - (value - target) * kEase;
    return std::fabs(next - target) < 1 ? target : next;
}
}  // namespace

int MyApp::LoadGame() {
    score = 0;
    roundOver = 0;
    gameOverClock = 0;
    mode = kRound;
    roundClock = 0;
    musicPlayer->Nuv_StartTune(u"Tarnwick/Tune_17", Rand(1, kRoundTuneSeedMax), 100);
    planeX = kPlaneStartX;
    planeY = kPlaneStartY;
    targetX = kTargetStartX;
    targetY = jscrh * 0.5f - kTargetAboveCentre;
    fireCooldown = 0;
    fireInterval = 0;
    planeHit = 0;
    volleySize = 1;
    volleyCount = 0;
    PlaySFX(kSfxRoundStart, 1, 1, 0);
    return 0;
}

namespace {
// Held fire comes at intervals of 1, 2, 3... updates; a release restores the fastest rate.
void SteerAndFire(MyApp& g) {
    if (g.pointerDown <= 0) {
        g.fireInterval = 1;
        return;
    }
    if (g.clickLatch != 0 || g.planeHit != 0 || g.paused != 0) return;
    if (g.fireCooldown <= 0) {
        g.ShootPlane();
        g.fireCooldown = g.fireInterval;
        g.fireInterval += 1;
        float u = rng::Rnd();
        g.PlaySFX(kSfxShot, 0.7f + 0.6f * u, 0.5f, 0);
    }
    // The plane keeps to the right half; a pointer on the left steers only its height.
    if (g.mouseX > jscrw * 0.5f) g.targetX = g.mouseX;
    g.targetY = g.mouseY;
}

// Every ninth volley is one particle bigger, up to eight.
void DragonVolley(MyApp& g) {
    if (g.dragonFrame != kVolleyFrame || g.cycle48 % 8 != 0) return;
    if (g.roundClock <= kVolleyAfterClock || g.paused != 0 || g.roundOver != 0) return;
    g.ShootDragon(g.volleySize);
    float u = rng::Rnd();
    int sound = g.Rand(kSfxVolley, kSfxVolleyAlt);
    g.PlaySFX(sound, 0.8f + 0.4f * u, 1, 0);
    g.volleyCount += 1;
    if (g.volleyCount > kVolleysPerGrowth) {
        g.volleySize += 1;
        g.volleyCount = 0;
    }
    if (g.volleySize > kMaxVolley) g.volleySize = kMaxVolley;
}

void Smoke(MyApp& g) {
    for (int i = 0; i < kSmokePuffs; ++i) {
        float u = rng::Rnd();
        int blue = g.Rand(0, 2);
        int green = g.Rand(2, 4);
        int red = g.Rand(3, 5);
        g.SetCol(50 * red, 50 * green, 50 * blue, 0.8f + 0.2f * u);
        int height = g.Rand(8, 16);
        int width = g.Rand(8, 16);
        int dy = g.Rand(-24, 16);
        int dx = g.Rand(-24, 16);
        g.Rect(g.planeX + dx, g.planeY + dy, width, height);
    }
}

// A hit plane sinks 4 down and 1 left per update, then slides along the ground 6 per update until it is off screen.
void Crash(MyApp& g) {
    g.targetY = g.planeY + 32;
    g.targetX = g.planeX - 8;
    const float ground = jscrh * 0.5f + kGroundBelowCentre;
    if (g.planeY + 32 > ground) {
        g.targetY = ground;
        g.targetX = g.planeX - 48;
        if (g.planeX - 48 < kOffLeft) {
            if (g.roundOver == 0) g.PlaySFX(kSfxCrash, 1, 1, 0);
            g.roundOver = 1;
        }
    }
    Smoke(g);
}

void Hint(MyApp& g) {
    if (g.roundClock >= kHintEnd) return;
    g.roundClock += 1;
    g.ResetDraw();
    int offset = std::max(16 * (kHintSlideIn - g.roundClock), 0);
    g.SetSize(2);
    if (g.roundClock > kHintFadeStart) {
        offset = 8 * (g.roundClock - kHintFadeStart);
        g.Alpha((40 - (g.roundClock - kHintFadeStart)) / 40.0f);
    }
    g.Text(200 + offset, jscrh * 0.5f - 96, kHint, 0, 1.2f);
}

void ScoreDisplay(MyApp& g) {
    int next = g.shownScore - (g.shownScore - g.score) / 6;
    g.shownScore = std::abs(next - g.score) <= 5 ? g.score : next;
    g.SetCol(100, 255, 100, 0.8f);
    g.SetSize(2);
    g.Text(jscrw * 0.5f, 32, g.rstr(g.shownScore, kScoreDigits, u"0"), 1, 1);
}
}  // namespace

int MyApp::Game() {
    ResetDraw();
    planeX = EaseToward(planeX, targetX);
    planeY = EaseToward(planeY, targetY);
    if (fireCooldown > 0) fireCooldown -= 1;
    SteerAndFire(*this);
    DrawImg(kPlaneImage, planeX, planeY, cycle24 / kPlaneFrameUpdates);
    DragonVolley(*this);
    if (planeHit > 0) Crash(*this);
    ResetDraw();
    Hint(*this);
    ScoreDisplay(*this);
    return 0;
}

int MyApp::InGame() {
    ResetDraw();
    menuSlide = -32;
    if (PlayKey(kBack) && paused == 0 && keyLatch == 0) {
        keyLatch = 1;
        paused = 1;
        pauseSlide = 1;
        pauseFocus = 0;
        PlaySFX(kSfxClick, 1, 0.5f, 0);
    }
    if (Button(kIconSheet, 16, 16, kIconPause) && clickLatch == 0 && paused == 0) {
        paused = 1;
        pauseSlide = 1;
        clickLatch = 1;
        pauseFocus = 0;
        PlaySFX(kSfxClick, 1, 0.5f, 0);
    }
    if (paused == 1) PauseMenu();
    return 0;
}

namespace {
constexpr int kSlideStep = 24;
// The panel's three buttons sit on its corners; their places depend on the orientation.
struct PanelLayout {
    float cornerDX, cornerDY;
};
constexpr PanelLayout kLandscapePanel{140, 64};
constexpr PanelLayout kPortraitPanel{96, 96};

void DrawFocus(MyApp& g, float x, float y) {
    g.SetSize(2.5f);
    g.SetCol(255, 255, 100, 1);
    g.DrawImg(kIconSheet, x, y, kIconFocus);
}

bool ClickOn(MyApp& g, float x, float y, int frame) {
    g.SetSize(2);
    if (g.Button(kIconSheet, x, y, frame) && g.clickLatch == 0) {
        g.clickLatch = 1;
        return true;
    }
    return false;
}

bool KeyPressed(MyApp& g, int control) {
    if (g.keyLatch != 0 || !g.PlayKey(control)) return false;
    g.keyLatch = 1;
    return true;
}

void Resume(MyApp& g) {
    g.paused = 1;
    g.pauseSlide = -1;
    g.PlaySFX(kSfxClick, 1, 0.5f, 0);
}

// The panel vanishes at once and the round ends.
void Quit(MyApp& g) {
    g.paused = 0;
    g.pauseSlide = -1;
    g.pauseY = -64;
    g.roundOver = 1;
    g.PlaySFX(kSfxClick, 0.5f, 0.5f, 0);
}

void MoveFocus(MyApp& g, int focus, float rate) {
    g.pauseFocus = focus;
    g.PlaySFX(kSfxClick, rate, 0.5f, 0);
}

void SlidePanel(MyApp& g) {
    if (g.pauseSlide == 1 && g.pauseY < jscrh * 0.5f) g.pauseY += kSlideStep;
    if (g.pauseSlide == -1) {
        if (g.pauseY < -63) {
            g.paused = 0;
        } else {
            g.pauseY -= kSlideStep;
            if (g.pauseY < -32) g.paused = 0;
        }
    }
}

void DrawPanel(MyApp& g, float cx) {
    const float y = g.pauseY;
    g.ResetDraw();
    if (g.landscape == 1) {
        g.SetCol(255, 255, 10, 0.6f);
        g.Rect(cx - 128, y - 64, 256, 8);
        g.SetCol(255, 150, 10, 0.7f);
        g.Rect(cx - 140, y - 52, 280, 104);
        g.SetCol(10, 150, 255, 0.6f);
        g.Rect(cx - 128, y + 56, 256, 8);
    } else {
        g.SetCol(255, 255, 10, 0.6f);
        g.Rect(cx - 96, y - 92, 192, 8);
        g.SetCol(255, 150, 10, 0.7f);
        g.Rect(cx - 128, y - 80, 256, 160);
        g.SetCol(10, 150, 255, 0.6f);
        g.Rect(cx - 96, y + 84, 192, 8);
    }
}

// Off, music and effects, effects only, music only; without music only off and on.
void NextSoundMode(MyApp& g) {
    int& soundMode = g.settings[5];
    if (HasMusic == 1) {
        soundMode = (soundMode + 1) % 4;
    } else {
        soundMode = 1 - soundMode;
        if (soundMode < 0 || soundMode > 1) soundMode = 0;
    }
    g.PlaySFX(kSfxClick, 1, 0.5f, 0);
}
}  // namespace

int MyApp::PauseMenu() {
    ResetDraw();
    SetCol(0, 0, 0, std::abs(pauseY) / (0.8f * jscrh));
    Rect(0, 0, jscrw, jscrh);
    SlidePanel(*this);

    const float cx = jscrw * 0.5f;
    DrawPanel(*this, cx);
    const PanelLayout& layout = landscape == 1 ? kLandscapePanel : kPortraitPanel;

    SetCol(50, 50, 250, 1);
    if (ClickOn(*this, cx, pauseY, kIconResume)) Resume(*this);
    if (pauseFocus == 0) {
        DrawFocus(*this, cx, pauseY);
        if (KeyPressed(*this, kAction)) Resume(*this);
        else if (KeyPressed(*this, kLeft) || KeyPressed(*this, kUp)) MoveFocus(*this, -1, 0.8f);
        else if (KeyPressed(*this, kRight)) MoveFocus(*this, 1, 1.2f);
    }

    SetCol(255, 50, 50, 1);
    float qx = std::trunc(cx - layout.cornerDX);
    float qy = pauseY - layout.cornerDY;
    if (ClickOn(*this, qx, qy, kIconQuit)) Quit(*this);
    if (pauseFocus == -1) {
        DrawFocus(*this, qx, qy);
        if (KeyPressed(*this, kAction)) {
            Quit(*this);
            clickLatch = 1;
        } else if (KeyPressed(*this, kRight) || KeyPressed(*this, kDown)) {
            MoveFocus(*this, 0, 0.8f);
        }
    }

    SetCol(50, 250, 50, 1);
    float sx = std::trunc(cx + layout.cornerDX);
    float sy = pauseY - layout.cornerDY;
    if (ClickOn(*this, sx, sy, settings[5] == 0 ? kIconMuted : kIconSound)) NextSoundMode(*this);
    if (settings[5] >= 1 && settings[5] <= 3 && HasMusic == 1) {
        SetSize(1.5f);
        SetCol(180, 255, 255, 1);
        DrawImg(kIconSheet, sx + 20, sy, settings[5] + kIconModeBadge);
    }
    if (pauseFocus == 1) {
        DrawFocus(*this, sx, sy);
        if (KeyPressed(*this, kAction)) {
            settings[5] = (settings[5] + 1) % 4;
            PlaySFX(kSfxClick, 1, 0.5f, 0);
        } else if (KeyPressed(*this, kLeft) || KeyPressed(*this, kDown)) {
            MoveFocus(*this, 0, 0.8f);
        }
    }

    if (KeyPressed(*this, kBack)) Resume(*this);
    return 0;
}

namespace {
constexpr int kRingDots = 11;
constexpr int kSpinnerStep = 16;
constexpr float kDegrees = 0.0174532924f;

// A ring of dots around the screen centre, fading in toward its leading end.
void SpinnerRing(MyApp& g, float radius, float red, float green, float blue, int turn) {
    for (int k = 0; k < kRingDots; ++k) {
        g.SetCol(red, green, blue, k / 10.0f);
        float a = (g.spinnerAngle + kSpinnerStep * k + turn) * kDegrees;
        g.Oval(jscrw * 0.5f + std::sin(a) * radius / 4, jscrh * 0.5f - std::cos(a) * radius / 4, 8, 8);
    }
}
}  // namespace

int MyApp::WaitStart(int n) {
    CLS2D(40, 40, 80, 1);
    const int r = static_cast<int>(std::min(jscrw, jscrh));
    spinnerAngle += kSpinnerStep;
    if (n == 1) SpinnerRing(*this, r, 250, 250, 250, 180);
    SetCol(255, 255, 0, 0.8f);
    Oval(jscrw * 0.5f, jscrh * 0.5f, 0.3f * r, 0.3f * r);
    SetCol(250, 160, 60, 0.7f);
    Rect(0, jscrh * 0.4f, jscrw, jscrh * 0.2f);
    ResetDraw();
    DrawImg(kLogoImage, jscrw * 0.5f, jscrh * 0.48f, 0);
    if (n == 1) SpinnerRing(*this, r, 50, 50, 50, 0);
    return 0;
}

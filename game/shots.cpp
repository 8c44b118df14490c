// Everything in flight: the plane's shots and the dragon's fire share one fixed pool of 10-float records.
#include <cmath>

#include "app/random.h"
#include "game/globals.h"
#include "game/my_app.h"

namespace {
constexpr int kRecordFloats = 10;
constexpr int kFirstFire = 0, kLastFire = 140;
constexpr int kFirstShot = 141, kLastShot = 200;
// Float offsets inside a record.
enum ShotField { kInFlight, kX, kY, kMoveX, kMoveY, kAngle, kSpin, kRed, kGreen, kBlue };

constexpr float kSquare = 16;
constexpr float kEyeX = 174, kEyeAboveCentre = 106, kEyeReach = 32;
constexpr float kMouthX = 198, kMouthAboveCentre = 52;
constexpr float kPlaneReach = 24;
// A record leaves once its centre is this far beyond an edge.
constexpr float kOffScreen = 16;

// The highest free record of the range, or -1; launches fill a range from the top down.
int HighestFree(const std::array<float, 2048>& shots, int first, int last) {
    int found = -1;
    for (int k = first; k <= last; ++k) {
        if (shots[k * kRecordFloats + kInFlight] == 0) found = k;
    }
    return found;
}
}  // namespace

int MyApp::ShootPlane() {
    int k = HighestFree(shots, kFirstShot, kLastShot);
    if (k < 0) return 0;
    float* r = &shots[k * kRecordFloats];
    r[kInFlight] = 1;
    r[kX] = planeX;
    r[kY] = planeY;
    float u = rng::Rnd();
    r[kMoveX] = -(8 + 8 * u);
    r[kMoveY] = 0;
    r[kAngle] = Rand(0, 360);
    r[kSpin] = Rand(-8, 8);
    r[kRed] = 50 * Rand(0, 2);
    r[kGreen] = 50 * Rand(3, 5);
    r[kBlue] = 50 * Rand(4, 5);
    return 0;
}

int MyApp::ShootDragon(int count) {
    for (int i = 0; i < count; ++i) {
        int k = HighestFree(shots, kFirstFire, kLastFire);
        if (k < 0) continue;
        float* r = &shots[k * kRecordFloats];
        r[kInFlight] = 1;
        r[kX] = kMouthX;
        r[kY] = jscrh * 0.5f - kMouthAboveCentre;
        float u1 = rng::Rnd();
        r[kMoveX] = 4 + 4 * u1;
        float u2 = rng::Rnd();
        r[kMoveY] = 6 * u2 - 3;
        r[kAngle] = Rand(0, 360);
        r[kSpin] = Rand(-8, 8);
        r[kRed] = 50 * Rand(4, 5);
        r[kGreen] = 50 * Rand(3, 5);
        r[kBlue] = 50 * Rand(0, 2);
    }
    return 0;
}

int MyApp::DoFire() {
    const float eyeY = jscrh * 0.5f - kEyeAboveCentre;
    for (int k = kFirstFire; k <= kLastShot; ++k) {
        float* r = &shots[k * kRecordFloats];
        if (r[kInFlight] != 1) continue;
        r[kX] += r[kMoveX];
        r[kY] += r[kMoveY];
        r[kAngle] = std::fmod(r[kAngle] + r[kSpin], 360.0f);

        SetRot(r[kAngle]);
        SetCol(r[kRed], r[kGreen], r[kBlue]);
        Rect(r[kX] - kSquare / 2, r[kY] - kSquare / 2, kSquare, kSquare);

        if (paused == 0 && roundOver == 0) {
            if (k <= kLastFire) {
                if (std::fabs(r[kX] - planeX) < kPlaneReach && std::fabs(r[kY] - planeY) < kPlaneReach &&
                    planeHit == 0) {
                    planeHit = 1;
                    musicPlayer->Nuv_Stop(1);
                    PlaySFX(7, 1, 1, 0);
                }
            } else if (std::fabs(r[kX] - kEyeX) < kEyeReach && std::fabs(r[kY] - eyeY) < kEyeReach) {
                r[kInFlight] = 0;
                score += 1;
            }
        }

        if (r[kX] > jscrw + kOffScreen || r[kX] < -kOffScreen || r[kY] < -kOffScreen || r[kY] > jscrh + kOffScreen)
            r[kInFlight] = 0;
    }
    ResetDraw();
    return 0;
}

#pragma once
// The main loop and MilliSecs read time, and the loop sleeps, only through a Clock. The game uses the GLFW clock;
// tests install a ManualClock whose Sleep just moves time on, so the real loop runs deterministically and instantly.

namespace app {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since the program's clock started.
    virtual double Now() = 0;
    virtual void Sleep(double seconds) = 0;
};

class GlfwClock final : public Clock {
public:
    double Now() override;
    void Sleep(double seconds) override;
};

class ManualClock final : public Clock {
public:
    double Now() override { return now; }
    void Sleep(double seconds) override {
        if (seconds > 0) now += seconds;
        ++sleeps;
    }
    void Advance(double seconds) { now += seconds; }

    double now = 0;
    int sleeps = 0;
};

}  // namespace app

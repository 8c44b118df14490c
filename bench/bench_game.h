#pragma once
// The game object as the benchmark runs it: a script acts like a player at the start of each update (after the
// input device has polled the platform, before the game reads its controls), and the CPU time of the updates
// themselves is counted apart from the renders.
#include "game/my_app.h"

class gxtkInput;

namespace bench {

class Script {
public:
    virtual ~Script() = default;
    virtual void BeforeUpdate(MyApp& game, gxtkInput& input) = 0;
    virtual void AfterUpdate(MyApp& game) {}
    virtual void AfterRender(MyApp& game) {}
};

class BenchGame final : public MyApp {
public:
    int OnUpdate() override;
    int OnRender() override;

    Script* script = nullptr;
    // Process CPU seconds spent inside MyApp::OnUpdate.
    double updateCpu = 0;
};

}  // namespace bench

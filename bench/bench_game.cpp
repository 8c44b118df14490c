#include "bench/bench_game.h"

#include "bench/measure.h"
#include "input/input_device.h"

namespace bench {

int BenchGame::OnUpdate() {
    if (script) script->BeforeUpdate(*this, *input::device);
    double c0 = ProcessCpuSeconds();
    MyApp::OnUpdate();
    updateCpu += ProcessCpuSeconds() - c0;
    if (script) script->AfterUpdate(*this);
    return 0;
}

int BenchGame::OnRender() {
    MyApp::OnRender();
    if (script) script->AfterRender(*this);
    return 0;
}

}  // namespace bench

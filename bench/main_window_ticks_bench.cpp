// What one tick of the main window costs our own code (the fake platform answers at once):
// the display tick runs twice a second for as long as the program runs, the trigger tick too
// while the timer is on.
#include <benchmark/benchmark.h>

#include "main_window_ticks.h"

namespace {

void BM_DisplayTick(benchmark::State& state) {
    velkor::bench::TickingProgram ticking;
    for (auto _ : state) {
        ticking.Advance();
        ticking.program->main.PrgTimer_Timer();
    }
}
BENCHMARK(BM_DisplayTick);

void BM_TriggerTick(benchmark::State& state) {
    velkor::bench::TickingProgram ticking;
    for (auto _ : state) {
        ticking.Advance();
        ticking.program->main.SDTimer_Timer();
    }
}
BENCHMARK(BM_TriggerTick);

}  // namespace

// One reading of the processor load meter, as the main window takes it twice a second: the
// cost must not grow with the window size, and a reading must allocate nothing.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "fake_os_version.h"
#include "fake_processor_times.h"
#include "fake_registry.h"
#include "monitors/cls_cpu_load.h"

// Counts the allocations of the whole benchmark program; only the counter is added.
namespace {
std::atomic<long long> allocations{0};
}  // namespace

// GCC takes free() in a replaced operator delete for a mismatch with the replaced new.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace velkor {
namespace {

void BM_CpuLoadValue(benchmark::State& state) {
    fakes::FakeOsVersion os;
    os.record.platformId = kPlatformNT;
    fakes::FakeProcessorTimes times;
    fakes::FakeRegistry registry;
    clsCPULoad meter(os, times, registry);
    meter.StackSize(static_cast<std::int32_t>(state.range(0)));
    std::uint64_t permille = 0;
    const long long allocationsBefore = allocations;
    for (auto _ : state) {
        times.PassAtPermille(permille);
        permille = (permille + 137) % 1001;
        benchmark::DoNotOptimize(meter.Value());
    }
    state.counters["allocations_per_reading"] = benchmark::Counter(
        static_cast<double>(allocations - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CpuLoadValue)->Arg(10)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace velkor

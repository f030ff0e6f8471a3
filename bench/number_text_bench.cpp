// The conversions every display and trigger tick makes, twice a second for days.
#include <benchmark/benchmark.h>

#include <string>

#include "app/number_text.h"
#include "app/time_text.h"

namespace velkor {
namespace {

void BM_NumberFromText(benchmark::State& state) {
    const std::string text = "976,5625";
    for (auto _ : state) benchmark::DoNotOptimize(NumberFromText(text, ","));
}
BENCHMARK(BM_NumberFromText);

void BM_NumberToTextFraction(benchmark::State& state) {
    double value = 1000000 / 1024.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(NumberToText(value, ","));
    }
}
BENCHMARK(BM_NumberToTextFraction);

// The countdown step: read, subtract one, write back.
void BM_CountdownStep(benchmark::State& state) {
    std::string countdown = "100000";
    for (auto _ : state) {
        countdown = NumberToText(*NumberFromText(countdown, ",") - 1, ",");
        benchmark::DoNotOptimize(countdown);
    }
}
BENCHMARK(BM_CountdownStep);

void BM_CurrentTimeText(benchmark::State& state) {
    LocalDateTime now;
    now.hour = 7;
    now.minute = 5;
    now.second = 9;
    for (auto _ : state) benchmark::DoNotOptimize(CurrentTimeText(now));
}
BENCHMARK(BM_CurrentTimeText);

}  // namespace
}  // namespace velkor

// The bounded formatter on the short texts the pages format on every refresh.
#include "platform/base/format.h"
#include "platform/base/number.h"

#include <benchmark/benchmark.h>

namespace {

void FormatMinutes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kx::FormatText(u"%d Minutes", {15}));
}
BENCHMARK(FormatMinutes);

void FormatMixed(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            kx::FormatText(u"%s: %02d.%02d (%s)", {u"Paper size", 21, 7, u"Letter"}));
}
BENCHMARK(FormatMixed);

void ParseProfileNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kx::ParseAutoBase(u"0x12345678"));
}
BENCHMARK(ParseProfileNumber);

} // namespace

// Comparing and merging device modes beside plain copies and comparisons of
// the same 3,555 bytes: the rules' cost over the raw memory work.
#include "devmode/devmode_merge.h"
#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

struct Pair {
    kx::DevmodeBuffer a = kx::AllocateDevmode();
    kx::DevmodeBuffer b = kx::AllocateDevmode();

    Pair() {
        // A typical record: most public bits set, a watermark, equal copies.
        for (BYTE* record : {a.get(), b.get()}) {
            kx::WriteNumber(record, kx::FieldNamed("dmFields"), 0x0FFFFF1F);
            kx::WriteNumber(record, kx::FieldNamed("dmSpecVersion"), DM_SPECVERSION);
            kx::WriteText(record, kx::FieldNamed("cWaterText"), u"CONFIDENTIAL");
            kx::WriteNumber(record, kx::FieldNamed("iNup"), 2);
        }
    }
};

kx::ModelProfile Profile() {
    kx::ModelProfile profile;
    profile.PaperCollate = 1;
    profile.LayoutDoubleManual = 1;
    return profile;
}

void CompareDevmodesEqual(benchmark::State& state) {
    Pair pair;
    const kx::ModelProfile profile = Profile();
    for (auto _ : state) {
        int layout = 0;
        benchmark::DoNotOptimize(kx::CompareDevmodes(pair.a.get(), pair.b.get(), &layout,
                                                     kx::Configuration::Include, profile));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CompareDevmodesEqual);

// A difference that the rules ignore (the watermark status) runs every rule.
void CompareDevmodesIgnoredDifference(benchmark::State& state) {
    Pair pair;
    kx::WriteNumber(pair.b.get(), kx::FieldNamed("iWaterMarkStatus"), 2);
    const kx::ModelProfile profile = Profile();
    for (auto _ : state) {
        int layout = 0;
        benchmark::DoNotOptimize(kx::CompareDevmodes(pair.a.get(), pair.b.get(), &layout,
                                                     kx::Configuration::Include, profile));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CompareDevmodesIgnoredDifference);

void PlainMemcmp(benchmark::State& state) {
    Pair pair;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memcmp(pair.a.get(), pair.b.get(), kx::kDevmodeSize));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainMemcmp);

void MergeDevmode(benchmark::State& state) {
    Pair pair;
    for (auto _ : state) {
        kx::MergeDevmode(pair.a.get(), pair.b.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MergeDevmode);

void PlainMemcpy(benchmark::State& state) {
    Pair pair;
    for (auto _ : state) {
        std::memcpy(pair.a.get(), pair.b.get(), kx::kDevmodeSize);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainMemcpy);

} // namespace

// The capability answers the pages ask for on every list fill: parsing a
// model's file, a cached load, and filling the name slots.
#include "platform/spooler/capability_file.h"
#include "platform/spooler/device_capabilities.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string SampleFile() {
    std::string text = "[Papers]\n";
    for (int id = 1; id <= 70; ++id)
        text += std::to_string(id == 48 || id == 49 ? 9 : id) + "\n";
    text += "300 = \"Custom Paper\", 1000, 2000\n[Bins]\n";
    for (int id = 1; id <= 12; ++id)
        text += std::to_string(id) + " = \" Tray " + std::to_string(id) + "\"\n";
    text += "[MediaTypes]\n1 = Plain\n2 = Thick\n3 = Labels\n[Settings]\nCopies = 999\n";
    return text;
}

void ParseCapabilityFile(benchmark::State& state) {
    const std::string text = SampleFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(kx::ParseCapabilityFile(text));
}
BENCHMARK(ParseCapabilityFile);

void CachedLoad(benchmark::State& state) {
    char folder[] = "/tmp/kx-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return;
    const std::string path = std::string(folder) + "/MODEL.CAP";
    std::ofstream(path) << SampleFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(kx::LoadCapabilityFile(path));
    std::remove(path.c_str());
    rmdir(folder);
}
BENCHMARK(CachedLoad);

void PaperNames(benchmark::State& state) {
    const auto file = kx::ParseCapabilityFile(SampleFile());
    std::vector<WCHAR> slots(file.papers.size() * kx::kPaperNameSlot);
    for (auto _ : state)
        benchmark::DoNotOptimize(kx::AnswerCapability(file, DC_PAPERNAMES, slots.data()));
}
BENCHMARK(PaperNames);

} // namespace

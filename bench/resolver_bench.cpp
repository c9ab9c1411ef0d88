// The conflict resolver on a record with five independent conflicts and on a
// conflict-free one, beside a plain 3,555-byte copy; and, when the peer is
// built in, a general-purpose print system's resolver on comparable work in
// the same process.
#include "devmode/devmode_record.h"
#include "devmode/resolver.h"
#include "platform/files/prefix.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#ifdef KX_CUPS_PEER_PPD
#include "cups_peer.h"
#endif

namespace {

namespace fs = std::filesystem;

using Record = std::array<BYTE, kx::kDevmodeSize>;

void SetField(Record& record, std::string_view name, int64_t value) {
    kx::WriteNumber(record.data(), *kx::FindDevmodeField(name), value);
}

// A laser model like the peer's: duplex unit optional, finisher with staple
// and offset, hold modes that need a disk, colour with grayscale.
class BenchModel {
public:
    BenchModel() {
        m_root = (fs::temp_directory_path() / ("kx-resolver-bench-" + std::to_string(getpid())))
                     .string();
        fs::create_directories(m_root + "/drive_c/M");
        std::ofstream(m_root + "/drive_c/M/MODELU.INI")
            << "[Common]\nPrinterDuplex=1\nPrinterFinisher=1\nPrinterStapler=1\nPrinterStacker=1\n"
               "PrinterHDD=1\nGraphicsColorMode=1\nShowConstraints=1\nDoubleSidedPapers=1,5,9\n"
               "DoubleSidedMedias=1,2\nTray1Papers=1,5,9,20\nTray2Papers=1,9\nMedia1Papers=1,5,9\n"
               "Media8Papers=20\nStaple1Papers=1,9\nStacker1Papers=1,9\n"
               "[TRAYNAME]\nTrayIndex=7,1,2\n[PAPERTYPENAME]\nPaperType=1,2,3,8\n";
        kx::Prefix::Current().SetRoot(m_root);
        profile.SetFiles(u"C:\\M\\MODELU.INI", u"");
        profile.ReadProfile();
        profile.ReadProfile(kx::ProfileDevmodeView{});

        defaults.fill(0);
        SetField(defaults, "dmPaperSize", 1);
        SetField(defaults, "iPaperType", 1);
        SetField(defaults, "dmDefaultSource", 7);
        SetField(defaults, "iGrayMode", 1);
        conflictFree = defaults;
        fiveConflicts = defaults;
        SetField(fiveConflicts, "iHardwareDuplex", 1); // no duplex unit installed
        SetField(fiveConflicts, "iStaple", 1);         // no finisher
        SetField(fiveConflicts, "bOffset", 1);
        SetField(fiveConflicts, "iJobRetention", 3); // proof and store, no disk
        SetField(fiveConflicts, "iGrayMode", 0);     // grayscale with a saturation
        SetField(fiveConflicts, "iSaturation", 1);
    }
    ~BenchModel() { fs::remove_all(m_root); }

    kx::ModelProfile profile;
    kx::BuiltInResolverTexts texts;
    Record defaults{};
    Record conflictFree{};
    Record fiveConflicts{};

private:
    std::string m_root;
};

BenchModel& Model() {
    static BenchModel model;
    return model;
}

void ResolveFiveConflicts(benchmark::State& state, bool withReport) {
    BenchModel& model = Model();
    Record working;
    int changed = 0;
    for (auto _ : state) {
        working = model.fiveConflicts;
        kx::ConflictReport report;
        changed = kx::Resolve(working.data(), model.defaults.data(), nullptr,
                              withReport ? &report : nullptr, model.profile, model.texts);
        benchmark::DoNotOptimize(working.data());
    }
    if (changed != 1 || kx::ReadNumber(working.data(), *kx::FindDevmodeField("iStaple")) != 0)
        state.SkipWithError("the five conflicts were not repaired");
}
BENCHMARK_CAPTURE(ResolveFiveConflicts, WithoutReport, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ResolveFiveConflicts, WithReport, true)->Unit(benchmark::kMicrosecond);

void ResolveConflictFree(benchmark::State& state) {
    BenchModel& model = Model();
    Record working;
    for (auto _ : state) {
        working = model.conflictFree;
        const int changed = kx::Resolve(working.data(), model.defaults.data(), nullptr, nullptr,
                                        model.profile, model.texts);
        benchmark::DoNotOptimize(changed);
    }
}
BENCHMARK(ResolveConflictFree)->Unit(benchmark::kMicrosecond);

void CopyWholeRecord(benchmark::State& state) {
    BenchModel& model = Model();
    Record working;
    for (auto _ : state) {
        std::memcpy(working.data(), model.fiveConflicts.data(), kx::kDevmodeSize);
        benchmark::DoNotOptimize(working.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyWholeRecord)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
#ifdef KX_CUPS_PEER_PPD
    // The peer's figures for the same kind of work, in this process: five
    // independent repairs, and a change that conflicts with nothing.
    for (const char* scenario : {"preset_five", "nochange_default"})
        cups_peer_run(KX_CUPS_PEER_PPD, stdout, 2000, 200, 1000, scenario);
#endif
    return 0;
}

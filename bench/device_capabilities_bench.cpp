// DeviceCapabilitiesW as the pages call it on every list fill: the printer
// and driver looked up in the registry, the cached capability file answered.
#include "platform/files/prefix.h"
#include "platform/spooler/device_capabilities.h"
#include "platform/spooler/printer_store.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class BenchPrefix {
public:
    BenchPrefix() {
        std::string pattern = "/tmp/kx-bench-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_root = pattern;
        const std::string drivers = m_root + "/drive_c/windows/system32/spool/drivers/x64/3";
        std::filesystem::create_directories(drivers);
        std::ofstream(drivers + "/BENCH.CAP")
            << "[Papers]\n9\n1\n5\n11\n13\n7\n27\n20\n[Bins]\n15 = Auto\n1 = Tray 1\n2 = Tray 2\n";
        m_previous = kx::Prefix::Current().Root();
        kx::Prefix::Current().SetRoot(m_root);
        (void)kx::PrinterStore::SaveDriver(
            {u"Bench", 3, u"B.DLL", u"B.INI", u"B.DLL", u"BENCH.CAP"});
        (void)kx::PrinterStore::SavePrinter({u"Bench Printer", u"Bench", u"NUL:"});
    }
    ~BenchPrefix() {
        kx::Prefix::Current().SetRoot(m_previous);
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }

private:
    std::string m_root;
    std::string m_previous;
};

void CountThenNames(benchmark::State& state) {
    BenchPrefix prefix;
    std::vector<WCHAR> names(16 * kx::kPaperNameSlot);
    for (auto _ : state) {
        const int count = DeviceCapabilitiesW(u"Bench Printer", u"", DC_PAPERS, nullptr, nullptr);
        benchmark::DoNotOptimize(
            DeviceCapabilitiesW(u"Bench Printer", u"", DC_PAPERNAMES, names.data(), nullptr));
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(CountThenNames);

} // namespace

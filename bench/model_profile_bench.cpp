// Reading the model profile of the largest sample model: the base pass and
// the language pass, warm (the settings file already parsed and cached).
#include "devmode/model_profile.h"
#include "platform/files/prefix.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A private prefix whose drive C: is the sample template's.
class SamplePrefix {
public:
    SamplePrefix() {
        root =
            (fs::temp_directory_path() / ("kx-profile-bench-" + std::to_string(getpid()))).string();
        fs::create_directories(root);
        fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        kx::Prefix::Current().SetRoot(root);
    }
    ~SamplePrefix() { fs::remove_all(root); }
    std::string root;
};

constexpr const char16_t* kDriverFolder = u"C:\\windows\\system32\\spool\\drivers\\x64\\3\\";

void BasePlusLanguagePass(benchmark::State& state) {
    SamplePrefix prefix;
    kx::ModelProfile profile;
    profile.SetFiles(std::u16string(kDriverFolder) + u"VML42U.INI",
                     std::u16string(kDriverFolder) + u"VML42EN.DAT");
    profile.ReadProfile();
    for (auto _ : state) {
        profile.ReadProfile();
        profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = 1, .sPrinterMemory = 128});
        benchmark::DoNotOptimize(profile.GraphicsTonerMode);
    }
}
BENCHMARK(BasePlusLanguagePass)->Unit(benchmark::kMicrosecond);

void LanguagePassOnly(benchmark::State& state) {
    SamplePrefix prefix;
    kx::ModelProfile profile;
    profile.SetFiles(std::u16string(kDriverFolder) + u"VML42U.INI",
                     std::u16string(kDriverFolder) + u"VML42EN.DAT");
    profile.ReadProfile();
    for (auto _ : state) {
        profile.ReadProfile(kx::ProfileDevmodeView{.sDrvLang = 0});
        benchmark::DoNotOptimize(profile.GraphicsTonerMode);
    }
}
BENCHMARK(LanguagePassOnly)->Unit(benchmark::kMicrosecond);

} // namespace

// Start-up of the application object on the largest sample model: module
// names, the stored language, the model files and the profile's base pass,
// warm (the files already parsed and cached).
#include "framework/kromaui_app.h"
#include "platform/files/prefix.h"
#include "platform/system/system_api.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void StartUpLargestModel(benchmark::State& state) {
    const std::string root =
        (fs::temp_directory_path() / ("kx-startup-bench-" + std::to_string(getpid()))).string();
    fs::create_directories(root);
    fs::copy(std::string(KX_SOURCE_DIR) + "/models/template", root,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    kx::Prefix::Current().SetRoot(root);
    const std::string folder = root + "/drive_c/windows/system32/spool/drivers/x64/3";
    const HMODULE module = kx::RegisterModule(folder + "/VML42U.DLL", nullptr);
    kx::CKROMAUIApp app;
    app.SetInstance(module);
    app.InitInstance();
    for (auto _ : state) {
        app.InitInstance();
        benchmark::DoNotOptimize(app.profile.GraphicsTonerMode);
    }
    app.ExitInstance();
    kx::UnregisterModule(module);
    fs::remove_all(root);
}
BENCHMARK(StartUpLargestModel)->Unit(benchmark::kMicrosecond);

} // namespace

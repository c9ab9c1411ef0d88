// The main job: the host on the bundled sample prefix. It prepares the
// prefix, lists its printers, loads each printer's driver module to show the
// pages it offers, draws every page and every dialog of every printer into
// the gallery (out/index.html), and plays a short user script on the first
// printer's sheet, leaving the pictures of its pages in the prefix.
#include "apps/gallery.h"
#include "apps/host_command.h"

#include "framework/control_ids.h"
#include "platform/files/prefix.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace kxhost {
namespace {

int RunCommand(std::string_view name, const Arguments& arguments) {
    for (const auto& command : Commands()) {
        if (command.name == name)
            return command.run(arguments);
    }
    return 1;
}

constexpr const char* kDemoPrinter = "Velmora ML-4200";
// The unit buttons by their identifiers: their texts are the user's language.
std::string DemoScript() {
    return "# The user looks at the pages, switches the unit to inches and applies.\n"
           "page 0\n"
           "expect " +
           std::to_string(kx::kMillimetreButtonId) +
           " checked\n"
           "check " +
           std::to_string(kx::kInchButtonId) +
           "\n"
           "page 1\n"
           "page 2\n"
           "apply\n"
           "ok\n";
}

int PlayDemoSheet() {
    const std::string folder = kx::Prefix::Current().Root() + "/out";
    const std::string script = folder + "/demo-sheet.txt";
    std::filesystem::create_directories(folder);
    std::ofstream(script) << DemoScript();
    std::printf("\n== a user's session on the %s sheet (script %s)\n", kDemoPrinter,
                script.c_str());
    return RunCommand("sheet",
                      {kDemoPrinter, script, "--pages", "0,1,2", "--png-dir", folder + "/pages"});
}

int RunDemo(const Arguments&) {
    if (!EnsurePrefix())
        return 1;
    std::printf("kxhost: prefix %s is ready\n\n== printers\n",
                kx::Prefix::Current().Root().c_str());
    int status = RunCommand("printers", {});
    std::printf("\n== pages of each printer's module\n");
    status |= RunCommand("pages", {});
    std::printf("\n== the gallery: every page and dialog of every printer\n");
    status |= MakeGallery(kx::Prefix::Current().Root() + "/out");
    status |= PlayDemoSheet();
    return status;
}

const bool kRegistered = RegisterCommand(
    {"demo", "", "the main job: prepare the sample prefix, list printers and their pages",
     RunDemo});

} // namespace
} // namespace kxhost

// The main job: the host on the bundled sample prefix. It prepares the
// prefix, lists its printers and loads each printer's driver module to show
// the pages it offers.
#include "apps/host_command.h"

#include "platform/files/prefix.h"

#include <cstdio>
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

int RunDemo(const Arguments&) {
    if (!EnsurePrefix())
        return 1;
    std::printf("kxhost: prefix %s is ready\n\n== printers\n", kx::Prefix::Current().Root().c_str());
    int status = RunCommand("printers", {});
    std::printf("\n== pages of each printer's module\n");
    status |= RunCommand("pages", {});
    return status;
}

const bool kRegistered = RegisterCommand(
    {"demo", "", "the main job: prepare the sample prefix, list printers and their pages", RunDemo});

} // namespace
} // namespace kxhost

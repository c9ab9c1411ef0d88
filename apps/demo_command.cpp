// The main job: the host on the bundled sample prefix.
#include "apps/host_command.h"

#include "platform/files/prefix.h"

#include <cstdio>

namespace kxhost {
namespace {

int RunDemo(const Arguments&) {
    if (!EnsurePrefix())
        return 1;
    std::printf("kxhost: prefix %s is ready\n", kx::Prefix::Current().Root().c_str());
    for (const auto& command : Commands()) {
        if (command.name == "prefix")
            return command.run({});
    }
    return 0;
}

const bool kRegistered = RegisterCommand(
    {"demo", "", "the main job: prepare the sample prefix and show what it holds", RunDemo});

} // namespace
} // namespace kxhost

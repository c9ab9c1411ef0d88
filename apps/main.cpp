// The reference driver host: a program that plays the printer driver's
// property-sheet shell around the module, on a prefix of its own.
#include "apps/host_command.h"
#include "apps/sample_family.h"

#include "platform/files/prefix.h"
#include "platform/registry/registry_hives.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kxhost {

std::vector<HostCommand>& CommandTable() {
    static std::vector<HostCommand> table;
    return table;
}

bool RegisterCommand(const HostCommand& command) {
    CommandTable().push_back(command);
    return true;
}

const std::vector<HostCommand>& Commands() {
    return CommandTable();
}

std::string TemplateFolder() {
    if (const char* chosen = std::getenv("KX_TEMPLATE"); chosen != nullptr && *chosen != '\0')
        return chosen;
    return std::string(KX_SOURCE_DIR) + "/models/template";
}

bool EnsurePrefix() {
    const std::string root = kx::Prefix::Current().Root();
    if (!kx::Prefix::CreateFromTemplate(TemplateFolder(), root)) {
        std::fprintf(stderr, "kxhost: cannot create the prefix %s from %s\n", root.c_str(),
                     TemplateFolder().c_str());
        return false;
    }
    return InstallSampleFamily();
}

bool EnsurePrefixToRead() {
    if (!kx::HiveFileExists(kx::HiveKind::LocalMachine))
        return EnsurePrefix();
    kx::OpenHivesForReadingOnly();
    if (SampleFamilyInstalled())
        return true;
    // Another host is still making this prefix, or a sample printer went:
    // the prefix is made whole as for any other command.
    kx::OpenHivesForWriting();
    return EnsurePrefix();
}

namespace {

void PrintHelp() {
    std::printf("usage: kxhost [--prefix DIR] COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const auto& command : Commands()) {
        std::printf("  %-10.*s %-28.*s %.*s\n", static_cast<int>(command.name.size()),
                    command.name.data(), static_cast<int>(command.usage.size()),
                    command.usage.data(), static_cast<int>(command.summary.size()),
                    command.summary.data());
    }
    std::printf("\nThe prefix is $%s, or %s when unset.\n", kx::Prefix::kEnvironmentVariable,
                kx::Prefix::DefaultRoot().c_str());
}

} // namespace
} // namespace kxhost

int main(int argc, char** argv) {
    using namespace kxhost;
    Arguments arguments(argv + 1, argv + argc);
    if (arguments.size() >= 2 && arguments[0] == "--prefix") {
        kx::Prefix::Current().SetRoot(arguments[1]);
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.empty() || arguments[0] == "help" || arguments[0] == "--help") {
        PrintHelp();
        return arguments.empty() ? 2 : 0;
    }
    for (const auto& command : Commands()) {
        if (command.name == arguments[0])
            return command.run(Arguments(arguments.begin() + 1, arguments.end()));
    }
    std::fprintf(stderr, "kxhost: unknown command '%s' (try kxhost help)\n", arguments[0].c_str());
    return 2;
}

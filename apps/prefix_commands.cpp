// The prefix commands: create the prefix from the bundled sample and show it.
#include "apps/host_command.h"

#include "platform/files/prefix.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace kxhost {
namespace {
namespace fs = std::filesystem;

void PrintTree(const fs::path& root) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        entries.push_back(it->path());
    std::sort(entries.begin(), entries.end());
    for (const auto& path : entries) {
        const fs::path relative = path.lexically_relative(root);
        const auto depth = static_cast<int>(std::distance(relative.begin(), relative.end())) - 1;
        if (fs::is_directory(path, error)) {
            std::printf("%*s%s/\n", depth * 2, "", path.filename().c_str());
        } else {
            std::printf("%*s%s  (%ju bytes)\n", depth * 2, "", path.filename().c_str(),
                        static_cast<uintmax_t>(fs::file_size(path, error)));
        }
    }
}

int ShowPrefix(const Arguments&) {
    if (!EnsurePrefix())
        return 1;
    const std::string& root = kx::Prefix::Current().Root();
    std::printf("prefix %s\n", root.c_str());
    PrintTree(root);
    return 0;
}

int ResetPrefix(const Arguments&) {
    const std::string& root = kx::Prefix::Current().Root();
    std::error_code error;
    fs::remove_all(root, error);
    if (error) {
        std::fprintf(stderr, "kxhost: cannot remove %s: %s\n", root.c_str(),
                     error.message().c_str());
        return 1;
    }
    return ShowPrefix({});
}

const bool kRegistered =
    RegisterCommand(
        {"prefix", "", "create the prefix if needed and list what it holds", ShowPrefix}) &&
    RegisterCommand({"reset", "", "make the prefix anew from the bundled sample", ResetPrefix});

} // namespace
} // namespace kxhost

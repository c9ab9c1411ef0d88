// Fuzzes Windows path mapping: whatever the path, a mapped result stays
// inside the drive's folder of a fixed fuzzing prefix.
#include "platform/files/path_mapping.h"
#include "platform/files/prefix.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string root = [] {
        const std::string folder =
            (std::filesystem::temp_directory_path() / "kx-path-fuzz-prefix").string();
        std::filesystem::create_directories(folder + "/drive_c/Windows/System32");
        kx::Prefix::Current().SetRoot(folder);
        return folder;
    }();
    std::u16string path(size / 2, u'\0');
    for (size_t i = 0; i < path.size(); ++i)
        path[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const auto mapped = kx::ToUnixPath(path, kx::Wildcards::AllowInLastName);
    if (mapped && *mapped != "/dev/null" && mapped->rfind(root + "/drive_c", 0) != 0)
        std::abort();
    if (mapped && mapped->find("/../") != std::string::npos)
        std::abort();
    return 0;
}

// The registry commands: export the prefix's registry (or one key's tree) to
// a ".reg" file and import one.
#include "apps/host_command.h"

#include "platform/base/text.h"
#include "platform/files/whole_file.h"
#include "platform/registry/registry_transfer.h"

#include <cstdio>
#include <fstream>
#include <optional>

namespace kxhost {
namespace {

int Export(const Arguments& arguments) {
    // reg export [--regedit4] [KEY] FILE
    std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    auto format = kx::RegFormat::Version5;
    if (!rest.empty() && rest.front() == "--regedit4") {
        format = kx::RegFormat::Regedit4;
        rest.erase(rest.begin());
    }
    if (rest.empty() || rest.size() > 2) {
        std::fprintf(stderr, "usage: kxhost reg export [--regedit4] [KEY] FILE\n");
        return 2;
    }
    const std::u16string key = rest.size() == 2 ? kx::Utf8ToUtf16(rest[0]) : u"";
    const std::string& file = rest.back();
    if (!EnsurePrefixToRead())
        return 1;
    std::string bytes;
    if (const DWORD error = kx::ExportRegistry(key, format, &bytes); error != ERROR_SUCCESS) {
        std::fprintf(stderr, "kxhost: cannot export %s: %s\n",
                     key.empty() ? "the registry" : rest[0].c_str(),
                     error == ERROR_FILE_NOT_FOUND
                         ? "no such key"
                         : ("registry error " + std::to_string(error)).c_str());
        return 1;
    }
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (!out.flush()) {
        std::fprintf(stderr, "kxhost: cannot write %s\n", file.c_str());
        return 1;
    }
    return 0;
}

int Import(const Arguments& arguments) {
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kxhost reg import FILE\n");
        return 2;
    }
    const std::optional<std::string> content = kx::ReadWholeFile(arguments[1]);
    if (!content) {
        std::fprintf(stderr, "kxhost: cannot read %s\n", arguments[1].c_str());
        return 1;
    }
    if (!EnsurePrefix())
        return 1;
    std::string message;
    if (kx::ImportRegistry(*content, &message) != ERROR_SUCCESS) {
        std::fprintf(stderr, "kxhost: %s: %s; nothing was imported\n", arguments[1].c_str(),
                     message.c_str());
        return 1;
    }
    return 0;
}

int RunRegistry(const Arguments& arguments) {
    if (!arguments.empty() && arguments[0] == "export")
        return Export(arguments);
    if (!arguments.empty() && arguments[0] == "import")
        return Import(arguments);
    std::fprintf(stderr, "usage: kxhost reg export [--regedit4] [KEY] FILE | reg import FILE\n");
    return 2;
}

const bool kRegistered = RegisterCommand(
    {"reg", "export [--regedit4] [KEY] FILE | import FILE",
     "export the prefix's registry (or KEY's tree) to a .reg file, or import one", RunRegistry});

} // namespace
} // namespace kxhost

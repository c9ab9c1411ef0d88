// Fuzzes the macro expansion of product texts: any version file and any
// string text expand within the result's capacity, quickly, and a text
// without "$" comes back as it was read.
#include "framework/text_macros.h"
#include "framework/text_store.h"
#include "platform/files/prefix.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string& FuzzRoot() {
    // Never destroyed: the clean-up at exit still needs it.
    static const std::string* root = new std::string([] {
        std::string pattern = (std::filesystem::temp_directory_path() / "kx-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(FuzzRoot(), error);
        });
        return pattern;
    }());
    return *root;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

// The first byte splits the input: the version file's values, then the
// string text (one line each way, so the fuzzer reaches the macros fast).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    kx::Prefix::Current().SetRoot(FuzzRoot());
    const std::string drive = FuzzRoot() + "/drive_c";
    std::filesystem::create_directories(drive);
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = std::min<size_t>(rest.size(), size_t{data[0]} * 4);
    WriteFile(drive + "/M.VER", std::string("[Version]\n") + std::string(rest.substr(0, split)));
    WriteFile(drive + "/M.DAT",
              std::string("[Common]\nText=") + std::string(rest.substr(split)) + "\n");

    int32_t diagnostic = 0;
    kx::TextStore version(&diagnostic);
    version.SetFile(u"C:\\M.VER", kx::ClearReadOnly::No);
    kx::TextStore strings(&diagnostic);
    strings.SetFile(u"C:\\M.DAT", kx::ClearReadOnly::No);
    strings.SetMacroSource(&version);

    const std::u16string expanded = strings.ReadExpanded(u"Text", u"", kx::Expand::Yes);
    if (expanded.size() >= kx::TextStore::kExpandedCapacity)
        std::abort();
    const std::u16string plain = strings.ReadExpanded(u"Text", u"", kx::Expand::No);
    if (plain.find(u'$') == std::u16string::npos && expanded != plain)
        std::abort();

    for (const size_t limit : {size_t{0}, size_t{1}, size_t{40}}) {
        std::u16string text = plain;
        kx::ExpandMacros(text, version, limit);
        if (text.size() > limit)
            std::abort();
    }
    return 0;
}

// Fuzzes the Troubleshooting link targets from a model's string file: the
// "%s" formatting with an address, and the "print://" file that must stay
// inside the module's folder.
#include "utilities/link_launcher.h"
#include "utilities/trouble_links.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::u16string_view kFolder = u"C:\\Drv\\";

bool ClimbsOut(std::u16string_view relative) {
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t end = std::min(relative.find(u'\\', start), relative.size());
        const std::u16string_view segment = relative.substr(start, end - start);
        if (segment.empty() || segment.find_first_not_of(u". ") == std::u16string_view::npos)
            return true;
        start = end + 1;
    }
    return relative.find_first_of(u":/") != std::u16string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));

    const auto links = kx::ResolveTroubleLinks([&text](int) { return text; },
                                               [] { return std::u16string(u"[fe80::1]"); });
    for (const auto& link : links) {
        if (link.target.size() > kx::kLaunchBufferLength)
            std::abort();
    }

    if (const auto file = kx::PrintLinkFile(kFolder, text)) {
        if (!file->starts_with(kFolder) ||
            ClimbsOut(std::u16string_view(*file).substr(kFolder.size())))
            std::abort();
    }
    return 0;
}

// Fuzzes the capability file parser and checks the answers it gives stay
// consistent: equal counts for ids, names and sizes, and slots never overrun.
#include "platform/spooler/capability_file.h"
#include "platform/spooler/device_capabilities.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file =
        kx::ParseCapabilityFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const int papers = kx::AnswerCapability(file, DC_PAPERS, nullptr);
    if (papers != kx::AnswerCapability(file, DC_PAPERNAMES, nullptr) ||
        papers != kx::AnswerCapability(file, DC_PAPERSIZE, nullptr) || papers > 256)
        std::abort();
    std::vector<WCHAR> names(static_cast<size_t>(papers) * kx::kPaperNameSlot);
    kx::AnswerCapability(file, DC_PAPERNAMES, names.data());
    const int bins = kx::AnswerCapability(file, DC_BINS, nullptr);
    std::vector<WCHAR> binNames(static_cast<size_t>(bins) * kx::kBinNameSlot);
    if (kx::AnswerCapability(file, DC_BINNAMES, binNames.data()) != bins)
        std::abort();
    for (const auto& paper : file.papers) {
        if (paper.width <= 0 || paper.length <= 0 || paper.name.empty())
            std::abort();
    }
    return 0;
}

// The names and texts the conflict rules show, for one printer.
#include "framework/printer_texts.h"

#include "platform/base/text.h"
#include "platform/windows.h"

#include <vector>

namespace kx {
namespace {

// Media names have the slots of paper names.
constexpr size_t kMediaNameSlot = kPaperNameSlot;

const DEVMODEW* PublicPart(const BYTE* devmode) { return reinterpret_cast<const DEVMODEW*>(devmode); }

// Asks a list capability twice: the count, then the entries.
template <typename T>
std::vector<T> Capability(const std::u16string& printer, WORD capability, size_t slot,
                          const BYTE* devmode) {
    const int count = DeviceCapabilitiesW(printer.c_str(), nullptr, capability, nullptr,
                                          PublicPart(devmode));
    if (count <= 0)
        return {};
    std::vector<T> entries(static_cast<size_t>(count) * slot);
    const int filled = DeviceCapabilitiesW(printer.c_str(), nullptr, capability,
                                           reinterpret_cast<LPWSTR>(entries.data()),
                                           PublicPart(devmode));
    entries.resize(filled <= 0 ? 0 : std::min<size_t>(static_cast<size_t>(filled) * slot, entries.size()));
    return entries;
}

// The name of `number` in a pair of lists: numbers and fixed-size name slots.
template <typename Number>
std::u16string NameOf(const std::u16string& printer, WORD numbersCapability,
                      WORD namesCapability, size_t slot, const BYTE* devmode, int32_t number) {
    const auto numbers = Capability<Number>(printer, numbersCapability, 1, devmode);
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (static_cast<int32_t>(numbers[i]) != number)
            continue;
        const auto names = Capability<WCHAR>(printer, namesCapability, slot, devmode);
        if ((i + 1) * slot > names.size())
            return {};
        return TextFromField(names.data() + i * slot, slot);
    }
    return {};
}

} // namespace

std::u16string PrinterTexts::PaperName(const BYTE* devmode, int32_t paper) {
    return NameOf<WORD>(m_printer, DC_PAPERS, DC_PAPERNAMES, kPaperNameSlot, devmode, paper);
}

std::u16string PrinterTexts::MediaName(const BYTE* devmode, int32_t media) {
    return NameOf<DWORD>(m_printer, DC_MEDIATYPES, DC_MEDIATYPENAMES, kMediaNameSlot, devmode, media);
}

std::u16string PrinterTexts::TrayName(const BYTE* devmode, int32_t tray) {
    return NameOf<WORD>(m_printer, DC_BINS, DC_BINNAMES, kBinNameSlot, devmode, tray);
}

std::u16string PrinterTexts::StringText(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view defaultText) {
    const std::u16string saved = m_stringFile.section();
    m_stringFile.SelectSection(section);
    std::u16string text = m_stringFile.ReadText(key, TextStore::kExpandedCapacity, defaultText);
    m_stringFile.SelectSection(saved);
    return text;
}

PaperSizeLookup PrinterPaperSizes(std::u16string printerName, const BYTE* devmode) {
    return [printerName = std::move(printerName), devmode](int32_t paper) -> std::optional<PaperDimensions> {
        const auto papers = Capability<WORD>(printerName, DC_PAPERS, 1, devmode);
        for (size_t i = 0; i < papers.size(); ++i) {
            if (papers[i] != paper)
                continue;
            const auto sizes = Capability<POINT>(printerName, DC_PAPERSIZE, 1, devmode);
            if (i >= sizes.size())
                return std::nullopt;
            return PaperDimensions{sizes[i].x, sizes[i].y};
        }
        return std::nullopt;
    };
}

} // namespace kx

// The names and texts the conflict rules show, for one printer.
#include "framework/printer_texts.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "platform/base/standard_papers.h"
#include "platform/base/text.h"
#include "platform/windows.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace kx {
namespace {

// Media names have the slots of paper names.
constexpr size_t kMediaNameSlot = kPaperNameSlot;

const DEVMODEW* PublicPart(const BYTE* devmode) {
    return reinterpret_cast<const DEVMODEW*>(devmode);
}

// Asks a list capability twice: the count, then the entries.
template <typename T>
std::vector<T> Capability(const std::u16string& printer, WORD capability, size_t slot,
                          const BYTE* devmode) {
    const int count =
        DeviceCapabilitiesW(printer.c_str(), nullptr, capability, nullptr, PublicPart(devmode));
    if (count <= 0)
        return {};
    std::vector<T> entries(static_cast<size_t>(count) * slot);
    const int filled =
        DeviceCapabilitiesW(printer.c_str(), nullptr, capability,
                            reinterpret_cast<LPWSTR>(entries.data()), PublicPart(devmode));
    entries.resize(
        filled <= 0 ? 0 : std::min<size_t>(static_cast<size_t>(filled) * slot, entries.size()));
    return entries;
}

// A pair of lists: the numbers, and the names in fixed-size slots.
template <typename Number>
CapabilityNames ReadNames(const std::u16string& printer, WORD numbersCapability,
                          WORD namesCapability, size_t slot, const BYTE* devmode) {
    CapabilityNames list;
    for (const Number number : Capability<Number>(printer, numbersCapability, 1, devmode))
        list.numbers.push_back(static_cast<int32_t>(number));
    const auto names = Capability<WCHAR>(printer, namesCapability, slot, devmode);
    for (size_t i = 0; i < list.numbers.size() && (i + 1) * slot <= names.size(); ++i)
        list.names.push_back(TextFromField(names.data() + i * slot, slot));
    return list;
}

LocalPrintingOnlyTest g_localPrintingOnly = nullptr;

} // namespace

void InstallLocalPrintingOnlyTest(LocalPrintingOnlyTest test) {
    g_localPrintingOnly = test;
}

bool PrinterTexts::LocalPrintingOnly() {
    return g_localPrintingOnly != nullptr && g_localPrintingOnly(m_printer);
}

std::u16string CapabilityNames::NameOf(int32_t number) const {
    for (size_t i = 0; i < numbers.size() && i < names.size(); ++i) {
        if (numbers[i] == number)
            return names[i];
    }
    return {};
}

void PrinterTexts::Refresh() {
    m_papers.reset();
    m_media.reset();
    m_trays.clear();
}

int PrinterTexts::CustomPaperCount(const BYTE* devmode) {
    const auto& numbers = Papers(devmode).numbers;
    return static_cast<int>(std::count_if(
        numbers.begin(), numbers.end(), [](int32_t paper) { return paper > kLastStandardPaper; }));
}

PrinterTexts& PrinterTextsFor(std::u16string_view printerName) {
    static std::map<std::u16string, std::unique_ptr<PrinterTexts>, std::less<>> texts;
    // A module started anew has a new string file: texts made for the old
    // one must not outlive it.
    static const TextStore* store = nullptr;
    if (store != &TheApp().stringFile) {
        texts.clear();
        store = &TheApp().stringFile;
    }
    auto found = texts.find(printerName);
    if (found == texts.end()) {
        std::u16string name(printerName);
        auto made = std::make_unique<PrinterTexts>(name, TheApp().stringFile);
        found = texts.emplace(std::move(name), std::move(made)).first;
    }
    return *found->second;
}

const CapabilityNames& PrinterTexts::Papers(const BYTE* devmode) {
    if (!m_papers)
        m_papers = ReadNames<WORD>(m_printer, DC_PAPERS, DC_PAPERNAMES, kPaperNameSlot, devmode);
    return *m_papers;
}

const CapabilityNames& PrinterTexts::Media(const BYTE* devmode) {
    if (!m_media)
        m_media =
            ReadNames<DWORD>(m_printer, DC_MEDIATYPES, DC_MEDIATYPENAMES, kMediaNameSlot, devmode);
    return *m_media;
}

const CapabilityNames& PrinterTexts::Trays(const BYTE* devmode) {
    static const DevmodeField& kOptTray = FieldNamed("iOptTray");
    static const DevmodeField& kEnvelopeSupply = FieldNamed("iEvlSupply");
    const std::pair<int64_t, int64_t> options =
        devmode == nullptr
            ? std::pair<int64_t, int64_t>{0, 0}
            : std::pair{ReadNumber(devmode, kOptTray), ReadNumber(devmode, kEnvelopeSupply)};
    auto it = m_trays.find(options);
    if (it == m_trays.end())
        it = m_trays
                 .emplace(options,
                          ReadNames<WORD>(m_printer, DC_BINS, DC_BINNAMES, kBinNameSlot, devmode))
                 .first;
    return it->second;
}

std::u16string PrinterTexts::PaperName(const BYTE* devmode, int32_t paper) {
    return Papers(devmode).NameOf(paper);
}

std::u16string PrinterTexts::MediaName(const BYTE* devmode, int32_t media) {
    return Media(devmode).NameOf(media);
}

std::u16string PrinterTexts::TrayName(const BYTE* devmode, int32_t tray) {
    return Trays(devmode).NameOf(tray);
}

std::u16string PrinterTexts::StringText(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view defaultText, size_t capacity) {
    const std::u16string saved = m_stringFile.section();
    m_stringFile.SelectSection(section);
    std::u16string text = m_stringFile.ReadText(key, capacity, defaultText);
    m_stringFile.SelectSection(saved);
    return text;
}

PaperSizeLookup PrinterPaperSizes(std::u16string printerName, const BYTE* devmode) {
    // The lookup outlives the record it was made for (the profile keeps it
    // for the module's life), so it keeps its own copy.
    struct Sizes {
        bool read = false;
        std::vector<BYTE> record;
        std::vector<WORD> papers;
        std::vector<POINT> sizes;
    };
    auto sizes = std::make_shared<Sizes>();
    if (devmode != nullptr)
        sizes->record.assign(devmode, devmode + kDevmodeSize);
    return [printerName = std::move(printerName),
            sizes](int32_t paper) -> std::optional<PaperDimensions> {
        if (!sizes->read) {
            const BYTE* record = sizes->record.empty() ? nullptr : sizes->record.data();
            sizes->papers = Capability<WORD>(printerName, DC_PAPERS, 1, record);
            sizes->sizes = Capability<POINT>(printerName, DC_PAPERSIZE, 1, record);
            sizes->read = true;
        }
        for (size_t i = 0; i < sizes->papers.size() && i < sizes->sizes.size(); ++i) {
            if (sizes->papers[i] == paper)
                return PaperDimensions{sizes->sizes[i].x, sizes->sizes[i].y};
        }
        return std::nullopt;
    };
}

} // namespace kx

// Paper, source, media and output-bin lists from the printer's capabilities.
#include "framework/printer_lists.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "platform/base/contains.h"
#include "platform/base/text.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>

namespace kx {
namespace {

constexpr int32_t kUserDefinedPaper = 256;
constexpr int32_t kLowerTray = 2;
constexpr int32_t kEnvelopeFeeder = 5;
constexpr int32_t kLastStandardTray = 256;
constexpr WORD kMediaAsWords = 0xFFFF;

// Capability ids are WORDs; anything else the printer reports is not an id
// a list can hold.
bool IsListable(int32_t number) {
    return number >= 0 && number <= 0xFFFF;
}

PrinterList Entries(const CapabilityList& list, const std::function<bool(int32_t)>& listed) {
    PrinterList result;
    const size_t count = std::min(list.numbers.size(), list.names.size());
    for (size_t i = 0; i < count; ++i) {
        if (IsListable(list.numbers[i]) && listed(list.numbers[i]))
            result.entries.push_back({list.names[i], static_cast<WORD>(list.numbers[i])});
    }
    return result;
}

// The fields that say what is installed in the printer; the printer may name
// its trays and bins differently for each.
constexpr std::array<const DevmodeField*, 10> kInstalledOptions = {
    &FieldNamed("iOptTray"),   &FieldNamed("iOptFinisher"),   &FieldNamed("bOptMailBox"),
    &FieldNamed("iEvlSupply"), &FieldNamed("iDuplexUnit"),    &FieldNamed("iInHard"),
    &FieldNamed("iHighAlt"),   &FieldNamed("sPrinterMemory"), &FieldNamed("iOptionalOutBin"),
    &FieldNamed("sDrvLang"),
};

uint64_t g_papersGeneration = 0;

} // namespace

uint64_t PapersGeneration() {
    return g_papersGeneration;
}

void NotePapersChanged() {
    ++g_papersGeneration;
}

void CPrinterLists::ForgetPapers() {
    m_papers.reset();
    NotePapersChanged();
}

PrinterList FilterPapers(const CapabilityList& papers, CustomSizes custom,
                         std::span<const int32_t> largePapers) {
    return Entries(papers, [&](int32_t id) {
        if (id == kUserDefinedPaper)
            return false;
        return custom == CustomSizes::Included ||
               (id < kUserDefinedPaper && !Contains(largePapers, id));
    });
}

PrinterList FilterSources(const CapabilityList& bins, const SourceFilter& filter) {
    std::vector<int32_t> allowed;
    if (filter.allowed) {
        const auto end = std::find(filter.allowed->begin(), filter.allowed->end(), -1);
        allowed.assign(filter.allowed->begin(), end);
    }
    const auto listed = [&](int32_t id) {
        if (!IsListable(id) || (id == kEnvelopeFeeder && filter.envelopeSupply <= 0))
            return false;
        if (filter.optionalTrays <= 0 &&
            ((id == kLowerTray && !filter.lowerTrayOffered) || id > kLastStandardTray))
            return false;
        return !filter.allowed || Contains(allowed, id);
    };
    PrinterList result;
    result.spacePrefixed = !bins.names.empty() && bins.names.front().starts_with(u' ');
    const size_t count = std::min(bins.numbers.size(), bins.names.size());
    for (size_t i = 0; i < count; ++i) {
        std::u16string_view name = bins.names[i];
        if (result.spacePrefixed) {
            if (!name.starts_with(u' '))
                continue;
            name.remove_prefix(1);
        }
        if (listed(bins.numbers[i]))
            result.entries.push_back({std::u16string(name), static_cast<WORD>(bins.numbers[i])});
    }
    return result;
}

PrinterList AllOf(const CapabilityList& list) {
    return Entries(list, [](int32_t) { return true; });
}

std::vector<int32_t> MediaNumbers(std::span<const BYTE> raw, int count) {
    std::vector<int32_t> numbers;
    if (count <= 0)
        return numbers;
    const auto entries = std::min(static_cast<size_t>(count), raw.size() / sizeof(DWORD));
    DWORD first = 0;
    if (entries > 0)
        std::memcpy(&first, raw.data(), sizeof first);
    if (first > kMediaAsWords) {
        const auto words = std::min(static_cast<size_t>(count), raw.size() / sizeof(WORD));
        for (size_t i = 0; i < words; ++i) {
            WORD id = 0;
            std::memcpy(&id, raw.data() + i * sizeof id, sizeof id);
            numbers.push_back(id);
        }
        return numbers;
    }
    for (size_t i = 0; i < entries; ++i) {
        DWORD id = 0;
        std::memcpy(&id, raw.data() + i * sizeof id, sizeof id);
        numbers.push_back(id > 0x7FFFFFFF ? -1 : static_cast<int32_t>(id));
    }
    return numbers;
}

void WriteSource(BYTE* devmode, const PrinterList& sources, WORD source) {
    if (devmode == nullptr)
        return;
    WriteNumber(devmode, FieldNamed("dmDefaultSource"), source);
    if (sources.spacePrefixed)
        WriteNumber(devmode, FieldNamed("sDefaultSource"), source);
}

int FillPrinterList(CKxComboBox& box, const PrinterList& list) {
    box.ResetContent();
    int added = 0;
    for (const PrinterListEntry& entry : list.entries) {
        if (box.AddItem(entry.name, entry.value) >= 0)
            ++added;
    }
    return added;
}

CPrinterLists::CPrinterLists(std::u16string printer)
    : CPrinterLists(printer, [printer](WORD capability, LPWSTR output, const DEVMODEW* devmode) {
          return DeviceCapabilitiesW(printer.c_str(), nullptr, capability, output, devmode);
      }) {}

CPrinterLists::CPrinterLists(std::u16string printer, CapabilityQuery query)
    : m_printer(std::move(printer)), m_query(std::move(query)) {}

void CPrinterLists::Forget() {
    m_papers.reset();
    m_bins.reset();
    m_media.reset();
    m_outputBins.reset();
}

CPrinterLists::Options CPrinterLists::OptionsOf(const BYTE* devmode) {
    Options options;
    if (devmode == nullptr)
        return options;
    for (size_t i = 0; i < kInstalledOptions.size(); ++i)
        options.values[i] = ReadNumber(devmode, *kInstalledOptions[i]);
    return options;
}

void CPrinterLists::ForgetWhenOptionsChanged(const BYTE* devmode) {
    const Options options = OptionsOf(devmode);
    if (m_options && *m_options == options)
        return;
    if (m_options)
        Forget();
    m_options = options;
}

std::vector<BYTE> CPrinterLists::Ask(WORD capability, size_t entrySize, const BYTE* devmode,
                                     int* count) {
    const auto* publicPart = reinterpret_cast<const DEVMODEW*>(devmode);
    *count = m_query(capability, nullptr, publicPart);
    // A printer that reports more than a list can hold is not believed.
    constexpr int kMostEntries = 4096;
    if (*count <= 0 || *count > kMostEntries) {
        *count = 0;
        return {};
    }
    std::vector<BYTE> data(static_cast<size_t>(*count) * entrySize);
    const int filled = m_query(capability, reinterpret_cast<LPWSTR>(data.data()), publicPart);
    *count = std::clamp(filled, 0, *count);
    data.resize(static_cast<size_t>(*count) * entrySize);
    return data;
}

CapabilityList CPrinterLists::Read(WORD numbers, WORD names, size_t slot, size_t numberSize,
                                   const BYTE* devmode) {
    CapabilityList list;
    int count = 0;
    const std::vector<BYTE> raw = Ask(numbers, numberSize, devmode, &count);
    if (numbers == DC_MEDIATYPES) {
        list.numbers = MediaNumbers(raw, count);
    } else {
        for (int i = 0; i < count; ++i) {
            WORD id = 0;
            std::memcpy(&id, raw.data() + static_cast<size_t>(i) * sizeof id, sizeof id);
            list.numbers.push_back(id);
        }
    }
    int nameCount = 0;
    const std::vector<BYTE> nameBytes = Ask(names, slot * sizeof(WCHAR), devmode, &nameCount);
    std::vector<WCHAR> text(nameBytes.size() / sizeof(WCHAR));
    // A printer that answers nothing leaves both buffers empty (and null).
    if (!text.empty())
        std::memcpy(text.data(), nameBytes.data(), text.size() * sizeof(WCHAR));
    for (int i = 0; i < nameCount; ++i)
        list.names.push_back(TextFromField(text.data() + static_cast<size_t>(i) * slot, slot));
    list.names.resize(std::min(list.names.size(), list.numbers.size()));
    list.numbers.resize(list.names.size());
    return list;
}

PrinterList CPrinterLists::Papers(const BYTE* devmode, CustomSizes custom,
                                  const ModelProfile& profile) {
    ForgetWhenOptionsChanged(devmode);
    if (!m_papers)
        m_papers = Read(DC_PAPERS, DC_PAPERNAMES, kPaperNameSlot, sizeof(WORD), devmode);
    return FilterPapers(*m_papers, custom, profile.PaperIndex);
}

PrinterList CPrinterLists::Sources(const BYTE* devmode, const ModelProfile& profile,
                                   std::optional<std::vector<int32_t>> allowed) {
    ForgetWhenOptionsChanged(devmode);
    if (!m_bins)
        m_bins = Read(DC_BINS, DC_BINNAMES, kBinNameSlot, sizeof(WORD), devmode);
    SourceFilter filter;
    if (devmode != nullptr) {
        filter.envelopeSupply = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("iEvlSupply")));
        filter.optionalTrays = static_cast<int32_t>(ReadNumber(devmode, FieldNamed("iOptTray")));
    }
    filter.lowerTrayOffered = profile.PrinterTray34 != 0;
    filter.allowed = std::move(allowed);
    return FilterSources(*m_bins, filter);
}

PrinterList CPrinterLists::Media(const BYTE* devmode) {
    ForgetWhenOptionsChanged(devmode);
    if (!m_media)
        m_media = Read(DC_MEDIATYPES, DC_MEDIATYPENAMES, kPaperNameSlot, sizeof(DWORD), devmode);
    return AllOf(*m_media);
}

PrinterList CPrinterLists::OutputBins(const BYTE* devmode) {
    ForgetWhenOptionsChanged(devmode);
    if (!m_outputBins)
        m_outputBins =
            Read(kOutputBinNumbers, kOutputBinNames, kBinNameSlot, sizeof(WORD), devmode);
    return AllOf(*m_outputBins);
}

CPrinterLists& SheetPrinterLists(const BYTE* devmode, std::u16string_view printer) {
    using Key = std::tuple<DevmodeOwner, const BYTE*, std::u16string>;
    static std::map<Key, std::unique_ptr<CPrinterLists>> lists;
    const DevmodeSetTable& table = DevmodeSetTable::Instance();
    // Lists of sheets whose set is gone would be found again by a new sheet
    // that reuses the owner and the memory of the old one.
    std::erase_if(lists, [&](const auto& entry) {
        const auto& [owner, working, name] = entry.first;
        if (working == nullptr)
            return false;
        for (int i = 0; i < DevmodeSetTable::kSlotCount; ++i) {
            const DevmodeSet& set = table.Slot(i);
            if (set.InUse() && set.owner == owner && set.working.get() == working)
                return false;
        }
        return true;
    });
    const int slot = table.Find(devmode);
    Key key{0, nullptr, std::u16string(printer)};
    if (slot >= 0)
        key = Key{table.Slot(slot).owner, table.Slot(slot).working.get(), std::u16string(printer)};
    auto found = lists.find(key);
    if (found == lists.end())
        found = lists.emplace(key, std::make_unique<CPrinterLists>(std::u16string(printer))).first;
    return *found->second;
}

} // namespace kx

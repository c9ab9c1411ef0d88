// The lists the pages offer from the printer's capabilities: papers,
// sources, media and output bins, filtered by the model and the installed
// options, read from the spooler once per sheet.
#pragma once

#include "devmode/model_profile.h"
#include "framework/kx_combo_box.h"
#include "platform/base/win_types.h"
#include "platform/spooler/device_capabilities.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct PrinterListEntry {
    std::u16string name;
    WORD value;
    bool operator==(const PrinterListEntry&) const = default;
};

struct PrinterList {
    std::vector<PrinterListEntry> entries;
    /// The printer names its sources with a leading blank: such a list is
    /// saved into sDefaultSource as well as dmDefaultSource.
    bool spacePrefixed = false;
};

/// One capability list as the printer reports it: numbers and names.
struct CapabilityList {
    std::vector<int32_t> numbers;
    std::vector<std::u16string> names;
};

enum class CustomSizes { Included, Excluded };

/// What the source filter needs to know of the device mode and the model.
struct SourceFilter {
    int32_t envelopeSupply = 0; ///< iEvlSupply
    int32_t optionalTrays = 0;  ///< iOptTray
    bool lowerTrayOffered = false;
    /// Only these ids when given; a -1 ends the list early.
    std::optional<std::vector<int32_t>> allowed;
};

/// The paper list: the system's user-defined size (256) never; without
/// custom sizes only ids below 256 that are not large papers.
PrinterList FilterPapers(const CapabilityList& papers, CustomSizes custom,
                         std::span<const int32_t> largePapers);
/// The source list: blank-prefixed names switch the list to that kind; the
/// envelope feeder only when one is installed; the lower tray and trays
/// above 256 by the installed options; then the caller's allowed ids.
PrinterList FilterSources(const CapabilityList& bins, const SourceFilter& filter);
/// A list taken as it stands (media, output bins).
PrinterList AllOf(const CapabilityList& list);
/// Media ids: 32-bit entries, or 16-bit ones packed in the same bytes when
/// the first 32-bit entry is 65,536 or more (what some drivers return).
std::vector<int32_t> MediaNumbers(std::span<const BYTE> raw, int count);

/// Saves a chosen source: dmDefaultSource, and sDefaultSource as well when
/// the list is of the blank-prefixed kind.
void WriteSource(BYTE* devmode, const PrinterList& sources, WORD source);

/// Empties the box and adds the list's entries; returns how many.
int FillPrinterList(CKxComboBox& box, const PrinterList& list);

/// Asks the printer one capability (DeviceCapabilitiesW without printer
/// name and port); a null output asks for the count.
using CapabilityQuery = std::function<int(WORD capability, LPWSTR output, const DEVMODEW* devmode)>;

/// The private capabilities of the driver for its output bins.
constexpr WORD kOutputBinNumbers = 256;
constexpr WORD kOutputBinNames = 257;

/// The capability lists of one printer, asked once and kept until the
/// installed options of the device mode change or the custom papers do.
class CPrinterLists {
public:
    /// Asks the spooler for `printer`.
    explicit CPrinterLists(std::u16string printer);
    CPrinterLists(std::u16string printer, CapabilityQuery query);

    PrinterList Papers(const BYTE* devmode, CustomSizes custom, const ModelProfile& profile);
    PrinterList Sources(const BYTE* devmode, const ModelProfile& profile,
                        std::optional<std::vector<int32_t>> allowed = std::nullopt);
    PrinterList Media(const BYTE* devmode);
    PrinterList OutputBins(const BYTE* devmode);

    /// The user's custom papers changed: the papers are asked again, here
    /// and by every other holder of a paper list.
    void ForgetPapers();
    /// Everything is asked again.
    void Forget();

    const std::u16string& printer() const { return m_printer; }

private:
    struct Options {
        std::array<int64_t, 10> values{};
        bool operator==(const Options&) const = default;
    };
    static Options OptionsOf(const BYTE* devmode);
    void ForgetWhenOptionsChanged(const BYTE* devmode);
    CapabilityList Read(WORD numbers, WORD names, size_t slot, size_t numberSize,
                        const BYTE* devmode);
    std::vector<BYTE> Ask(WORD capability, size_t entrySize, const BYTE* devmode, int* count);

    std::u16string m_printer;
    CapabilityQuery m_query;
    std::optional<Options> m_options;
    std::optional<CapabilityList> m_papers;
    std::optional<CapabilityList> m_bins;
    std::optional<CapabilityList> m_media;
    std::optional<CapabilityList> m_outputBins;
};

/// Counts the changes of the user's papers (a custom paper added, resized,
/// renamed or renumbered) in this module; whoever keeps a paper list of its
/// own reads it again when the count moved.
uint64_t PapersGeneration();
void NotePapersChanged();

/// The lists of the sheet that `devmode` belongs to (its working copy, or a
/// copy of it with its device name), made on the first question of that
/// sheet and dropped once the sheet's device-mode set is gone. Device modes
/// of no sheet share one set of lists per printer. The reference is good
/// until the next call.
CPrinterLists& SheetPrinterLists(const BYTE* devmode, std::u16string_view printer);

} // namespace kx

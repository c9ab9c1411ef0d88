// The names and texts the conflict rules show, for one printer: paper,
// media and tray names from the spooler's capability lists, and texts of
// the model's string file.
#pragma once

#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"
#include "framework/text_store.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kx {

/// Numbers and names of one of the printer's capability lists.
struct CapabilityNames {
    std::vector<int32_t> numbers;
    std::vector<std::u16string> names;

    /// The name of a number, or empty when the list lacks it.
    std::u16string NameOf(int32_t number) const;
};

/// The spooler's paper, media and tray names answer every report item and
/// reason list, and each answer costs registry reads, so the lists are read
/// once and kept until Refresh (the user's custom papers changed). Tray
/// lists are kept per installed-option setting, which decides which trays a
/// driver names.
class PrinterTexts : public ResolverTexts {
public:
    PrinterTexts(std::u16string printerName, TextStore& stringFile)
        : m_printer(std::move(printerName)), m_stringFile(stringFile) {}

    /// Forgets the lists read so far.
    void Refresh();
    /// How many of the printer's papers are the user's custom papers
    /// (numbers above 256).
    int CustomPaperCount(const BYTE* devmode);

    std::u16string PaperName(const BYTE* devmode, int32_t paper) override;
    std::u16string MediaName(const BYTE* devmode, int32_t media) override;
    std::u16string TrayName(const BYTE* devmode, int32_t tray) override;
    /// Reads from the string file without disturbing its selected section.
    std::u16string StringText(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultText, size_t capacity) override;
    /// The printer utilities' test, once the module has installed it.
    bool LocalPrintingOnly() override;

private:
    const CapabilityNames& Papers(const BYTE* devmode);
    const CapabilityNames& Media(const BYTE* devmode);
    const CapabilityNames& Trays(const BYTE* devmode);

    std::u16string m_printer;
    TextStore& m_stringFile;
    std::optional<CapabilityNames> m_papers;
    std::optional<CapabilityNames> m_media;
    std::map<std::pair<int64_t, int64_t>, CapabilityNames> m_trays;
};

/// Whether printing on a printer is restricted to local features (an old
/// system, a network port). The printer utilities answer it; the module
/// installs their test at start. Without one, printing is never restricted.
using LocalPrintingOnlyTest = bool (*)(std::u16string_view printerName);
void InstallLocalPrintingOnlyTest(LocalPrintingOnlyTest test);

/// The texts of a printer, kept for the module's life so every page of
/// every sheet of that printer shares one set of lists.
PrinterTexts& PrinterTextsFor(std::u16string_view printerName);

/// The size of a paper number as the printer lists it for a device mode;
/// the list is read on the first question and kept by the lookup.
PaperSizeLookup PrinterPaperSizes(std::u16string printerName, const BYTE* devmode);

} // namespace kx

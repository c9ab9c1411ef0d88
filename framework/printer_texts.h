// The names and texts the conflict rules show, for one printer: paper,
// media and tray names from the spooler's capability lists, and texts of
// the model's string file.
#pragma once

#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"
#include "framework/text_store.h"

#include <string>

namespace kx {

class PrinterTexts : public ResolverTexts {
public:
    PrinterTexts(std::u16string printerName, TextStore& stringFile)
        : m_printer(std::move(printerName)), m_stringFile(stringFile) {}

    std::u16string PaperName(const BYTE* devmode, int32_t paper) override;
    std::u16string MediaName(const BYTE* devmode, int32_t media) override;
    std::u16string TrayName(const BYTE* devmode, int32_t tray) override;
    /// Reads from the string file without disturbing its selected section.
    std::u16string StringText(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultText) override;
    // FIXME: the network-port and system-version test of the printer
    // utilities; until it exists printing is never restricted to local.
    bool LocalPrintingOnly() override { return false; }

private:
    std::u16string m_printer;
    TextStore& m_stringFile;
};

/// The size of a paper number as the printer lists it for a device mode.
PaperSizeLookup PrinterPaperSizes(std::u16string printerName, const BYTE* devmode);

} // namespace kx

// The model's capabilities as far as the device-mode rules, the page table
// and the page sizes consult them. The profile reader fills it from the
// model's settings file; until then every key holds its built-in default.
#pragma once

#include <vector>

namespace kx {

// FIXME: only the keys the device-mode rules and the host entry read; the
// profile reader adds the rest and loads them from the settings file.
struct ModelProfile {
    int PaperCollate = 0;
    int LayoutDoubleManual = 0;
    int PrinterDuplex = 0;
    int PrinterJobAccounting = 0;
    std::vector<int> PrinterMemorySizes;

    int LayoutMore = 0;
    int ExtrasSimple = 0;
    int AdditionalPrinterPreview = 0;
    int GraphicsColorSettings = 0;
    int CheckWaterMarkFile = 0;
    int CheckDecoFile = 0;

    /// Read from the model's string file, not the settings file.
    int CPSUI_Scale_X = 100;
    int CPSUI_Scale_Y = 100;

    /// A list of printer memory sizes is offered when its first entry is non-zero.
    bool OffersMemorySizes() const { return !PrinterMemorySizes.empty() && PrinterMemorySizes[0] != 0; }
};

/// The module-wide profile of the model the module serves.
ModelProfile& ActiveModelProfile();

} // namespace kx

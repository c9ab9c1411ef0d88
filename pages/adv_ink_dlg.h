// CAdvInkDlg: the "Printer Features" tab of the Graphics page's advanced
// options: over-spray, dry time and ink volume sliders, each shown with
// its profile key, and a button that puts back the model's defaults.
#pragma once

#include "framework/kx_property.h"

#include <array>
#include <string_view>

namespace kx {

/// The positions an ink slider offers.
constexpr int kInkSliderMin = 1;
constexpr int kInkSliderMax = 5;
/// What a slider the model does not show stores.
constexpr int kInkHiddenValue = 1;

class CAdvInkDlg : public CKxProperty {
public:
    CAdvInkDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart, DWORD sheetFlags);

    void RefreshControls() override;
    void SaveControls() override;

    /// The model's default of a slider (0 over-spray, 1 dry time, 2 ink
    /// volume) from its "DEFAULTDEVMODE" section, inside the slider's range.
    static int ModelDefault(size_t slider);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;

private:
    void PutBackDefaults();
};

} // namespace kx

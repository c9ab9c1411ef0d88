// The Printer Features tab.
#include "pages/adv_ink_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "pages/advanced_templates.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>

namespace kx {
namespace {

struct InkSlider {
    int captionId;
    int sliderId;
    const DevmodeField* field;
    std::u16string_view defaultKey; ///< in "DEFAULTDEVMODE"
};

constexpr std::array<InkSlider, 3> kInkSliders = {{
    {kOverSprayCaptionId, kOverSprayId, &FieldNamed("jOverSpray"), u"OverSpray"},
    {kDryTimeCaptionId, kDryTimeId, &FieldNamed("jDryTime"), u"DryTime"},
    {kInkVolumeCaptionId, kInkVolumeId, &FieldNamed("jInkVol"), u"InkLevel"},
}};

bool SliderOffered(size_t slider) {
    const ModelProfile& p = TheApp().profile;
    const int32_t keys[] = {p.GraphicsOverSpray, p.GraphicsDryTime, p.GraphicsInkVolume};
    return keys[slider] != 0;
}

int InRange(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, kInkSliderMin, kInkSliderMax));
}

} // namespace

CAdvInkDlg::CAdvInkDlg(BYTE* working, const BYTE* defaults, const BYTE* sheetStart,
                       DWORD sheetFlags)
    : CKxProperty(kAdvInkTemplate, u"Printer Features", working, defaults, sheetStart, sheetFlags) {
}

int CAdvInkDlg::ModelDefault(size_t slider) {
    if (slider >= kInkSliders.size())
        return kInkHiddenValue;
    TextStore& settings = TheApp().settingsFile;
    const std::u16string saved = settings.section();
    settings.SelectSection(u"DEFAULTDEVMODE");
    const int32_t value = settings.ReadNumber(kInkSliders[slider].defaultKey, kInkHiddenValue);
    settings.SelectSection(saved);
    return InRange(value);
}

BOOL CAdvInkDlg::OnInitDialog() {
    const BOOL result = CKxProperty::OnInitDialog();
    for (size_t i = 0; i < kInkSliders.size(); ++i) {
        const InkSlider& slider = kInkSliders[i];
        if (!SliderOffered(i)) {
            ::ShowWindow(GetDlgItem(slider.captionId), SW_HIDE);
            ::ShowWindow(GetDlgItem(slider.sliderId), SW_HIDE);
            continue;
        }
        ::SendMessageW(GetDlgItem(slider.sliderId), TBM_SETRANGE, TRUE,
                       MAKELPARAM(kInkSliderMin, kInkSliderMax));
    }
    return result;
}

void CAdvInkDlg::RefreshControls() {
    CKxProperty::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    for (const InkSlider& slider : kInkSliders) {
        if (const HWND control = GetDlgItem(slider.sliderId))
            ::SendMessageW(control, TBM_SETPOS, TRUE, InRange(ReadNumber(devmode, *slider.field)));
    }
}

void CAdvInkDlg::SaveControls() {
    CKxProperty::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    for (size_t i = 0; i < kInkSliders.size(); ++i) {
        const InkSlider& slider = kInkSliders[i];
        const HWND control = GetDlgItem(slider.sliderId);
        const int value = SliderOffered(i) && control != nullptr
                              ? InRange(::SendMessageW(control, TBM_GETPOS, 0, 0))
                              : kInkHiddenValue;
        WriteNumber(devmode, *slider.field, value);
    }
}

void CAdvInkDlg::PutBackDefaults() {
    for (size_t i = 0; i < kInkSliders.size(); ++i) {
        if (const HWND control = GetDlgItem(kInkSliders[i].sliderId))
            ::SendMessageW(control, TBM_SETPOS, TRUE, ModelDefault(i));
    }
    OnSettingChanged();
}

BOOL CAdvInkDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kInkDefaultsId && HIWORD(wParam) == BN_CLICKED) {
        PutBackDefaults();
        return TRUE;
    }
    return CKxProperty::OnCommand(wParam, lParam);
}

void CAdvInkDlg::OnHScroll(UINT code, UINT position, HWND scrollBar) {
    for (const InkSlider& slider : kInkSliders) {
        if (scrollBar != nullptr && scrollBar == GetDlgItem(slider.sliderId)) {
            OnSettingChanged();
            return;
        }
    }
    CKxProperty::OnHScroll(code, position, scrollBar);
}

} // namespace kx

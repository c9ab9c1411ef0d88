// TAdjustDlg: the six colour-adjust sliders (brightness, contrast,
// saturation, red, green, blue) with a number field each, the automatic
// check, and the adjusted colour picture that follows the sliders as they
// move; CAdjustDlg: the modal "Adjust Color" dialog made of them.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/kx_dialog.h"
#include "framework/printer_texts.h"
#include "pages/color_preview.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

constexpr UINT kAdjustTemplate = 3129;

enum AdjustControl : int {
    kFirstAdjustCaptionId = 1660, ///< 1660 to 1665
    kFirstAdjustSliderId = 1666,  ///< 1666 to 1671
    kFirstAdjustEditId = 1672,    ///< 1672 to 1677
    kAdjustAutomaticId = 1678,
    kAdjustPreviewId = 1679,
    kAdjustDefaultsId = 1680,
};

constexpr int kAdjustSliderCount = 6;
constexpr int kBrightnessSlider = 0;
/// Saturation and the three colour sliders, from here to the last.
constexpr int kFirstColourSlider = 2;
constexpr int kAdjustMin = 0;
constexpr int kAdjustMax = 100;
constexpr int kAdjustMiddle = 50;

struct AdjustSlider {
    std::u16string_view caption;
    const DevmodeField* field;
    /// The complement written beside it (100 less the slider), or none.
    const DevmodeField* complement;
};

inline constexpr std::array<AdjustSlider, kAdjustSliderCount> kAdjustSliders{{
    {u"Brightness", &FieldNamed("iBrightness"), nullptr},
    {u"Contrast", &FieldNamed("iContrast"), nullptr},
    {u"Saturation", &FieldNamed("iSaturation"), nullptr},
    {u"Red", &FieldNamed("iRed"), &FieldNamed("iCyan")},
    {u"Green", &FieldNamed("iGreen"), &FieldNamed("iMagenta")},
    {u"Blue", &FieldNamed("iBlue"), &FieldNamed("iYellow")},
}};

/// A stored slider value as shown: 100 and more show as 100, below 0 as 0;
/// without a record the sliders stand in the middle.
int ShownAdjustValue(const BYTE* devmode, const AdjustSlider& slider);

/// What typing into a number field does.
struct TypedAdjustValue {
    int value;
    /// The field's text must be rewritten (it was clamped).
    bool rewrite;
};
/// The typed text as a slider position: an integer clamped to 0 to 100;
/// none when it is not a number (the slider keeps its position).
std::optional<TypedAdjustValue> ReadTypedAdjustValue(std::u16string_view text);

/// Writes the sliders (and the complements of red, green and blue) into a
/// record.
void WriteAdjustValues(BYTE* devmode, const std::array<int, kAdjustSliderCount>& values);

/// Why a slider cannot be moved for a record, as a usage tip; 0 when it
/// can: brightness while the driver saves toner (the conflict rules would
/// take it back), saturation and the colour sliders while a colour model
/// prints in grayscale.
int AdjustSliderTip(const BYTE* devmode, int slider);

/// The adjust sliders over a page base (a page or a modal dialog).
template <class Base>
class TAdjustDlg : public Base {
public:
    using Base::Base;

    /// The slider positions, in the order of kAdjustSliders.
    std::array<int, kAdjustSliderCount> SliderValues() const {
        std::array<int, kAdjustSliderCount> values{};
        for (int i = 0; i < kAdjustSliderCount; ++i)
            values[static_cast<size_t>(i)] = SliderPosition(i);
        return values;
    }
    CAdjustPreview& adjustPreview() { return m_preview; }

protected:
    /// Ranges, field lengths and the automatic check (shown only for a
    /// model with automatic colour); attaches the picture.
    void SetUpAdjust() {
        for (int i = 0; i < kAdjustSliderCount; ++i) {
            if (const HWND slider = this->GetDlgItem(kFirstAdjustSliderId + i))
                ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(kAdjustMin, kAdjustMax));
            ::SendDlgItemMessageW(this->m_hWnd, kFirstAdjustEditId + i, EM_LIMITTEXT, 4, 0);
        }
        if (TheApp().profile.GraphicsColorAuto == 0) {
            if (const HWND check = this->GetDlgItem(kAdjustAutomaticId))
                ::ShowWindow(check, SW_HIDE);
        }
        if (this->GetDlgItem(kAdjustPreviewId) != nullptr)
            m_preview.SubclassDlgItem(kAdjustPreviewId, this);
    }

    void RefreshAdjust() {
        const BYTE* devmode = this->working();
        for (int i = 0; i < kAdjustSliderCount; ++i)
            ShowPosition(i, ShownAdjustValue(devmode, kAdjustSliders[static_cast<size_t>(i)]));
        if (devmode != nullptr)
            ::CheckDlgButton(this->m_hWnd, kAdjustAutomaticId,
                             ReadNumber(devmode, FieldNamed("iEqualizer")) != 0 ? BST_CHECKED
                                                                                : BST_UNCHECKED);
        EnableSliders();
        UpdateAdjustPreview();
    }

    void SaveAdjust() {
        BYTE* devmode = this->working();
        if (devmode == nullptr)
            return;
        if (AutomaticShown())
            WriteNumber(devmode, FieldNamed("iEqualizer"), Automatic() ? 1 : 0);
        if (!Automatic())
            WriteAdjustValues(devmode, SliderValues());
    }

    /// The picture with the record as the sliders would leave it.
    void UpdateAdjustPreview() {
        if (m_preview.m_hWnd == nullptr || this->working() == nullptr)
            return;
        std::copy_n(this->working(), kDevmodeSize, m_shown.begin());
        WriteNumber(m_shown.data(), FieldNamed("iEqualizer"), Automatic() ? 1 : 0);
        WriteAdjustValues(m_shown.data(), SliderValues());
        m_preview.SetDevmode(m_shown.data());
    }

    /// Handles a slider's move; false when the bar is none of the sliders.
    bool OnAdjustScroll(HWND bar) {
        for (int i = 0; i < kAdjustSliderCount; ++i) {
            if (bar != nullptr && bar == this->GetDlgItem(kFirstAdjustSliderId + i)) {
                WriteField(i, SliderPosition(i));
                UpdateAdjustPreview();
                return true;
            }
        }
        return false;
    }

    /// Handles typing and the automatic check; false for other commands.
    bool OnAdjustCommand(int id, UINT code) {
        if (id == kAdjustAutomaticId && code == BN_CLICKED) {
            EnableSliders();
            UpdateAdjustPreview();
            return true;
        }
        const int i = id - kFirstAdjustEditId;
        if (i < 0 || i >= kAdjustSliderCount || code != EN_CHANGE)
            return false;
        // Rewriting a clamped text changes the field again.
        if (m_rewriting)
            return true;
        std::array<WCHAR, 16> text{};
        ::GetDlgItemTextW(this->m_hWnd, id, text.data(), static_cast<int>(text.size()));
        if (const std::optional<TypedAdjustValue> typed = ReadTypedAdjustValue(text.data())) {
            SetSliderPosition(i, typed->value);
            if (typed->rewrite)
                WriteField(i, typed->value);
            UpdateAdjustPreview();
        }
        return true;
    }

    bool Automatic() const {
        return AutomaticShown() &&
               ::IsDlgButtonChecked(this->m_hWnd, kAdjustAutomaticId) == BST_CHECKED;
    }

    /// A number field is being rewritten by the dialog itself.
    bool Rewriting() const { return m_rewriting; }

    /// The automatic colour leaves the sliders nothing to say; a slider the
    /// record cannot take says how to enable it.
    void EnableSliders() {
        const BYTE* devmode = this->working();
        const bool automatic = Automatic();
        for (int i = 0; i < kAdjustSliderCount; ++i) {
            const int tip = AdjustSliderTip(devmode, i);
            for (const int id : {kFirstAdjustSliderId + i, kFirstAdjustEditId + i})
                this->EnableControl(id, !automatic && tip == 0);
            const HWND slider = this->GetDlgItem(kFirstAdjustSliderId + i);
            if (slider == nullptr)
                continue;
            std::u16string text;
            if (tip != 0)
                text = ReasonText(tip, TheApp().profile, PrinterTextsFor(PrinterNameFor(devmode)),
                                  devmode);
            this->ShowOptionTipText(slider, text, tip != 0, nullptr);
        }
    }

private:
    bool AutomaticShown() const {
        const HWND check = this->GetDlgItem(kAdjustAutomaticId);
        return check != nullptr && (::GetWindowLongW(check, GWL_STYLE) & WS_VISIBLE) != 0;
    }

    int SliderPosition(int i) const {
        const HWND slider = this->GetDlgItem(kFirstAdjustSliderId + i);
        if (slider == nullptr)
            return kAdjustMiddle;
        return static_cast<int>(
            std::clamp<LRESULT>(::SendMessageW(slider, TBM_GETPOS, 0, 0), kAdjustMin, kAdjustMax));
    }

    void SetSliderPosition(int i, int value) {
        if (const HWND slider = this->GetDlgItem(kFirstAdjustSliderId + i))
            ::SendMessageW(slider, TBM_SETPOS, TRUE, value);
    }

    void ShowPosition(int i, int value) {
        SetSliderPosition(i, value);
        WriteField(i, value);
    }

    void WriteField(int i, int value) {
        m_rewriting = true;
        ::SetDlgItemInt(this->m_hWnd, kFirstAdjustEditId + i, static_cast<UINT>(value), FALSE);
        m_rewriting = false;
    }

    CAdjustPreview m_preview;
    std::array<BYTE, kDevmodeSize> m_shown{};
    bool m_rewriting = false;
};

class CAdjustDlg : public TAdjustDlg<CKxDialog> {
public:
    explicit CAdjustDlg(const OpenerCopies& opener);

    /// Registers the dialog's template and runs it; IDOK when saved.
    INT_PTR Run();

    void RefreshControls() override;
    void SaveControls() override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, HWND scrollBar) override;

private:
    void PutBackMiddles();
};

/// The lines of the sliders' controls at a place of a template, in dialog
/// units (the picture left, the sliders right of it).
std::u16string AdjustControlsScript(int left, int top);

} // namespace kx

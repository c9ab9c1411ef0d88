// TDarknessDlg: the darkness, toner and text group of a page, on the
// Graphics page or on the Advanced tab. It refreshes and saves only the
// rows the page shows; a row moved elsewhere keeps its stored value.
#pragma once

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_values.h"
#include "platform/controls/common_controls.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <string_view>

namespace kx {

template <typename Base> class TDarknessDlg : public Base {
public:
    using Base::Base;

protected:
    /// Whether the page shows control id (its own visibility, so that a page
    /// not yet active still counts its rows).
    bool Shown(int id) const {
        const HWND control = this->GetDlgItem(id);
        return control != nullptr && (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    bool Checked(int id) const {
        return ::IsDlgButtonChecked(this->m_hWnd, id) == BST_CHECKED;
    }
    void Check(int id, bool checked) {
        ::CheckDlgButton(this->m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    /// The checked radio of a run of `count` radios from `first`, or -1.
    int CheckedRadio(int first, int count) const {
        for (int i = 0; i < count; ++i) {
            if (Checked(first + i))
                return i;
        }
        return -1;
    }
    void CheckRadio(int first, int count, int index) {
        for (int i = 0; i < count; ++i)
            Check(first + i, i == index);
    }

    static int64_t Field(const BYTE* devmode, const DevmodeField& field) {
        return ReadNumber(devmode, field);
    }
    static void SetField(BYTE* devmode, const DevmodeField& field, int64_t value) {
        WriteNumber(devmode, field, value);
    }

    void RefreshDarkness() {
        const BYTE* devmode = this->working();
        if (devmode == nullptr)
            return;
        CheckRadio(kFirstTrueTypeId, kTrueTypeCount,
                   static_cast<int>(std::clamp<int64_t>(Field(devmode, FieldNamed("iTTMode")), 0, 2)));
        Check(kAllTextBlackId, Field(devmode, FieldNamed("iAllTextBlack")) > 0);
        Check(kGrayscaleEnhId, Field(devmode, FieldNamed("iHalftorning")) > 0);
        Check(kDarkenTextId, Field(devmode, FieldNamed("iDarkenText")) > 0);
        CheckRadio(kFirstDarknessId, kDarknessCount,
                   static_cast<int>(std::clamp<int64_t>(Field(devmode, FieldNamed("iPrintDensity")), 0, 2)));
        CheckRadio(kFirstTonerId, kTonerRadioCount, TonerSaveIndex(Field(devmode, FieldNamed("iTonerSave"))));
        Check(kHighCoverageId, Field(devmode, FieldNamed("jHighCoverageMode")) != 0);
        if (const HWND slider = this->GetDlgItem(kTonerSliderId)) {
            const int steps = std::clamp(TheApp().profile.GraphicsDriverTonerSaveStep, 1, 100);
            ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, static_cast<WORD>(steps)));
            ::SendMessageW(slider, TBM_SETPOS, TRUE,
                           static_cast<LPARAM>(
                               std::clamp<int64_t>(Field(devmode, FieldNamed("jDrvTonerSave")), 0, steps)));
        }
    }

    void SaveDarkness() {
        BYTE* devmode = this->working();
        if (devmode == nullptr)
            return;
        if (Shown(kFirstTrueTypeId)) {
            if (const int mode = CheckedRadio(kFirstTrueTypeId, kTrueTypeCount); mode >= 0)
                SetField(devmode, FieldNamed("iTTMode"), mode);
        }
        // A negative value marks a setting the printer does not take.
        if (Shown(kAllTextBlackId) && Field(devmode, FieldNamed("iAllTextBlack")) >= 0)
            SetField(devmode, FieldNamed("iAllTextBlack"), Checked(kAllTextBlackId) ? 1 : 0);
        if (Shown(kDarkenTextId) && Field(devmode, FieldNamed("iDarkenText")) >= 0)
            SetField(devmode, FieldNamed("iDarkenText"), Checked(kDarkenTextId) ? 1 : 0);
        if (Shown(kGrayscaleEnhId))
            SetField(devmode, FieldNamed("iHalftorning"), Checked(kGrayscaleEnhId) ? kGrayscaleEnhanced : 0);
        if (Shown(kFirstDarknessId)) {
            if (const int step = CheckedRadio(kFirstDarknessId, kDarknessCount); step >= 0)
                SetField(devmode, FieldNamed("iPrintDensity"), step);
        }
        if (Shown(kFirstTonerId)) {
            if (const int index = CheckedRadio(kFirstTonerId, kTonerRadioCount); index >= 0)
                SetField(devmode, FieldNamed("iTonerSave"), kTonerSaveValues[static_cast<size_t>(index)]);
        }
        if (Shown(kHighCoverageId))
            SetField(devmode, FieldNamed("jHighCoverageMode"), Checked(kHighCoverageId) ? 1 : 0);
        if (Shown(kTonerSliderId)) {
            const LRESULT position =
                ::SendMessageW(this->GetDlgItem(kTonerSliderId), TBM_GETPOS, 0, 0);
            SetField(devmode, FieldNamed("jDrvTonerSave"), std::clamp<LRESULT>(position, 0, 255));
        }
    }
};

} // namespace kx

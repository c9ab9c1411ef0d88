// TDarknessDlg: the darkness, toner and text group of a page, on the
// Graphics page or on the Advanced tab. A dialog shows the groups the row
// budget gave it and refreshes and saves only the rows it shows; a row
// shown elsewhere keeps its stored value. Darkness and grayscale
// enhancement print only in grayscale: in colour mode they are disabled
// and keep their stored values.
#pragma once

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "devmode/reason_texts.h"
#include "framework/kromaui_app.h"
#include "framework/kx_combo_box.h"
#include "framework/printer_texts.h"
#include "framework/value_list.h"
#include "pages/darkness_picture.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_rows.h"
#include "pages/graphic_values.h"
#include "platform/controls/common_controls.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <string>

namespace kx {

/// Whether a record prints in colour: a colour model with colour chosen.
inline bool PrintsInColour(const BYTE* devmode) {
    return devmode != nullptr && TheApp().profile.GraphicsColorMode != 0 &&
           ReadNumber(devmode, FieldNamed("iGrayMode")) != 0;
}

/// The rows of the group that print only in grayscale.
inline constexpr int kGrayscaleOnlyIds[] = {kDarknessCaptionId,   kFirstDarknessId,
                                            kFirstDarknessId + 1, kFirstDarknessId + 2,
                                            kDarknessPictureId,   kGrayscaleEnhId};

template <typename Base>
class TDarknessDlg : public Base {
public:
    using Base::Base;

    const CDarknessPicture& darknessPicture() const { return m_darknessPicture; }

protected:
    bool Shown(int id) const { return ControlShown(this->m_hWnd, id); }
    bool Checked(int id) const { return ::IsDlgButtonChecked(this->m_hWnd, id) == BST_CHECKED; }
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

    /// Keeps the groups the plan puts at `here` (and the rows of them the
    /// model has) and fills the raster list.
    void SetUpDarkness(const GraphicRowPlan& plan, Placement here) {
        const ModelProfile& p = TheApp().profile;
        for (size_t group = 0; group < kGraphicGroupCount; ++group) {
            if (plan.groups[group] != here)
                HideRows(this->m_hWnd, BudgetGroupRows(static_cast<GraphicGroup>(group)));
        }
        if (p.GraphicsTrueType == 0) {
            const GraphicRows rows = BudgetGroupRows(GraphicGroup::TrueType);
            HideRows(this->m_hWnd, rows.first(1 + kTrueTypeCount));
        }
        if (p.GraphicsDarkenText == 0)
            ::ShowWindow(this->GetDlgItem(kDarkenTextId), SW_HIDE);
        if (this->GetDlgItem(kDarknessPictureId) != nullptr)
            m_darknessPicture.SubclassDlgItem(kDarknessPictureId, this);
        if (this->GetDlgItem(kRasterListId) != nullptr) {
            m_raster.SubclassDlgItem(kRasterListId, this);
            TextStore& strings = TheApp().stringFile;
            FillValueList(m_raster, kRasterCompression, strings, strings.section());
        }
    }

    void RefreshDarkness() {
        const BYTE* devmode = this->working();
        if (devmode == nullptr)
            return;
        CheckRadio(
            kFirstTrueTypeId, kTrueTypeCount,
            static_cast<int>(std::clamp<int64_t>(Field(devmode, FieldNamed("iTTMode")), 0, 2)));
        Check(kAllTextBlackId, Field(devmode, FieldNamed("iAllTextBlack")) > 0);
        Check(kGrayscaleEnhId, Field(devmode, FieldNamed("iHalftorning")) > 0);
        Check(kDarkenTextId, Field(devmode, FieldNamed("iDarkenText")) > 0);
        const int step = static_cast<int>(
            std::clamp<int64_t>(Field(devmode, FieldNamed("iPrintDensity")), 0, 2));
        CheckRadio(kFirstDarknessId, kDarknessCount, step);
        ShowDarknessStep(step);
        CheckRadio(kFirstTonerId, kTonerRadioCount,
                   TonerSaveIndex(Field(devmode, FieldNamed("iTonerSave"))));
        Check(kHighCoverageId, Field(devmode, FieldNamed("jHighCoverageMode")) != 0);
        if (const HWND slider = this->GetDlgItem(kTonerSliderId)) {
            const int steps = std::clamp(TheApp().profile.GraphicsDriverTonerSaveStep, 1, 100);
            ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, static_cast<WORD>(steps)));
            ::SendMessageW(slider, TBM_SETPOS, TRUE,
                           static_cast<LPARAM>(std::clamp<int64_t>(
                               Field(devmode, FieldNamed("jDrvTonerSave")), 0, steps)));
        }
        if (m_raster.GetSafeHwnd() != nullptr)
            (void)ShowValue(m_raster, static_cast<WORD>(std::clamp<int64_t>(
                                          Field(devmode, FieldNamed("iRasterCompression")), 0, 3)));
        EnableColourModeRows();
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
        if (Usable(kGrayscaleEnhId))
            SetField(devmode, FieldNamed("iHalftorning"),
                     Checked(kGrayscaleEnhId) ? kGrayscaleEnhanced : 0);
        if (Usable(kFirstDarknessId)) {
            if (const int step = CheckedRadio(kFirstDarknessId, kDarknessCount); step >= 0) {
                SetField(devmode, FieldNamed("iPrintDensity"), step);
                ShowDarknessStep(step);
            }
        }
        if (Shown(kFirstTonerId)) {
            if (const int index = CheckedRadio(kFirstTonerId, kTonerRadioCount); index >= 0)
                SetField(devmode, FieldNamed("iTonerSave"),
                         kTonerSaveValues[static_cast<size_t>(index)]);
        }
        if (Shown(kHighCoverageId))
            SetField(devmode, FieldNamed("jHighCoverageMode"), Checked(kHighCoverageId) ? 1 : 0);
        if (Shown(kTonerSliderId)) {
            const LRESULT position =
                ::SendMessageW(this->GetDlgItem(kTonerSliderId), TBM_GETPOS, 0, 0);
            SetField(devmode, FieldNamed("jDrvTonerSave"), std::clamp<LRESULT>(position, 0, 255));
        }
        if (Shown(kRasterListId)) {
            if (const std::optional<WORD> value = m_raster.SelectedValue())
                SetField(devmode, FieldNamed("iRasterCompression"), *value);
        }
    }

    /// Enables the grayscale-only rows by the record's colour mode; in
    /// colour mode they explain how to enable them.
    void EnableColourModeRows() {
        const BYTE* devmode = this->working();
        if (devmode == nullptr)
            return;
        const bool usable = !PrintsInColour(devmode);
        std::u16string tip;
        if (!usable)
            tip = ReasonText(kGrayscaleOnlyTip, TheApp().profile,
                             PrinterTextsFor(PrinterNameFor(devmode)), devmode);
        for (const int id : kGrayscaleOnlyIds) {
            const HWND control = this->GetDlgItem(id);
            if (control == nullptr || !Shown(id))
                continue;
            ::EnableWindow(control, usable && !this->IsReadOnly() ? TRUE : FALSE);
            this->ShowOptionTipText(control, tip, !usable, nullptr);
        }
    }

    /// Whether a command is a change of the group's controls.
    static bool IsDarknessChange(int id, UINT code) {
        if (id == kRasterListId)
            return code == CBN_SELCHANGE;
        return code == BN_CLICKED && id >= kRasterCaptionId && id <= kAllTextBlackId;
    }

    CKxComboBox m_raster;
    CDarknessPicture m_darknessPicture;

private:
    /// A shown row the user can change (a row disabled by the colour mode
    /// keeps its stored value).
    bool Usable(int id) const {
        const HWND control = this->GetDlgItem(id);
        return Shown(id) && (this->IsReadOnly() || ::IsWindowEnabled(control) != FALSE);
    }
    void ShowDarknessStep(int step) {
        if (m_darknessPicture.GetSafeHwnd() != nullptr)
            m_darknessPicture.SetStep(step);
    }
};

} // namespace kx

// The usual Paper page.
#include "pages/paper_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/paper_controls.h"
#include "pages/paper_rules.h"
#include "pages/paper_values.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {
namespace {

constexpr int kPercentDigits = 3;

} // namespace

CPaperDlg::CPaperDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CPageDlg(templateId, pageName, pageIndex) {}

void CPaperDlg::SetUpOwnRows() {
    const ModelProfile& profile = TheApp().profile;
    if (profile.PaperCollate == 0)
        Hide(kCollateId);
    m_scaling.SubclassDlgItem(kScalingListId, this);
    const bool none = profile.PaperScaleNone != 0;
    FillValueList(m_scaling, kScalingTypes, TheApp().stringFile, pageSection(),
                  [none](WORD value) { return none || value != kScaleNone; });
    m_fitTo.SubclassDlgItem(kFitToListId, this);
    m_fitTo.SetIconFamily(IconFamily::PaperSize);
    const int32_t minimum = PercentageMinimum(profile);
    const int32_t maximum = PercentageMaximum(profile);
    (void)m_percent.Attach(m_hWnd, kPercentEditId, kPercentSpinId, {minimum, maximum},
                           kPercentDigits, NumberFilter::Digits);
    if (profile.PaperERMinPercentage != 0 && profile.PaperERMaxPercentage != 0) {
        const std::u16string format = PageText(u"Percentage (25-400%)", u"Percentage (%d-%d%%)");
        ::SetDlgItemTextW(m_hWnd, kPercentLabelId, LimitLabel(format, minimum, maximum).c_str());
    }
    if (profile.PaperScaleMinMargin == 0)
        Hide(kMinMarginId);
    if (OutputBinOffered(profile)) {
        m_outBin.SubclassDlgItem(kOutBinListId, this);
        m_outBin.SetIconFamily(IconFamily::OutputBin);
    } else {
        Hide(kOutBinLabelId);
        Hide(kOutBinListId);
        ::SetDlgItemTextW(m_hWnd, kScalingGroupId, PageText(u"Scaling", u"Scaling").c_str());
    }
}

void CPaperDlg::RefreshControls() {
    CPageDlg::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    RefreshCollate(devmode);
    RefreshScaling();
    RefreshOutputBin();
    m_quiet = wasQuiet;
}

void CPaperDlg::RefreshScaling() {
    const BYTE* devmode = working();
    const ModelProfile& profile = TheApp().profile;
    SelectExactly(m_scaling, ScalingTypeOf(devmode, profile));
    m_percent.SetValue(PercentageShown(ReadNumber(devmode, FieldNamed("iERRatio"))));
    const int64_t target = ReadNumber(devmode, FieldNamed("iFitPagePaper"));
    FillSizes(
        m_fitTo, profile.PaperCustomFitToPage != 0 ? CustomSizes::Included : CustomSizes::Excluded,
        static_cast<WORD>(target != 0 ? target : ReadNumber(devmode, FieldNamed("dmPaperSize"))));
    Check(kMinMarginId, ReadNumber(devmode, FieldNamed("jMinMargin")) != 0);
    RefreshScalingRows();
}

// The group gives way to a layout feature or a rotated page; inside it,
// each row goes with its scaling type.
void CPaperDlg::RefreshScalingRows() {
    const std::optional<int> blocked = ScalingBlockedTip(working(), TheApp().profile);
    const std::optional<WORD> type = m_scaling.SelectedValue();
    const bool usable = !blocked.has_value();
    EnableWithTip(kScalingListId, usable, blocked.value_or(0));
    EnableControl(kScalingLabelId, usable);
    EnableControl(kFitToListId, usable && type == kScaleFitToPage);
    EnableControl(kFitToLabelId, usable && type == kScaleFitToPage);
    const bool percent = usable && type == kScaleReduceEnlarge;
    EnableControl(kPercentEditId, percent);
    EnableControl(kPercentSpinId, percent);
    EnableControl(kPercentLabelId, percent);
    EnableControl(kMinMarginId, usable && type != kScaleFitToPage);
}

void CPaperDlg::RefreshOutputBin() {
    if (!Shown(kOutBinListId))
        return;
    const BYTE* devmode = working();
    FillPrinterList(m_outBin, Lists().OutputBins(devmode));
    SelectExactly(m_outBin, static_cast<WORD>(ReadNumber(devmode, FieldNamed("iOutBin"))));
    const bool usable = OutputBinUsable(devmode);
    EnableControl(kOutBinListId, usable);
    EnableControl(kOutBinLabelId, usable);
}

void CPaperDlg::SaveControls() {
    CPageDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    SaveCollate(devmode);
    if (const auto type = m_scaling.SelectedValue()) {
        WriteNumber(devmode, FieldNamed("iFitPage"), *type == kScaleFitToPage ? 1 : 0);
        WriteNumber(devmode, FieldNamed("iER"), *type == kScaleReduceEnlarge ? 1 : 0);
    }
    if (ReadNumber(devmode, FieldNamed("iFitPage")) != 0) {
        if (const auto target = m_fitTo.SelectedValue())
            WriteNumber(devmode, FieldNamed("iFitPagePaper"), *target);
    }
    WriteNumber(devmode, FieldNamed("iERRatio"), m_percent.Value());
    if (Shown(kMinMarginId))
        WriteNumber(devmode, FieldNamed("jMinMargin"), Checked(kMinMarginId) ? 1 : 0);
    if (Shown(kOutBinListId)) {
        if (const auto bin = m_outBin.SelectedValue())
            WriteNumber(devmode, FieldNamed("iOutBin"), *bin);
    }
}

BOOL CPaperDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet)
        return CPageDlg::OnCommand(wParam, lParam);
    if (id == kPercentEditId && m_percent.OnCommand(wParam, lParam)) {
        if (code == EN_CHANGE || code == EN_KILLFOCUS)
            OnSettingChanged();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == kScalingListId) {
        RefreshScalingRows();
        if (m_scaling.SelectedValue() == kScaleReduceEnlarge)
            m_percent.SetValue(m_percent.Value());
        OnSettingChanged();
        return TRUE;
    }
    if ((code == CBN_SELCHANGE && (id == kFitToListId || id == kOutBinListId)) ||
        (code == BN_CLICKED && (id == kCollateId || id == kMinMarginId))) {
        OnSettingChanged();
        return TRUE;
    }
    return CPageDlg::OnCommand(wParam, lParam);
}

BOOL CPaperDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (m_percent.OnNotify(lParam, result)) {
        OnSettingChanged();
        return TRUE;
    }
    return CPageDlg::OnNotify(wParam, lParam, result);
}

} // namespace kx

// The Graphics page.
#include "pages/graphic_dlg.h"

#include "devmode/resolution_table.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "framework/value_list.h"
#include "pages/advanced_options.h"
#include "pages/copies_dlg.h"
#include "pages/settings_dlg.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;
/// Entries below this one are the 1200 dpi entries a poster cannot print.
constexpr int kFirst600Entry = 8;

// The page's groups in reading order.
std::array<GraphicRows, 11> ReadingOrder() {
    using enum GraphicGroup;
    return {ResolutionRows(),
            ImageModeRows(),
            ColourRows(),
            SettingsButtonRows(),
            BudgetGroupRows(Raster),
            BudgetGroupRows(TonerRadios),
            BudgetGroupRows(Darkness),
            BudgetGroupRows(Grayscale),
            BudgetGroupRows(TonerSlider),
            BudgetGroupRows(HighCoverage),
            BudgetGroupRows(TrueType)};
}

// The two columns right of the picture, in dialog units; both end above
// the logo's row.
constexpr RowColumn kPageColumns[] = {{108, 48, 34, 130}, {158, 62, 34, 130}};

bool ImageModeShown(const ModelProfile& p, int mode) {
    const int32_t keys[] = {p.GraphicsImageModePrinter, p.GraphicsImageModeNormal,
                            p.GraphicsImageModeText, p.GraphicsImageModeImage};
    return keys[mode] != 0;
}

} // namespace

CGraphicDlg::CGraphicDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : TDarknessDlg<CKxDialog>(templateId, pageName, pageIndex) {}

CGraphicDlg::CGraphicDlg(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener)
    : TDarknessDlg<CKxDialog>(templateId, pageName, opener) {}

GraphicRowPlan CGraphicDlg::PlanRows(const ModelProfile& profile) {
    return PlanGraphicRows(profile, static_cast<int>(m_entries.size()));
}

std::u16string CGraphicDlg::PageText(std::u16string_view key) {
    TextStore& strings = TheApp().stringFile;
    strings.SelectSection(pageSection());
    return strings.ReadText(key, kTextCapacity, key);
}

BOOL CGraphicDlg::OnInitDialog() {
    const BOOL result = TDarknessDlg<CKxDialog>::OnInitDialog();
    SetUpResolutions();
    SetUpImageModes();
    SetUpColourRows();
    m_plan = PlanRows(TheApp().profile);
    HideGroupsOffThePage();
    LayOutRows();
    return result;
}

void CGraphicDlg::SetUpResolutions() {
    const ModelProfile& profile = TheApp().profile;
    m_entries = OfferedResolutions(profile);
    if (m_entries.size() > kResolutionRadioCount)
        m_entries.resize(kResolutionRadioCount);
    PrinterTexts& texts = PrinterTextsFor(PrinterName());
    for (int i = 0; i < kResolutionRadioCount; ++i) {
        const int id = kFirstResolutionId + i;
        if (static_cast<size_t>(i) >= m_entries.size()) {
            Hide(id);
            continue;
        }
        const int entry = m_entries[static_cast<size_t>(i)];
        const std::u16string label =
            ResolutionText(static_cast<size_t>(i), profile, texts)
                .value_or(PageText(ResolutionTable()[static_cast<size_t>(entry)].name));
        ::SetDlgItemTextW(m_hWnd, id, label.c_str());
    }
    if (m_entries.empty())
        Hide(kResolutionCaptionId);
    // A colour model names its resolutions by the quality they give.
    if (profile.GraphicsResolutionStringAlways == 0 && profile.GraphicsColorMode != 0)
        ::SetDlgItemTextW(m_hWnd, kResolutionCaptionId, PageText(u"Quality").c_str());
}

void CGraphicDlg::SetUpImageModes() {
    const ModelProfile& profile = TheApp().profile;
    for (int mode = 0; mode < kImageModeCount; ++mode) {
        if (!ImageModeShown(profile, mode))
            Hide(kFirstImageModeId + mode);
    }
    if (ImageModeCount(profile) == 0)
        Hide(kImageModeCaptionId);
}

void CGraphicDlg::SetUpColourRows() {
    const ModelProfile& p = TheApp().profile;
    if (p.GraphicsColorMode == 0) {
        HideRows(m_hWnd, ColourRows());
        return;
    }
    if (p.GraphicsBlackOnly == 0)
        Hide(kBlackInkOnlyId);
    if (p.GraphicsCopiesSetting == 0)
        Hide(kCopiesButtonId);
    if (p.GraphicsColorSettings == 0 || p.GraphicsColorMatching == 0) {
        Hide(kColourMatchingId);
        Hide(kColourSettingsId);
    }
}

void CGraphicDlg::HideGroupsOffThePage() {
    SetUpDarkness(m_plan, Placement::Page);
    if (!m_plan.advancedButton)
        Hide(kAdvancedOptionsId);
}

void CGraphicDlg::LayOutRows() {
    const auto groups = ReadingOrder();
    FlowRows(m_hWnd, groups, kPageColumns);
}

void CGraphicDlg::RefreshControls() {
    TDarknessDlg<CKxDialog>::RefreshControls();
    if (working() == nullptr)
        return;
    RefreshResolution();
    RefreshImageMode();
    RefreshColour();
    RefreshDarkness();
}

void CGraphicDlg::RefreshResolution() {
    const BYTE* devmode = working();
    const std::optional<int> current = CurrentResolution(devmode, TheApp().profile);
    const bool poster = Field(devmode, FieldNamed("iPoster")) > 0;
    const auto usable = [poster](int entry) { return !poster || entry >= kFirst600Entry; };
    int selected = -1;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (current && m_entries[i] == *current && usable(m_entries[i]))
            selected = static_cast<int>(i);
    }
    if (selected < 0) {
        const auto other = std::find_if(m_entries.begin(), m_entries.end(), usable);
        if (other != m_entries.end())
            selected = static_cast<int>(other - m_entries.begin());
    }
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const int id = kFirstResolutionId + static_cast<int>(i);
        EnableWithTip(id, usable(m_entries[i]), kPosterResolutionTip);
    }
    CheckRadio(kFirstResolutionId, kResolutionRadioCount, selected);
}

void CGraphicDlg::RefreshImageMode() {
    const int mode = static_cast<int>(
        std::clamp<int64_t>(Field(working(), FieldNamed("iSrt")), 0, kImageModeCount - 1));
    CheckRadio(kFirstImageModeId, kImageModeCount, mode);
}

void CGraphicDlg::RefreshColour() {
    if (!Shown(kColourRadioId))
        return;
    const BYTE* devmode = working();
    const bool colour = Field(devmode, FieldNamed("iGrayMode")) != 0;
    Check(kColourRadioId, colour);
    Check(kGrayscaleRadioId, !colour);
    Check(kBlackInkOnlyId, Field(devmode, FieldNamed("jBlackInkOnly")) != 0);
    Check(kColourMatchingId, Field(devmode, FieldNamed("iColorOptions")) > 0);
    LockColourRows();
}

void CGraphicDlg::LockColourRows() {
    const bool locked = (Field(working(), FieldNamed("bLockedFeatures")) & kColourLockBit) != 0;
    for (const GraphicRow& row : ColourRows()) {
        if (row.id != kColourCaptionId && Shown(row.id))
            EnableWithTip(row.id, !locked, kLockedTip);
    }
    if (!locked)
        EnableCopiesSplit();
}

void CGraphicDlg::EnableCopiesSplit() {
    // Grayscale prints every copy in grayscale: the split needs colour.
    if (Shown(kCopiesButtonId))
        EnableWithTip(kCopiesButtonId, PrintsInColour(working()), kColourCopiesTip);
}

void CGraphicDlg::SaveControls() {
    TDarknessDlg<CKxDialog>::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    SaveDarkness();
    // After the toner radios: with a draft resolution the radio decides
    // whether toner is saved.
    SaveResolution();
    if (const int mode = CheckedRadio(kFirstImageModeId, kImageModeCount);
        mode >= 0 && Shown(kFirstImageModeId + mode))
        SetField(devmode, FieldNamed("iSrt"), mode);
    SaveColour();
    // The colour mode decides which rows are usable (a locked colour mode
    // cannot have changed).
    if (Shown(kColourRadioId) && ::IsWindowEnabled(GetDlgItem(kColourRadioId)) != FALSE) {
        EnableCopiesSplit();
        EnableColourModeRows();
    }
}

void CGraphicDlg::SaveResolution() {
    const int radio = CheckedRadio(kFirstResolutionId, static_cast<int>(m_entries.size()));
    if (radio < 0)
        return;
    BYTE* devmode = working();
    const int entry = m_entries[static_cast<size_t>(radio)];
    WriteResolution(devmode, entry);
    if (TheApp().profile.GraphicsDraftRes != 0)
        SetField(devmode, FieldNamed("iTonerSave"),
                 entry == kDraftResolution ? kDraftTonerSave : kOtherTonerSave);
}

void CGraphicDlg::SaveColour() {
    if (!Shown(kColourRadioId))
        return;
    BYTE* devmode = working();
    const bool colour = Checked(kColourRadioId);
    SetField(devmode, FieldNamed("iGrayMode"), colour ? 1 : 0);
    if ((FieldBits(devmode) & DM_COLOR) != 0)
        SetField(devmode, FieldNamed("dmColor"), colour ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME);
    if (Shown(kBlackInkOnlyId))
        SetField(devmode, FieldNamed("jBlackInkOnly"), Checked(kBlackInkOnlyId) ? 1 : 0);
    if (Shown(kColourMatchingId) && Field(devmode, FieldNamed("iColorOptions")) >= 0)
        SetField(devmode, FieldNamed("iColorOptions"), Checked(kColourMatchingId) ? 1 : 0);
}

void CGraphicDlg::OpenAdvancedOptions() {
    if (!RunAdvancedOptions(ForDialogs(), m_plan))
        return;
    RefreshControls();
    OnSettingChanged();
}

BOOL CGraphicDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const bool pageRow = id >= kResolutionCaptionId && id < kRasterCaptionId &&
                         id != kCopiesButtonId && id != kColourSettingsId &&
                         id != kGraphicSettingsId;
    if ((pageRow && code == BN_CLICKED) || IsDarknessChange(id, code)) {
        OnSettingChanged();
        return TRUE;
    }
    if (id == kCopiesButtonId && code == BN_CLICKED) {
        CCopiesDlg copies(ForDialogs());
        RunDialog(copies);
        return TRUE;
    }
    if (id == kColourSettingsId && code == BN_CLICKED) {
        CSettingsDlg settings(ForDialogs());
        RunDialog(settings);
        return TRUE;
    }
    if (id == kGraphicSettingsId && code == BN_CLICKED) {
        OpenSettings();
        return TRUE;
    }
    if (id == kAdvancedOptionsId && code == BN_CLICKED) {
        OpenAdvancedOptions();
        return TRUE;
    }
    return TDarknessDlg<CKxDialog>::OnCommand(wParam, lParam);
}

void CGraphicDlg::OnHScroll(UINT code, UINT position, HWND scrollBar) {
    if (scrollBar != nullptr && scrollBar == GetDlgItem(kTonerSliderId)) {
        OnSettingChanged();
        return;
    }
    TDarknessDlg<CKxDialog>::OnHScroll(code, position, scrollBar);
}

} // namespace kx

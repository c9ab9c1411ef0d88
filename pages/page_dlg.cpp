// The Paper page's common part.
#include "pages/page_dlg.h"

#include "devmode/devmode_record.h"
#include "devmode/resolution_table.h"
#include "framework/dialog_geometry.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/advanced_paper_options.h"
#include "pages/paper_controls.h"
#include "pages/paper_rules.h"
#include "pages/paper_size_choice.h"
#include "pages/paper_values.h"
#include "pages/separator_dlg.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "store/custom_dlg.h"
#include "store/custom_paper.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;
constexpr int kCopiesDigits = 3;

// One row of the page: its controls with their offsets from the row's top,
// and the dialog units it takes. The group box opens a group whose height
// follows the rows inside it.
struct PageRow {
    std::array<RowPlace, 4> controls;
    int step;
    bool opensGroup = false;
};

constexpr PageRow kRows[] = {
    {{{{kCopiesLabelPaperId, 2},
       {kCopiesEditId, 0},
       {kCopiesSpinId, 0},
       {kCustomPaperButtonId, 0}}},
     13},
    {{{{kCollateId, 1}}}, 12},
    {{{{kPaperSizeLabelId, 2}, {kPaperSizeListId, 0}}}, 13},
    {{{{kTrayAutomaticId, 1}, {kTrayForcedId, 1}}}, 12},
    {{{{kPaperSourceLabelId, 2}, {kPaperSourceListId, 0}}}, 13},
    {{{{kPaperTypeLabelId, 2}, {kPaperTypeListId, 0}}}, 13},
    {{{{kSeparatorLabelId, 2}, {kSeparatorListId, 0}}}, 13},
    {{{{kFirstPageLabelId, 2}, {kFirstPageListId, 0}}}, 13},
    {{{{kAdvancedPaperId, 0}}}, 15},
    {{{{kBannerSheetId, 1}}}, 12},
    {{{{kScalingGroupId, 0}}}, 8, true},
    {{{{kScalingLabelId, 2}, {kScalingListId, 0}}}, 13},
    {{{{kFitToLabelId, 2}, {kFitToListId, 0}}}, 13},
    {{{{kPercentLabelId, 2}, {kPercentEditId, 0}, {kPercentSpinId, 0}}}, 13},
    {{{{kMinMarginId, 1}}}, 12},
    {{{{kOutBinLabelId, 2}, {kOutBinListId, 0}}}, 13},
};
constexpr int kFirstRowTop = 34;
constexpr int kGroupBottomMargin = 2;

} // namespace

CPageDlg::CPageDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

std::u16string CPageDlg::PageText(std::u16string_view key, std::u16string_view fallback) {
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(pageSection());
    std::u16string text = strings.ReadText(key, kTextCapacity, fallback);
    strings.SelectSection(saved);
    return text;
}

CPrinterLists& CPageDlg::Lists() {
    return SheetPrinterLists(working(), PrinterName());
}

bool CPageDlg::SelectExactly(CKxComboBox& box, WORD value) {
    const int position = box.FindValue(value);
    box.SetCurSel(position);
    return position >= 0;
}

BOOL CPageDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    m_size.SubclassDlgItem(kPaperSizeListId, this);
    m_size.SetIconFamily(IconFamily::PaperSize);
    m_source.SubclassDlgItem(kPaperSourceListId, this);
    m_source.SetIconFamily(IconFamily::PaperSource);
    m_type.SubclassDlgItem(kPaperTypeListId, this);
    m_type.SetIconFamily(IconFamily::PaperType);
    m_firstPage.SubclassDlgItem(kFirstPageListId, this);
    m_firstPage.SetIconFamily(IconFamily::PaperSource);
    m_separator.SubclassDlgItem(kSeparatorListId, this);
    TextStore& strings = TheApp().stringFile;
    FillValueList(m_separator, kSeparatorKinds, strings, pageSection());
    SetUpCopies();
    SetUpSeparatorRows();
    SetUpOwnRows();
    PlaceRows();
    m_quiet = false;
    return result;
}

void CPageDlg::SetUpCopies() {
    const ModelProfile& profile = TheApp().profile;
    const int32_t maximum = CopiesMaximum(profile);
    (void)m_copies.Attach(m_hWnd, kCopiesEditId, kCopiesSpinId, {1, maximum}, kCopiesDigits,
                          NumberFilter::Digits);
    if (profile.PaperCopiesMaximumNumber != 0) {
        const std::u16string format = PageText(u"Copies (1-999)", u"Copies (1-%d)");
        ::SetDlgItemTextW(m_hWnd, kCopiesLabelPaperId,
                          LimitLabel(format, maximum, std::nullopt).c_str());
    }
}

void CPageDlg::SetUpSeparatorRows() {
    const ModelProfile& profile = TheApp().profile;
    if (HasAdvancedPaperFeature(profile)) {
        Hide(kSeparatorLabelId);
        Hide(kSeparatorListId);
        Hide(kFirstPageLabelId);
        Hide(kFirstPageListId);
        return;
    }
    Hide(kAdvancedPaperId);
    if (profile.PaperSeparator == 0) {
        Hide(kSeparatorLabelId);
        Hide(kSeparatorListId);
    }
    if (profile.PaperFirstPage == 0) {
        Hide(kFirstPageLabelId);
        Hide(kFirstPageListId);
    }
}

// Rows the model hides take no room; a group box ends below its last row.
// The logo moves under the picture when the rows reach down to it.
void CPageDlg::PlaceRows() {
    int top = kFirstRowTop;
    HWND group = nullptr;
    int groupTop = 0;
    for (const PageRow& row : kRows) {
        if (!PlaceRow(m_hWnd, row.controls, top))
            continue;
        if (row.opensGroup) {
            group = GetDlgItem(row.controls[0].id);
            groupTop = top;
        }
        top += row.step;
    }
    if (group != nullptr) {
        const RECT rect = kx::RectOnPage(m_hWnd, group);
        const int height = DialogUnitsY(m_hWnd, top + kGroupBottomMargin - groupTop);
        ::SetWindowPos(group, nullptr, 0, 0, rect.right - rect.left, height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        top += kGroupBottomMargin;
    }
    const HWND logo = GetDlgItem(kLogoId);
    if (logo == nullptr)
        return;
    const RECT logoRect = kx::RectOnPage(m_hWnd, logo);
    if (DialogUnitsY(m_hWnd, top) <= logoRect.top)
        return;
    // Under the picture (and the printer preview below it), at the left.
    RECT picture{};
    for (const int id : {static_cast<int>(kLayoutPreviewId), static_cast<int>(kPrinterPreviewId)}) {
        if (const HWND window = GetDlgItem(id)) {
            const RECT rect = kx::RectOnPage(m_hWnd, window);
            picture.left = picture.right == 0 ? rect.left : std::min(picture.left, rect.left);
            picture.right = std::max(picture.right, rect.right);
        }
    }
    const int width = logoRect.right - logoRect.left;
    const int left = picture.right > picture.left
                         ? picture.left + (picture.right - picture.left - width) / 2
                         : logoRect.left;
    ::SetWindowPos(logo, nullptr, left, logoRect.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPageDlg::FillSizes(CIconComboBox& box, CustomSizes custom, WORD paper) {
    const PrinterList papers = Lists().Papers(working(), custom, TheApp().profile);
    FillPrinterList(box, papers);
    SelectExactly(box, paper);
}

void CPageDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    m_copies.SetValue(static_cast<int32_t>(
        std::clamp<int64_t>(ReadNumber(devmode, FieldNamed("dmCopies")), 1, 999)));
    RefreshSizes(false);
    RefreshSources();
    RefreshTypes();
    if (Shown(kSeparatorListId))
        SelectExactly(m_separator, static_cast<WORD>(ReadNumber(devmode, FieldNamed("iOhp"))));
    RefreshFirstPage();
    RefreshTypeRules();
    m_quiet = wasQuiet;
}

void CPageDlg::RefreshSizes(bool fallBackToDefaults) {
    const WORD paper = static_cast<WORD>(ReadNumber(working(), FieldNamed("dmPaperSize")));
    FillSizes(m_size, CustomSizes::Included, paper);
    if (fallBackToDefaults && m_size.GetCurSel() < 0 && defaults() != nullptr)
        SelectExactly(m_size, static_cast<WORD>(ReadNumber(defaults(), FieldNamed("dmPaperSize"))));
}

void CPageDlg::RefreshSources() {
    const ModelProfile& profile = TheApp().profile;
    m_sources = Lists().Sources(working(), profile);
    if (!OffersAutomaticSource())
        std::erase_if(m_sources.entries,
                      [](const PrinterListEntry& e) { return e.value == kAutomaticSource; });
    FillPrinterList(m_source, m_sources);
    // A source the printer no longer offers shows the default record's.
    if (!SelectExactly(m_source,
                       static_cast<WORD>(ReadNumber(working(), FieldNamed("dmDefaultSource")))) &&
        defaults() != nullptr)
        SelectExactly(m_source,
                      static_cast<WORD>(ReadNumber(defaults(), FieldNamed("dmDefaultSource"))));
    const bool locked =
        (ReadNumber(working(), FieldNamed("bLockedFeatures")) & kSourceLockBit) != 0;
    EnableWithTip(kPaperSourceListId, !locked, kLockedRowTip);
}

void CPageDlg::RefreshTypes() {
    FillPrinterList(m_type, Lists().Media(working()));
    SelectExactly(m_type, static_cast<WORD>(ReadNumber(working(), FieldNamed("iPaperType"))));
    const bool locked = (ReadNumber(working(), FieldNamed("bLockedFeatures")) & kTypeLockBit) != 0;
    EnableWithTip(kPaperTypeListId, !locked, kLockedRowTip);
}

void CPageDlg::RefreshFirstPage() {
    if (!Shown(kFirstPageListId))
        return;
    const ModelProfile& profile = TheApp().profile;
    const bool noAuto = profile.PaperFirstPageNoAuto != 0;
    m_firstPage.ResetContent();
    m_firstPage.AddItem(
        noAuto ? PageText(u"Same As Source", u"Same As Source") : PageText(u"None", u"None"), 0);
    for (const PrinterListEntry& entry : m_sources.entries) {
        if (!(noAuto && entry.value == kAutomaticSource))
            m_firstPage.AddItem(entry.name, entry.value);
    }
    SelectExactly(m_firstPage,
                  static_cast<WORD>(ReadNumber(working(), FieldNamed("wCoverSource"))));
}

// A separator goes between transparencies; a different first page does
// not go with them.
void CPageDlg::RefreshTypeRules() {
    const std::optional<WORD> type = m_type.SelectedValue();
    const bool transparency = type && *type == kTransparencyType;
    if (Shown(kSeparatorListId)) {
        EnableControl(kSeparatorListId, transparency);
        const bool tip = TheApp().profile.PaperSeparator != 0 && !transparency;
        if (const HWND list = GetDlgItem(kSeparatorListId))
            ShowOptionTip(list, kSeparatorTip, tip);
    }
    if (Shown(kFirstPageListId))
        EnableControl(kFirstPageListId, !transparency);
}

void CPageDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    const int32_t copies = m_copies.Value();
    if (profile.GraphicsCopiesSetting != 0 &&
        copies != ReadNumber(devmode, FieldNamed("dmCopies"))) {
        WriteNumber(devmode, FieldNamed("sMonoCopies"), 0);
        WriteNumber(devmode, FieldNamed("sColorCopies"), copies);
    }
    WriteNumber(devmode, FieldNamed("dmCopies"), copies);
    SaveSize(devmode);
    if (const auto source = m_source.SelectedValue())
        WriteSource(devmode, m_sources, *source);
    if (const auto type = m_type.SelectedValue())
        WriteNumber(devmode, FieldNamed("iPaperType"), *type);
    if (Shown(kSeparatorListId)) {
        if (const auto kind = m_separator.SelectedValue())
            WriteNumber(devmode, FieldNamed("iOhp"), *kind);
    }
    if (Shown(kFirstPageListId)) {
        if (const auto first = m_firstPage.SelectedValue())
            WriteNumber(devmode, FieldNamed("wCoverSource"), *first);
    }
    WriteNumber(devmode, FieldNamed("iDiffPaper"),
                ReadNumber(devmode, FieldNamed("wCoverSource")) != 0 ? 1 : 0);
    WriteNumber(devmode, FieldNamed("dmFields"),
                FieldBits(devmode) | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE);
}

void CPageDlg::SaveSize(BYTE* devmode) {
    if (const auto paper = m_size.SelectedValue())
        WritePaperSize(devmode, *paper);
}

void CPageDlg::OnCopiesChanged() {
    const ModelProfile& profile = TheApp().profile;
    const BYTE* devmode = working();
    if (devmode == nullptr || m_asking)
        return;
    const int64_t stored = ReadNumber(devmode, FieldNamed("dmCopies"));
    if (profile.GraphicsCopiesSetting != 0 && m_copies.Value() != stored &&
        ReadNumber(devmode, FieldNamed("sMonoCopies")) != 0 && profile.GraphicsColorMode != 0 &&
        ReadNumber(devmode, FieldNamed("iGrayMode")) != 0) {
        m_asking = true;
        const int answer = ShowMessage(kCopiesChanged, pageSection());
        m_asking = false;
        if (answer == IDNO)
            m_copies.SetValue(static_cast<int32_t>(stored));
    }
    OnSettingChanged();
}

// Some papers take their own media type, as if the user had chosen it.
void CPageDlg::OnSizeChosen() {
    const auto paper = m_size.SelectedValue();
    if (paper) {
        const int32_t media = TheApp().profile.MediaForcedByPaper(*paper);
        if (media >= 0 && media <= 0xFFFF && m_type.FindValue(static_cast<WORD>(media)) >= 0 &&
            m_type.SelectedValue() != static_cast<WORD>(media)) {
            SelectExactly(m_type, static_cast<WORD>(media));
            OnTypeChosen();
            return;
        }
    }
    OnSettingChanged();
}

// Some media print at their own resolution.
void CPageDlg::OnTypeChosen() {
    if (const auto type = m_type.SelectedValue(); type && working() != nullptr) {
        const int32_t entry = TheApp().profile.ResolutionForcedByMedia(*type);
        if (entry >= 0)
            WriteResolution(working(), entry);
    }
    RefreshTypeRules();
    OnSettingChanged();
}

void CPageDlg::OnSeparatorChosen() {
    const auto kind = m_separator.SelectedValue();
    if (kind && *kind != 0) {
        // The kind is kept whichever way the dialog closes.
        SaveControls();
        CSeparatorDlg separator(ForDialogs());
        (void)separator.Run();
    }
    OnSettingChanged();
}

void CPageDlg::OpenCustomPaper() {
    RegisterCustomPaperTemplate(TheApp().instance());
    CCustomDlg custom(m_hWnd, working(), defaults());
    if (custom.DoModal() != IDOK)
        return;
    RefreshControls();
    RefreshSizes(true);
    OnSettingChanged();
}

void CPageDlg::OpenAdvancedOptions() {
    if (!RunAdvancedPaperOptions(ForDialogs()))
        return;
    RefreshControls();
    OnSettingChanged();
}

BOOL CPageDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet && (code == EN_CHANGE || code == CBN_SELCHANGE))
        return CKxDialog::OnCommand(wParam, lParam);
    if (id == kCopiesEditId && m_copies.OnCommand(wParam, lParam)) {
        if (code == EN_CHANGE || code == EN_KILLFOCUS)
            OnCopiesChanged();
        return TRUE;
    }
    if (code == CBN_SELCHANGE) {
        switch (id) {
        case kPaperSizeListId:
            OnSizeChosen();
            return TRUE;
        case kPaperTypeListId:
            OnTypeChosen();
            return TRUE;
        case kSeparatorListId:
            OnSeparatorChosen();
            return TRUE;
        case kPaperSourceListId:
        case kFirstPageListId:
            OnSettingChanged();
            return TRUE;
        default:
            break;
        }
    }
    if (code == BN_CLICKED) {
        if (id == kCustomPaperButtonId) {
            OpenCustomPaper();
            return TRUE;
        }
        if (id == kAdvancedPaperId) {
            OpenAdvancedOptions();
            return TRUE;
        }
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

BOOL CPageDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (m_copies.OnNotify(lParam, result)) {
        OnCopiesChanged();
        return TRUE;
    }
    return CKxDialog::OnNotify(wParam, lParam, result);
}

void CPageDlg::RefreshCollate(const BYTE* devmode) {
    if (Shown(kCollateId)) {
        const int64_t collate = ReadNumber(devmode, FieldNamed("bDrvCollate"));
        Check(kCollateId, collate >= 0
                              ? collate > 0
                              : ReadNumber(devmode, FieldNamed("dmCollate")) == DMCOLLATE_TRUE);
    }
}

void CPageDlg::SaveCollate(BYTE* devmode) {
    if (Shown(kCollateId)) {
        const bool collate = Checked(kCollateId);
        if (ReadNumber(devmode, FieldNamed("bDrvCollate")) >= 0)
            WriteNumber(devmode, FieldNamed("bDrvCollate"), collate ? 1 : 0);
        if ((FieldBits(devmode) & DM_COLLATE) != 0)
            WriteNumber(devmode, FieldNamed("dmCollate"),
                        collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE);
    }
}

} // namespace kx

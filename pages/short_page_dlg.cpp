// The short pages' shared part.
#include "pages/short_page_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/dialog_geometry.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/layout_values.h"
#include "pages/paper_size_choice.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;
constexpr int kFirstRowTop = 34;
constexpr int kLogoGap = 2;

} // namespace

CShortPageDlg::CShortPageDlg(UINT templateId, std::u16string_view pageName, int pageIndex,
                             ShortPageIds ids)
    : CKxDialog(templateId, pageName, pageIndex), m_ids(ids) {}

std::u16string CShortPageDlg::PageText(std::u16string_view key) {
    TextStore& strings = TheApp().stringFile;
    const std::u16string saved = strings.section();
    strings.SelectSection(pageSection());
    std::u16string text = strings.ReadText(key, kTextCapacity, key);
    strings.SelectSection(saved);
    return text;
}

CPrinterLists& CShortPageDlg::Lists() {
    return SheetPrinterLists(working(), PrinterName());
}

BOOL CShortPageDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    // The page has its own unit list; the picture's unit buttons would be a
    // second way to the same setting.
    Hide(kMillimetreButtonId);
    Hide(kInchButtonId);
    m_orientation.SubclassDlgItem(m_ids.orientation, this);
    m_orientation.SetNames(PageText(u"Portrait"), PageText(u"Landscape"));
    m_size.SubclassDlgItem(m_ids.sizeList, this);
    m_size.SetIconFamily(IconFamily::PaperSize);
    m_unit.SubclassDlgItem(m_ids.unitList, this);
    FillValueList(m_unit, kUnits, TheApp().stringFile, pageSection());
    SetUpOwnControls();
    PlaceRows();
    m_quiet = false;
    return result;
}

// Rows the model hides take no room. The logo moves under the picture when
// the rows reach down to it.
void CShortPageDlg::PlaceRows() {
    int top = kFirstRowTop;
    for (const ShortPageRow& row : Rows()) {
        if (!PlaceRow(m_hWnd, row.controls, top))
            continue;
        top += row.step;
    }
    const HWND logo = GetDlgItem(kLogoId);
    const HWND picture = GetDlgItem(kLayoutPreviewId);
    if (logo == nullptr || picture == nullptr)
        return;
    const RECT logoRect = kx::RectOnPage(m_hWnd, logo);
    if (DialogUnitsY(m_hWnd, top) <= logoRect.top)
        return;
    const RECT pictureRect = kx::RectOnPage(m_hWnd, picture);
    const int width = logoRect.right - logoRect.left;
    const int left = pictureRect.left + (pictureRect.right - pictureRect.left - width) / 2;
    ::SetWindowPos(logo, nullptr, left, pictureRect.bottom + DialogUnitsY(m_hWnd, kLogoGap), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CShortPageDlg::Changed() {
    OnSettingChanged();
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    RefreshDependentRows();
    m_quiet = wasQuiet;
}

void CShortPageDlg::RefreshPaperList() {
    const BYTE* devmode = working();
    FillPrinterList(m_size, Lists().Papers(devmode, CustomSizes::Included, TheApp().profile));
    const WORD paper = static_cast<WORD>(ReadNumber(devmode, FieldNamed("dmPaperSize")));
    const int position = m_size.FindValue(paper);
    m_size.SetCurSel(position);
}

void CShortPageDlg::RefreshUnit() {
    m_unit.SelectValue(ReadNumber(working(), FieldNamed("IsMMInch")) != 0 ? 1 : 0);
}

void CShortPageDlg::RefreshOrientation() {
    m_orientation.SetState(
        COrientationButton::StateOf(ReadNumber(working(), FieldNamed("dmOrientation"))));
}

bool CShortPageDlg::InchesChosen() const {
    return m_unit.SelectedValue().value_or(0) != 0;
}

void CShortPageDlg::SaveUnit(BYTE* devmode) const {
    if (const auto unit = m_unit.SelectedValue())
        WriteNumber(devmode, FieldNamed("IsMMInch"), *unit != 0 ? 1 : 0);
}

void CShortPageDlg::SavePaper(BYTE* devmode) const {
    if (const auto paper = m_size.SelectedValue())
        WritePaperSize(devmode, *paper);
}

void CShortPageDlg::SaveOrientation(BYTE* devmode) const {
    WriteNumber(devmode, FieldNamed("dmOrientation"),
                COrientationButton::OrientationOf(m_orientation.state()));
}

BOOL CShortPageDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet && (code == EN_CHANGE || code == CBN_SELCHANGE))
        return CKxDialog::OnCommand(wParam, lParam);
    if (code == BN_CLICKED && id == m_ids.orientation) {
        m_orientation.Toggle();
        Changed();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == m_ids.sizeList) {
        OnPaperChosen();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == m_ids.unitList) {
        Changed();
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx

// The full Layout page.
#include "pages/layout_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/layout_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

namespace kx {
namespace {

bool TypeKeySet(const ModelProfile& p, WORD type) {
    switch (type) {
    case kLayoutNone:
        return p.LayoutTypeNone != 0;
    case kLayoutMultiple:
        return p.LayoutMultiple != 0;
    case kLayoutPoster:
        return p.LayoutPoster != 0;
    case kLayoutBooklet:
        return p.LayoutBooklet != 0;
    case kLayoutVirtual:
        return p.LayoutVirtual != 0;
    default:
        return false;
    }
}

} // namespace

CLayoutDlg::CLayoutDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : COrientationDlg(templateId, pageName, pageIndex) {}

BOOL CLayoutDlg::OnInitDialog() {
    const BOOL result = COrientationDlg::OnInitDialog();
    m_type.SubclassDlgItem(kLayoutTypeListId, this);
    FillTypes();
    m_rows.Attach(*this, working(), PrinterName());
    MoveLogoClear();
    return result;
}

void CLayoutDlg::FillTypes() {
    const ModelProfile& profile = TheApp().profile;
    FillValueList(m_type, kLayoutTypes, TheApp().stringFile, pageSection(),
                  [&profile](WORD type) { return TypeKeySet(profile, type); });
}

// On the page without the printer preview the double-sided rows reach the
// logo's corner: the logo moves under the layout picture.
void CLayoutDlg::MoveLogoClear() {
    const HWND logo = GetDlgItem(kLogoId);
    const HWND picture = GetDlgItem(kDoubleSidedPictureId);
    if (logo == nullptr || picture == nullptr || TheApp().profile.AdditionalPrinterPreview != 0)
        return;
    const RECT logoRect = RectOnPage(logo);
    const RECT pictureRect = RectOnPage(picture);
    RECT overlap{};
    const RECT caption = RectOnPage(GetDlgItem(kDoubleSidedCaptionId));
    const RECT rows{caption.left, caption.top, pictureRect.right, pictureRect.bottom};
    if (!IntersectRect(&overlap, &logoRect, &rows))
        return;
    const HWND preview = GetDlgItem(kLayoutPreviewId);
    if (preview == nullptr)
        return;
    const RECT below = RectOnPage(preview);
    const LONG width = logoRect.right - logoRect.left;
    ::SetWindowPos(logo, nullptr, below.right - width, logoRect.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WORD CLayoutDlg::CurrentLayoutType() const {
    return m_type.SelectedValue().value_or(kLayoutMultiple);
}

void CLayoutDlg::RefreshPage() {
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    const LayoutFields fields = ReadLayoutFields(devmode);
    m_blockedByScaling = ScalingBlocksLayout(fields, profile);
    m_blockedByRotation = profile.LayoutRotate != 0 &&
                          PaperRotates(profile, ReadNumber(devmode, FieldNamed("dmPaperSize"))) &&
                          ReadNumber(devmode, FieldNamed("iRotate")) == 90;
    ShowValue(m_type, LayoutTypeShown(fields, profile, m_type.SelectedValue()));
    m_rows.Refresh(devmode, m_blockedByScaling);
    COrientationDlg::RefreshPage();
    ShowRows();
}

void CLayoutDlg::ShowRows() {
    const ModelProfile& profile = TheApp().profile;
    const bool empty = m_type.GetCount() <= 0;
    const bool usable = !empty && !m_blockedByScaling && !m_blockedByRotation;
    const int tip = m_blockedByScaling
                        ? (profile.PaperScaleNone != 0 ? kScalingNoneBlocksTip : kScalingBlocksTip)
                        : kRotationBlocksTip;
    EnableControl(kLayoutTypeLabelId, usable);
    EnableControl(kLayoutTypeListId, usable);
    if (const HWND list = GetDlgItem(kLayoutTypeListId))
        ShowOptionTip(list, tip, !usable && !empty);
    m_rows.ShowRowsFor(CurrentLayoutType(), usable, working());
}

void CLayoutDlg::OnRotationChosen(WORD rotation) {
    if (rotation == 90)
        m_rows.ResetPagesPerSide();
}

void CLayoutDlg::SaveControls() {
    COrientationDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr || m_type.GetCount() <= 0)
        return;
    m_rows.Save(devmode, CurrentLayoutType());
}

BOOL CLayoutDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (busy() || !Refreshed())
        return COrientationDlg::OnCommand(wParam, lParam);
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == CBN_SELCHANGE && id == kLayoutTypeListId) {
        Changed();
        return TRUE;
    }
    switch (m_rows.OnCommand(wParam, lParam)) {
    case RowChange::None:
        break;
    case RowChange::Handled:
        return TRUE;
    case RowChange::Value:
        OnSettingChanged();
        return TRUE;
    case RowChange::Rows:
        Changed();
        return TRUE;
    }
    return COrientationDlg::OnCommand(wParam, lParam);
}

BOOL CLayoutDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!busy() && Refreshed() && m_rows.OnNotify(lParam, result)) {
        OnSettingChanged();
        return TRUE;
    }
    return COrientationDlg::OnNotify(wParam, lParam, result);
}

} // namespace kx

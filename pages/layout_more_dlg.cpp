// The "Layout More" dialog.
#include "pages/layout_more_dlg.h"

#include "framework/kromaui_app.h"
#include "framework/printer_lists.h"
#include "framework/value_list.h"
#include "pages/layout_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <cstring>

namespace kx {
namespace {

int64_t Number(const BYTE* devmode, const DevmodeField& field) {
    return ReadNumber(devmode, field);
}

bool MoreTypeShown(const ModelProfile& p, int type) {
    switch (static_cast<MoreType>(type)) {
    case MoreType::Multiple:
        return p.LayoutMultiple != 0;
    case MoreType::Poster:
        return p.LayoutPoster != 0;
    case MoreType::Booklet:
        return p.LayoutBooklet != 0;
    case MoreType::Virtual:
        return p.LayoutVirtual != 0;
    case MoreType::FitToPage:
    case MoreType::ReduceEnlarge:
        return true;
    }
    return false;
}

WORD LayoutTypeOf(MoreType type) {
    switch (type) {
    case MoreType::Multiple:
        return kLayoutMultiple;
    case MoreType::Poster:
        return kLayoutPoster;
    case MoreType::Booklet:
        return kLayoutBooklet;
    case MoreType::Virtual:
        return kLayoutVirtual;
    case MoreType::FitToPage:
    case MoreType::ReduceEnlarge:
        break;
    }
    return kLayoutNone;
}

} // namespace

CLayoutMoreDlg::CLayoutMoreDlg(const OpenerCopies& opener)
    : CKxDialog(kLayoutMoreTemplate, u"Layout More", opener) {}

INT_PTR CLayoutMoreDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kLayoutMoreTemplate),
                           LayoutMoreScript());
    return DoModal();
}

MoreType CLayoutMoreDlg::TypeOf(const BYTE* devmode, const ModelProfile& profile) {
    const LayoutFields f = ReadLayoutFields(devmode);
    if (profile.LayoutMultiple != 0 && f.nup > 0)
        return MoreType::Multiple;
    if (f.booklet != 0)
        return MoreType::Booklet;
    if (profile.LayoutPoster != 0 && f.poster > 0)
        return MoreType::Poster;
    if (profile.LayoutVirtual != 0 && f.virtualPrint != 0)
        return MoreType::Virtual;
    if (f.fitPage != 0)
        return MoreType::FitToPage;
    if (f.er != 0)
        return MoreType::ReduceEnlarge;
    return profile.LayoutMultiple != 0 ? MoreType::Multiple : MoreType::ReduceEnlarge;
}

MoreType CLayoutMoreDlg::type() const {
    for (int i = 0; i < kMoreTypeCount; ++i) {
        if (::IsDlgButtonChecked(m_hWnd, kFirstMoreTypeId + i) == BST_CHECKED)
            return static_cast<MoreType>(i);
    }
    return TypeOf(working(), TheApp().profile);
}

BOOL CLayoutMoreDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    for (int i = 0; i < kMoreTypeCount; ++i) {
        if (!MoreTypeShown(profile, i))
            ::ShowWindow(GetDlgItem(kFirstMoreTypeId + i), SW_HIDE);
    }
    m_rows.Attach(*this, working(), PrinterName());
    m_fitTo.SubclassDlgItem(kMoreFitToListId, this);
    if (working() != nullptr)
        FillPrinterList(m_fitTo, SheetPrinterLists(working(), PrinterName())
                                     .Papers(working(), CustomSizes::Excluded, profile));
    m_ratio.Attach(m_hWnd, kRatioEditId, kRatioSpinId, {kRatioMin, kRatioMax}, 3,
                   NumberFilter::Digits);
    RefreshControls();
    return result;
}

void CLayoutMoreDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const MoreType chosen = TypeOf(devmode, TheApp().profile);
    for (int i = 0; i < kMoreTypeCount; ++i)
        ::CheckDlgButton(m_hWnd, kFirstMoreTypeId + i,
                         i == static_cast<int>(chosen) ? BST_CHECKED : BST_UNCHECKED);
    m_rows.Refresh(devmode, false);
    const int64_t target = Number(devmode, FieldNamed("iFitPagePaper"));
    const bool listed = target > 0 && m_fitTo.FindValue(static_cast<WORD>(target)) >= 0;
    ShowValue(m_fitTo,
              static_cast<WORD>(listed ? target : Number(devmode, FieldNamed("dmPaperSize"))));
    const int64_t ratio = Number(devmode, FieldNamed("iERRatio"));
    m_ratio.SetValue(
        static_cast<int32_t>(ratio >= kRatioMin && ratio <= kRatioMax ? ratio : kRatioNeutral));
    ShowRows();
    UpdateCopy();
}

void CLayoutMoreDlg::ShowRows() {
    const MoreType chosen = type();
    m_rows.ShowRowsFor(LayoutTypeOf(chosen), true, working());
    const bool fit = chosen == MoreType::FitToPage;
    const bool ratio = chosen == MoreType::ReduceEnlarge;
    for (const int id : {kMoreFitToLabelId, kMoreFitToListId})
        ::ShowWindow(GetDlgItem(id), fit ? SW_SHOWNA : SW_HIDE);
    for (const int id : {kRatioLabelId, kRatioEditId, kRatioSpinId})
        ::ShowWindow(GetDlgItem(id), ratio ? SW_SHOWNA : SW_HIDE);
}

void CLayoutMoreDlg::SaveInto(BYTE* devmode) const {
    const MoreType chosen = type();
    m_rows.Save(devmode, LayoutTypeOf(chosen));
    WriteNumber(devmode, FieldNamed("iFitPage"), chosen == MoreType::FitToPage ? 1 : 0);
    if (chosen == MoreType::FitToPage)
        if (const auto paper = m_fitTo.SelectedValue())
            WriteNumber(devmode, FieldNamed("iFitPagePaper"), *paper);
    WriteNumber(devmode, FieldNamed("iER"), chosen == MoreType::ReduceEnlarge ? 1 : 0);
    WriteNumber(devmode, FieldNamed("iERRatio"), m_ratio.Value());
}

void CLayoutMoreDlg::SaveControls() {
    CKxDialog::SaveControls();
    if (working() != nullptr)
        SaveInto(working());
}

void CLayoutMoreDlg::UpdateCopy() {
    if (working() == nullptr)
        return;
    std::memcpy(m_copy.data(), working(), kDevmodeSize);
    SaveInto(m_copy.data());
    if (CKxPreview* picture = preview(PreviewRole::Layout))
        picture->SetDevmode(m_copy.data());
}

void CLayoutMoreDlg::OnSettingChanged() {
    UpdateCopy();
}

BOOL CLayoutMoreDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (code == BN_CLICKED && id >= kFirstMoreTypeId && id < kFirstMoreTypeId + kMoreTypeCount) {
        ShowRows();
        OnSettingChanged();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == kMoreFitToListId) {
        OnSettingChanged();
        return TRUE;
    }
    const int32_t ratio = m_ratio.Value();
    if (m_ratio.OnCommand(wParam, lParam)) {
        if (m_ratio.Value() != ratio)
            OnSettingChanged();
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
        ShowRows();
        OnSettingChanged();
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

BOOL CLayoutMoreDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (m_rows.OnNotify(lParam, result) || m_ratio.OnNotify(lParam, result)) {
        OnSettingChanged();
        return TRUE;
    }
    return CKxDialog::OnNotify(wParam, lParam, result);
}

} // namespace kx

// The reduced Output page.
#include "pages/output2_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/dialog_geometry.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/basics_values.h"
#include "pages/layout_values.h"
#include "pages/output_controls.h"
#include "pages/output_values.h"
#include "pages/paper_rules.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <array>

#include <vector>

namespace kx {
namespace {

constexpr int kCopiesDigits = 3;
constexpr int kBorderOn = 8;
constexpr int kFirstRowTop = 34;

struct Row {
    std::array<int, 3> ids;
    int offset;
    int step;
};

constexpr Row kRows[] = {
    {{kOutputCopiesLabelId, kOutputCopiesEditId, kOutputCopiesSpinId}, 0, 14},
    {{kOutputPagesLabelId, kOutputPagesListId, 0}, 0, 14},
    {{kOutputBorderId, 0, 0}, 1, 13},
    // The orders' texts take the whole column: their list has a line of its own.
    {{kOutputNupOrderLabelId, 0, 0}, -2, 10},
    {{kOutputNupOrderListId, 0, 0}, 0, 14},
    {{kOutputCloneLabelId, kOutputCloneListId, 0}, 0, 14},
};

bool IsLabel(int id) {
    return id == kOutputCopiesLabelId || id == kOutputPagesLabelId ||
           id == kOutputNupOrderLabelId || id == kOutputCloneLabelId;
}

} // namespace

COutput2Dlg::COutput2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

BOOL COutput2Dlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    TextStore& strings = TheApp().stringFile;
    (void)m_copies.Attach(m_hWnd, kOutputCopiesEditId, kOutputCopiesSpinId,
                          {1, CopiesMaximum(profile)}, kCopiesDigits, NumberFilter::Digits);
    m_pages.SubclassDlgItem(kOutputPagesListId, this);
    FillValueList(m_pages, kPagesPerSide, strings, pageSection());
    m_order.SubclassDlgItem(kOutputNupOrderListId, this);
    FillValueList(m_order, kPageOrders, strings, pageSection());
    m_clone.SubclassDlgItem(kOutputCloneListId, this);
    if (profile.LayoutMultiple == 0) {
        ::ShowWindow(GetDlgItem(kOutputBorderId), SW_HIDE);
        ::ShowWindow(GetDlgItem(kOutputNupOrderLabelId), SW_HIDE);
        ::ShowWindow(GetDlgItem(kOutputNupOrderListId), SW_HIDE);
    } else if (profile.LayoutMultipleOrder == 0) {
        ::ShowWindow(GetDlgItem(kOutputNupOrderLabelId), SW_HIDE);
        ::ShowWindow(GetDlgItem(kOutputNupOrderListId), SW_HIDE);
    }
    PlaceRows();
    m_quiet = false;
    return result;
}

void COutput2Dlg::PlaceRows() {
    int top = kFirstRowTop;
    for (const Row& row : kRows) {
        if (!Shown(row.ids[0]))
            continue;
        for (const int id : row.ids) {
            if (id != 0)
                MoveControlTop(m_hWnd, GetDlgItem(id), top + row.offset + (IsLabel(id) ? 2 : 0));
        }
        top += row.step;
    }
}

void COutput2Dlg::FillClones() {
    const BYTE* devmode = working();
    const bool inches = ReadNumber(devmode, FieldNamed("IsMMInch")) != 0;
    std::vector<ValueText> entries{kCloneOff};
    const std::vector<ValueText> sizes =
        CloneSizes(ReadNumber(devmode, FieldNamed("dmPaperSize")), inches);
    entries.insert(entries.end(), sizes.begin(), sizes.end());
    FillValueList(m_clone, entries, TheApp().stringFile, pageSection());
}

void COutput2Dlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    m_copies.SetValue(static_cast<int32_t>(
        std::clamp<int64_t>(ReadNumber(devmode, FieldNamed("dmCopies")), 1, 0x7FFF)));
    (void)ShowValue(m_pages, ClampPagesPerSide(ReadNumber(devmode, FieldNamed("iNup"))));
    ::CheckDlgButton(m_hWnd, kOutputBorderId,
                     ReadNumber(devmode, FieldNamed("iNupBorder")) > 0 ? BST_CHECKED
                                                                       : BST_UNCHECKED);
    (void)ShowValue(m_order, ClampPageOrder(ReadNumber(devmode, FieldNamed("iNupLayout"))));
    FillClones();
    (void)ShowValue(m_clone, CloneEntryOf(ReadNumber(devmode, FieldNamed("iClone"))));
    EnableRows();
    m_quiet = wasQuiet;
}

// Clone printing repeats one photo over the sheet: pages per side give way.
void COutput2Dlg::EnableRows() {
    const bool clone = m_clone.SelectedValue().value_or(0) != 0;
    const bool several = !clone && m_pages.SelectedValue().value_or(0) != 0;
    EnableControl(kOutputPagesLabelId, !clone);
    EnableControl(kOutputPagesListId, !clone);
    EnableControl(kOutputBorderId, several);
    EnableControl(kOutputNupOrderLabelId, several);
    EnableControl(kOutputNupOrderListId, several);
}

void COutput2Dlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    WriteNumber(devmode, FieldNamed("dmCopies"), m_copies.Value());
    WriteNumber(devmode, FieldNamed("dmFields"),
                ReadNumber(devmode, FieldNamed("dmFields")) | DM_COPIES);
    const WORD clone = m_clone.SelectedValue().value_or(0);
    WriteNumber(devmode, FieldNamed("iClone"), CloneOfEntry(clone));
    if (const auto pages = m_pages.SelectedValue())
        WriteNumber(devmode, FieldNamed("iNup"), clone != 0 ? 0 : *pages);
    if (Shown(kOutputBorderId))
        WriteNumber(devmode, FieldNamed("iNupBorder"),
                    ::IsDlgButtonChecked(m_hWnd, kOutputBorderId) == BST_CHECKED ? kBorderOn : 0);
    if (Shown(kOutputNupOrderListId)) {
        if (const auto order = m_order.SelectedValue())
            WriteNumber(devmode, FieldNamed("iNupLayout"), *order);
    }
}

BOOL COutput2Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet)
        return CKxDialog::OnCommand(wParam, lParam);
    if (id == kOutputCopiesEditId && m_copies.OnCommand(wParam, lParam)) {
        if (code == EN_CHANGE || code == EN_KILLFOCUS)
            OnSettingChanged();
        return TRUE;
    }
    if ((code == CBN_SELCHANGE &&
         (id == kOutputPagesListId || id == kOutputNupOrderListId || id == kOutputCloneListId)) ||
        (code == BN_CLICKED && id == kOutputBorderId)) {
        EnableRows();
        OnSettingChanged();
        return TRUE;
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

BOOL COutput2Dlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (m_copies.OnNotify(lParam, result)) {
        OnSettingChanged();
        return TRUE;
    }
    return CKxDialog::OnNotify(wParam, lParam, result);
}

} // namespace kx

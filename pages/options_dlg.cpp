// The option rows of the Output page forms and their more dialog.
#include "pages/options_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/dialog_geometry.h"
#include "framework/kromaui_app.h"
#include "pages/output_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "store/over_lay.h"
#include "store/overlay_dlg.h"
#include "store/water_mark.h"
#include "store/watermark_dlg.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;
constexpr int kListRowStep = 13;
constexpr int kCaptionRowStep = 10;
constexpr int kCheckRowStep = 12;

constexpr std::array<OptionCheck, 5> kOptionChecks = {{
    {OptionRow::ReprintJam, kOutputReprintJamId, "iReprinter"},
    {OptionRow::QuickPrint, kOutputQuickPrintId, "iQuickPrint"},
    {OptionRow::PrintTime, kOutputPrintTimeId, "iCheckTime"},
    {OptionRow::PrinterFont, kOutputPrinterFontId, "iCheckFont"},
    {OptionRow::BannerSheet, kOutputBannerSheetId, "iBannerSheet"},
}};

constexpr int kWatermarkRow[] = {kOutputWatermarkLabelId, kOutputWatermarkListId,
                                 kOutputWatermarkEditId};
constexpr int kOverlayRow[] = {kOutputOverlayLabelId, kOutputOverlayListId, kOutputOverlayEditId};

bool Offers(std::span<const OptionRow> rows, OptionRow row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

} // namespace

std::span<const OptionCheck> OptionChecks() {
    return kOptionChecks;
}

COptionsDlg::COptionsDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {
    m_watermarks.m_kind = kWatermarkKind;
}

COptionsDlg::COptionsDlg(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener)
    : CKxDialog(templateId, pageName, opener) {
    m_watermarks.m_kind = kWatermarkKind;
}

std::u16string COptionsDlg::PageText(std::u16string_view key, std::u16string_view fallback) const {
    return TheApp().stringFile.ReadTextIn(pageSection(), key, kTextCapacity, fallback);
}

int COptionsDlg::DialogUnitsY(int units) const {
    return kx::DialogUnitsY(m_hWnd, units);
}

void COptionsDlg::PlaceControl(int id, int top) {
    MoveControlTop(m_hWnd, GetDlgItem(id), top);
}

BOOL COptionsDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    SetUpRows();
    return result;
}

void COptionsDlg::SetUpRows() {
    if (ShowsWatermarkRow() && GetDlgItem(kOutputWatermarkListId) != nullptr) {
        m_watermarks.SubclassDlgItem(kOutputWatermarkListId, this);
        m_watermarksAvailable = WatermarksAvailable(PrinterName());
    } else {
        for (const int id : kWatermarkRow)
            Hide(id);
    }
    if (Offers(m_rows, OptionRow::Overlay) && GetDlgItem(kOutputOverlayListId) != nullptr) {
        m_overlays.SubclassDlgItem(kOutputOverlayListId, this);
        m_overlaysAvailable = OverlaysAvailable(PrinterName());
    } else {
        for (const int id : kOverlayRow)
            Hide(id);
    }
    for (const OptionCheck& check : kOptionChecks) {
        if (!Offers(m_rows, check.row))
            Hide(check.id);
    }
}

int COptionsDlg::PlaceWatermarkRow(int top) {
    if (!Shown(kOutputWatermarkListId))
        return top;
    PlaceControl(kOutputWatermarkLabelId, top);
    PlaceControl(kOutputWatermarkListId, top + kCaptionRowStep);
    PlaceControl(kOutputWatermarkEditId, top + kCaptionRowStep);
    return top + kCaptionRowStep + kListRowStep;
}

int COptionsDlg::PlaceOptionRows(int top) {
    for (const OptionRow row : m_rows) {
        if (row == OptionRow::Overlay) {
            PlaceControl(kOutputOverlayLabelId, top);
            PlaceControl(kOutputOverlayListId, top + kCaptionRowStep);
            PlaceControl(kOutputOverlayEditId, top + kCaptionRowStep);
            top += kCaptionRowStep + kListRowStep;
            continue;
        }
        for (const OptionCheck& check : kOptionChecks) {
            if (check.row == row)
                PlaceControl(check.id, top + 1);
        }
        top += kCheckRowStep;
    }
    return top;
}

void COptionsDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    if (Shown(kOutputWatermarkListId)) {
        OpenWatermarks();
        for (const int id : kWatermarkRow)
            EnableWithTip(id, m_watermarksAvailable, kWatermarkUnavailableReason);
    }
    if (Shown(kOutputOverlayListId)) {
        OpenOverlays();
        for (const int id : {kOutputOverlayLabelId, kOutputOverlayListId})
            EnableWithTip(id, m_overlaysAvailable, kOverlayUnavailableReason);
        EnableOverlayButton();
    }
    for (const OptionCheck& check : kOptionChecks) {
        if (Shown(check.id))
            Check(check.id, ReadNumber(devmode, *FindDevmodeField(check.field)) > 0);
    }
    m_quiet = wasQuiet;
}

void COptionsDlg::OpenWatermarks() {
    const BYTE* devmode = working();
    m_watermarks.Clear();
    CWaterMark current = CWaterMark::FromDevmode(devmode);
    (void)m_watermarks.StoreItem(current, devmode);
    m_watermarks.Fill(devmode);
    m_watermarks.AddPlaceholder();
    m_watermarks.SelectMatching(devmode, Fallback::Yes);
}

void COptionsDlg::OpenOverlays() {
    m_overlays.Open(working());
}

void COptionsDlg::EnableOverlayButton() {
    const bool locked = IsReadOnly() || !m_overlaysAvailable;
    EnableControl(kOutputOverlayEditId, COverlayCombo::EditorButtonEnabled(working(), locked));
}

void COptionsDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    if (Shown(kOutputWatermarkListId) && m_watermarksAvailable && m_watermarks.GetCurSel() >= 0)
        (void)m_watermarks.SaveAll(devmode, SaveToStore::No);
    if (Shown(kOutputOverlayListId) && m_overlaysAvailable && m_overlays.GetCurSel() >= 0)
        (void)m_overlays.Commit(devmode);
    for (const OptionCheck& check : kOptionChecks) {
        if (!Shown(check.id))
            continue;
        const DevmodeField& field = *FindDevmodeField(check.field);
        // A negative value says the printer lacks the option: it stays.
        if (ReadNumber(devmode, field) >= 0)
            WriteNumber(devmode, field, Checked(check.id) ? 1 : 0);
    }
}

void COptionsDlg::ChangedByUser() {
    // A modal dialog keeps its rows to itself until OK.
    if (kind() != -1)
        OnSettingChanged();
}

void COptionsDlg::EditWatermarks() {
    CWatermarkDlg editor(ForDialogs());
    if (editor.DoModal() != IDOK)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    OpenWatermarks();
    m_quiet = wasQuiet;
    ChangedByUser();
}

void COptionsDlg::EditOverlays() {
    COverlayDlg editor(ForDialogs());
    if (editor.DoModal() != IDOK)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    OpenOverlays();
    EnableOverlayButton();
    m_quiet = wasQuiet;
    ChangedByUser();
}

BOOL COptionsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet)
        return CKxDialog::OnCommand(wParam, lParam);
    if (code == BN_CLICKED && id == kOutputWatermarkEditId) {
        EditWatermarks();
        return TRUE;
    }
    if (code == BN_CLICKED && id == kOutputOverlayEditId) {
        EditOverlays();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && (id == kOutputWatermarkListId || id == kOutputOverlayListId)) {
        ChangedByUser();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        for (const OptionCheck& check : kOptionChecks) {
            if (check.id == id) {
                ChangedByUser();
                return TRUE;
            }
        }
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx

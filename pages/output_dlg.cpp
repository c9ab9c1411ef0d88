// The Output page.
#include "pages/output_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "pages/hold_dlg.h"
#include "pages/more_dlg.h"
#include "pages/output_controls.h"
#include "platform/base/format.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "utilities/job_acc_dlg.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr size_t kNameCapacity = 128;
constexpr int kColumnTop = 34;
constexpr int kListRowStep = 13;
constexpr int kButtonRowStep = 15;
// The watermark's caption stands on a line of its own above its list.
constexpr int kWatermarkRowUnits = 23;
// The bottom row holds the print-and-hold and more buttons, left of the
// logo and under the picture.
constexpr int kBottomRowHeight = 20;

struct ListRow {
    int label;
    int list;
    std::string_view field;
};

constexpr std::array<ListRow, 5> kListRows = {{
    {kOutputOrderLabelId, kOutputOrderListId, "wPrintOrder"},
    {kOutputTrayLabelId, kOutputTrayListId, "iOutBin"},
    {kOutputStapleLabelId, kOutputStapleListId, "iStaple"},
    {kOutputOffsetLabelId, kOutputOffsetListId, "bOffset"},
    {kOutputMultiBinLabelId, kOutputMultiBinListId, "bMultiBinMode"},
}};

bool ListShown(const ModelProfile& profile, int list) {
    switch (list) {
    case kOutputOrderListId:
        return profile.ExtrasPageOrder != 0;
    case kOutputTrayListId:
        return profile.ExtrasDestination != 0;
    case kOutputStapleListId:
        return profile.PrinterStapler != 0;
    case kOutputOffsetListId:
        return profile.PrinterStacker != 0;
    case kOutputMultiBinListId:
        return profile.MultiBinMode != 0 && !profile.MultiBinModeIndex.empty();
    }
    return false;
}

bool JobAccountingOffered(const ModelProfile& profile) {
    return profile.PrinterJobAccounting != 0;
}

} // namespace

COutputDlg::COutputDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : COptionsDlg(templateId, pageName, pageIndex) {}

int COutputDlg::ColumnUnits() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int hundred = DialogUnitsY(100);
    const int height = hundred > 0 ? static_cast<int>(client.bottom * 100 / hundred) : 0;
    return std::max(0, height - kBottomRowHeight - kColumnTop);
}

int COutputDlg::FixedRowUnits() const {
    const ModelProfile& profile = TheApp().profile;
    int units = kWatermarkRowUnits;
    for (const ListRow& row : kListRows) {
        if (ListShown(profile, row.list))
            units += kListRowStep;
    }
    if (JobAccountingOffered(profile))
        units += kButtonRowStep;
    return units;
}

BOOL COutputDlg::OnInitDialog() {
    const ModelProfile& profile = TheApp().profile;
    // The page's window exists already (the dialog is being created), so
    // its size tells how many rows its column holds.
    const int free = ColumnUnits() - FixedRowUnits();
    m_split = SplitOptionRows(OfferedOptionRows(profile), HeldOptionRows(free));
    SetOptionRows(m_split.onPage);
    const BOOL result = COptionsDlg::OnInitDialog();
    SetUpOutputRows();
    PlaceRows();
    PlaceButtons();
    m_quiet = false;
    return result;
}

void COutputDlg::FillNumberedList(CKxComboBox& box, const std::vector<int32_t>& numbers,
                                  std::u16string_view section, std::u16string_view fallback,
                                  bool withNone, int32_t maximum) {
    box.Clear();
    TextStore& strings = TheApp().stringFile;
    std::vector<int32_t> added;
    if (withNone) {
        box.AddItem(strings.ReadTextIn(pageSection(), u"None", kNameCapacity, u"None"), 0);
        added.push_back(0);
    }
    for (const int32_t number : numbers) {
        // The list's numbers come from a model file: each value once, and
        // only what the record's field can hold.
        if (number < 0 || number > maximum ||
            std::find(added.begin(), added.end(), number) != added.end())
            continue;
        added.push_back(number);
        const std::u16string key = FormatText(u"%d", {number});
        const std::u16string name =
            strings.ReadTextIn(section, key, kNameCapacity, FormatText(fallback, {number}));
        box.AddItem(name, static_cast<WORD>(number));
    }
}

void COutputDlg::SetUpOutputRows() {
    const ModelProfile& profile = TheApp().profile;
    TextStore& strings = TheApp().stringFile;
    for (const ListRow& row : kListRows) {
        if (!ListShown(profile, row.list)) {
            Hide(row.label);
            Hide(row.list);
        }
    }
    m_order.SubclassDlgItem(kOutputOrderListId, this);
    FillValueList(m_order, kOutputPageOrders, strings, pageSection());
    m_tray.SubclassDlgItem(kOutputTrayListId, this);
    FillValueList(m_tray, kOutputTrays, strings, pageSection());
    m_staple.SubclassDlgItem(kOutputStapleListId, this);
    FillNumberedList(m_staple, profile.StapleIndex, u"STAPLENAME", u"Staple %d", true, 0x7FFF);
    m_offset.SubclassDlgItem(kOutputOffsetListId, this);
    FillValueList(m_offset, kOutputOffsets, strings, pageSection());
    m_multiBin.SubclassDlgItem(kOutputMultiBinListId, this);
    FillNumberedList(m_multiBin, profile.MultiBinModeIndex, u"MULTIBIN", u"Mode %d", false, 0xFF);
    if (!OffersPrintAndHold(profile))
        Hide(kOutputHoldButtonId);
    if (m_split.inMore.empty())
        Hide(kOutputMoreButtonId);
    if (!JobAccountingOffered(profile))
        Hide(kOutputJobAccountingId);
}

void COutputDlg::PlaceRows() {
    int top = kColumnTop;
    for (const ListRow& row : kListRows) {
        if (!Shown(row.list))
            continue;
        PlaceControl(row.label, top + 2);
        PlaceControl(row.list, top);
        top += kListRowStep;
    }
    top = PlaceWatermarkRow(top);
    top = PlaceOptionRows(top);
    if (Shown(kOutputJobAccountingId))
        PlaceControl(kOutputJobAccountingId, top + 1);
}

// The print-and-hold button stands right of the picture unless the model
// puts it at the left; the more button takes the other place.
void COutputDlg::PlaceButtons() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int hundred = DialogUnitsY(100);
    const int height = hundred > 0 ? static_cast<int>(client.bottom * 100 / hundred) : 0;
    const int top = height - kBottomRowHeight + 2;
    const bool holdLeft = TheApp().profile.leftAlignedJobButton != 0;
    const auto place = [this, top](int id, bool left) {
        const HWND button = GetDlgItem(id);
        if (button == nullptr)
            return;
        RECT rect{left ? 4 : 108, top, left ? 100 : 168, top + 14};
        ::MapDialogRect(m_hWnd, &rect);
        ::SetWindowPos(button, nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const bool holdShown = Shown(kOutputHoldButtonId);
    place(kOutputHoldButtonId, holdLeft);
    place(kOutputMoreButtonId, holdShown ? !holdLeft : true);
}

void COutputDlg::RefreshControls() {
    COptionsDlg::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    CKxComboBox* boxes[] = {&m_order, &m_tray, &m_staple, &m_offset, &m_multiBin};
    for (size_t i = 0; i < kListRows.size(); ++i) {
        if (!Shown(kListRows[i].list))
            continue;
        const int64_t stored = ReadNumber(devmode, *FindDevmodeField(kListRows[i].field));
        m_shown[i] =
            ShowValue(*boxes[i], static_cast<WORD>(std::clamp<int64_t>(stored, 0, 0xFFFF)));
    }
    // The finisher rows follow what the printer has installed; the
    // conflict rules would undo a choice made without it.
    const std::optional<int> staple = StapleBlockedTip(devmode);
    EnableWithTip(kOutputStapleListId, !staple, staple.value_or(0));
    EnableControl(kOutputStapleLabelId, !staple);
    const std::optional<int> offset = OffsetBlockedTip(devmode);
    EnableWithTip(kOutputOffsetListId, !offset, offset.value_or(0));
    EnableControl(kOutputOffsetLabelId, !offset);
    const bool tray = OutputTrayUsable(devmode);
    EnableControl(kOutputTrayLabelId, tray);
    EnableControl(kOutputTrayListId, tray);
    const bool multiBin = MultiBinUsable(devmode);
    EnableControl(kOutputMultiBinLabelId, multiBin);
    EnableControl(kOutputMultiBinListId, multiBin);
    m_quiet = wasQuiet;
}

void COutputDlg::SaveControls() {
    COptionsDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    CKxComboBox* boxes[] = {&m_order, &m_tray, &m_staple, &m_offset, &m_multiBin};
    for (size_t i = 0; i < kListRows.size(); ++i) {
        if (!Shown(kListRows[i].list))
            continue;
        // A stored value the list lacks shows as its nearest entry; it is
        // written only when the user chooses an entry, so an untouched list
        // never changes the record.
        const DevmodeField& field = *FindDevmodeField(kListRows[i].field);
        const auto value = boxes[i]->SelectedValue();
        if (!value)
            continue;
        const bool clampedAndUntouched =
            m_shown[i] == value && ReadNumber(devmode, field) != *m_shown[i];
        if (clampedAndUntouched)
            continue;
        WriteNumber(devmode, field, *value);
        m_shown[i].reset();
    }
}

void COutputDlg::OnTrayChosen() {
    // Sheets that leave face up come out in reverse order unless the job
    // is printed last page first.
    if (m_tray.SelectedValue() == kSideTray && Shown(kOutputOrderListId))
        (void)ShowValue(m_order, kReverseAllPages);
    OnSettingChanged();
}

template <class Dialog>
void COutputDlg::RunDialog(Dialog& dialog) {
    if (dialog.Run() != IDOK)
        return;
    RefreshControls();
    OnSettingChanged();
}

void COutputDlg::OpenHold() {
    CHoldDlg dialog(ForDialogs());
    RunDialog(dialog);
}

void COutputDlg::OpenMore() {
    CMoreDlg dialog(ForDialogs(), m_split.inMore);
    RunDialog(dialog);
}

// The same dialog the Printer page opens; a saved dialog runs the page's
// change, which refreshes it.
void COutputDlg::OpenJobAccounting() {
    (void)RunJobAccounting(*this);
}

BOOL COutputDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet)
        return COptionsDlg::OnCommand(wParam, lParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case kOutputHoldButtonId:
            OpenHold();
            return TRUE;
        case kOutputMoreButtonId:
            OpenMore();
            return TRUE;
        case kOutputJobAccountingId:
            OpenJobAccounting();
            return TRUE;
        default:
            break;
        }
    }
    if (code == CBN_SELCHANGE) {
        if (id == kOutputTrayListId) {
            OnTrayChosen();
            return TRUE;
        }
        for (const ListRow& row : kListRows) {
            if (row.list == id) {
                OnSettingChanged();
                if (id == kOutputStapleListId || id == kOutputOffsetListId)
                    RefreshControls();
                return TRUE;
            }
        }
    }
    return COptionsDlg::OnCommand(wParam, lParam);
}

} // namespace kx

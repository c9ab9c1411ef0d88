// The Main page.
#include "pages/main_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/value_list.h"
#include "pages/basics_controls.h"
#include "pages/layout_values.h"
#include "platform/base/devmode_public.h"
#include "platform/controls/control_constants.h"
#include "platform/window/window_constants.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int32_t kCopiesMinimum = 1;
constexpr int32_t kCopiesMaximum = 99;
constexpr int kCopiesDigits = 2;

constexpr ShortPageRow kMainRows[] = {
    {{{{kMainCopiesLabelId, 2}, {kMainCopiesEditId, 0}, {kMainCopiesSpinId, 0}}}, 13},
    {{{{kMainSizeLabelId, 2}, {kMainSizeListId, 0}}}, 13},
    {{{{kMainOrientationLabelId, 4}, {kMainOrientationId, 0}}}, 18},
    {{{{kMainUnitLabelId, 2}, {kMainUnitListId, 0}}}, 13},
    {{{{kMainPagesPerSideId, 1}, {kMainPagesPerSideListId, 0}}}, 13},
    {{{{kMainOrderLabelId, 2}, {kMainOrderListId, 0}}}, 13},
    {{{{kMainRepeatId, 1}, {kMainRepeatListId, 0}}}, 13},
    {{{{kMainCloneId, 1}, {kMainCloneListId, 0}}}, 12},
};

void SelectOrNothing(CKxComboBox& box, WORD value) {
    box.SetCurSel(box.FindValue(value));
}

} // namespace

CMainDlg::CMainDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CShortPageDlg(templateId, pageName, pageIndex,
                    {kMainOrientationId, kMainSizeListId, kMainUnitListId}) {}

std::span<const ShortPageRow> CMainDlg::Rows() const {
    return kMainRows;
}

void CMainDlg::SetUpOwnControls() {
    (void)m_copies.Attach(m_hWnd, kMainCopiesEditId, kMainCopiesSpinId,
                          {kCopiesMinimum, kCopiesMaximum}, kCopiesDigits, NumberFilter::Digits);
    TextStore& strings = TheApp().stringFile;
    m_pagesPerSide.SubclassDlgItem(kMainPagesPerSideListId, this);
    FillValueList(m_pagesPerSide, kMainPagesPerSide, strings, pageSection());
    m_repeat.SubclassDlgItem(kMainRepeatListId, this);
    FillValueList(m_repeat, kMainPagesPerSide, strings, pageSection());
    m_order.SubclassDlgItem(kMainOrderListId, this);
    m_clone.SubclassDlgItem(kMainCloneListId, this);
    if (TheApp().profile.LayoutMultipleOrder == 0) {
        Hide(kMainOrderLabelId);
        Hide(kMainOrderListId);
    }
}

// The rows' texts are read from the string file once: the lists are filled
// again as the pages per side, the orientation, the paper or the unit change.
const std::u16string& CMainDlg::Localised(const ValueText& row) {
    const auto found = m_texts.find(row.text.data());
    if (found != m_texts.end())
        return found->second;
    std::vector<std::u16string> texts =
        LocalisedTexts(std::span(&row, 1), TheApp().stringFile, pageSection());
    return m_texts.emplace(row.text.data(), std::move(texts.front())).first->second;
}

void CMainDlg::FillLocalised(CKxComboBox& box, std::span<const ValueText> rows) {
    box.ResetContent();
    for (const ValueText& row : rows)
        (void)box.AddItem(Localised(row), row.value);
}

MainMode CMainDlg::mode() const {
    if (Checked(kMainPagesPerSideId))
        return MainMode::PagesPerSide;
    return Checked(kMainCloneId) ? MainMode::Clone : MainMode::Repeat;
}

void CMainDlg::ShowMode(MainMode shown) {
    Check(kMainPagesPerSideId, shown == MainMode::PagesPerSide);
    Check(kMainRepeatId, shown != MainMode::PagesPerSide);
    Check(kMainCloneId, shown == MainMode::Clone);
}

void CMainDlg::RefreshControls() {
    CShortPageDlg::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    m_copies.SetValue(static_cast<int32_t>(std::clamp<int64_t>(
        ReadNumber(devmode, FieldNamed("dmCopies")), kCopiesMinimum, kCopiesMaximum)));
    RefreshPaperList();
    RefreshUnit();
    RefreshOrientation();
    ShowMode(MainModeOf(ReadNumber(devmode, FieldNamed("iClone")),
                        ReadNumber(devmode, FieldNamed("iNupLayout"))));
    const WORD nup = MainPagesPerSideShown(ReadNumber(devmode, FieldNamed("iNup")));
    m_pagesPerSide.SelectValue(nup);
    m_repeat.SelectValue(nup);
    RefreshCloneList(true);
    RefreshOrderList();
    EnableModeRows();
    m_quiet = wasQuiet;
}

// The photo sizes for the paper and the unit. `select`: the record's size
// in clone mode, no size otherwise; else the size shown stays.
void CMainDlg::RefreshCloneList(bool select) {
    const std::optional<WORD> shown = m_clone.SelectedValue();
    const std::optional<WORD> paper = ChosenPaper();
    const int64_t paperCode = paper ? *paper : ReadNumber(working(), FieldNamed("dmPaperSize"));
    // Only a new paper or unit fills the list again.
    const CloneListKey key{paperCode, InchesChosen()};
    if (key != m_cloneListKey) {
        FillLocalised(m_clone, CloneSizes(key.paper, key.inches));
        m_cloneListKey = key;
    }
    if (select) {
        if (mode() == MainMode::Clone)
            SelectOrNothing(m_clone, CloneValueShown(ReadNumber(working(), FieldNamed("iClone"))));
        else
            m_clone.SetCurSel(-1);
    } else {
        m_clone.SetCurSel(shown ? m_clone.FindValue(*shown) : -1);
    }
}

// The orders for the stored pages per side and the orientation, showing the
// stored order in pages-per-side mode; an order the list lacks (two pages
// turned to the other orientation) shows the first.
void CMainDlg::RefreshOrderList() {
    const BYTE* devmode = working();
    const bool landscape = orientationState() == 1;
    const std::span<const ValueText> orders =
        PageOrdersFor(ReadNumber(devmode, FieldNamed("iNup")), landscape);
    if (orders.data() != m_ordersShown) {
        FillLocalised(m_order, orders);
        m_ordersShown = orders.data();
    }
    WORD order = 0;
    if (mode() == MainMode::PagesPerSide)
        order = ClampPageOrder(ReadNumber(devmode, FieldNamed("iNupLayout")));
    if (m_order.FindValue(order) < 0)
        order = m_order.ValueAt(0).value_or(0);
    SelectOrNothing(m_order, order);
}

void CMainDlg::EnableModeRows() {
    const MainMode shown = mode();
    const bool pagesPerSide = shown == MainMode::PagesPerSide;
    EnableControl(kMainPagesPerSideListId, pagesPerSide);
    const bool ordered = pagesPerSide && m_pagesPerSide.SelectedValue().value_or(0) != 0;
    EnableControl(kMainOrderLabelId, ordered);
    EnableControl(kMainOrderListId, ordered);
    EnableControl(kMainCloneId, !pagesPerSide);
    EnableControl(kMainRepeatListId, shown == MainMode::Repeat);
    EnableControl(kMainCloneListId, shown == MainMode::Clone);
}

void CMainDlg::RefreshDependentRows() {
    RefreshCloneList(false);
    // The order list follows the stored pages per side, which the change
    // has just written.
    RefreshOrderList();
    EnableModeRows();
}

void CMainDlg::SaveControls() {
    CShortPageDlg::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    SaveUnit(devmode);
    if (const auto paper = ChosenPaper())
        WriteNumber(devmode, FieldNamed("iBorderless"),
                    BorderlessAfter(ReadNumber(devmode, FieldNamed("iBorderless")), *paper,
                                    TheApp().profile));
    SaveLayout(devmode);
    WriteNumber(devmode, FieldNamed("dmFields"),
                FieldBits(devmode) | DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES);
    SavePaper(devmode);
    SaveOrientation(devmode);
    const int32_t copies = m_copies.Value();
    // New copies end the split into grayscale and colour copies, as on the
    // Paper page: they all print in colour.
    if (TheApp().profile.GraphicsCopiesSetting != 0 &&
        copies != ReadNumber(devmode, FieldNamed("dmCopies"))) {
        WriteNumber(devmode, FieldNamed("sMonoCopies"), 0);
        WriteNumber(devmode, FieldNamed("sColorCopies"), copies);
    }
    WriteNumber(devmode, FieldNamed("dmCopies"), copies);
}

void CMainDlg::SaveLayout(BYTE* devmode) {
    switch (mode()) {
    case MainMode::PagesPerSide:
        WriteNumber(devmode, FieldNamed("iClone"), 0);
        if (const auto nup = m_pagesPerSide.SelectedValue())
            WriteNumber(devmode, FieldNamed("iNup"), *nup);
        if (Shown(kMainOrderListId)) {
            if (const auto order = m_order.SelectedValue())
                WriteNumber(devmode, FieldNamed("iNupLayout"), *order);
        } else if (ReadNumber(devmode, FieldNamed("iNupLayout")) == kRepeatOrder) {
            // Without an order list the repeat order would bring the page
            // back in repeat mode.
            WriteNumber(devmode, FieldNamed("iNupLayout"), 0);
        }
        return;
    case MainMode::Clone:
        // The pages-per-side settings stay for when the clone goes.
        if (const auto size = m_clone.SelectedValue())
            WriteNumber(devmode, FieldNamed("iClone"), *size - kCloneValueOffset);
        return;
    case MainMode::Repeat:
        WriteNumber(devmode, FieldNamed("iClone"), 0);
        if (const auto nup = m_repeat.SelectedValue())
            WriteNumber(devmode, FieldNamed("iNup"), *nup);
        WriteNumber(devmode, FieldNamed("iNupLayout"), kRepeatOrder);
        return;
    }
}

void CMainDlg::OnPagesPerSideChosen(CKxComboBox& chosen, CKxComboBox& other) {
    if (const auto nup = chosen.SelectedValue())
        other.SelectValue(*nup);
    m_clone.SetCurSel(-1);
    Changed();
}

void CMainDlg::OnModeSwitched(MainMode switched) {
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    ShowMode(switched);
    // A clone needs a size: the first one until the user chooses.
    if (switched == MainMode::Clone && !m_clone.SelectedValue())
        m_clone.SetCurSel(0);
    if (switched != MainMode::Clone)
        m_clone.SetCurSel(-1);
    EnableModeRows();
    m_quiet = wasQuiet;
    Changed();
}

BOOL CMainDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_quiet && (code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED))
        return CShortPageDlg::OnCommand(wParam, lParam);
    if (id == kMainCopiesEditId && m_copies.OnCommand(wParam, lParam)) {
        if (code == EN_CHANGE || code == EN_KILLFOCUS)
            Changed();
        return TRUE;
    }
    if (code == CBN_SELCHANGE) {
        switch (id) {
        case kMainPagesPerSideListId:
            OnPagesPerSideChosen(m_pagesPerSide, m_repeat);
            return TRUE;
        case kMainRepeatListId:
            OnPagesPerSideChosen(m_repeat, m_pagesPerSide);
            return TRUE;
        case kMainOrderListId:
        case kMainCloneListId:
            Changed();
            return TRUE;
        default:
            break;
        }
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case kMainPagesPerSideId:
            OnModeSwitched(MainMode::PagesPerSide);
            return TRUE;
        case kMainRepeatId:
            OnModeSwitched(Checked(kMainCloneId) ? MainMode::Clone : MainMode::Repeat);
            return TRUE;
        case kMainCloneId:
            OnModeSwitched(Checked(kMainCloneId) ? MainMode::Clone : MainMode::Repeat);
            return TRUE;
        default:
            break;
        }
    }
    return CShortPageDlg::OnCommand(wParam, lParam);
}

BOOL CMainDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (m_copies.OnNotify(lParam, result)) {
        Changed();
        return TRUE;
    }
    return CShortPageDlg::OnNotify(wParam, lParam, result);
}

} // namespace kx

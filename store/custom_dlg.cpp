// The custom paper editor.
#include "store/custom_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/page_messages.h"
#include "framework/printer_lists.h"
#include "framework/printer_texts.h"
#include "platform/base/text.h"
#include "platform/controls/common_controls.h"
#include "platform/window/dialog_state.h"

#include <array>
#include <cstring>
#include <memory>

namespace kx {
namespace {

constexpr std::u16string_view kCustomPaperScript = uR"script(DIALOGEX 0, 0, 250, 150
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Custom Paper"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "Custom papers", IDC_STATIC, 6, 6, 100, 8
    LISTBOX 1107, 6, 16, 100, 104, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP
    LTEXT "Name", IDC_STATIC, 114, 6, 120, 8
    EDITTEXT 1202, 114, 16, 130, 14, ES_AUTOHSCROLL
    LTEXT "Width", 1201, 114, 36, 130, 8
    EDITTEXT 1044, 114, 46, 50, 14, ES_AUTOHSCROLL
    CONTROL "", 1045, "msctls_updown32", UDS_ALIGNRIGHT | UDS_ARROWKEYS, 164, 46, 10, 14
    LTEXT "Length", 1061, 114, 66, 130, 8
    EDITTEXT 1042, 114, 76, 50, 14, ES_AUTOHSCROLL
    CONTROL "", 1043, "msctls_updown32", UDS_ALIGNRIGHT | UDS_ARROWKEYS, 164, 76, 10, 14
    AUTORADIOBUTTON "Inches", 1350, 184, 48, 60, 10, WS_GROUP
    AUTORADIOBUTTON "Millimeters", 1351, 184, 62, 60, 10
    PUSHBUTTON "Add", 1004, 114, 100, 40, 14
    PUSHBUTTON "Update", 1188, 158, 100, 40, 14
    PUSHBUTTON "Delete", 1033, 202, 100, 40, 14
    DEFPUSHBUTTON "OK", IDOK, 138, 128, 50, 14
    PUSHBUTTON "Cancel", IDCANCEL, 194, 128, 50, 14
END
)script";

LengthUnit UnitOfDevmode(const BYTE* devmode) {
    return ReadNumber(devmode, FieldNamed("IsMMInch")) == 1 ? LengthUnit::Inch
                                                            : LengthUnit::Millimetre;
}

std::u16string TextOf(HWND window) {
    std::array<WCHAR, kCustomPaperNameLimit + 2> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

} // namespace

void RegisterCustomPaperTemplate(HINSTANCE instance) {
    RegisterDialogResource(instance, kCustomPaperTemplate, kCustomPaperScript);
}

CCustomDlg::CCustomDlg(HWND parent, BYTE* working, BYTE* defaults)
    : CKxDialog(kCustomPaperTemplate, u"Custom Paper", parent, working, defaults) {
    if (Template() == nullptr)
        RegisterCustomPaperTemplate(TheApp().instance());
}

BOOL CCustomDlg::OnInitDialog() {
    CKxDialog::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    m_list.m_kind = kCustomPaperKind;
    m_list.SubclassDlgItem(kCustomPaperListId, this);
    m_name.SubclassDlgItem(kPaperNameId, this);
    m_name.LimitText(static_cast<int>(kCustomPaperNameLimit));
    m_list.Fill(nullptr);
    m_width.Attach(m_hWnd, kPaperWidthId, kPaperWidthSpinId, kPaperWidthLabelId, profile.MinPaperW,
                   profile.MaxPaperW);
    m_length.Attach(m_hWnd, kPaperLengthId, kPaperLengthSpinId, kPaperLengthLabelId,
                    profile.MinPaperH, profile.MaxPaperH);
    if (working() != nullptr) {
        // A job on a standard paper shows the first custom paper, but only
        // as something to edit: it is not the job's choice.
        m_paperChosen = m_list.SelectMatching(working(), Fallback::No) >= 0;
        if (!m_paperChosen)
            m_list.SelectMatching(working(), Fallback::Yes);
    }
    ShowSelection();
    return TRUE;
}

void CCustomDlg::OnDestroy() {
    m_list.Clear();
    m_width.Detach();
    m_length.Detach();
    CKxDialog::OnDestroy();
}

const CCustomPaper* CCustomDlg::SelectedPaper() const {
    return dynamic_cast<const CCustomPaper*>(m_list.SelectedItem());
}

LengthUnit CCustomDlg::ChosenUnit() const {
    return IsDlgButtonChecked(m_hWnd, kInchUnitId) == BST_CHECKED ? LengthUnit::Inch
                                                                  : LengthUnit::Millimetre;
}

CCustomPaper CCustomDlg::EditedPaper() const {
    return CCustomPaper(TextOf(m_name.m_hWnd), m_width.Value(), m_length.Value(), ChosenUnit());
}

void CCustomDlg::ShowUnit(LengthUnit unit) {
    CheckDlgButton(m_hWnd, kInchUnitId, unit == LengthUnit::Inch ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, kMillimetreUnitId,
                   unit == LengthUnit::Inch ? BST_UNCHECKED : BST_CHECKED);
    m_width.SetUnit(unit);
    m_length.SetUnit(unit);
}

void CCustomDlg::ShowSelection() {
    m_showing = true;
    m_shown = m_list.GetCurSel();
    if (const CCustomPaper* paper = SelectedPaper()) {
        m_name.SetWindowText(paper->GetName());
        m_width.SetValue(paper->width());
        m_length.SetValue(paper->height());
        ShowUnit(paper->unit());
    } else if (working() != nullptr) {
        m_name.SetWindowText(u"");
        m_width.SetValue(static_cast<int32_t>(ReadNumber(working(), FieldNamed("iPaperWidth"))));
        m_length.SetValue(static_cast<int32_t>(ReadNumber(working(), FieldNamed("iPaperLength"))));
        ShowUnit(UnitOfDevmode(working()));
    }
    m_showing = false;
    UpdateButtons();
}

bool CCustomDlg::AddAllowed() const {
    const CCustomPaper edited = EditedPaper();
    const CCustomPaper* selected = SelectedPaper();
    return edited.IsValid(nullptr) && (selected == nullptr || edited.IsDifferent(*selected)) &&
           m_list.GetCount() < kMaxCustomPapers && m_list.FindByName(edited.GetName()) < 0;
}

bool CCustomDlg::UpdateAllowed() const {
    const CCustomPaper edited = EditedPaper();
    const CCustomPaper* selected = SelectedPaper();
    return edited.IsValid(nullptr) && selected != nullptr && selected->IsValid(nullptr) &&
           edited.IsDifferent(*selected) &&
           m_list.FindByName(edited.GetName(), m_list.GetCurSel()) < 0;
}

bool CCustomDlg::DeleteAllowed() const {
    const CCustomPaper* selected = SelectedPaper();
    return selected != nullptr && selected->IsValid(nullptr);
}

void CCustomDlg::UpdateButtons() {
    EnableControl(kAddPaperId, AddAllowed());
    EnableControl(kUpdatePaperId, UpdateAllowed());
    EnableControl(kDeletePaperId, DeleteAllowed());
}

void CCustomDlg::Add() {
    if (IsReadOnly() || !AddAllowed())
        return;
    auto paper = std::make_unique<CCustomPaper>(EditedPaper());
    const LengthUnit unit = paper->unit();
    const int position = m_list.AddItem(std::move(paper));
    m_list.SetCurSel(position);
    m_shown = position;
    m_paperChosen = true;
    if (working() != nullptr)
        WriteNumber(working(), FieldNamed("IsMMInch"), static_cast<int32_t>(unit));
    UpdateButtons();
}

void CCustomDlg::Update() {
    if (IsReadOnly() || !UpdateAllowed())
        return;
    m_list.DeleteSelected(Reselect::No);
    Add();
}

void CCustomDlg::Delete() {
    if (IsReadOnly() || !DeleteAllowed())
        return;
    m_list.DeleteSelected(Reselect::Yes);
    m_paperChosen = true;
    ShowSelection();
}

void CCustomDlg::SelectionChanged() {
    const int clicked = m_list.GetCurSel();
    if (clicked == m_shown)
        return;
    const CCustomData* clickedItem = m_list.ItemAt(clicked);
    // The question is about the edits of the entry shown so far.
    m_list.SetCurSel(m_shown);
    if (!IsReadOnly() && EditsPending()) {
        switch (ShowMessage(kSaveChanges, pageSection())) {
        case IDYES:
            Update();
            m_list.SelectItem(clickedItem, Fallback::No);
            break;
        case IDNO:
            m_list.SetCurSel(clicked);
            break;
        default:
            return;
        }
    } else {
        m_list.SetCurSel(clicked);
    }
    m_paperChosen = true;
    ShowSelection();
}

void CCustomDlg::OnOK() {
    if (!IsReadOnly()) {
        if (AddAllowed())
            Add();
        else
            Update();
    }
    if (IsReadOnly() || working() == nullptr) {
        CKxDialog::OnOK();
        return;
    }
    // The list is stored before the job is touched: a job must never name a
    // paper the store does not hold.
    std::array<BYTE, kDevmodeSize> untouched{};
    std::memcpy(untouched.data(), working(), kDevmodeSize);
    if (m_list.SaveAll(untouched.data(), SaveToStore::Yes) != ERROR_SUCCESS) {
        // The store keeps its old list whole; the user's list stays on
        // screen, to be saved again or cancelled.
        ShowMessage(kSaveFailed, pageSection());
        return;
    }
    CKxDialog::OnOK();
    if (m_paperChosen)
        (void)m_list.SaveAll(working(), SaveToStore::No);
    RebuildProfilePapers();
}

void CCustomDlg::RebuildProfilePapers() {
    const std::u16string printer = PrinterName();
    PrinterTexts& texts = PrinterTextsFor(printer);
    texts.Refresh();
    SheetPrinterLists(working(), printer).ForgetPapers();
    // The lookup asks the spooler on its first question, perhaps long after
    // this dialog: it keeps its own copy of the record.
    auto record = std::make_shared<std::array<BYTE, kDevmodeSize>>();
    std::memcpy(record->data(), working(), kDevmodeSize);
    PaperSizeLookup sizes = PrinterPaperSizes(printer, record->data());
    ModelProfile& profile = TheApp().profile;
    profile.SetPaperSizeLookup([record, sizes](int32_t paper) { return sizes(paper); });
    profile.AddDoubleSidedCustomPapers(texts.CustomPaperCount(record->data()));
}

CLengthField* CCustomDlg::FieldOfEdit(int id) {
    if (id == kPaperWidthId)
        return &m_width;
    if (id == kPaperLengthId)
        return &m_length;
    return nullptr;
}

BOOL CCustomDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (CLengthField* field = FieldOfEdit(id);
        field != nullptr && (code == EN_CHANGE || code == EN_KILLFOCUS)) {
        if (code == EN_CHANGE)
            field->OnTextChanged();
        else
            field->OnFocusLost();
        if (!m_showing)
            UpdateButtons();
        return TRUE;
    }
    if (id == kPaperNameId && code == EN_CHANGE) {
        if (!m_showing)
            UpdateButtons();
        return TRUE;
    }
    if (id == kCustomPaperListId && code == LBN_SELCHANGE) {
        SelectionChanged();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case kInchUnitId:
        case kMillimetreUnitId:
            ShowUnit(ChosenUnit());
            UpdateButtons();
            return TRUE;
        case kAddPaperId:
            Add();
            return TRUE;
        case kUpdatePaperId:
            Update();
            return TRUE;
        case kDeletePaperId:
            Delete();
            return TRUE;
        default:
            break;
        }
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

BOOL CCustomDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header != nullptr && header->code == UDN_DELTAPOS &&
        (header->idFrom == kPaperWidthSpinId || header->idFrom == kPaperLengthSpinId)) {
        auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
        change->iDelta = CLengthField::ScaleSpin(change->iDelta);
        *result = FALSE;
        return TRUE;
    }
    return CKxDialog::OnNotify(wParam, lParam, result);
}

void CCustomDlg::OnVScroll(UINT code, UINT position, HWND scrollBar) {
    CLengthField* field = scrollBar == m_width.spin()    ? &m_width
                          : scrollBar == m_length.spin() ? &m_length
                                                         : nullptr;
    if (field == nullptr) {
        CKxDialog::OnVScroll(code, position, scrollBar);
        return;
    }
    if (code == SB_THUMBPOSITION) {
        field->OnSpun();
        UpdateButtons();
    }
}

} // namespace kx

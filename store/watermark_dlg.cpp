// The watermark editor in its two guises.
#include "store/watermark_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/font_style.h"
#include "framework/kromaui_app.h"
#include "framework/page_messages.h"
#include "framework/page_templates.h"
#include "framework/row_collapse.h"
#include "framework/value_list.h"
#include "platform/controls/common_controls.h"
#include "platform/window/dialog_state.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "utilities/printer_reachability.h"

#include <array>
#include <memory>

namespace kx {
namespace {

constexpr std::u16string_view kWatermarkDialogScript = uR"script(DIALOGEX 0, 0, 300, 172
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Watermark"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "Watermarks", 1200, 6, 6, 90, 8
    LISTBOX 1199, 6, 16, 90, 124, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP
    PUSHBUTTON "Add", 1004, 6, 144, 28, 14
    PUSHBUTTON "Update", 1188, 36, 144, 30, 14
    PUSHBUTTON "Delete", 1033, 68, 144, 28, 14
    LTEXT "Text", 1072, 102, 6, 130, 8
    EDITTEXT 1081, 102, 16, 130, 12, ES_AUTOHSCROLL
    LTEXT "Font", 1056, 102, 32, 130, 8
    COMBOBOX 1084, 102, 42, 130, 100, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP
    LTEXT "Style", 1171, 102, 58, 64, 8
    COMBOBOX 1170, 102, 68, 64, 60, CBS_DROPDOWNLIST | WS_TABSTOP
    LTEXT "Size", 1161, 172, 58, 60, 8
    EDITTEXT 1162, 172, 68, 30, 12, ES_AUTOHSCROLL
    CONTROL "", 1163, "msctls_updown32", UDS_ALIGNRIGHT | UDS_ARROWKEYS, 202, 68, 10, 12
    LTEXT "Color", 1016, 102, 84, 64, 8
    COMBOBOX 1017, 102, 94, 64, 100, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP
    LTEXT "Shade", 1019, 172, 84, 60, 8
    COMBOBOX 1018, 172, 94, 60, 100, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP
    GROUPBOX "Angle", 1008, 102, 110, 130, 38
    AUTORADIOBUTTON "0°", 1009, 108, 121, 40, 10, WS_GROUP
    AUTORADIOBUTTON "90°", 1010, 152, 121, 40, 10
    AUTORADIOBUTTON "Custom", 1011, 108, 134, 44, 10
    EDITTEXT 1012, 152, 133, 30, 12, ES_AUTOHSCROLL
    CONTROL "", 1013, "msctls_updown32", UDS_ALIGNRIGHT | UDS_ARROWKEYS, 182, 133, 10, 12
    AUTOCHECKBOX "First page only", 1082, 102, 154, 130, 10
    CONTROL "", 1130, "Static", SS_NOTIFY | WS_BORDER, 238, 16, 56, 100
    DEFPUSHBUTTON "OK", IDOK, 238, 126, 56, 14
    PUSHBUTTON "Cancel", IDCANCEL, 238, 144, 56, 14
END
)script";

// The page guise: picture and list left of the separator, the watermark's
// settings right of it, above the logo's row.
constexpr TemplateControl kPageControls[] = {
    {u"CONTROL", {}, kWatermarkPreviewId, 4, 34, 96, 56, u"SS_NOTIFY | WS_BORDER", u"Static"},
    {u"LTEXT", u"Watermarks", kWatermarkListLabelId, 4, 93, 96, 8},
    {u"LISTBOX",
     {},
     kWatermarkListId,
     4,
     102,
     96,
     34,
     u"LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP"},
    {u"PUSHBUTTON", u"Add", kAddWatermarkId, 4, 137, 30, 12},
    {u"PUSHBUTTON", u"Update", kUpdateWatermarkId, 36, 137, 32, 12},
    {u"PUSHBUTTON", u"Delete", kDeleteWatermarkId, 70, 137, 30, 12},
    {u"LTEXT", u"Text", kWatermarkTextLabelId, 108, 36, 30, 8},
    {u"EDITTEXT", {}, kWatermarkTextId, 140, 34, 80, 12, u"ES_AUTOHSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Font", kWatermarkFaceLabelId, 108, 49, 30, 8},
    {u"COMBOBOX",
     {},
     kWatermarkFaceId,
     140,
     47,
     80,
     100,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Style", kWatermarkStyleLabelId, 108, 62, 30, 8},
    {u"COMBOBOX", {}, kWatermarkStyleId, 140, 60, 80, 60, u"CBS_DROPDOWNLIST | WS_TABSTOP"},
    {u"LTEXT", u"Color", kWatermarkColourLabelId, 108, 75, 30, 8},
    {u"COMBOBOX",
     {},
     kWatermarkColourId,
     140,
     73,
     80,
     100,
     u"CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Shade", kWatermarkShadeLabelId, 108, 88, 30, 8},
    {u"COMBOBOX",
     {},
     kWatermarkShadeId,
     140,
     86,
     80,
     100,
     u"CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP"},
    {u"LTEXT", u"Size", kWatermarkSizeLabelId, 108, 101, 30, 8},
    {u"EDITTEXT", {}, kWatermarkSizeId, 140, 99, 30, 12, u"ES_AUTOHSCROLL | WS_TABSTOP"},
    {u"CONTROL",
     {},
     kWatermarkSizeSpinId,
     170,
     99,
     10,
     12,
     u"UDS_ALIGNRIGHT | UDS_ARROWKEYS",
     u"msctls_updown32"},
    {u"LTEXT", u"Angle", kWatermarkAngleGroupId, 108, 114, 30, 8},
    {u"AUTORADIOBUTTON", u"0\u00b0", kAngleZeroId, 140, 113, 20, 10, u"WS_GROUP"},
    {u"AUTORADIOBUTTON", u"90\u00b0", kAngleNinetyId, 160, 113, 24, 10},
    {u"AUTORADIOBUTTON", {}, kAngleCustomId, 184, 113, 10, 10},
    {u"EDITTEXT", {}, kCustomAngleId, 194, 112, 18, 12, u"ES_AUTOHSCROLL | WS_TABSTOP"},
    {u"CONTROL",
     {},
     kCustomAngleSpinId,
     212,
     112,
     8,
     12,
     u"UDS_ALIGNRIGHT | UDS_ARROWKEYS",
     u"msctls_updown32"},
    {u"AUTOCHECKBOX", u"First page only", kFirstPageOnlyId, 108, 128, 62, 10, u"WS_TABSTOP"},
};

constexpr int kTextLimit = 256;
constexpr NumberRange kSizeRange{1, 999};
constexpr NumberRange kAngleRange{-90, 90};
constexpr int kNumberLimit = 3;
constexpr int kEmptySize = 120;
constexpr int kEmptyAngle = 45;
constexpr WORD kFirstColour = 1;

// The controls an unavailable watermark explains itself on.
constexpr std::array<int, 4> kTipControls = {kWatermarkListLabelId, kWatermarkTextLabelId,
                                             kWatermarkAngleGroupId, kWatermarkFaceLabelId};

// The editing controls an unavailable watermark disables.
constexpr std::array<int, 21> kEditingControls = {
    kWatermarkListId,      kWatermarkTextId,       kWatermarkFaceId,      kWatermarkStyleId,
    kWatermarkColourId,    kWatermarkShadeId,      kWatermarkSizeId,      kWatermarkSizeSpinId,
    kAngleZeroId,          kAngleNinetyId,         kAngleCustomId,        kCustomAngleId,
    kCustomAngleSpinId,    kFirstPageOnlyId,       kAddWatermarkId,       kUpdateWatermarkId,
    kDeleteWatermarkId,    kWatermarkStyleLabelId, kWatermarkSizeLabelId, kWatermarkColourLabelId,
    kWatermarkShadeLabelId};

std::u16string TextOf(HWND window) {
    std::array<WCHAR, kTextLimit + 2> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

WORD SelectedOr(const CKxComboBox& box, WORD otherwise) {
    return box.SelectedValue().value_or(otherwise);
}

} // namespace

void RegisterWatermarkDialogTemplate(HINSTANCE instance) {
    RegisterDialogResource(instance, kWatermarkDialogTemplate, kWatermarkDialogScript);
}

void InstallWatermarkPageControls() {
    SetPageControls("CWatermarkDlg", kPageControls);
}

bool WatermarksAvailable(std::u16string_view printerName) {
    return TheApp().profile.CheckWaterMarkFile == 0 ||
           PrinterOutputReachable(printerName, Strictness::Strict) != 0;
}

CWatermarkDlg::CWatermarkDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

CWatermarkDlg::CWatermarkDlg(const OpenerCopies& opener)
    : CKxDialog(kWatermarkDialogTemplate, u"Watermark", opener) {
    if (Template() == nullptr)
        RegisterWatermarkDialogTemplate(TheApp().instance());
}

BOOL CWatermarkDlg::OnInitDialog() {
    CKxDialog::OnInitDialog();
    SetUpControls();
    OpenList();
    if (IsDialog())
        RefreshControls();
    return TRUE;
}

void CWatermarkDlg::SetUpControls() {
    CKROMAUIApp& app = TheApp();
    m_list.m_kind = kWatermarkKind;
    m_list.SubclassDlgItem(kWatermarkListId, this);
    m_text.SubclassDlgItem(kWatermarkTextId, this);
    m_text.LimitText(kTextLimit);
    m_size.Attach(m_hWnd, kWatermarkSizeId, kWatermarkSizeSpinId, kSizeRange, kNumberLimit);
    m_angle.Attach(m_hWnd, kCustomAngleId, kCustomAngleSpinId, kAngleRange, kNumberLimit,
                   NumberFilter::SignedDigits);
    m_faces.SubclassDlgItem(kWatermarkFaceId, this);
    m_faces.Fill(m_hWnd);
    const std::u16string section = pageSection();
    m_style.SubclassDlgItem(kWatermarkStyleId, this);
    FillValueList(m_style, kFontStyles, app.stringFile, section);
    m_colour.SubclassDlgItem(kWatermarkColourId, this);
    m_colour.Fill(app.stringFile, section);
    m_shade.SubclassDlgItem(kWatermarkShadeId, this);
    FillValueList(m_shade, kShadeNames, app.stringFile, section);
    if (m_preview.SubclassDlgItem(kWatermarkPreviewId, this))
        m_preview.SetDevmode(working());
    m_colourModel = app.profile.GraphicsColorMode != 0;
    if (m_colourModel)
        return;
    if (IsDialog()) {
        // Side by side with the colour: the shade takes the colour's place.
        for (const auto& [from, to] : {std::pair{kWatermarkColourLabelId, kWatermarkShadeLabelId},
                                       std::pair{kWatermarkColourId, kWatermarkShadeId}}) {
            const RECT place = RectOnPage(GetDlgItem(from));
            ::ShowWindow(GetDlgItem(from), SW_HIDE);
            ::SetWindowPos(GetDlgItem(to), nullptr, place.left, place.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        CollapseRow(m_hWnd, {kWatermarkColourLabelId, kWatermarkColourId});
    }
}

void CWatermarkDlg::OpenList() {
    m_list.Clear();
    if (working() != nullptr) {
        CWaterMark current = CWaterMark::FromDevmode(working());
        // An invalid watermark (none in use) is not stored; a failed write
        // leaves the list as the store has it.
        (void)m_list.StoreItem(current, working());
    }
    m_list.Fill(working());
    m_list.AddPlaceholder();
    m_opened = true;
}

void CWatermarkDlg::OnDestroy() {
    m_list.Clear();
    m_size.Detach();
    m_angle.Detach();
    CKxDialog::OnDestroy();
}

void CWatermarkDlg::EnableEditing(bool enable) {
    for (const int id : kEditingControls)
        EnableControl(id, enable);
    for (const int id : kTipControls) {
        if (const HWND control = GetDlgItem(id)) {
            EnableControl(id, enable);
            ShowOptionTip(control, kWatermarkUnavailableReason, !enable);
        }
    }
}

void CWatermarkDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    if (!m_opened)
        return;
    m_preview.SetDevmode(working());
    m_available = WatermarksAvailable(PrinterName());
    EnableEditing(m_available);
    if (!m_available)
        m_list.SetCurSel(-1);
    else if (working() != nullptr)
        m_list.SelectMatching(working(), Fallback::Yes);
    ShowSelection();
}

const CWaterMark* CWatermarkDlg::SelectedWatermark() const {
    return dynamic_cast<const CWaterMark*>(m_list.SelectedItem());
}

void CWatermarkDlg::ShowAngle(int angle) {
    const int radio = angle == 0 ? kAngleZeroId : angle == 90 ? kAngleNinetyId : kAngleCustomId;
    CheckRadioButton(m_hWnd, kAngleZeroId, kAngleCustomId, radio);
    m_angle.SetValue(radio == kAngleCustomId ? angle : kEmptyAngle);
}

void CWatermarkDlg::ShowEmpty() {
    m_text.SetWindowText(u"");
    m_size.SetValue(kEmptySize);
    CheckRadioButton(m_hWnd, kAngleZeroId, kAngleCustomId, kAngleCustomId);
    m_angle.SetValue(kEmptyAngle);
    m_style.SelectValue(StyleOf({kNormalWeight, false}));
    m_faces.SelectDefaultFace();
    m_shade.SelectValue(kMiddleShade);
    m_colour.SetShade(kMiddleShade);
    m_colour.SetCurSel(0);
    CheckDlgButton(m_hWnd, kFirstPageOnlyId, BST_UNCHECKED);
}

void CWatermarkDlg::ShowSelection() {
    m_showing = true;
    m_shown = m_list.GetCurSel();
    const CWaterMark* selected = SelectedWatermark();
    if (selected != nullptr && selected->IsValid(nullptr)) {
        const WatermarkValues& v = selected->values();
        m_text.SetWindowText(v.text.substr(0, kTextLimit));
        CheckDlgButton(m_hWnd, kFirstPageOnlyId, v.firstPageOnly > 0 ? BST_CHECKED : BST_UNCHECKED);
        ShowAngle(v.angle);
        m_size.SetValue(v.size);
        m_style.SelectValue(StyleOf({v.weight, v.italic != 0}));
        m_faces.SelectFace(v.face);
        const ColourChoice choice = CColorCombo::FindColour(v.colour, m_colourModel);
        m_colour.SelectValue(static_cast<WORD>(choice.colour));
        m_shade.SelectValue(static_cast<WORD>(choice.shade));
        m_colour.SetShade(choice.shade);
    } else {
        ShowEmpty();
    }
    m_showing = false;
    UpdateButtons();
}

CWaterMark CWatermarkDlg::EditedWatermark() const {
    WatermarkValues v;
    v.text = TextOf(m_text.m_hWnd);
    v.firstPageOnly = IsDlgButtonChecked(m_hWnd, kFirstPageOnlyId) == BST_CHECKED ? 1 : 0;
    if (IsDlgButtonChecked(m_hWnd, kAngleZeroId) == BST_CHECKED)
        v.angle = 0;
    else if (IsDlgButtonChecked(m_hWnd, kAngleNinetyId) == BST_CHECKED)
        v.angle = 90;
    else
        v.angle = static_cast<int16_t>(m_angle.Value());
    v.face = m_faces.SelectedFace();
    const FontStyle style = FontOfStyle(SelectedOr(m_style, 0));
    v.weight = style.weight;
    v.italic = style.italic ? 1 : 0;
    v.colour = CColorCombo::ColourReference(
        {SelectedOr(m_colour, kFirstColour), SelectedOr(m_shade, kMiddleShade)});
    v.size = static_cast<int16_t>(m_size.Value());
    return CWaterMark(std::move(v));
}

bool CWatermarkDlg::AddAllowed() const {
    if (!m_available || IsReadOnly())
        return false;
    const CWaterMark edited = EditedWatermark();
    const CWaterMark* selected = SelectedWatermark();
    const bool differs =
        selected == nullptr || !selected->IsValid(nullptr) || edited.IsDifferent(*selected);
    return edited.IsValid(nullptr) && differs && m_list.FindByName(edited.GetName()) < 0 &&
           m_list.GetCount() <= kMaxWatermarkEntries;
}

bool CWatermarkDlg::UpdateAllowed() const {
    if (!m_available || IsReadOnly())
        return false;
    const CWaterMark edited = EditedWatermark();
    const CWaterMark* selected = SelectedWatermark();
    return edited.IsValid(nullptr) && selected != nullptr && selected->IsValid(nullptr) &&
           edited.IsDifferent(*selected) &&
           m_list.FindByName(edited.GetName(), m_list.GetCurSel()) < 0;
}

bool CWatermarkDlg::DeleteAllowed() const {
    const CWaterMark* selected = SelectedWatermark();
    return m_available && !IsReadOnly() && selected != nullptr && selected->IsValid(nullptr);
}

void CWatermarkDlg::UpdateButtons() {
    if (m_showing)
        return;
    const bool custom = IsDlgButtonChecked(m_hWnd, kAngleCustomId) == BST_CHECKED;
    EnableControl(kCustomAngleId, m_available && custom);
    EnableControl(kCustomAngleSpinId, m_available && custom);
    EnableControl(kAddWatermarkId, AddAllowed());
    EnableControl(kUpdateWatermarkId, UpdateAllowed());
    EnableControl(kDeleteWatermarkId, DeleteAllowed());
    UpdatePreview();
}

void CWatermarkDlg::UpdatePreview() {
    m_preview.SetDevmode(working());
    m_preview.ShowWatermark(m_available ? EditedWatermark() : CWaterMark());
}

void CWatermarkDlg::Add() {
    if (!AddAllowed())
        return;
    auto edited = std::make_unique<CWaterMark>(EditedWatermark());
    const CCustomData* added = edited.get();
    // The placeholder stays on top of the list.
    const CCustomData* first = m_list.ItemAt(0);
    if (first != nullptr && first->GetName() == CWaterMark().GetName() && !first->IsValid(nullptr))
        m_list.DeleteEntry(0);
    if (m_list.AddItem(std::move(edited)) < 0)
        added = nullptr;
    m_list.AddPlaceholder();
    m_list.SelectItem(added, Fallback::Yes);
    m_shown = m_list.GetCurSel();
    UpdateButtons();
}

void CWatermarkDlg::Update() {
    if (!UpdateAllowed())
        return;
    m_list.DeleteSelected(Reselect::No);
    m_list.SetCurSel(-1);
    Add();
}

void CWatermarkDlg::Delete() {
    if (!DeleteAllowed())
        return;
    m_list.DeleteSelected(Reselect::Yes);
    ShowSelection();
}

void CWatermarkDlg::SelectionChanged() {
    const int clicked = m_list.GetCurSel();
    if (clicked == m_shown)
        return;
    const CCustomData* clickedItem = m_list.ItemAt(clicked);
    // The question is about the edits of the entry shown so far.
    m_list.SetCurSel(m_shown);
    if (EditsPending()) {
        switch (ShowMessage(kSaveChanges, pageSection())) {
        case IDYES:
            if (AddAllowed())
                Add();
            else
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
    ShowSelection();
}

void CWatermarkDlg::Commit() {
    if (IsReadOnly())
        return;
    // Confirmed edits are kept in either guise: a new text is added, a
    // changed stored watermark updated.
    if (AddAllowed())
        Add();
    else
        Update();
}

void CWatermarkDlg::OnOK() {
    if (IsReadOnly() || working() == nullptr) {
        CKxDialog::OnOK();
        return;
    }
    Commit();
    if (m_available && m_list.SaveAll(working(), SaveToStore::Yes) != ERROR_SUCCESS) {
        // The store keeps its old list whole; the user's list stays on
        // screen, to be saved again or cancelled.
        ShowMessage(kSaveFailed, pageSection());
        return;
    }
    EndDialog(IDOK);
}

void CWatermarkDlg::SaveControls() {
    CKxDialog::SaveControls();
    if (IsDialog() || !m_opened || IsReadOnly() || working() == nullptr)
        return;
    Commit();
    if (m_available && m_list.SaveAll(working(), SaveToStore::Yes) == ERROR_SUCCESS)
        ReportChange();
}

LeavePage CWatermarkDlg::QueryLeavePage() {
    if (IsReadOnly() || !m_opened || !EditsPending())
        return LeavePage::LeaveAndSave;
    switch (ShowMessage(kSaveChanges, pageSection())) {
    case IDYES:
        return LeavePage::LeaveAndSave;
    case IDNO:
        return LeavePage::Leave;
    default:
        return LeavePage::Keep;
    }
}

PageResult CWatermarkDlg::ApplyPage() {
    if (m_opened && m_available && !IsReadOnly())
        (void)m_list.SaveAll(nullptr, SaveToStore::Yes);
    return CKxDialog::ApplyPage();
}

BOOL CWatermarkDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == kCustomAngleId) {
        // The angle is taken when the field is left, not while typing.
        if (code == EN_KILLFOCUS) {
            m_angle.OnFocusLost();
            UpdateButtons();
        }
        return TRUE;
    }
    if (m_size.OnCommand(wParam, lParam)) {
        UpdateButtons();
        return TRUE;
    }
    if (id == kWatermarkTextId && code == EN_CHANGE) {
        UpdateButtons();
        return TRUE;
    }
    if (id == kWatermarkListId && code == LBN_SELCHANGE) {
        SelectionChanged();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && (id == kWatermarkFaceId || id == kWatermarkStyleId ||
                                  id == kWatermarkColourId || id == kWatermarkShadeId)) {
        if (id == kWatermarkShadeId)
            m_colour.SetShade(SelectedOr(m_shade, kMiddleShade));
        UpdateButtons();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case kAngleZeroId:
        case kAngleNinetyId:
        case kAngleCustomId:
        case kFirstPageOnlyId:
            UpdateButtons();
            return TRUE;
        case kAddWatermarkId:
            Add();
            return TRUE;
        case kUpdateWatermarkId:
            Update();
            return TRUE;
        case kDeleteWatermarkId:
            Delete();
            return TRUE;
        default:
            break;
        }
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

BOOL CWatermarkDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (m_size.OnNotify(lParam, result) || m_angle.OnNotify(lParam, result)) {
        UpdateButtons();
        return TRUE;
    }
    return CKxDialog::OnNotify(wParam, lParam, result);
}

} // namespace kx

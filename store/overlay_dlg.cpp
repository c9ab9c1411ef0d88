// The overlay editor in its two guises.
#include "store/overlay_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/page_messages.h"
#include "framework/page_templates.h"
#include "platform/base/text.h"
#include "platform/files/file_api.h"
#include "platform/window/common_dialogs.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "store/overlay_folder.h"
#include "utilities/printer_reachability.h"

#include <algorithm>
#include <array>
#include <memory>

namespace kx {
namespace {

constexpr std::u16string_view kOverlayDialogScript = uR"script(DIALOGEX 0, 0, 260, 150
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Overlay"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "Overlays", 1103, 6, 6, 130, 8
    LISTBOX 1102, 6, 16, 130, 98, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP
    AUTOCHECKBOX "Confirm the overlay when printing", 1021, 6, 118, 130, 10
    PUSHBUTTON "Create...", 1025, 142, 16, 112, 14
    PUSHBUTTON "Load...", 1070, 142, 34, 112, 14
    PUSHBUTTON "Delete", 1033, 142, 52, 112, 14
    PUSHBUTTON "Delete New File", 1015, 142, 70, 112, 14
    EDITTEXT 1168, 142, 88, 112, 36, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL
    DEFPUSHBUTTON "OK", IDOK, 142, 130, 54, 14
    PUSHBUTTON "Cancel", IDCANCEL, 200, 130, 54, 14
END
)script";

constexpr TemplateControl kPageControls[] = {
    {u"LTEXT", u"Overlays", kOverlayListLabelId, 108, 34, 112, 8},
    {u"LISTBOX",
     {},
     kOverlayListId,
     108,
     43,
     112,
     32,
     u"LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP"},
    {u"PUSHBUTTON", u"Create...", kCreateOverlayId, 108, 77, 36, 12},
    {u"PUSHBUTTON", u"Load...", kLoadOverlayId, 146, 77, 36, 12},
    {u"PUSHBUTTON", u"Delete", kDeleteOverlayId, 184, 77, 36, 12},
    {u"PUSHBUTTON", u"Delete New File", kDeleteCreatedOverlayId, 108, 91, 64, 12},
    {u"AUTOCHECKBOX", u"Confirm", kQueryOverlayId, 176, 92, 44, 10, u"WS_TABSTOP"},
    {u"EDITTEXT",
     {},
     kOverlayDescriptionId,
     108,
     105,
     112,
     26,
     u"ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL"},
};

struct FileType {
    std::u16string_view filterKey;
    std::u16string_view extension;
};
constexpr std::array<FileType, 3> kFileTypes = {{
    {u"Overlay Files (*.OVL)", u"OVL"},
    {u"SPL Overlay Files (*.OVS)", u"OVS"},
    {u"PCL 6 Overlay Files (*.OVP)", u"OVP"},
}};

constexpr std::array<std::u16string_view, 3> kModeKeys = {u"No Overlay Selected", u"Use Overlay",
                                                          u"Ready to Create Overlay File"};

constexpr size_t kTextCapacity = 256;
constexpr size_t kPathCapacity = 260;

} // namespace

void RegisterOverlayDialogTemplate(HINSTANCE instance) {
    RegisterDialogResource(instance, kOverlayDialogTemplate, kOverlayDialogScript);
}

void InstallOverlayPageControls() {
    SetPageControls("COverlayDlg", kPageControls);
}

bool OverlaysAvailable(std::u16string_view printerName) {
    return !LocalPrintingOnly(printerName);
}

COverlayDlg::COverlayDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

COverlayDlg::COverlayDlg(const OpenerCopies& opener)
    : CKxDialog(kOverlayDialogTemplate, u"Overlay", opener) {
    if (Template() == nullptr)
        RegisterOverlayDialogTemplate(TheApp().instance());
}

std::u16string COverlayDlg::PageText(std::u16string_view key) const {
    return TheApp().stringFile.ReadTextIn(pageSection(), key, kTextCapacity, key);
}

BOOL COverlayDlg::OnInitDialog() {
    CKxDialog::OnInitDialog();
    m_list.m_kind = kOverlayKind;
    m_list.SubclassDlgItem(kOverlayListId, this);
    OpenList();
    if (IsDialog())
        RefreshControls();
    return TRUE;
}

void COverlayDlg::OnDestroy() {
    m_list.Clear();
    CKxDialog::OnDestroy();
}

void COverlayDlg::OpenList() {
    m_list.Clear();
    if (working() != nullptr) {
        COverLay current = COverLay::FromDevmode(working());
        (void)m_list.StoreItem(current, working());
    }
    m_list.Fill(working());
    m_list.AddPlaceholder();
    m_opened = true;
}

const COverLay* COverlayDlg::SelectedOverlay() const {
    return dynamic_cast<const COverLay*>(m_list.SelectedItem());
}

bool COverlayDlg::SelectedIsValid() const {
    const COverLay* selected = SelectedOverlay();
    if (selected == nullptr || selected->path().empty())
        return false;
    return m_mode == OverlayMode::Create ||
           GetFileAttributesW(selected->path().c_str()) != INVALID_FILE_ATTRIBUTES;
}

void COverlayDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    if (!m_opened || working() == nullptr)
        return;
    m_available = OverlaysAvailable(PrinterName());
    CheckDlgButton(m_hWnd, kQueryOverlayId,
                   ReadNumber(working(), FieldNamed("bQueryOvly")) > 0 ? BST_CHECKED
                                                                       : BST_UNCHECKED);
    const int64_t stored = ReadNumber(working(), FieldNamed("ovrLoadCreate"));
    m_mode = stored > 1 ? OverlayMode::Create : stored < 1 ? OverlayMode::None : OverlayMode::Use;
    m_list.SelectMatching(working(), Fallback::Yes);
    SelectionRefresh();
}

void COverlayDlg::SelectionRefresh() {
    const COverLay* selected = SelectedOverlay();
    if (selected == nullptr || selected->path().empty())
        m_mode = OverlayMode::None;
    else if (m_mode != OverlayMode::Create)
        m_mode = OverlayMode::Use;
    const bool open = m_available;
    const bool creating = m_mode == OverlayMode::Create;
    for (const int id : {kOverlayListId, kCreateOverlayId, kLoadOverlayId})
        EnableControl(id, open && !creating);
    EnableControl(kDeleteOverlayId, open && m_mode == OverlayMode::Use);
    EnableControl(kQueryOverlayId, open && m_mode == OverlayMode::Use);
    EnableControl(kDeleteCreatedOverlayId, open && creating);
    if (const HWND label = GetDlgItem(kOverlayListLabelId)) {
        EnableControl(kOverlayListLabelId, open);
        ShowOptionTip(label, kOverlayUnavailableReason, !open, GetDlgItem(kOverlayListId));
    }
    std::u16string description = PageText(kModeKeys[static_cast<size_t>(m_mode)]);
    if (m_mode != OverlayMode::None && selected != nullptr)
        description += u"\r\n" + selected->path();
    ::SetDlgItemTextW(m_hWnd, kOverlayDescriptionId, description.c_str());
}

void COverlayDlg::OpenFile(OverlayMode mode) {
    if (!m_available || IsReadOnly() || working() == nullptr)
        return;
    const bool create = mode == OverlayMode::Create;
    const FileType& type = kFileTypes[static_cast<size_t>(OverlayLanguageOf(working()))];
    const std::u16string initial = store::LoadOverlayFolder();
    const std::u16string title = PageText(create ? u"Create Overlay" : u"Load Overlay");
    std::u16string filter = PageText(type.filterKey);
    filter.push_back(u'\0');
    filter += u"*.";
    filter += type.extension;
    filter.push_back(u'\0');
    filter.push_back(u'\0');
    const std::u16string extension(type.extension);
    std::array<WCHAR, kPathCapacity + 1> file{};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_hWnd;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initial.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = create ? OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT
                          : OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    const BOOL chosen = create ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return;
    const std::u16string path(file.data());
    if (path.empty())
        return;
    const size_t slash = path.rfind(u'\\');
    if (slash != std::u16string::npos)
        store::SaveOverlayFolder(path.substr(0, slash));
    int position = -1;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        const auto* overlay = dynamic_cast<const COverLay*>(m_list.ItemAt(i));
        if (overlay != nullptr && EqualsNoCase(overlay->path(), path)) {
            position = i;
            break;
        }
    }
    if (position < 0)
        position = m_list.AddItem(std::make_unique<COverLay>(path, working()));
    m_deletions.Withdraw(path);
    m_list.SetCurSel(position);
    if (create)
        m_mode = OverlayMode::Create;
    SelectionRefresh();
}

void COverlayDlg::Delete() {
    if (!m_available || IsReadOnly() || !SelectedIsValid())
        return;
    if (ShowMessage(kDeleteOverlay, pageSection()) != IDYES)
        return;
    m_deletions.Add(SelectedOverlay()->path());
    m_list.DeleteSelected(Reselect::No);
    m_list.SetCurSel(0);
    SelectionRefresh();
}

void COverlayDlg::WriteMode() {
    WriteNumber(working(), FieldNamed("bQueryOvly"),
                IsDlgButtonChecked(m_hWnd, kQueryOverlayId) == BST_CHECKED ? 1 : 0);
    WriteNumber(working(), FieldNamed("ovrLoadCreate"), static_cast<int16_t>(m_mode));
}

void COverlayDlg::OnOK() {
    if (IsReadOnly() || working() == nullptr || !m_opened) {
        CKxDialog::OnOK();
        return;
    }
    WriteMode();
    if (m_list.SaveAll(working(), SaveToStore::Yes) != ERROR_SUCCESS) {
        ShowMessage(kSaveFailed, pageSection());
        return;
    }
    (void)m_deletions.Commit(OverlayLanguageOf(working()), working());
    EndDialog(IDOK);
}

void COverlayDlg::SaveControls() {
    CKxDialog::SaveControls();
    if (IsDialog() || !m_opened || IsReadOnly() || working() == nullptr)
        return;
    WriteMode();
    (void)m_list.SaveAll(working(), SaveToStore::No);
    ReportChange();
}

PageResult COverlayDlg::ApplyPage() {
    if (m_opened && !IsReadOnly() && working() != nullptr &&
        m_list.SaveAll(nullptr, SaveToStore::Yes) == ERROR_SUCCESS)
        (void)m_deletions.Commit(OverlayLanguageOf(working()), working());
    return CKxDialog::ApplyPage();
}

BOOL COverlayDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == kOverlayListId) {
        if (code == LBN_SELCHANGE) {
            SelectionRefresh();
            return TRUE;
        }
        if (code == LBN_DBLCLK && IsDialog()) {
            OnOK();
            return TRUE;
        }
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case kCreateOverlayId:
            OpenFile(OverlayMode::Create);
            return TRUE;
        case kLoadOverlayId:
            OpenFile(OverlayMode::Use);
            return TRUE;
        case kDeleteOverlayId:
        case kDeleteCreatedOverlayId:
            Delete();
            return TRUE;
        default:
            break;
        }
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx

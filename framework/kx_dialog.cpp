// Binding, initialisation and the change cycle of the pages.
#include "framework/kx_dialog.h"

#include "devmode/devmode_merge.h"
#include "devmode/reason_texts.h"
#include "framework/change_cycle.h"
#include "framework/change_report_box.h"
#include "framework/help_opener.h"
#include "framework/page_templates.h"
#include "framework/printer_texts.h"
#include "platform/base/text.h"
#include "platform/controls/control_constants.h"
#include "platform/profile/profile_cache.h"
#include "platform/system/system_api.h"
#include "platform/window/property_sheet_api.h"
#include "platform/wow/wow_api.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kx {
namespace {

constexpr size_t kUntitledCapacity = 257;
constexpr UINT kDriverDetailsTemplate = 3026;
constexpr INT_PTR kFontProbeResult = 2;

// The About pages of these indexes keep their left-to-right layout in a
// mirrored model; the About page of index 8 is mirrored like every other page.
constexpr std::array<int, 6> kUnmirroredPages = {5, 10, 11, 13, 14, 15};

ProfileDevmodeView ProfileViewOf(const BYTE* devmode) {
    ProfileDevmodeView view;
    view.sDrvLang = static_cast<int16_t>(ReadNumber(devmode, FieldNamed("sDrvLang")));
    view.sPrinterMemory = static_cast<int16_t>(ReadNumber(devmode, FieldNamed("sPrinterMemory")));
    view.iInHard = static_cast<int16_t>(ReadNumber(devmode, FieldNamed("iInHard")));
    return view;
}

// Whether the set of this working copy was just made: a sheet acquires its
// set with its first page, and the profile's language pass follows it.
bool IsNewDevmodeSet(const BYTE* working) {
    const int slot = FindDevmodeSet(working);
    return slot >= 0 && DevmodeSetTable::Instance().Slot(slot).referenceCount == 1;
}

const DEVMODEW* PublicPart(const BYTE* devmode) {
    return reinterpret_cast<const DEVMODEW*>(devmode);
}

struct TaskSearch {
    DWORD thread = 0;
    bool found = false;
};

BOOL CALLBACK TaskOfThread(DWORD thread, WORD, WORD, PSZ, PSZ, LPARAM data) {
    auto* search = reinterpret_cast<TaskSearch*>(data);
    search->found = search->found || thread == search->thread;
    return search->found ? TRUE : FALSE;
}

BOOL CALLBACK ProcessWithTaskOfThread(DWORD processId, DWORD, LPARAM data) {
    VDMEnumTaskWOWEx(processId, TaskOfThread, data);
    return reinterpret_cast<TaskSearch*>(data)->found ? TRUE : FALSE;
}

// Whether a 16-bit task of this thread is running: the module is then
// driven by the 16-bit host.
bool RunsInside16BitHost() {
    TaskSearch search{GetCurrentThreadId(), false};
    VDMEnumProcessWOW(ProcessWithTaskOfThread, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The 16-bit host sets up its fonts when a dialog runs modally; a dialog
// that ends at once lets it do so before the page's own controls exist.
class FontProbeDialog : public CDialog {
public:
    FontProbeDialog(HINSTANCE instance, HWND parent)
        : CDialog(kFontProbeTemplate, instance, parent) {}
    BOOL OnInitDialog() override {
        EndDialog(kFontProbeResult);
        return TRUE;
    }
};

} // namespace

CKxDialog::CKxDialog(UINT templateId, std::u16string_view pageName, int pageIndex)
    : TKxPage<CDialog>(templateId, TheApp().instance()), m_pageName(pageName),
      m_templateId(templateId), m_kind(pageIndex) {}

CKxDialog::CKxDialog(UINT templateId, std::u16string_view pageName, HWND parent, BYTE* working,
                     BYTE* defaults)
    : TKxPage<CDialog>(templateId, TheApp().instance(), parent), m_pageName(pageName),
      m_templateId(templateId), m_working(working), m_defaults(defaults), m_kind(-1) {}

CKxDialog::CKxDialog(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener)
    : CKxDialog(templateId, pageName, opener.parent, opener.working, opener.defaults) {
    m_sheetFlags = opener.sheetFlags;
    m_openerPrinter = opener.printerName;
}

OpenerCopies CKxDialog::ForDialogs() const {
    return OpenerCopies{m_hWnd, m_working, m_defaults, m_sheetFlags, PrinterName()};
}

CKxDialog::~CKxDialog() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd))
        DestroyPage();
    if (m_holdsSet && m_context)
        ReleaseDevmodeSet(m_context->owner);
}

bool CKxDialog::BindToHost(HWND hostWindow, const PageContext& context) {
    const ProfileReadScope oneLookAtEachFile;
    CKROMAUIApp& app = TheApp();
    m_hostWindow = hostWindow;
    app.stringFile.SetFile(
        app.ModelStringFilePath(PublicPart(context.hostDevmode), context.printerName, u".DAT"),
        ClearReadOnly::Yes);
    m_context = context;
    m_sheetFlags = context.sheetFlags;
    bool newSet = false;
    if (!m_holdsSet) {
        if (context.hostDevmode == nullptr)
            return false;
        const auto copies =
            AcquireDevmodeSet(context.owner, context.hostDevmode, context.printerName);
        if (!copies)
            return false;
        m_holdsSet = true;
        m_working = copies->working;
        m_reference = copies->reference;
        m_defaults = copies->defaults;
        newSet = IsNewDevmodeSet(m_working);
    }
    if (!TheApp().firstBindingDone)
        FirstBindingOfModule();
    else if (newSet)
        TheApp().profile.ReadProfile(ProfileViewOf(m_working));
    return CreatePageDialog(hostWindow);
}

void CKxDialog::FirstBindingOfModule() {
    CKROMAUIApp& app = TheApp();
    app.firstBindingDone = true;
    ModelProfile& profile = app.profile;
    const std::u16string printer = PrinterName();
    profile.SetPaperSizeLookup(PrinterPaperSizes(printer, m_working));
    profile.ReadProfile();
    profile.ReadProfile(ProfileViewOf(m_working));
    app.versionFile.SetFile(app.VersionFilePath(PublicPart(m_working)), ClearReadOnly::No);
    SetUntitledText(app.stringFile.ReadTextIn(u"", u"Untitled", kUntitledCapacity, u"Untitled"));
    profile.AddDoubleSidedCustomPapers(PrinterTextsFor(printer).CustomPaperCount(m_working));
    // The templates follow the profile just read (a model with an extra
    // printer preview has taller pages).
    RegisterPageTemplates(app.instance(), profile);
}

bool CKxDialog::CreatePageDialog(HWND hostWindow) {
    m_instance = TheApp().instance();
    if (Template() == nullptr)
        RegisterPageTemplates(m_instance, TheApp().profile);
    if (!Create(hostWindow))
        return false;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(SW_SHOW);
    return true;
}

void CKxDialog::DestroyPage() {
    if (m_hWnd == nullptr)
        return;
    HideConflictTip();
    ShowWindow(SW_HIDE);
    ::SetParent(m_hWnd, nullptr);
    DestroyWindow();
}

std::u16string CKxDialog::PrinterName() const {
    if (m_context && !m_context->printerName.empty())
        return m_context->printerName;
    if (!m_openerPrinter.empty())
        return m_openerPrinter;
    return PrinterNameFor(m_working);
}

CKxPreview* CKxDialog::preview(PreviewRole role) const {
    for (const auto& preview : m_previews) {
        if (preview->role() == role)
            return preview.get();
    }
    return nullptr;
}

void CKxDialog::OnSetFont(HFONT font) {
    TKxPage<CDialog>::OnSetFont(font);
    if (RunsInside16BitHost()) {
        FontProbeDialog probe(TheApp().instance(), m_hWnd);
        probe.DoModal();
    }
    const bool unmirrored = std::find(kUnmirroredPages.begin(), kUnmirroredPages.end(), m_kind) !=
                                kUnmirroredPages.end() ||
                            m_templateId == kDriverDetailsTemplate;
    if (TheApp().profile.MirrorLayout != 0 && !unmirrored)
        ModifyStyleEx(0, WS_EX_LAYOUTRTL);
}

BOOL CKxDialog::OnInitDialog() {
    TKxPage<CDialog>::OnInitDialog();
    CKROMAUIApp& app = TheApp();
    AttachEmbeddedControls();
    if (const HWND separator = GetDlgItem(kVerticalSeparatorId))
        ::ShowWindow(separator, app.profile.VerticalSeparator != 0 ? SW_SHOW : SW_HIDE);
    m_captionAbsent = LocalisePage(m_pageName, IsReadOnly());
    // A dialog of a read-only sheet shows its settings, and can be closed.
    if (m_kind == -1 && IsReadOnly()) {
        for (const int button : {IDOK, IDCANCEL}) {
            if (const HWND control = GetDlgItem(button))
                ::EnableWindow(control, TRUE);
        }
    }
    PlaceSheetOnTop();
    return TRUE;
}

void CKxDialog::AttachEmbeddedControls() {
    const ModelProfile& profile = TheApp().profile;
    if (HasControl(kMillimetreButtonId))
        m_millimetres.SubclassDlgItem(kMillimetreButtonId, this);
    if (HasControl(kInchButtonId))
        m_inches.SubclassDlgItem(kInchButtonId, this);
    if (HasControl(kLayoutPreviewId)) {
        AttachPreview(kLayoutPreviewId, PreviewRole::Layout);
        if (profile.UnitsOnPreview == 0) {
            ::ShowWindow(m_millimetres.m_hWnd, SW_HIDE);
            ::ShowWindow(m_inches.m_hWnd, SW_HIDE);
        } else {
            PlaceUnitButtons();
        }
        if (profile.AdditionalPrinterPreview != 0 && HasControl(kPrinterPreviewId))
            AttachPreview(kPrinterPreviewId, PreviewRole::OutputBin);
    } else if (HasControl(kColourPreviewId)) {
        AttachPreview(kColourPreviewId, PreviewRole::Colour);
    } else if (HasControl(kStampPreviewId)) {
        AttachPreview(kStampPreviewId, PreviewRole::Stamp);
    } else if (HasControl(kPrinterPreviewId)) {
        AttachPreview(kPrinterPreviewId, PreviewRole::Printer);
        TextStore& strings = TheApp().stringFile;
        strings.SelectSection(u"Preview");
        m_previews.back()->SetCaption(strings.ReadExpanded(u"Caption", PrinterName(), Expand::Yes));
    }
    if (HasControl(kLogoId) && m_logo.SubclassDlgItem(kLogoId, this))
        m_logo.SetPicture(u"L.bmp");
    m_favourites.Attach(FavouriteButtonsHere());
}

void CKxDialog::AttachPreview(int id, PreviewRole role) {
    std::unique_ptr<CKxPreview> preview = MakePreview(role);
    if (!preview || !preview->SubclassDlgItem(id, this))
        return;
    // A picture from the start, not only after the first change.
    preview->SetDevmode(m_working);
    m_previews.push_back(std::move(preview));
}

void CKxDialog::PlaceUnitButtons() {
    const CKxPreview* layout = preview(PreviewRole::Layout);
    if (layout == nullptr)
        return;
    RECT area = layout->UnitArea();
    MapWindowPoints(layout->m_hWnd, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    const LONG centre = (area.top + area.bottom) / 2;
    for (CButton* button : {&m_millimetres, &m_inches}) {
        if (button->m_hWnd == nullptr)
            continue;
        const RECT rect = RectOnPage(button->m_hWnd);
        const LONG height = rect.bottom - rect.top;
        button->SetWindowPos(nullptr, rect.left, centre - height / 2, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CKxDialog::PlaceSheetOnTop() {
    const HWND parent = GetParent();
    const HWND sheet = parent != nullptr ? ::GetParent(parent) : nullptr;
    if (sheet != nullptr)
        ::SetWindowPos(sheet, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CKxDialog::RefreshControls() {
    if (m_working != nullptr && m_millimetres.m_hWnd != nullptr && m_inches.m_hWnd != nullptr) {
        const bool inches = ReadNumber(m_working, FieldNamed("IsMMInch")) != 0;
        m_millimetres.SetCheck(inches ? BST_UNCHECKED : BST_CHECKED);
        m_inches.SetCheck(inches ? BST_CHECKED : BST_UNCHECKED);
    }
    UpdateData(FALSE);
    m_favourites.Refresh(Refill::Yes);
}

void CKxDialog::SaveControls() {
    UpdateData(TRUE);
    if (m_working != nullptr && m_millimetres.m_hWnd != nullptr)
        WriteNumber(m_working, FieldNamed("IsMMInch"),
                    m_millimetres.GetCheck() == BST_CHECKED ? 0 : 1);
}

LeavePage CKxDialog::QueryLeavePage() {
    return LeavePage::LeaveAndSave;
}

PageResult CKxDialog::ResetPage() {
    return PageResult::Done;
}

PageResult CKxDialog::ApplyPage() {
    if (!m_context || m_context->hostDevmode == nullptr || m_working == nullptr)
        return PageResult::Done;
    BYTE* host = m_context->hostDevmode;
    if (CompareWithHostRecord(host, m_working) == 0)
        return PageResult::Done;
    // The report lists the user's changes: the IDs the sheet filled in are
    // merged, but they are no change of the user's.
    if (TheApp().profile.ShowDevmodeChanges != 0)
        ReportDevmodeChanges(m_hWnd, AsSheetSees(host).data(), m_working);
    MergeDevmode(host, m_working);
    return PageResult::Done;
}

void CKxDialog::OnSettingChanged() {
    RunChangeCycle(*this, m_busy, {m_working, m_defaults, m_reference}, PrinterName());
}

void CKxDialog::ApplyFavouriteSettings(BYTE* settings) {
    if (m_working == nullptr || m_defaults == nullptr || settings == nullptr)
        return;
    (void)ResolveSettings(settings, m_defaults, m_working, PrinterName(), nullptr);
    std::memcpy(m_working, settings, kDevmodeSize);
    RefreshControls();
    OnSettingChanged();
}

bool CKxDialog::ChangesReachSheet() const {
    return m_context && (m_sheetFlags & kSheetNoChangeReports) == 0 && m_hostWindow != nullptr;
}

void CKxDialog::ReportChange() {
    if (!ChangesReachSheet())
        return;
    const HWND sheet = ::GetParent(m_hostWindow);
    if (sheet == nullptr)
        return;
    if (m_context->hostDevmode != nullptr &&
        CompareWithHostRecord(m_context->hostDevmode, m_working) != 0) {
        ::SendMessageW(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hostWindow), 0);
        return;
    }
    const std::vector<HWND> pages = m_context->sheetPageWindows ? m_context->sheetPageWindows()
                                                                : std::vector<HWND>{m_hostWindow};
    for (const HWND page : pages)
        ::SendMessageW(sheet, PSM_UNCHANGED, reinterpret_cast<WPARAM>(page), 0);
}

FavouriteButtons CKxDialog::FavouriteButtonsHere() const {
    // A model with an extra printer preview keeps the buttons on its taller
    // Layout and Paper pages.
    if (TheApp().profile.AdditionalPrinterPreview == 0)
        return FavouriteButtons::Active;
    const PageTemplateRow* row = PageTemplateWithId(m_templateId);
    const bool carriesButtons =
        row != nullptr && (row->className == "CLayoutDlg" || row->className == "CPaperDlg");
    return carriesButtons ? FavouriteButtons::Active : FavouriteButtons::Hidden;
}

void CKxDialog::UpdatePreviews() {
    for (const auto& preview : m_previews)
        preview->SetDevmode(m_working);
}

void CKxDialog::ShowOptionTip(HWND control, int messageNumber, bool show, HWND related) {
    std::u16string text;
    if (show && m_working != nullptr) {
        CKROMAUIApp& app = TheApp();
        text = ReasonText(messageNumber, app.profile, PrinterTextsFor(PrinterName()), m_working);
    }
    ShowOptionTipText(control, text, show, related);
}

void CKxDialog::EnableControl(int id, bool enable) {
    if (const HWND control = GetDlgItem(id))
        ::EnableWindow(control, enable && !IsReadOnly() ? TRUE : FALSE);
}

void CKxDialog::EnableWithTip(int id, bool enable, int tip, HWND related) {
    EnableControl(id, enable);
    if (const HWND control = GetDlgItem(id))
        ShowOptionTip(control, tip, !enable, related);
}

bool CKxDialog::Shown(int id) const {
    const HWND control = GetDlgItem(id);
    return control != nullptr && (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool CKxDialog::Checked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CKxDialog::Check(int id, bool checked) {
    ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CKxDialog::Hide(int id) {
    if (const HWND control = GetDlgItem(id))
        ::ShowWindow(control, SW_HIDE);
}

void CKxDialog::OnOK() {
    if (m_kind != -1)
        return;
    // Nothing of a read-only sheet may change: its dialogs close as cancelled.
    if (IsReadOnly()) {
        EndDialog(IDCANCEL);
        return;
    }
    UpdateData(TRUE);
    SaveControls();
    EndDialog(IDOK);
}

void CKxDialog::OpenHelp(int control) {
    kx::OpenHelp(m_helpList, m_working, control, m_hWnd);
}

BOOL CKxDialog::OnHelpInfo(HELPINFO* help) {
    if (help != nullptr)
        OpenHelp(help->iCtrlId);
    return TRUE;
}

BOOL CKxDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id == IDHELP) {
        OpenHelp(0);
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && (id == kMillimetreButtonId || id == kInchButtonId)) {
        OnSettingChanged();
        return TRUE;
    }
    if (m_favourites.attached() && m_favourites.OnCommand(id, HIWORD(wParam)))
        return TRUE;
    return TKxPage<CDialog>::OnCommand(wParam, lParam);
}

} // namespace kx

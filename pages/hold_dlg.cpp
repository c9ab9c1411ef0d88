// The print-and-hold dialog.
#include "pages/hold_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/item_texts.h"
#include "framework/kromaui_app.h"
#include "framework/page_messages.h"
#include "pages/output_controls.h"
#include "platform/base/format.h"
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/system/system_api.h"
#include "platform/window/dialog_state.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 512;
constexpr size_t kFieldCapacity = 80;

constexpr std::u16string_view kSingleLengthLabel = u"Passcode (%d digits):";
constexpr std::u16string_view kRangeLabel = u"Passcode (%d-%d digits):";

constexpr std::u16string_view kHoldScript =
    u"DIALOGEX 0, 0, 232, 176\n"
    u"STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    u"CAPTION \"Print and Hold\"\n"
    u"FONT 8, \"MS Shell Dlg\"\n"
    u"BEGIN\n"
    u"    LTEXT \"&Mode:\", 2450, 8, 10, 94, 8\n"
    u"    COMBOBOX 2451, 104, 8, 120, 100, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\n"
    u"    AUTOCHECKBOX \"Store on &Hard Disk\", 2452, 104, 25, 120, 10, WS_TABSTOP\n"
    u"    AUTOCHECKBOX \"&Public (No Passcode)\", 2453, 104, 25, 120, 10, WS_TABSTOP\n"
    u"    LTEXT \"&User ID:\", 2454, 8, 44, 94, 8\n"
    u"    EDITTEXT 2455, 104, 42, 120, 12, ES_AUTOHSCROLL | WS_TABSTOP\n"
    u"    LTEXT \"&Job Name:\", 2456, 8, 62, 94, 8\n"
    u"    EDITTEXT 2457, 104, 60, 120, 12, ES_AUTOHSCROLL | WS_TABSTOP\n"
    u"    LTEXT \"Passcode (4 digits):\", 2458, 8, 80, 94, 8\n"
    u"    LTEXT \"Passcode (1-8 digits):\", 2459, 8, 80, 94, 8\n"
    u"    EDITTEXT 2460, 104, 78, 60, 12, ES_PASSWORD | ES_NUMBER | WS_TABSTOP\n"
    u"    LTEXT \"&Confirm Passcode:\", 2461, 8, 98, 94, 8\n"
    u"    EDITTEXT 2462, 104, 96, 60, 12, ES_PASSWORD | ES_NUMBER | WS_TABSTOP\n"
    u"    LTEXT \"&Date and Time:\", 2463, 8, 118, 94, 8\n"
    u"    CONTROL \"\", 2464, \"SysDateTimePick32\", WS_TABSTOP, 104, 116, 64, 12\n"
    u"    CONTROL \"\", 2465, \"SysDateTimePick32\", DTS_TIMEFORMAT | WS_TABSTOP, 172, 116, 52, "
    u"12\n"
    u"    DEFPUSHBUTTON \"OK\", 1, 118, 154, 50, 14\n"
    u"    PUSHBUTTON \"Cancel\", 2, 174, 154, 50, 14\n"
    u"END\n";

SYSTEMTIME Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now;
}

bool TakesPasscode(int16_t value) {
    return value == kHoldConfidential || value == kHoldStore || value == kHoldPermanentStore;
}

} // namespace

std::u16string HoldDialogScript() {
    return std::u16string(kHoldScript);
}

CHoldDlg::CHoldDlg(const OpenerCopies& opener) : CKxDialog(kHoldTemplate, u"Hold", opener) {}

INT_PTR CHoldDlg::Run() {
    RegisterDialogResource(TheApp().instance(), static_cast<WORD>(kHoldTemplate), kHoldScript);
    return DoModal();
}

std::u16string CHoldDlg::DialogText(std::u16string_view key, std::u16string_view fallback) const {
    return TheApp().stringFile.ReadTextIn(pageSection(), key, kTextCapacity, fallback);
}

std::u16string CHoldDlg::FieldText(int id) const {
    std::array<WCHAR, kFieldCapacity> text{};
    ::GetDlgItemTextW(m_hWnd, id, text.data(), static_cast<int>(text.size()));
    return text.data();
}

BOOL CHoldDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const ModelProfile& profile = TheApp().profile;
    m_mode.SubclassDlgItem(kOutputHoldModeListId, this);
    m_user.SubclassDlgItem(kOutputHoldUserEditId, this);
    m_job.SubclassDlgItem(kOutputHoldJobEditId, this);
    m_passcode.SubclassDlgItem(kOutputHoldPassEditId, this);
    m_confirmation.SubclassDlgItem(kOutputHoldConfirmEditId, this);
    m_date.SubclassDlgItem(kOutputHoldDateId, this);
    m_time.SubclassDlgItem(kOutputHoldTimeId, this);
    const HoldCharacters characters = HoldCharactersFor(profile);
    m_user.SetCharacters(characters);
    m_job.SetCharacters(characters);
    m_user.SetLimitText(kUserIdLimit);
    m_job.SetLimitText(kJobNameLimit);
    m_limits = PasscodeLimitsFor(profile);
    m_passcode.SetLimitText(static_cast<UINT>(m_limits.maximum));
    m_confirmation.SetLimitText(static_cast<UINT>(m_limits.maximum));
    const bool single = m_limits.minimum == m_limits.maximum;
    ::ShowWindow(GetDlgItem(single ? kOutputHoldPassRangeLabelId : kOutputHoldPassLabelId),
                 SW_HIDE);
    const std::u16string label =
        single ? FormatText(DialogText(kSingleLengthLabel, kSingleLengthLabel), {m_limits.maximum})
               : FormatText(DialogText(kRangeLabel, kRangeLabel),
                            {m_limits.minimum, m_limits.maximum});
    ::SetDlgItemTextW(m_hWnd, single ? kOutputHoldPassLabelId : kOutputHoldPassRangeLabelId,
                      label.c_str());
    RefreshControls();
    m_quiet = false;
    return result;
}

void CHoldDlg::FillModes() {
    const ModelProfile& profile = TheApp().profile;
    const std::vector<int> entries = OfferedHoldEntries(profile, working());
    m_block = HoldRowsBlocked(profile, working(), !entries.empty());
    m_mode.Clear();
    TextStore& strings = TheApp().stringFile;
    const std::u16string section = pageSection();
    const auto add = [&](int entry) {
        const HoldMode& mode = kHoldModes[static_cast<size_t>(entry)];
        std::u16string text = strings.ReadTextIn(section, mode.text, kTextCapacity, mode.text);
        if (entry == kConfidentialEntry && profile.EncryptionMode != 0) {
            const std::u16string key = FormatText(u"%s%d", {mode.text, profile.EncryptionMode});
            text = strings.ReadTextIn(section, key, kTextCapacity, text);
        }
        m_mode.AddItem(text, static_cast<WORD>(mode.value));
    };
    if (entries.empty())
        add(0);
    for (const int entry : entries)
        add(entry);
}

void CHoldDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    FillModes();
    const HoldShown shown = ShowHoldValue(ReadNumber(devmode, FieldNamed("iJobRetention")));
    const int position = m_mode.FindValue(static_cast<WORD>(shown.value));
    m_mode.SetCurSel(position >= 0 ? position : 0);
    m_variant = position >= 0 && shown.variant;
    ::SetDlgItemTextW(m_hWnd, kOutputHoldUserEditId,
                      ReadText(devmode, FieldNamed("cUserId")).substr(0, kUserIdLimit).c_str());
    ::SetDlgItemTextW(m_hWnd, kOutputHoldJobEditId,
                      ReadText(devmode, FieldNamed("cJobName")).substr(0, kJobNameLimit).c_str());
    const std::u16string passcode =
        ReadText(devmode,
                 m_limits.secureField ? FieldNamed("cSecurePassword") : FieldNamed("cPassword"))
            .substr(0, static_cast<size_t>(m_limits.maximum));
    ::SetDlgItemTextW(m_hWnd, kOutputHoldPassEditId, passcode.c_str());
    ::SetDlgItemTextW(m_hWnd, kOutputHoldConfirmEditId, passcode.c_str());
    const SYSTEMTIME when =
        ParsePrintingTime(ReadText(devmode, FieldNamed("cPrintingTime"))).value_or(Now());
    m_date.SetTime(&when);
    m_time.SetTime(&when);
    UpdateRows();
    m_quiet = wasQuiet;
}

int16_t CHoldDlg::SelectedMode() const {
    const std::optional<WORD> value = m_mode.SelectedValue();
    return static_cast<int16_t>(value.value_or(0));
}

bool CHoldDlg::PasscodeInUse() const {
    const int16_t mode = SelectedMode();
    if (m_block.blocked || !TakesPasscode(mode))
        return false;
    // A public stored job needs no passcode.
    return !(m_variant && m_variantForm == 2);
}

void CHoldDlg::EnableRow(std::initializer_list<int> ids, bool enable) {
    for (const int id : ids)
        EnableControl(id, enable);
}

void CHoldDlg::UpdateRows() {
    const int16_t mode = SelectedMode();
    m_variantForm = m_block.blocked ? 0 : VariantFormFor(TheApp().profile, working(), mode);
    const bool first = m_variantForm == 1;
    const bool second = m_variantForm == 2;
    ::ShowWindow(GetDlgItem(kOutputHoldVariantId), first ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetDlgItem(kOutputHoldVariant2Id), second ? SW_SHOW : SW_HIDE);
    ::CheckDlgButton(m_hWnd, kOutputHoldVariantId, m_variant ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, kOutputHoldVariant2Id, m_variant ? BST_CHECKED : BST_UNCHECKED);
    const bool usable = !m_block.blocked;
    EnableRow({kOutputHoldModeLabelId, kOutputHoldModeListId}, usable);
    if (const HWND list = GetDlgItem(kOutputHoldModeListId))
        ShowOptionTip(list, m_block.tip, m_block.blocked && m_block.tip != 0);
    const bool named = usable && mode != kHoldNormal;
    EnableRow({kOutputHoldUserLabelId, kOutputHoldUserEditId, kOutputHoldJobLabelId,
               kOutputHoldJobEditId},
              named);
    const bool passcode = PasscodeInUse();
    EnableRow({kOutputHoldPassLabelId, kOutputHoldPassRangeLabelId, kOutputHoldPassEditId,
               kOutputHoldConfirmLabelId, kOutputHoldConfirmEditId},
              passcode);
    EnableRow({kOutputHoldDateLabelId, kOutputHoldDateId, kOutputHoldTimeId},
              usable && mode == kHoldDelay);
}

void CHoldDlg::OnOK() {
    if (!IsReadOnly()) {
        if (PasscodeInUse()) {
            if (const auto message = CheckPasscode(m_limits, FieldText(kOutputHoldPassEditId),
                                                   FieldText(kOutputHoldConfirmEditId))) {
                ShowMessage(*message, pageSection());
                ::SetFocus(GetDlgItem(kOutputHoldPassEditId));
                return;
            }
        } else {
            ::SetDlgItemTextW(m_hWnd, kOutputHoldPassEditId, u"");
            ::SetDlgItemTextW(m_hWnd, kOutputHoldConfirmEditId, u"");
        }
    }
    CKxDialog::OnOK();
}

void CHoldDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr || m_block.blocked)
        return;
    const int16_t value = SelectedMode();
    const int entry = HoldEntryOfValue(value);
    if (entry >= 0) {
        const HoldMode& mode = kHoldModes[static_cast<size_t>(entry)];
        WriteNumber(devmode, FieldNamed("iJobRetention"),
                    StoredHoldValue(mode, m_variant && m_variantForm != 0));
    }
    const HoldCharacters characters = HoldCharactersFor(TheApp().profile);
    std::u16string job = FieldText(kOutputHoldJobEditId).substr(0, kJobNameLimit);
    if (job.empty() || !AcceptsText(characters, job))
        job = CommonText(u"Untitled", kJobNameLimit);
    WriteText(devmode, FieldNamed("cJobName"), job);
    std::u16string user = FieldText(kOutputHoldUserEditId).substr(0, kUserIdLimit);
    if (user.empty() || !AcceptsText(characters, user))
        user = CommonText(u"Unknown", kUserIdLimit);
    WriteText(devmode, FieldNamed("cUserId"), user);
    const std::u16string passcode =
        FieldText(kOutputHoldPassEditId).substr(0, static_cast<size_t>(m_limits.maximum));
    WriteText(devmode,
              m_limits.secureField ? FieldNamed("cSecurePassword") : FieldNamed("cPassword"),
              passcode);
    if (value == kHoldDelay) {
        SYSTEMTIME date = Now();
        SYSTEMTIME time = date;
        (void)m_date.GetTime(date);
        (void)m_time.GetTime(time);
        WriteText(devmode, FieldNamed("cPrintingTime"), FormatPrintingTime(date, time));
    }
}

BOOL CHoldDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (!m_quiet) {
        if (id == kOutputHoldModeListId && code == CBN_SELCHANGE) {
            UpdateRows();
            return TRUE;
        }
        if ((id == kOutputHoldVariantId || id == kOutputHoldVariant2Id) && code == BN_CLICKED) {
            m_variant = ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
            UpdateRows();
            return TRUE;
        }
    }
    return CKxDialog::OnCommand(wParam, lParam);
}

} // namespace kx

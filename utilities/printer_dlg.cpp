// The Printer page.
#include "utilities/printer_dlg.h"

#include "devmode/devmode_record.h"
#include "framework/dialog_geometry.h"
#include "framework/kromaui_app.h"
#include "framework/printer_texts.h"
#include "framework/value_list.h"
#include "platform/controls/control_constants.h"
#include "platform/window/rect_api.h"
#include "platform/window/window_api.h"
#include "platform/window/window_constants.h"
#include "utilities/job_acc_dlg.h"
#include "utilities/maintenance_commands.h"
#include "utilities/power_save_list.h"
#include "utilities/printer_controls.h"
#include "utilities/printer_values.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace kx {
namespace {

constexpr size_t kTextCapacity = 256;
constexpr int32_t kUsualPowerSave = 5;

// The rows of each column, top to bottom: a row the model lacks takes no
// room, the rows below it move up.
using Row = std::array<int, 3>;
constexpr Row kRightColumn[] = {
    {kPrinterTrayLabelId, kPrinterTrayCheckId, kPrinterTrayListId},
    {kPrinterFinisherLabelId, kPrinterFinisherListId},
    {kPrinterMailBoxLabelId, kPrinterMailBoxListId},
    {kPrinterOutBinLabelId, kPrinterOutBinListId},
    {kPrinterMemoryLabelId, kPrinterMemoryListId},
    {kPrinterLanguageLabelId, kPrinterLanguageListId},
    {kPrinterPowerSaveCheckId, kPrinterPowerSaveListId},
    {kPrinterHighAltLabelId, kPrinterHighAltListId, kPrinterHighAltCheckId},
    {kPrinterJobAccountingId},
    {kPrinterHeadCleaningId, kPrinterAutoAlignmentId},
};
constexpr Row kLeftColumn[] = {
    {kPrinterEnvelopeCheckId},
    {kPrinterDuplexCheckId},
    {kPrinterHardDiskCheckId},
    {kPrinterStatusMonitorCheckId},
};

// A device-mode field that holds a negative value is the printer's own
// answer and is never overwritten from the page.
void WriteUnlessNegative(BYTE* devmode, const DevmodeField& field, int64_t value) {
    if (ReadNumber(devmode, field) >= 0)
        WriteNumber(devmode, field, value);
}

int64_t Read(const BYTE* devmode, const DevmodeField& field) {
    return ReadNumber(devmode, field);
}

ProfileDevmodeView LanguageViewOf(const BYTE* devmode) {
    ProfileDevmodeView view;
    view.sDrvLang = static_cast<int16_t>(Read(devmode, FieldNamed("sDrvLang")));
    view.sPrinterMemory = static_cast<int16_t>(Read(devmode, FieldNamed("sPrinterMemory")));
    view.iInHard = static_cast<int16_t>(Read(devmode, FieldNamed("iInHard")));
    return view;
}

void FillNamed(CKxComboBox& box, const std::vector<NamedEntry>& entries) {
    box.ResetContent();
    for (const NamedEntry& entry : entries)
        box.AddItem(entry.text, entry.value);
}

bool ShownByStyle(HWND control) {
    return control != nullptr && (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Moves the shown rows of a column up over the rows hidden above them.
template <size_t N>
void StackColumn(HWND page, const Row (&rows)[N]) {
    std::array<std::optional<LONG>, N> tops{};
    std::array<LONG, N> bottoms{};
    for (size_t i = 0; i < N; ++i) {
        for (const int id : rows[i]) {
            const HWND control = id != 0 ? ::GetDlgItem(page, id) : nullptr;
            if (control == nullptr)
                continue;
            const RECT rect = RectOnPage(page, control);
            tops[i] = std::min(tops[i].value_or(rect.top), rect.top);
            bottoms[i] = std::max(bottoms[i], rect.bottom);
        }
    }
    // The column starts where its first row stands in the template.
    std::optional<LONG> next;
    for (size_t i = 0; i < N && !next; ++i)
        next = tops[i];
    for (size_t i = 0; i < N; ++i) {
        if (!tops[i])
            continue;
        const bool shown = std::any_of(rows[i].begin(), rows[i].end(), [&](int id) {
            return id != 0 && ShownByStyle(::GetDlgItem(page, id));
        });
        if (!shown)
            continue;
        const LONG shift = *tops[i] - *next;
        for (const int id : rows[i]) {
            const HWND control = id != 0 ? ::GetDlgItem(page, id) : nullptr;
            if (control == nullptr || shift == 0)
                continue;
            const RECT rect = RectOnPage(page, control);
            ::SetWindowPos(control, nullptr, rect.left, rect.top - shift, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // The row's own pitch: the distance to the next row of the template.
        LONG pitch = bottoms[i] - *tops[i];
        for (size_t j = i + 1; j < N; ++j) {
            if (tops[j]) {
                pitch = *tops[j] - *tops[i];
                break;
            }
        }
        *next += pitch;
    }
}

} // namespace

CPrinterDlg::CPrinterDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : CKxDialog(templateId, pageName, pageIndex) {}

std::u16string CPrinterDlg::PageText(std::u16string_view key) {
    return TheApp().stringFile.ReadTextIn(pageSection(), key, kTextCapacity, key);
}

BOOL CPrinterDlg::OnInitDialog() {
    const BOOL result = CKxDialog::OnInitDialog();
    const std::pair<CKxComboBox*, int> lists[] = {
        {&m_trayList, kPrinterTrayListId},           {&m_finisherList, kPrinterFinisherListId},
        {&m_mailBoxList, kPrinterMailBoxListId},     {&m_outBinList, kPrinterOutBinListId},
        {&m_memoryList, kPrinterMemoryListId},       {&m_languageList, kPrinterLanguageListId},
        {&m_powerSaveList, kPrinterPowerSaveListId}, {&m_highAltList, kPrinterHighAltListId},
    };
    for (const auto& [box, id] : lists) {
        if (GetDlgItem(id) != nullptr)
            box->SubclassDlgItem(id, this);
    }
    HideRowsTheModelLacks();
    PlaceRows();
    m_quiet = false;
    return result;
}

void CPrinterDlg::HideRowsTheModelLacks() {
    const ModelProfile& profile = TheApp().profile;
    const AnyLanguageFlags& any = profile.anyLanguage;
    const auto hideAll = [this](std::initializer_list<int> ids) {
        for (const int id : ids)
            Hide(id);
    };
    if (any.PrinterOptTray == 0)
        hideAll({kPrinterTrayLabelId, kPrinterTrayListId, kPrinterTrayCheckId});
    if (any.PrinterTrayCheck == 0)
        Hide(kPrinterTrayCheckId);
    if (any.PrinterFinisher == 0)
        hideAll({kPrinterFinisherLabelId, kPrinterFinisherListId});
    if (any.PrinterMailBox == 0)
        hideAll({kPrinterMailBoxLabelId, kPrinterMailBoxListId});
    if (profile.outputBinOption == 0 && profile.PrinterOptOutBin == 0)
        hideAll({kPrinterOutBinLabelId, kPrinterOutBinListId});
    if (!profile.memorySizesOffered)
        hideAll({kPrinterMemoryLabelId, kPrinterMemoryListId});
    if (PrinterLanguageChoices(profile.PrinterEmulation).empty())
        hideAll({kPrinterLanguageLabelId, kPrinterLanguageListId});
    if (!profile.powerSaveOffered)
        hideAll({kPrinterPowerSaveCheckId, kPrinterPowerSaveListId});
    if (profile.PrinterHighAlt == 0)
        hideAll({kPrinterHighAltLabelId, kPrinterHighAltListId, kPrinterHighAltCheckId});
    else if (HighAltitudeControlFor(profile.HighAltIndex) == HighAltitudeControl::Check)
        hideAll({kPrinterHighAltLabelId, kPrinterHighAltListId});
    else
        Hide(kPrinterHighAltCheckId);
    if (any.PrinterJobAccounting == 0)
        Hide(kPrinterJobAccountingId);
    // Head cleaning and alignment are for ink printers.
    if (profile.GraphicsTonerPrinter != 0)
        hideAll({kPrinterHeadCleaningId, kPrinterAutoAlignmentId});
    if (any.PrinterEnvelope == 0)
        Hide(kPrinterEnvelopeCheckId);
    if (any.PrinterDuplex == 0)
        Hide(kPrinterDuplexCheckId);
    if (any.PrinterHDD == 0)
        Hide(kPrinterHardDiskCheckId);
    if (any.PrinterStatusWindow == 0)
        Hide(kPrinterStatusMonitorCheckId);
}

void CPrinterDlg::PlaceRows() {
    StackColumn(m_hWnd, kRightColumn);
    StackColumn(m_hWnd, kLeftColumn);
}

void CPrinterDlg::ReadProfileAgain(bool basePass) {
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    ModelProfile& profile = TheApp().profile;
    if (basePass)
        profile.ReadProfile();
    profile.ReadProfile(LanguageViewOf(devmode));
    // The language pass starts from the base values, which know nothing of
    // the user's custom papers.
    profile.AddDoubleSidedCustomPapers(PrinterTextsFor(PrinterName()).CustomPaperCount(devmode));
}

void CPrinterDlg::FillFixedLists() {
    const ModelProfile& profile = TheApp().profile;
    TextStore& strings = TheApp().stringFile;
    const std::u16string section = pageSection();
    if (m_trayList.GetSafeHwnd() != nullptr) {
        const std::vector<ValueText> trays = OptionalTrayChoices(profile);
        FillValueList(m_trayList, trays, strings, section);
    }
    const std::u16string none = PageText(u"None");
    if (m_finisherList.GetSafeHwnd() != nullptr)
        FillNamed(m_finisherList,
                  NamedEntries(profile.FinisherIndex, u"FINISHERNAME", strings, none));
    if (m_mailBoxList.GetSafeHwnd() != nullptr)
        FillNamed(m_mailBoxList, NamedEntries(profile.MailBoxIndex, u"MAILBOX", strings, none));
    if (m_outBinList.GetSafeHwnd() != nullptr)
        FillNamed(m_outBinList, NamedEntries(profile.OutputBinIndex, u"OUTPUTBIN", strings, none));
    if (m_highAltList.GetSafeHwnd() != nullptr)
        FillNamed(m_highAltList,
                  NamedEntries(profile.HighAltIndex, u"HIGHALTITUDE", strings, none, false));
    if (m_languageList.GetSafeHwnd() != nullptr) {
        const std::vector<ValueText> languages = PrinterLanguageChoices(profile.PrinterEmulation);
        FillValueList(m_languageList, languages, strings, section);
    }
    if (m_memoryList.GetSafeHwnd() != nullptr) {
        m_memoryList.ResetContent();
        if (profile.OffersMemorySizes()) {
            for (const int32_t size : profile.PrinterMemorySizes) {
                if (size > 0 && size <= 0x7FFF)
                    m_memoryList.AddItem(MemorySizeLabel(size, strings, section),
                                         static_cast<WORD>(size));
            }
        }
    }
    // The texts of other sections were read by name: the page's own is
    // selected again.
    strings.SelectSection(section);
}

void CPrinterDlg::RefreshControls() {
    CKxDialog::RefreshControls();
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    ReadProfileAgain(true);
    FillFixedLists();
    RefreshLists();
    RefreshPowerSave();
    EnableRows();
    EnableOutputRows();
    m_quiet = wasQuiet;
}

void CPrinterDlg::RefreshLists() {
    const BYTE* devmode = working();
    m_trays = static_cast<int16_t>(Read(devmode, FieldNamed("iOptTray")));
    const std::pair<CKxComboBox*, const DevmodeField*> selections[] = {
        {&m_languageList, &FieldNamed("sDrvLang")},
        {&m_finisherList, &FieldNamed("iOptFinisher")},
        {&m_mailBoxList, &FieldNamed("bOptMailBox")},
        {&m_outBinList, &FieldNamed("iOptionalOutBin")},
        {&m_memoryList, &FieldNamed("sPrinterMemory")},
        {&m_highAltList, &FieldNamed("iHighAlt")},
    };
    for (const auto& [box, field] : selections) {
        if (box->GetSafeHwnd() == nullptr)
            continue;
        box->SelectValue(static_cast<WORD>(Read(devmode, *field)));
        m_shownAtRefresh[box->GetDlgCtrlID()] = box->SelectedValue();
    }
    if (m_trayList.GetSafeHwnd() != nullptr) {
        // A negative configuration is the printer's own: no entry names it.
        if (m_trays < 0)
            m_trayList.SetCurSel(-1);
        else
            m_trayList.SelectValue(static_cast<WORD>(m_trays));
    }
    Check(kPrinterEnvelopeCheckId, Read(devmode, FieldNamed("iEvlSupply")) > 0);
    Check(kPrinterDuplexCheckId, Read(devmode, FieldNamed("iDuplexUnit")) > 0);
    Check(kPrinterHardDiskCheckId, Read(devmode, FieldNamed("iInHard")) > 0);
    Check(kPrinterHighAltCheckId, Read(devmode, FieldNamed("iHighAlt")) != 0);
    m_statusMonitor = StatusMonitorEnabled(PrinterName()).value_or(1);
    Check(kPrinterStatusMonitorCheckId, m_statusMonitor != 0);
}

void CPrinterDlg::RefreshPowerSave() {
    if (m_powerSaveList.GetSafeHwnd() == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    const std::u16string section = pageSection();
    m_powerSaveList.ResetContent();
    const std::vector<PowerSaveEntry> entries = PowerSaveEntries(
        profile.PrinterPowerSave, [&](std::u16string_view key, std::u16string_view fallback) {
            return TheApp().stringFile.ReadTextIn(section, key, kTextCapacity, fallback);
        });
    for (const PowerSaveEntry& entry : entries) {
        if (entry.minutes >= 0 && entry.minutes <= 0xFFFF)
            m_powerSaveList.AddItem(entry.label, static_cast<WORD>(entry.minutes));
    }
    const int32_t stored = static_cast<int32_t>(Read(working(), FieldNamed("iPowerSave")));
    const bool on = !profile.PrinterPowerSave.empty() && stored != 0;
    Check(kPrinterPowerSaveCheckId, on);
    if (profile.PrinterPowerSave.empty())
        return;
    const auto [lowest, highest] =
        std::minmax_element(profile.PrinterPowerSave.begin(), profile.PrinterPowerSave.end());
    if (on) {
        m_powerSaveList.SelectValue(static_cast<WORD>(std::clamp(stored, *lowest, *highest)));
        return;
    }
    TextStore& settings = TheApp().settingsFile;
    const int32_t modelDefault =
        settings.ReadNumberIn(u"DEFAULTDEVMODE", u"iPowerSave", TextStore::kNoDefault);
    const int32_t time = modelDefault == TextStore::kNoDefault ? kUsualPowerSave : modelDefault;
    m_powerSaveList.SelectValue(static_cast<WORD>(std::clamp(time, *lowest, *highest)));
}

void CPrinterDlg::EnableRows() {
    const ModelProfile& profile = TheApp().profile;
    const auto enable = [this](std::initializer_list<int> ids, bool on) {
        for (const int id : ids)
            EnableControl(id, on);
    };
    enable({kPrinterStatusMonitorCheckId}, profile.PrinterStatusWindow != 0);
    enable({kPrinterEnvelopeCheckId}, profile.PrinterEnvelope != 0);
    enable({kPrinterDuplexCheckId}, profile.PrinterDuplex != 0);
    enable({kPrinterHardDiskCheckId}, profile.PrinterHDD != 0);
    enable({kPrinterHighAltLabelId, kPrinterHighAltListId, kPrinterHighAltCheckId},
           profile.PrinterHighAlt != 0);
    // Where the printer reports its trays itself the list only shows them:
    // what is chosen there would not be kept.
    enable({kPrinterTrayLabelId, kPrinterTrayListId},
           profile.PrinterOptTray != 0 && profile.PrinterTrayCheck == 0);
    enable({kPrinterTrayCheckId}, profile.PrinterOptTray != 0 && profile.PrinterTrayCheck != 0);
    enable({kPrinterFinisherLabelId, kPrinterFinisherListId}, profile.PrinterFinisher != 0);
    enable({kPrinterJobAccountingId}, profile.PrinterJobAccounting != 0);
    enable({kPrinterLanguageLabelId, kPrinterLanguageListId}, !profile.PrinterEmulation.empty());
    enable({kPrinterMemoryLabelId, kPrinterMemoryListId}, profile.OffersMemorySizes());
    const bool powerSave = !profile.PrinterPowerSave.empty();
    enable({kPrinterPowerSaveCheckId}, powerSave);
    enable({kPrinterPowerSaveListId}, powerSave && Checked(kPrinterPowerSaveCheckId));
    enable({kPrinterHeadCleaningId, kPrinterAutoAlignmentId}, true);
}

void CPrinterDlg::EnableOutputRows() {
    const BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    const int64_t finisher = Read(devmode, FieldNamed("iOptFinisher"));
    const bool mailBox =
        profile.PrinterMailBox != 0 &&
        (profile.PrinterOptOutBin == 0 || Read(devmode, FieldNamed("iOptionalOutBin")) == 0) &&
        (profile.PrinterFinisher == 0 || (finisher != 0 && finisher != 4));
    const bool outBin =
        profile.PrinterOptOutBin != 0 &&
        (profile.PrinterMailBox == 0 || Read(devmode, FieldNamed("bOptMailBox")) == 0);
    for (const int id : {kPrinterMailBoxLabelId, kPrinterMailBoxListId})
        EnableControl(id, mailBox);
    for (const int id : {kPrinterOutBinLabelId, kPrinterOutBinListId})
        EnableControl(id, outBin);
}

void CPrinterDlg::SaveControls() {
    CKxDialog::SaveControls();
    BYTE* devmode = working();
    if (devmode == nullptr)
        return;
    const ModelProfile& profile = TheApp().profile;
    if (profile.PrinterOptTray != 0) {
        const std::optional<WORD> chosen =
            m_trayList.GetSafeHwnd() != nullptr ? m_trayList.SelectedValue() : std::nullopt;
        if (profile.PrinterTrayCheck != 0)
            WriteUnlessNegative(devmode, FieldNamed("iOptTray"), m_trays);
        else if (chosen)
            WriteUnlessNegative(devmode, FieldNamed("iOptTray"), *chosen);
    }
    const auto saveList = [&](bool keyed, CKxComboBox& box, const DevmodeField& field) {
        if (!keyed || box.GetSafeHwnd() == nullptr)
            return;
        const std::optional<WORD> value = box.SelectedValue();
        if (!value)
            return;
        // A record that names no value (0) where the list has no such entry
        // shows the nearest one; it takes it only when the user chooses, so
        // a visit changes nothing.
        const auto shown = m_shownAtRefresh.find(box.GetDlgCtrlID());
        const int64_t stored = ReadNumber(devmode, field);
        if (stored == 0 && box.FindValue(0) < 0 && shown != m_shownAtRefresh.end() &&
            shown->second == value)
            return;
        WriteNumber(devmode, field, *value);
    };
    saveList(profile.PrinterFinisher != 0, m_finisherList, FieldNamed("iOptFinisher"));
    saveList(profile.PrinterMailBox != 0, m_mailBoxList, FieldNamed("bOptMailBox"));
    SaveChecks(devmode);
    if (profile.PrinterHighAlt != 0) {
        if (HighAltitudeControlFor(profile.HighAltIndex) == HighAltitudeControl::Check) {
            if (Shown(kPrinterHighAltCheckId))
                WriteNumber(devmode, FieldNamed("iHighAlt"),
                            Checked(kPrinterHighAltCheckId) ? 1 : 0);
        } else if (m_highAltList.GetSafeHwnd() != nullptr) {
            if (const std::optional<WORD> mode = m_highAltList.SelectedValue())
                WriteNumber(devmode, FieldNamed("iHighAlt"), *mode & 0xFF);
        }
    }
    if (!profile.PrinterPowerSave.empty() && m_powerSaveList.GetSafeHwnd() != nullptr) {
        const std::optional<WORD> time = m_powerSaveList.SelectedValue();
        const bool on = Checked(kPrinterPowerSaveCheckId) && time.has_value();
        WriteNumber(devmode, FieldNamed("iPowerSave"), on ? *time : 0);
    }
    saveList(!profile.PrinterEmulation.empty(), m_languageList, FieldNamed("sDrvLang"));
    saveList(profile.OffersMemorySizes(), m_memoryList, FieldNamed("sPrinterMemory"));
    SaveStatusMonitor();
    saveList(profile.PrinterOptOutBin != 0, m_outBinList, FieldNamed("iOptionalOutBin"));
    // The language, memory and hard disk decide the model's keys for the
    // rest of the change and for the other pages.
    ReadProfileAgain(false);
}

void CPrinterDlg::SaveChecks(BYTE* devmode) {
    const ModelProfile& profile = TheApp().profile;
    const struct {
        int32_t key;
        int id;
        const DevmodeField& field;
    } checks[] = {
        {profile.PrinterEnvelope, kPrinterEnvelopeCheckId, FieldNamed("iEvlSupply")},
        {profile.PrinterDuplex, kPrinterDuplexCheckId, FieldNamed("iDuplexUnit")},
        {profile.PrinterHDD, kPrinterHardDiskCheckId, FieldNamed("iInHard")},
    };
    for (const auto& check : checks) {
        if (check.key != 0 && Shown(check.id))
            WriteUnlessNegative(devmode, check.field, Checked(check.id) ? 1 : 0);
    }
}

void CPrinterDlg::SaveStatusMonitor() {
    if (TheApp().profile.PrinterStatusWindow == 0 || !Shown(kPrinterStatusMonitorCheckId))
        return;
    const DWORD enabled = Checked(kPrinterStatusMonitorCheckId) ? 1 : 0;
    if (enabled == m_statusMonitor)
        return;
    if (WriteStatusMonitorEnabled(PrinterName(), enabled))
        m_statusMonitor = enabled;
}

void CPrinterDlg::OnSettingChanged() {
    if (m_quiet)
        return;
    CKxDialog::OnSettingChanged();
    EnableOutputRows();
    EnableControl(kPrinterPowerSaveListId,
                  !TheApp().profile.PrinterPowerSave.empty() && Checked(kPrinterPowerSaveCheckId));
}

void CPrinterDlg::SendMaintenance(int id) {
    const CKROMAUIApp& app = TheApp();
    if (id == kPrinterHeadCleaningId)
        SendHeadCleaning(PrinterName());
    else
        SendAutoAlignment(PrinterName(), app.modelStem, app.names.moduleDirectory,
                          app.names.driverBaseName);
}

BOOL CPrinterDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const bool list = id == kPrinterTrayListId || id == kPrinterFinisherListId ||
                      id == kPrinterMailBoxListId || id == kPrinterOutBinListId ||
                      id == kPrinterMemoryListId || id == kPrinterLanguageListId ||
                      id == kPrinterPowerSaveListId || id == kPrinterHighAltListId;
    if (list && code == CBN_SELCHANGE) {
        OnSettingChanged();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return CKxDialog::OnCommand(wParam, lParam);
    switch (id) {
    case kPrinterPowerSaveCheckId:
    case kPrinterHighAltCheckId:
    case kPrinterEnvelopeCheckId:
    case kPrinterDuplexCheckId:
    case kPrinterHardDiskCheckId:
    case kPrinterStatusMonitorCheckId:
        OnSettingChanged();
        return TRUE;
    case kPrinterTrayCheckId:
        if (m_trayList.GetSafeHwnd() != nullptr && m_trays >= 0)
            m_trayList.SelectValue(static_cast<WORD>(m_trays));
        OnSettingChanged();
        return TRUE;
    case kPrinterJobAccountingId:
        static_cast<void>(RunJobAccounting(*this));
        return TRUE;
    case kPrinterHeadCleaningId:
    case kPrinterAutoAlignmentId:
        SendMaintenance(id);
        return TRUE;
    default:
        return CKxDialog::OnCommand(wParam, lParam);
    }
}

} // namespace kx

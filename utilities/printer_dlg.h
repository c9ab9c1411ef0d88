// CPrinterDlg: the Printer page, where the user declares what is installed
// in the printer (optional trays, finisher, mailbox, output bin, envelope
// feeder, duplex unit, hard disk, memory) and sets its language, power save
// and high-altitude mode; it also switches the status monitor, opens the
// job accounting dialog and sends the maintenance commands. A row is shown
// when the model has it in any printer language, and enabled and saved
// only when it has it in the record's language. CPrinter2Dlg and
// CPrinter3Dlg are the page's forms at index 20.
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

class CPrinterDlg : public CKxDialog {
public:
    CPrinterDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;
    void OnSettingChanged() override;

    /// The tray configuration the record held at the last refresh.
    int16_t rememberedTrays() const { return m_trays; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void HideRowsTheModelLacks();
    void PlaceRows();
    void FillFixedLists();
    void RefreshLists();
    void RefreshPowerSave();
    void EnableRows();
    void EnableOutputRows();
    void SaveChecks(BYTE* devmode);
    void SaveStatusMonitor();
    /// Reads the profile again for the working copy: the base pass too when
    /// `basePass`, then the language pass.
    void ReadProfileAgain(bool basePass);
    void SendMaintenance(int id);
    std::u16string PageText(std::u16string_view key);

    CKxComboBox m_trayList;
    CKxComboBox m_finisherList;
    CKxComboBox m_mailBoxList;
    CKxComboBox m_outBinList;
    CKxComboBox m_memoryList;
    CKxComboBox m_languageList;
    CKxComboBox m_powerSaveList;
    CKxComboBox m_highAltList;
    /// The entry each list showed for the record at the last refresh.
    std::map<int, std::optional<WORD>> m_shownAtRefresh;
    int16_t m_trays = 0;
    /// What "SMEnabled" held when last read or written.
    DWORD m_statusMonitor = 1;
    bool m_quiet = true;
};

/// The form of the page at index 20 on a model of the usual scale.
class CPrinter2Dlg : public CPrinterDlg {
public:
    using CPrinterDlg::CPrinterDlg;
};

/// The form of the page at index 20 on a model of a large scale.
class CPrinter3Dlg : public CPrinterDlg {
public:
    using CPrinterDlg::CPrinterDlg;
};

} // namespace kx

// CKxDialog: the base of every page of the host's property sheet and of the
// modal dialogs the pages open. It binds a page to the host's page window
// and the sheet's device-mode set, localises the page, and runs the change
// cycle after every control change: save the controls, resolve conflicts,
// tell the sheet whether anything differs from the host's record, refresh,
// report adjustments and hand the previews the working copy.
#pragma once

#include "devmode/devmode_set.h"
#include "framework/control_ids.h"
#include "framework/favourites_box.h"
#include "framework/item_texts.h"
#include "framework/kx_page.h"
#include "framework/kx_pictures.h"
#include "framework/kx_preview.h"
#include "platform/wndclass/dialog.h"
#include "platform/wndclass/standard_controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kx {

/// Bits of a sheet's flags that pages honour.
constexpr DWORD kSheetReadOnly = 0x80000000;
constexpr DWORD kSheetNoChangeReports = 0x40000000;

/// A page's answer when its sheet is about to leave it.
enum class LeavePage : int {
    Leave = 0,        ///< the page goes, its controls unsaved
    Keep = 2,         ///< the page keeps the focus
    LeaveAndSave = 6, ///< the page's controls are saved, then it goes
};

/// A page's answer to the sheet's Apply and Reset.
enum class PageResult : int {
    Done = 0,
    Invalid = 1, ///< the sheet stays open on the page (PSNRET_INVALID)
};

/// What the host tells a page about its sheet when it binds it.
struct PageContext {
    DevmodeOwner owner = 0;
    BYTE* hostDevmode = nullptr;
    std::u16string printerName;
    DWORD sheetFlags = 0;
    /// The host's page windows of every page of the sheet.
    std::function<std::vector<HWND>()> sheetPageWindows;
};

/// What a page hands the dialogs and sub-sheets it opens: its copies, its
/// printer, and the sheet's flags (a dialog of a read-only sheet is
/// read-only too).
struct OpenerCopies {
    HWND parent = nullptr;
    BYTE* working = nullptr;
    BYTE* defaults = nullptr;
    DWORD sheetFlags = 0;
    std::u16string printerName;
};

class CKxDialog : public TKxPage<CDialog> {
public:
    /// A page of the host's sheet.
    CKxDialog(UINT templateId, std::u16string_view pageName, int pageIndex);
    /// A modal dialog opened from a page on the page's copies.
    CKxDialog(UINT templateId, std::u16string_view pageName, HWND parent, BYTE* working,
              BYTE* defaults);
    /// A modal dialog opened from a page, on what the page hands it.
    CKxDialog(UINT templateId, std::u16string_view pageName, const OpenerCopies& opener);
    ~CKxDialog() override;

    /// Acquires the sheet's device-mode set, creates the page's dialog inside
    /// the host's page window and shows it. False when the set could not be
    /// had or the dialog not made.
    bool BindToHost(HWND hostWindow, const PageContext& context);
    /// Hides the page's dialog, detaches it from the host window and
    /// destroys it.
    void DestroyPage();

    // The page's own operations, in this order after the dialog's.
    virtual void RefreshControls();
    virtual void SaveControls();
    virtual LeavePage QueryLeavePage();
    virtual PageResult ResetPage();
    virtual PageResult ApplyPage();
    virtual void OnSettingChanged();

    /// What this page hands a dialog or sub-sheet it opens.
    OpenerCopies ForDialogs() const;

    /// Replaces the working copy by chosen settings (a favourite or the
    /// printer's defaults) after repairing their conflicts, keeping the
    /// printer configuration the sheet has, and runs the rest of a change.
    void ApplyFavouriteSettings(BYTE* settings);

    // Steps of the change cycle.
    void ReportChange();
    void ShowFavouriteMatch() { m_favourites.ShowMatch(); }
    /// Hands the working copy to the page's previews, in their order.
    void UpdatePreviews();

    /// Opens the help topic of a control of the page (0: the page's own).
    void OpenHelp(int control);

    /// The explanation tip of a disabled option, reason `messageNumber`.
    void ShowOptionTip(HWND control, int messageNumber, bool show, HWND related = nullptr);

    /// Enables a control by the page's own rule, never on a read-only sheet.
    void EnableControl(int id, bool enable);
    /// Enables a control as EnableControl does and shows the explanation
    /// tip `tip` on it while it is disabled.
    void EnableWithTip(int id, bool enable, int tip, HWND related = nullptr);
    /// Whether control `id` exists and is shown.
    bool Shown(int id) const;
    bool Checked(int id) const;
    void Check(int id, bool checked);
    void Hide(int id);
    bool IsReadOnly() const { return (m_sheetFlags & kSheetReadOnly) != 0; }

    const std::u16string& pageName() const { return m_pageName; }
    std::u16string pageSection() const { return m_pageName + u" Dialog"; }
    UINT templateId() const { return m_templateId; }
    int kind() const { return m_kind; }
    BYTE* working() const { return m_working; }
    BYTE* defaults() const { return m_defaults; }
    BYTE* reference() const { return m_reference; }
    HWND hostWindow() const { return m_hostWindow; }
    DWORD sheetFlags() const { return m_sheetFlags; }
    bool busy() const { return m_busy; }
    bool captionAbsent() const { return m_captionAbsent; }
    CKxPreview* preview(PreviewRole role) const;

protected:
    void OnSetFont(HFONT font) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    /// The context help of a control (WM_HELP).
    BOOL OnHelpInfo(HELPINFO* help) override;

    /// The printer whose names and texts the page shows.
    std::u16string PrinterName() const;
    CFavouritesBox& favourites() { return m_favourites; }

private:
    bool CreatePageDialog(HWND hostWindow);
    void FirstBindingOfModule();
    void AttachEmbeddedControls();
    void AttachPreview(int id, PreviewRole role);
    void PlaceUnitButtons();
    void PlaceSheetOnTop();
    bool ChangesReachSheet() const;
    FavouriteButtons FavouriteButtonsHere() const;
    bool HasControl(int id) const { return GetDlgItem(id) != nullptr; }

    std::u16string m_pageName;
    UINT m_templateId;
    BYTE* m_working = nullptr;
    BYTE* m_defaults = nullptr;
    BYTE* m_reference = nullptr;
    std::optional<PageContext> m_context;
    /// The opener's printer, for a modal dialog.
    std::u16string m_openerPrinter;
    DWORD m_sheetFlags = 0;
    int m_kind;
    bool m_busy = false;
    bool m_captionAbsent = false;
    bool m_holdsSet = false;
    HWND m_hostWindow = nullptr;
    std::vector<std::unique_ptr<CKxPreview>> m_previews;
    CButton m_millimetres;
    CButton m_inches;
    CKxLogo m_logo;
    CFavouritesBox m_favourites{*this};
};

} // namespace kx

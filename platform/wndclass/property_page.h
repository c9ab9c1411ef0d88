// CPropertyPage: a dialog that lives in a property sheet; the sheet's PSN_*
// notifications become its virtual operations.
#pragma once

#include "platform/window/property_sheet_api.h"
#include "platform/wndclass/dialog.h"

#include <string>

namespace kx {

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(const DLGTEMPLATE* dialogTemplate, std::u16string_view caption = {});
    CPropertyPage(UINT templateId, HINSTANCE instance, std::u16string_view caption = {});

    /// The page structure a sheet is built from.
    PROPSHEETPAGEW m_psp{};

    /// Tells the sheet that the page has (or no longer has) unsaved changes.
    void SetModified(BOOL changed = TRUE);

    /// Arrival; FALSE keeps the sheet from showing the page.
    virtual BOOL OnSetActive();
    /// Departure; FALSE keeps the user on the page. Saves the controls.
    virtual BOOL OnKillActive();
    /// OK or Apply; FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    virtual void OnReset();
    /// FALSE stops the cancel.
    virtual BOOL OnQueryCancel();
    virtual void OnHelp();
    void OnOK() override;
    void OnCancel() override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void InitPage(std::u16string_view caption);
    static UINT CALLBACK PageCallback(HWND, UINT message, PROPSHEETPAGEW* page);

    std::u16string m_caption;
};

} // namespace kx

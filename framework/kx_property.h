// CKxProperty: a page of a sheet the module opens itself (the advanced
// options sheets). It edits the copies its sheet hands it: activation
// refreshes its controls, leaving saves them, and every change runs the
// same cycle as a page of the host's sheet, except that instead of telling
// a host it marks itself modified while the working copy differs from the
// record the sheet started from.
#pragma once

#include "devmode/devmode_record.h"
#include "framework/kx_page.h"
#include "platform/wndclass/property_page.h"

#include <string>

namespace kx {

class CKxProperty : public TKxPage<CPropertyPage> {
public:
    /// sheetStart: the working copy as the sheet found it.
    CKxProperty(UINT templateId, std::u16string_view pageName, BYTE* working, const BYTE* defaults,
                const BYTE* sheetStart, DWORD sheetFlags = 0);

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    /// The sheet's Help button: the page's own topic.
    void OnHelp() override;

    // The page's own operations, after the property page's.
    virtual void RefreshControls();
    virtual void SaveControls();
    virtual void OnSettingChanged();

    // Steps of the change cycle: instead of telling a host, the page marks
    // itself modified while the working copy differs from the sheet's start.
    void ReportChange();
    void ShowFavouriteMatch() {}
    void UpdatePreviews() {}

    BYTE* working() const { return m_working; }
    const BYTE* reference() const { return m_reference.get(); }
    bool busy() const { return m_busy; }
    /// Whether the page last told its sheet it has changes.
    bool modified() const { return m_modified; }
    bool IsReadOnly() const;

protected:
    BOOL OnInitDialog() override;
    BOOL OnHelpInfo(HELPINFO* help) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::u16string m_pageName;
    BYTE* m_working;
    const BYTE* m_defaults;
    const BYTE* m_sheetStart;
    DevmodeBuffer m_reference;
    DWORD m_sheetFlags;
    bool m_busy = false;
    bool m_modified = false;
};

} // namespace kx

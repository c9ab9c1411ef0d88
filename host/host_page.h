// The page object the page table makes for a page index: its page name,
// class and dialog template, and its hold on the sheet's device-mode set.
// The feature pages derive their own classes from it.
#pragma once

#include "devmode/devmode_set.h"
#include "host/host_records.h"

#include <optional>
#include <string>
#include <string_view>

namespace kx {

/// Results of QueryLeavePage.
constexpr int kKeepPage = 2;
constexpr int kLeaveAndSave = 6;

class HostPage {
public:
    HostPage(std::u16string_view pageName, std::string_view className, int templateNumber);
    virtual ~HostPage();
    HostPage(const HostPage&) = delete;
    HostPage& operator=(const HostPage&) = delete;

    const std::u16string& PageName() const { return m_pageName; }
    std::string_view ClassName() const { return m_className; }
    int TemplateNumber() const { return m_templateNumber; }

    /// Takes a hold on the sheet's device-mode set (released when the page
    /// goes). False when the context gets no set; the page then has no
    /// device mode.
    virtual bool BindToHost(HWND window, const SheetContextView& context);
    virtual void RefreshControls() {}
    /// kKeepPage keeps the focus on the page; kLeaveAndSave saves the
    /// controls and lets it go.
    virtual int QueryLeavePage() { return kLeaveAndSave; }
    virtual void SaveControls() {}
    /// 0 when applied; the working copy is merged into the host's record
    /// when it differs.
    virtual int ApplyPage();
    /// 0 when the sheet may be cancelled.
    virtual int ResetPage() { return 0; }
    virtual void OpenHelp() {}
    /// Hides the page's dialog, detaches it from the host's window and
    /// destroys it.
    virtual void DestroyDialog() {}

    const std::optional<DevmodeCopies>& Copies() const { return m_copies; }
    HWND HostWindow() const { return m_hostWindow; }

private:
    std::u16string m_pageName;
    std::string_view m_className;
    int m_templateNumber;
    HWND m_hostWindow = nullptr;
    std::optional<DevmodeCopies> m_copies;
    DevmodeOwner m_owner = 0;
    BYTE* m_hostDevmode = nullptr;
};

} // namespace kx

// The page object's binding to the sheet and its apply.
#include "host/host_page.h"

#include "devmode/devmode_merge.h"

namespace kx {

HostPage::HostPage(std::u16string_view pageName, std::string_view className, int templateNumber)
    : m_pageName(pageName), m_className(className), m_templateNumber(templateNumber) {}

HostPage::~HostPage() {
    if (m_copies)
        ReleaseDevmodeSet(m_owner);
}

// FIXME: the page framework also loads the profile for the working copy on
// the first binding and creates the page's dialog inside the host window.
bool HostPage::BindToHost(HWND window, const SheetContextView& context) {
    m_hostWindow = window;
    if (m_copies)
        return true;
    BYTE* hostDevmode = context.HostDevmode();
    if (hostDevmode == nullptr)
        return false;
    m_copies = AcquireDevmodeSet(context.Address(), hostDevmode, context.PrinterName());
    if (!m_copies)
        return false;
    m_owner = context.Address();
    m_hostDevmode = hostDevmode;
    return true;
}

int HostPage::ApplyPage() {
    if (!m_copies)
        return 0;
    if (CompareDevmodes(m_hostDevmode, m_copies->working, nullptr, Configuration::Include) != 0)
        MergeDevmode(m_hostDevmode, m_copies->working);
    return 0;
}

} // namespace kx

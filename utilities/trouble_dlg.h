// CTroubleDlg: the Troubleshooting page. It offers the printer's built-in
// test pages, six support links (web pages, the printer's own web page by
// its network address, files of the model printed as raw jobs, programs of
// the model) and the help topic of the last printer status found.
#pragma once

#include "framework/kx_dialog.h"
#include "framework/kx_statics.h"
#include "utilities/trouble_controls.h"
#include "utilities/trouble_links.h"

#include <array>
#include <optional>
#include <string>

namespace kx {

/// Adds the page's controls to its template; the module does it at start.
void InstallTroublePageControls();

class CTroubleDlg : public CKxDialog {
public:
    CTroubleDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    /// Sends the chosen test page; nothing when none is chosen.
    void PrintSelectedTestPage();
    /// Opens link n (1 to 6) when it has a target.
    void OpenLink(int number);

    const TroubleLinks& links() const { return m_links; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void FillTestPages();
    void SetUpLinks();
    void PlaceLinks();
    void SetUpStatusButtons();
    void OpenStatusCheck();
    /// The printer's network address, detected once per initialisation.
    const std::u16string& NetworkAddress();
    std::u16string PageText(std::u16string_view key, std::u16string_view defaultText = {});

    CComboBox m_testPages;
    std::array<CKxLink, kTroubleLinkCount> m_linkControls;
    TroubleLinks m_links;
    std::optional<std::u16string> m_address;
};

} // namespace kx

// CUrlDlg: the base of the About pages, a page that carries up to six links
// from the string file ("Ref_URL_1" ... "Ref_URL_6" of its section, macros
// expanded), shown, disabled or hidden as the Troubleshooting page's are,
// and opened the same way.
#pragma once

#include "framework/kx_dialog.h"
#include "framework/kx_statics.h"
#include "utilities/trouble_links.h"

#include <array>
#include <optional>
#include <string>

namespace kx {

class CUrlDlg : public CKxDialog {
public:
    using CKxDialog::CKxDialog;

    /// Opens link n (1 to 6) when it is shown.
    void OpenLink(int number);
    /// Opens any target as a link of this page: a "print://" file of the
    /// module's folder, a program of the model, or an address.
    void OpenTarget(std::u16string_view target);

    const TroubleLinks& links() const { return m_links; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    /// A text of the page's section, macros expanded; the key itself when
    /// `defaultText` is none.
    std::u16string ExpandedText(std::u16string_view key,
                                std::optional<std::u16string_view> defaultText);
    /// The printer's network address, detected once per initialisation.
    const std::u16string& NetworkAddress();

private:
    void SetUpLinks();

    std::array<CKxLink, kTroubleLinkCount> m_linkControls;
    TroubleLinks m_links;
    std::optional<std::u16string> m_address;
};

} // namespace kx

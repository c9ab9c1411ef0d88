// CMoreDlg: the modal dialog with the Output page's further option rows
// that the page has no room for. It edits the page's working copy only
// when it ends with OK.
#pragma once

#include "pages/options_dlg.h"

#include <vector>

namespace kx {

class CMoreDlg : public COptionsDlg {
public:
    CMoreDlg(const OpenerCopies& opener, std::vector<OptionRow> rows);

    /// Registers the dialog's template for its rows and runs it; IDOK when
    /// saved.
    INT_PTR Run();

protected:
    BOOL OnInitDialog() override;
    bool ShowsWatermarkRow() const override { return false; }
};

/// The dialog script of a more dialog holding `rows`.
std::u16string MoreDialogScript(std::span<const OptionRow> rows);

} // namespace kx

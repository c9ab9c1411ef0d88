// CExtrasDlg and CExtras2Dlg: the two model forms of the Output page.
// The usual form keeps as many further option rows as its column holds; the
// simple form (a model with ExtrasSimple) keeps the page to the output rows
// and puts every further option row behind its "More..." button.
#pragma once

#include "pages/output_dlg.h"

namespace kx {

class CExtrasDlg : public COutputDlg {
public:
    CExtrasDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

protected:
    int HeldOptionRows(int freeUnits) const override;
};

class CExtras2Dlg : public COutputDlg {
public:
    CExtras2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex);

protected:
    int HeldOptionRows(int /*freeUnits*/) const override { return 0; }
};

/// The further option rows a column of `freeUnits` dialog units holds.
int OptionRowsHeld(int freeUnits);

} // namespace kx

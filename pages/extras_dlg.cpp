// The model forms of the Output page.
#include "pages/extras_dlg.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kOptionRowUnits = 12;

} // namespace

int OptionRowsHeld(int freeUnits) {
    return std::max(0, freeUnits) / kOptionRowUnits;
}

CExtrasDlg::CExtrasDlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : COutputDlg(templateId, pageName, pageIndex) {}

int CExtrasDlg::HeldOptionRows(int freeUnits) const {
    return OptionRowsHeld(freeUnits);
}

CExtras2Dlg::CExtras2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex)
    : COutputDlg(templateId, pageName, pageIndex) {}

} // namespace kx

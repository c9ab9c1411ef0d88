// CKxSheet: the module's own property sheet, without an Apply button (its
// pages take effect when it closes with OK) and with a help button and the
// caption's context-help button.
#pragma once

#include "platform/wndclass/property_sheet.h"

namespace kx {

class CKxSheet : public CPropertySheet {
public:
    explicit CKxSheet(std::u16string_view caption, HWND parent = nullptr, UINT startPage = 0);
    BOOL OnInitDialog() override;
};

} // namespace kx

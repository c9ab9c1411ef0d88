// CAdjSetDlg: the modal "Settings" dialog of the reduced Graphics pages: the
// rows the page has no room for (image mode and the darkness group, and on
// the page with the colour sliders inline also the resolution and the
// colour mode), on the page's working copy.
#pragma once

#include "devmode/devmode_record.h"
#include "pages/graphic_dlg.h"

#include <array>
#include <cstdint>

namespace kx {

constexpr UINT kAdjSetTemplate = 3130;

/// What the page that opens the dialog shows itself.
enum class SettingsScope : uint8_t {
    /// The page has the resolution and colour rows: the dialog has the rest.
    BesideColourRows,
    /// The page has only the colour sliders: the dialog also has the
    /// resolution radios and the colour mode with black ink only and copies.
    WholePage,
};

class CAdjSetDlg : public CGraphicDlg {
public:
    CAdjSetDlg(const OpenerCopies& opener, SettingsScope scope);

    /// Registers the dialog's template for its scope and runs it; IDOK when
    /// saved.
    INT_PTR Run();

protected:
    BOOL OnInitDialog() override;
    GraphicRowPlan PlanRows(const ModelProfile& profile) override;
    void LayOutRows() override;
    /// Takes back what the dialog's changes stored.
    void OnCancel() override;

private:
    /// A dialog whose rows leave its last column empty is one column less
    /// wide.
    void NarrowToUsedColumns();

    SettingsScope m_scope;
    /// The record as the dialog found it.
    std::array<BYTE, kDevmodeSize> m_opened{};
};

} // namespace kx

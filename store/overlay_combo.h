// COverlayCombo: the overlay choice of the page that selects the job's
// overlay; it lists the overlays of the job's printer language with the
// no-overlay entry first, and is opened again after the editor returns OK.
#pragma once

#include "framework/kx_list_controls.h"

namespace kx {

class COverlayCombo : public TKxClass<CComboBox> {
public:
    COverlayCombo() { m_kind = kOverlayKind; }

    /// Empties the box, merges the job's overlay into the store, lists the
    /// stored overlays that exist (or are about to be created) with the
    /// placeholder first, and selects the job's own.
    void Open(const BYTE* devmode);
    /// Applies the selected overlay to the job; the store is left alone.
    [[nodiscard]] LONG Commit(BYTE* devmode) { return SaveAll(devmode, SaveToStore::No); }
    /// Whether the button that opens the editor beside the box (1101) is
    /// enabled: not while the job creates its overlay file, nor when the
    /// page is locked.
    static bool EditorButtonEnabled(const BYTE* devmode, bool locked);
};

} // namespace kx

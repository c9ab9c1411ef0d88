// The overlay choice of the selecting page.
#include "store/overlay_combo.h"

#include "devmode/devmode_record.h"
#include "store/over_lay.h"

namespace kx {

void COverlayCombo::Open(const BYTE* devmode) {
    Clear();
    if (devmode != nullptr) {
        COverLay current = COverLay::FromDevmode(devmode);
        (void)StoreItem(current, devmode);
    }
    Fill(devmode);
    AddPlaceholder();
    SelectMatching(devmode, Fallback::Yes);
}

bool COverlayCombo::EditorButtonEnabled(const BYTE* devmode, bool locked) {
    return !locked && devmode != nullptr && ReadNumber(devmode, FieldNamed("ovrLoadCreate")) != 2;
}

} // namespace kx

// The user store of device-mode sets kept in the per-user registry store;
// installed at start-up with InstallUserStore.
#pragma once

#include "devmode/user_store.h"

namespace kx {

class RegistryUserStore : public UserStore {
public:
    bool ReadDefaultDevmode(BYTE* record) override;
    LONG SaveDefaultDevmode(const BYTE* record) override;
    /// Deletes every item subkey; the default device mode and the overlay
    /// folder stay.
    LONG DeleteAllItems() override;
};

} // namespace kx

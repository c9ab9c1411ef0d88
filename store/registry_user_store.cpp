// The registry-backed user store.
#include "store/registry_user_store.h"

#include "store/store_operations.h"

namespace kx {

bool RegistryUserStore::ReadDefaultDevmode(BYTE* record) {
    return store::ReadDefaultDevmode(record);
}

LONG RegistryUserStore::SaveDefaultDevmode(const BYTE* record) {
    return store::SaveDefaultDevmode(record);
}

LONG RegistryUserStore::DeleteAllItems() {
    return store::DeleteAllItemKinds();
}

} // namespace kx

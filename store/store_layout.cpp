// The store's key path.
#include "store/store_layout.h"

namespace kx {

std::u16string StoreKeyPath(std::u16string_view moduleKeyName, std::u16string_view subkey) {
    std::u16string path;
    path.reserve(kStoreKeyRoot.size() + moduleKeyName.size() + kStoreKeyLeaf.size() + 1 +
                 subkey.size());
    path.append(kStoreKeyRoot).append(moduleKeyName).append(kStoreKeyLeaf);
    if (!subkey.empty())
        path.append(u"\\").append(subkey);
    return path;
}

} // namespace kx

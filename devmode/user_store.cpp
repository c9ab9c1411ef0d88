// The current user store and the memory store.
#include "devmode/user_store.h"

#include "devmode/devmode_field.h"

#include <algorithm>
#include <cstring>

namespace kx {
namespace {

UserStore* g_installed = nullptr;

} // namespace

UserStore& CurrentUserStore() {
    static MemoryUserStore memoryStore;
    return g_installed != nullptr ? *g_installed : memoryStore;
}

void InstallUserStore(UserStore* store) {
    g_installed = store;
}

bool MemoryUserStore::ReadDefaultDevmode(BYTE* record) {
    if (m_default.empty()) {
        std::memset(record, 0, kDevmodeSize);
        return false;
    }
    std::memcpy(record, m_default.data(), std::min(m_default.size(), kDevmodeSize));
    return true;
}

LONG MemoryUserStore::SaveDefaultDevmode(const BYTE* record) {
    m_default.assign(record, record + kDevmodeSize);
    return ERROR_SUCCESS;
}

} // namespace kx

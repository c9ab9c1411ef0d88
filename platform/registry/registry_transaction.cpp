// A hive transaction that the registry calls of its thread join.
#include "platform/registry/registry_transaction.h"

#include "platform/registry/registry_hives.h"

namespace kx {

RegistryTransaction::RegistryTransaction(HKEY root) {
    HiveKey key;
    m_status = static_cast<LSTATUS>(ResolvePredefinedKey(HandleValue(root), &key));
    if (m_status != ERROR_SUCCESS)
        return;
    m_status = static_cast<LSTATUS>(key.hive->Begin());
    if (m_status == ERROR_SUCCESS)
        m_hive = std::move(key.hive);
}

RegistryTransaction::~RegistryTransaction() {
    if (m_hive)
        m_hive->Rollback();
}

LSTATUS RegistryTransaction::Commit() {
    if (!m_hive)
        return m_status;
    const auto hive = std::move(m_hive);
    m_status = static_cast<LSTATUS>(hive->Commit());
    return m_status;
}

} // namespace kx

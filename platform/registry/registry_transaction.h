// A write transaction over one hive that the ordinary registry calls of this
// thread join: every change made through the hive between its start and
// Commit is kept together, or none is (a crash, a failed commit, or the
// transaction going out of scope uncommitted).
#pragma once

#include "platform/registry/registry_api.h"

#include <memory>

namespace kx {

class RegistryHive;

class RegistryTransaction {
public:
    /// Begins on the hive a predefined root (HKEY_CURRENT_USER ...) stands
    /// for. The hive's write lock is held until the end: other writers,
    /// threads and processes alike, wait for it.
    explicit RegistryTransaction(HKEY root);
    ~RegistryTransaction();
    RegistryTransaction(const RegistryTransaction&) = delete;
    RegistryTransaction& operator=(const RegistryTransaction&) = delete;

    /// ERROR_SUCCESS once begun; the error of beginning otherwise (the
    /// calls made then are not joined).
    [[nodiscard]] LSTATUS status() const { return m_status; }
    /// Keeps the changes. Returns the error of beginning or of committing;
    /// on error none of the changes is kept.
    [[nodiscard]] LSTATUS Commit();

private:
    std::shared_ptr<RegistryHive> m_hive;
    LSTATUS m_status = ERROR_INVALID_HANDLE;
};

} // namespace kx

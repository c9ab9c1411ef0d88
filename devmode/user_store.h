// The part of the per-user registry store that device-mode sets and the host
// entry use: the stored default device mode and the removal of all items.
#pragma once

#include "platform/base/win_types.h"

#include <vector>

namespace kx {

class UserStore {
public:
    virtual ~UserStore() = default;

    /// Reads the "Default DevMode" snapshot into a 3,555-byte buffer. A
    /// shorter stored value fills only its own length. When there is none,
    /// the buffer is zeroed and the result is false.
    [[nodiscard]] virtual bool ReadDefaultDevmode(BYTE* record) = 0;
    /// Stores a 3,555-byte record as "Default DevMode"; the result is that
    /// of closing the store's key, or the error of writing it.
    [[nodiscard]] virtual LONG SaveDefaultDevmode(const BYTE* record) = 0;
    /// Deletes every stored custom paper, watermark, overlay and favourite;
    /// the error of the first kind that could not be deleted.
    [[nodiscard]] virtual LONG DeleteAllItems() = 0;
};

/// The store in use: the one installed, else a store kept in memory for the
/// life of the process.
UserStore& CurrentUserStore();
/// Makes store current (not owned); nullptr goes back to the memory store.
void InstallUserStore(UserStore* store);

/// A store kept in memory: the store of a process in which the module has
/// not installed its registry store (tests and tools of the lower layers).
class MemoryUserStore : public UserStore {
public:
    bool ReadDefaultDevmode(BYTE* record) override;
    LONG SaveDefaultDevmode(const BYTE* record) override;
    LONG DeleteAllItems() override {
        ++m_deleteAllCount;
        return ERROR_SUCCESS;
    }

    /// Seeds a stored default of any length (a short value models a store
    /// written by an older module).
    void SetStoredDefault(std::vector<BYTE> bytes) { m_default = std::move(bytes); }
    const std::vector<BYTE>& StoredDefault() const { return m_default; }
    void Clear() { m_default.clear(); }
    int DeleteAllCount() const { return m_deleteAllCount; }

private:
    std::vector<BYTE> m_default;
    int m_deleteAllCount = 0;
};

} // namespace kx

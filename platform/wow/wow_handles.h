// The 16-bit names of 32-bit handles: one table per handle type that hands
// out a 16-bit value the first time a 32-bit handle is converted and maps
// it back, so a 16-bit host can hold window handles of any 32-bit value.
#pragma once

#include "platform/wow/wow_api.h"

#include <array>
#include <mutex>
#include <unordered_map>

namespace kx {

class WowHandles {
public:
    static WowHandles& Instance();

    /// 0 for 0; otherwise the handle's 16-bit value, made on first use. 0
    /// also when all 16-bit values of the type are taken.
    WORD To16(DWORD handle32, WOW_HANDLE_TYPE type);
    /// 0 for 0 and for a 16-bit value never handed out.
    DWORD To32(WORD handle16, WOW_HANDLE_TYPE type) const;
    /// Drops a 32-bit handle (a destroyed window) so its 16-bit value finds
    /// nothing any more.
    void Forget(DWORD handle32, WOW_HANDLE_TYPE type);

private:
    // WOW_TYPE_FULLHWND shares the window table.
    static constexpr size_t kTypeCount = WOW_TYPE_HTASK + 1;
    static size_t TableIndex(WOW_HANDLE_TYPE type);

    struct Table {
        std::unordered_map<DWORD, WORD> to16;
        std::unordered_map<WORD, DWORD> to32;
        WORD next = 0;
    };

    mutable std::mutex m_mutex;
    std::array<Table, kTypeCount> m_tables;
};

} // namespace kx

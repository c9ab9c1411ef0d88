// The 16-bit handle tables and WOWHandle16/WOWHandle32.
#include "platform/wow/wow_handles.h"

namespace kx {
namespace {

// 16-bit handles are even and start above the values a 16-bit program
// treats as special, like those of the 16-bit window manager.
constexpr WORD kFirstHandle16 = 0x0100;
constexpr WORD kHandleStep = 4;

} // namespace

WowHandles& WowHandles::Instance() {
    static WowHandles handles;
    return handles;
}

size_t WowHandles::TableIndex(WOW_HANDLE_TYPE type) {
    if (type == WOW_TYPE_FULLHWND)
        return WOW_TYPE_HWND;
    const auto index = static_cast<size_t>(type);
    return index < kTypeCount ? index : kTypeCount;
}

WORD WowHandles::To16(DWORD handle32, WOW_HANDLE_TYPE type) {
    const size_t index = TableIndex(type);
    if (handle32 == 0 || index >= kTypeCount)
        return 0;
    std::lock_guard lock(m_mutex);
    Table& table = m_tables[index];
    if (const auto it = table.to16.find(handle32); it != table.to16.end())
        return it->second;
    for (unsigned tries = 0; tries < 0x10000 / kHandleStep; ++tries) {
        if (table.next < kFirstHandle16)
            table.next = kFirstHandle16;
        const WORD candidate = table.next;
        table.next = static_cast<WORD>(table.next + kHandleStep);
        if (table.to32.contains(candidate))
            continue;
        table.to16.emplace(handle32, candidate);
        table.to32.emplace(candidate, handle32);
        return candidate;
    }
    return 0;
}

DWORD WowHandles::To32(WORD handle16, WOW_HANDLE_TYPE type) const {
    const size_t index = TableIndex(type);
    if (handle16 == 0 || index >= kTypeCount)
        return 0;
    std::lock_guard lock(m_mutex);
    const Table& table = m_tables[index];
    const auto it = table.to32.find(handle16);
    return it == table.to32.end() ? 0 : it->second;
}

void WowHandles::Forget(DWORD handle32, WOW_HANDLE_TYPE type) {
    const size_t index = TableIndex(type);
    if (index >= kTypeCount)
        return;
    std::lock_guard lock(m_mutex);
    Table& table = m_tables[index];
    const auto it = table.to16.find(handle32);
    if (it == table.to16.end())
        return;
    table.to32.erase(it->second);
    table.to16.erase(it);
}

} // namespace kx

extern "C" {

WORD WINAPI WOWHandle16(HANDLE handle, WOW_HANDLE_TYPE type) {
    return kx::WowHandles::Instance().To16(HandleValue(handle), type);
}

HANDLE WINAPI WOWHandle32(WORD handle, WOW_HANDLE_TYPE type) {
    return HandleFromValue<HANDLE>(kx::WowHandles::Instance().To32(handle, type));
}

} // extern "C"

// The simulated 16-bit memory and the WOW pointer calls.
#include "platform/wow/wow_memory.h"

#include "platform/wow/wow_api.h"

#include <cstring>

namespace kx {
namespace {

// Selectors look like those of a 16-bit process's local descriptor table:
// table indicator set and privilege level 3, so the low three bits are 7.
constexpr WORD kSelectorLowBits = 7;
constexpr WORD kFirstIndex = 0x20;
constexpr WORD kLastIndex = 0x1FFF;

constexpr WORD SelectorOf(DWORD vp) {
    return HIWORD(vp);
}
constexpr WORD OffsetOf(DWORD vp) {
    return LOWORD(vp);
}

} // namespace

WowMemory& WowMemory::Instance() {
    static WowMemory memory;
    return memory;
}

WORD WowMemory::AllocateSegment(DWORD size) {
    if (size == 0 || size > kMaxSegmentSize)
        return 0;
    std::lock_guard lock(m_mutex);
    for (int tries = 0; tries <= kLastIndex - kFirstIndex; ++tries) {
        const WORD index = m_nextIndex;
        m_nextIndex = index >= kLastIndex ? kFirstIndex : static_cast<WORD>(index + 1);
        const auto selector = static_cast<WORD>((index << 3) | kSelectorLowBits);
        if (m_segments.contains(selector))
            continue;
        const HostAddress base = HostAddressSpace::Instance().Allocate(size);
        if (base == 0)
            return 0;
        m_segments.emplace(selector, Segment{base, size, 0});
        return selector;
    }
    return 0;
}

bool WowMemory::FreeSegment(WORD selector) {
    std::lock_guard lock(m_mutex);
    const auto it = m_segments.find(selector);
    // A pinned segment is in use through a flat pointer; freeing it would
    // leave that pointer dangling.
    if (it == m_segments.end() || it->second.pins > 0)
        return false;
    HostAddressSpace::Instance().Unregister(it->second.base);
    m_segments.erase(it);
    return true;
}

const WowMemory::Segment* WowMemory::FindLocked(WORD selector) const {
    const auto it = m_segments.find(selector);
    return it == m_segments.end() ? nullptr : &it->second;
}

std::optional<HostAddress> WowMemory::Translate(DWORD vp, DWORD size) const {
    std::lock_guard lock(m_mutex);
    const Segment* segment = FindLocked(SelectorOf(vp));
    const uint64_t end = static_cast<uint64_t>(OffsetOf(vp)) + (size == 0 ? 1 : size);
    if (segment == nullptr || end > segment->size)
        return std::nullopt;
    return segment->base + OffsetOf(vp);
}

void* WowMemory::TranslateToMemory(DWORD vp, DWORD size) const {
    const auto address = Translate(vp, size);
    if (!address)
        return nullptr;
    return HostAddressSpace::Instance().Translate(*address, size == 0 ? 1 : size);
}

bool WowMemory::Pin(DWORD vp) {
    std::lock_guard lock(m_mutex);
    const auto it = m_segments.find(SelectorOf(vp));
    if (it == m_segments.end())
        return false;
    ++it->second.pins;
    return true;
}

bool WowMemory::Unpin(DWORD vp) {
    std::lock_guard lock(m_mutex);
    const auto it = m_segments.find(SelectorOf(vp));
    if (it == m_segments.end())
        return false;
    if (it->second.pins > 0)
        --it->second.pins;
    return true;
}

int WowMemory::PinCount(WORD selector) const {
    std::lock_guard lock(m_mutex);
    const Segment* segment = FindLocked(selector);
    return segment == nullptr ? -1 : segment->pins;
}

bool WowMemory::Write(DWORD vp, const void* bytes, DWORD size) {
    void* target = TranslateToMemory(vp, size);
    if (target == nullptr)
        return false;
    if (size != 0)
        std::memcpy(target, bytes, size);
    return true;
}

} // namespace kx

namespace {

LPVOID TranslateProtected(DWORD vp, DWORD bytes, BOOL protectedMode) {
    if (!protectedMode) {
        SetLastError(ERROR_INVALID_ADDRESS);
        return nullptr;
    }
    void* memory = kx::WowMemory::Instance().TranslateToMemory(vp, bytes);
    if (memory == nullptr)
        SetLastError(ERROR_INVALID_ADDRESS);
    return memory;
}

} // namespace

extern "C" {

LPVOID WINAPI WOWGetVDMPointer(DWORD vp, DWORD dwBytes, BOOL fProtectedMode) {
    return TranslateProtected(vp, dwBytes, fProtectedMode);
}

LPVOID WINAPI WOWGetVDMPointerFix(DWORD vp, DWORD dwBytes, BOOL fProtectedMode) {
    LPVOID memory = TranslateProtected(vp, dwBytes, fProtectedMode);
    if (memory != nullptr)
        kx::WowMemory::Instance().Pin(vp);
    return memory;
}

void WINAPI WOWGetVDMPointerUnfix(DWORD vp) {
    kx::WowMemory::Instance().Unpin(vp);
}

} // extern "C"

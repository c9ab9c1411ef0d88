// The simulated 16-bit memory: segments of up to 64 KiB, each backed by a
// block of the host address space and named by a protected-mode selector, so
// a 16:16 address translates both to memory and to a 32-bit host address.
#pragma once

#include "platform/base/host_memory.h"
#include "platform/base/win_types.h"

#include <map>
#include <mutex>
#include <optional>

namespace kx {

class WowMemory {
public:
    static constexpr DWORD kMaxSegmentSize = 0x10000;

    static WowMemory& Instance();

    /// A zeroed segment of `size` bytes (1 to 64 KiB); returns its selector,
    /// or 0 when the size is out of range or no selector is left.
    WORD AllocateSegment(DWORD size);
    /// Frees a segment; refused (false) while it is pinned or when unknown.
    bool FreeSegment(WORD selector);

    /// The 32-bit host address of [vp, vp + size), or nothing when the
    /// selector is unknown or the range leaves its segment. A size of 0 is
    /// checked as 1 byte.
    std::optional<HostAddress> Translate(DWORD vp, DWORD size) const;
    void* TranslateToMemory(DWORD vp, DWORD size) const;

    /// Raises or lowers the pin count of the segment of vp; Unpin never goes
    /// below 0. False for an unknown selector.
    bool Pin(DWORD vp);
    bool Unpin(DWORD vp);
    /// -1 for an unknown selector.
    int PinCount(WORD selector) const;

    /// Copies bytes into a segment at a 16:16 address (the host placing a
    /// record); false when the range leaves the segment.
    bool Write(DWORD vp, const void* bytes, DWORD size);

    static constexpr DWORD MakeAddress(WORD selector, WORD offset) {
        return (static_cast<DWORD>(selector) << 16) | offset;
    }

private:
    struct Segment {
        HostAddress base;
        DWORD size;
        int pins;
    };

    const Segment* FindLocked(WORD selector) const;

    mutable std::mutex m_mutex;
    std::map<WORD, Segment> m_segments;
    WORD m_nextIndex = 0x20;
};

} // namespace kx

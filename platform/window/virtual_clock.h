// The clock that timers and GetTickCount run on. It stands still until the
// host or a test advances it, so nothing depends on wall time.
#pragma once

#include "platform/base/win_types.h"

namespace kx {

class VirtualClock {
public:
    /// Milliseconds since the process started its clock.
    static uint64_t Now();

    /// Moves the clock forward, firing every timer that falls due on the way
    /// in time order (a periodic timer fires once per elapsed period).
    static void Advance(uint64_t milliseconds);

    /// Milliseconds until the next timer falls due, or -1 when none runs.
    static int64_t UntilNextTimer();
};

} // namespace kx

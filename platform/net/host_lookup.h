// Name lookup with a bounded wait: the resolver runs on a worker thread, and
// a caller that waits longer than the time-out gets "try again" while the
// worker finishes on its own.
#pragma once

#include "platform/base/win_types.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kx {

using Ipv4Address = std::array<uint8_t, 4>;

enum class LookupStatus { Found, NotFound, TimedOut };

struct LookupResult {
    LookupStatus status = LookupStatus::NotFound;
    Ipv4Address address{};
    std::string canonicalName;
};

/// A resolver: the system's (getaddrinfo) unless a test installs another.
using HostResolver = std::function<LookupResult(const std::string& name)>;

LookupResult ResolveWithSystem(const std::string& name);
/// An empty function restores the system's resolver.
void SetHostResolver(HostResolver resolver);

/// Resolves on a worker thread, waiting at most `timeoutMilliseconds`.
LookupResult LookupIpv4(const std::string& name, DWORD timeoutMilliseconds);

} // namespace kx

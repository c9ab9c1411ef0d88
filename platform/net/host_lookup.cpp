// Bounded name lookup over getaddrinfo.
#include "platform/net/host_lookup.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>

namespace kx {
namespace {

std::mutex g_resolverMutex;
HostResolver g_resolver;

// Shared by the caller and the worker, so a worker that outlives a timed-out
// caller still has somewhere to put its answer.
struct PendingLookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    LookupResult result;
};

HostResolver CurrentResolver() {
    std::lock_guard lock(g_resolverMutex);
    return g_resolver ? g_resolver : HostResolver(ResolveWithSystem);
}

} // namespace

LookupResult ResolveWithSystem(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* found = nullptr;
    LookupResult result;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return result;
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, freeaddrinfo);
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET || entry->ai_addrlen < sizeof(sockaddr_in))
            continue;
        sockaddr_in address{};
        std::memcpy(&address, entry->ai_addr, sizeof address);
        std::memcpy(result.address.data(), &address.sin_addr.s_addr, 4);
        result.status = LookupStatus::Found;
        result.canonicalName = found->ai_canonname != nullptr ? found->ai_canonname : name;
        break;
    }
    return result;
}

void SetHostResolver(HostResolver resolver) {
    std::lock_guard lock(g_resolverMutex);
    g_resolver = std::move(resolver);
}

LookupResult LookupIpv4(const std::string& name, DWORD timeoutMilliseconds) {
    auto pending = std::make_shared<PendingLookup>();
    try {
        std::thread([pending, name, resolver = CurrentResolver()] {
            LookupResult result = resolver(name);
            std::lock_guard lock(pending->mutex);
            pending->result = std::move(result);
            pending->finished = true;
            pending->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return CurrentResolver()(name);
    }
    std::unique_lock lock(pending->mutex);
    if (!pending->done.wait_for(lock, std::chrono::milliseconds(timeoutMilliseconds),
                                [&] { return pending->finished; }))
        return LookupResult{LookupStatus::TimedOut, {}, {}};
    return pending->result;
}

} // namespace kx

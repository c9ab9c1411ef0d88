// WSAStartup/WSACleanup, gethostbyname and inet_ntoa.
#include "platform/net/winsock_api.h"

#include "platform/net/host_lookup.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::atomic<int> g_startups{0};
std::atomic<DWORD> g_lookupTimeout{5000};
thread_local int t_lastError = 0;

// One record per thread, as the system keeps one per thread.
struct HostRecord {
    std::string name;
    char* aliases[1] = {nullptr};
    char address[4] = {};
    char* addresses[2] = {nullptr, nullptr};
    HOSTENT entry{};
};
thread_local HostRecord t_host;
thread_local char t_dotted[16];

// Versions are (minor << 8) | major.
constexpr WORD kHighestVersion = 0x0202;

bool VersionSupported(WORD version) {
    return LOBYTE(version) >= 1;
}

// A request above the highest version is granted the highest one.
WORD GrantedVersion(WORD requested) {
    const bool above = LOBYTE(requested) > LOBYTE(kHighestVersion) ||
                       (LOBYTE(requested) == LOBYTE(kHighestVersion) &&
                        HIBYTE(requested) > HIBYTE(kHighestVersion));
    return above ? kHighestVersion : requested;
}

} // namespace

extern "C" {

int WINAPI WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData) {
    if (lpWSAData == nullptr)
        return WSAEFAULT;
    if (!VersionSupported(wVersionRequested))
        return WSAVERNOTSUPPORTED;
    std::memset(lpWSAData, 0, sizeof *lpWSAData);
    lpWSAData->wVersion = GrantedVersion(wVersionRequested);
    lpWSAData->wHighVersion = kHighestVersion;
    std::snprintf(lpWSAData->szDescription, sizeof lpWSAData->szDescription, "WinSock 2.0");
    std::snprintf(lpWSAData->szSystemStatus, sizeof lpWSAData->szSystemStatus, "Running");
    ++g_startups;
    return 0;
}

int WINAPI WSACleanup() {
    int current = g_startups.load();
    while (current > 0 && !g_startups.compare_exchange_weak(current, current - 1)) {
    }
    if (current <= 0) {
        t_lastError = WSANOTINITIALISED;
        return -1;
    }
    return 0;
}

int WINAPI WSAGetLastError() {
    return t_lastError;
}

} // extern "C"

HOSTENT* WINAPI gethostbyname(const char* name) {
    if (g_startups.load() <= 0) {
        t_lastError = WSANOTINITIALISED;
        return nullptr;
    }
    if (name == nullptr || *name == '\0') {
        t_lastError = WSAHOST_NOT_FOUND;
        return nullptr;
    }
    const kx::LookupResult found = kx::LookupIpv4(name, g_lookupTimeout.load());
    if (found.status != kx::LookupStatus::Found) {
        t_lastError = found.status == kx::LookupStatus::TimedOut ? WSATRY_AGAIN : WSAHOST_NOT_FOUND;
        return nullptr;
    }
    HostRecord& record = t_host;
    record.name = found.canonicalName;
    std::memcpy(record.address, found.address.data(), 4);
    record.addresses[0] = record.address;
    record.entry.h_name = record.name.data();
    record.entry.h_aliases = record.aliases;
    record.entry.h_addrtype = AF_INET_WINDOWS;
    record.entry.h_length = 4;
    record.entry.h_addr_list = record.addresses;
    t_lastError = 0;
    return &record.entry;
}

char* WINAPI inet_ntoa(IN_ADDR in) {
    std::snprintf(t_dotted, sizeof t_dotted, "%u.%u.%u.%u", in.S_un.S_un_b.s_b1,
                  in.S_un.S_un_b.s_b2, in.S_un.S_un_b.s_b3, in.S_un.S_un_b.s_b4);
    return t_dotted;
}

namespace kx {

void SetHostLookupTimeout(DWORD milliseconds) {
    g_lookupTimeout = milliseconds;
}

} // namespace kx

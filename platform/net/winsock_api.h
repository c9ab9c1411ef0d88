// The socket library's start-up and the name lookup the module uses:
// WSAStartup/WSACleanup, gethostbyname (first IPv4 address) and inet_ntoa.
//
// The C library owns the names `struct hostent`, `struct in_addr` and the C
// symbols gethostbyname and inet_ntoa, so here the structures go by their
// Windows typedef names HOSTENT and IN_ADDR, and the two functions have C++
// linkage. A source file must not include this header together with
// <netdb.h> or <arpa/inet.h>.
#pragma once

#include "platform/base/win_types.h"

constexpr int WSADESCRIPTION_LEN = 256;
constexpr int WSASYS_STATUS_LEN = 128;
constexpr int WSAEFAULT = 10014;
constexpr int WSAVERNOTSUPPORTED = 10092;
constexpr int WSANOTINITIALISED = 10093;
constexpr int WSAHOST_NOT_FOUND = 11001;
constexpr int WSATRY_AGAIN = 11002;
constexpr int WSANO_DATA = 11004;
constexpr short AF_INET_WINDOWS = 2;

struct WSADATA {
    WORD wVersion;
    WORD wHighVersion;
    unsigned short iMaxSockets;
    unsigned short iMaxUdpDg;
    char* lpVendorInfo;
    char szDescription[WSADESCRIPTION_LEN + 1];
    char szSystemStatus[WSASYS_STATUS_LEN + 1];
};
using LPWSADATA = WSADATA*;

struct IN_ADDR {
    union {
        struct {
            BYTE s_b1, s_b2, s_b3, s_b4;
        } S_un_b;
        ULONG S_addr; // network byte order
    } S_un;
};

struct HOSTENT {
    char* h_name;
    char** h_aliases;
    short h_addrtype;
    short h_length;
    char** h_addr_list;
};

extern "C" {
/// Versions are (minor << 8) | major. Any version from 1.0 on is accepted,
/// one above 2.2 is granted 2.2; each successful call must be matched by one
/// WSACleanup.
KXAPI int WINAPI WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData);
KXAPI int WINAPI WSACleanup();
KXAPI int WINAPI WSAGetLastError();
}

/// The first IPv4 address of a name (a dotted address is taken as it is).
/// The record lives in thread-local storage until the thread's next call.
/// NULL with WSAHOST_NOT_FOUND, or WSATRY_AGAIN when the lookup took longer
/// than the lookup time-out, or WSANOTINITIALISED without WSAStartup.
KXAPI HOSTENT* WINAPI gethostbyname(const char* name);
/// Dotted form in thread-local storage until the thread's next call.
KXAPI char* WINAPI inet_ntoa(IN_ADDR in);

namespace kx {

/// The longest wait for one name lookup (5 seconds unless set).
void SetHostLookupTimeout(DWORD milliseconds);

} // namespace kx

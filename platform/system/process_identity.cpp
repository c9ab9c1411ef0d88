// The process and thread identifiers the system hands out.
#include "platform/system/system_api.h"

#include <sys/syscall.h>
#include <unistd.h>

extern "C" {

KXAPI DWORD WINAPI GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}

// The kernel's thread id: unique among the running threads of the system,
// like the identifiers the 16-bit task list records.
KXAPI DWORD WINAPI GetCurrentThreadId() {
    thread_local const DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
    return id;
}

} // extern "C"

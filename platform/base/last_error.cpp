// The per-thread last-error value of the Win32 calls.
#include "platform/base/win_types.h"

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
}

extern "C" {
DWORD WINAPI GetLastError() {
    return t_lastError;
}
void WINAPI SetLastError(DWORD error) {
    t_lastError = error;
}
}

// Kernel objects behind HANDLE values.
#include "platform/base/kernel_object.h"

namespace kx {

HandleTable<KernelObject>& KernelHandles() {
    static HandleTable<KernelObject> table(0x100);
    return table;
}

HANDLE AddKernelObject(std::shared_ptr<KernelObject> object) {
    return HandleFromValue<HANDLE>(KernelHandles().Add(std::move(object)));
}

} // namespace kx

extern "C" BOOL WINAPI CloseHandle(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE ||
        kx::KernelHandles().Remove(HandleValue(handle)) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

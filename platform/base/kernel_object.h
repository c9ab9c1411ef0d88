// Kernel objects behind HANDLE values (files, find searches, threads ...),
// closed through CloseHandle whatever their kind.
#pragma once

#include "platform/base/handle_table.h"
#include "platform/base/win_types.h"

#include <memory>

namespace kx {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

/// The process's table of kernel handles.
HandleTable<KernelObject>& KernelHandles();

HANDLE AddKernelObject(std::shared_ptr<KernelObject> object);

/// The object behind `handle` if it is a T, else nullptr.
template <typename T>
std::shared_ptr<T> FindKernelObject(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(KernelHandles().Find(HandleValue(handle)));
}

} // namespace kx

extern "C" {
/// Closes any kernel handle; FALSE with ERROR_INVALID_HANDLE for an unknown one.
KXAPI BOOL WINAPI CloseHandle(HANDLE handle);
}

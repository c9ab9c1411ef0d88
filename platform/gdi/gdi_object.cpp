// The process's table of drawing objects.
#include "platform/gdi/gdi_object.h"

#include "platform/base/handle_table.h"

namespace kx {
namespace {

HandleTable<GdiObject>& Objects() {
    static HandleTable<GdiObject> table(0x00100000);
    return table;
}

} // namespace

HGDIOBJ AddGdiObject(std::shared_ptr<GdiObject> object) {
    if (object == nullptr)
        return nullptr;
    return HandleFromValue<HGDIOBJ>(Objects().Add(std::move(object)));
}

std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ handle) {
    if (handle == nullptr)
        return nullptr;
    return Objects().Find(HandleValue(handle));
}

bool RemoveGdiObject(HGDIOBJ handle) {
    auto object = FindGdiObject(handle);
    if (object == nullptr || object->IsStock())
        return object != nullptr;
    return Objects().Remove(HandleValue(handle)) != nullptr;
}

} // namespace kx

extern "C" {

BOOL WINAPI DeleteObject(HGDIOBJ object) {
    if (!kx::RemoveGdiObject(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
    auto found = kx::FindGdiObject(object);
    if (found == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return found->Describe(size, buffer);
}

} // extern "C"

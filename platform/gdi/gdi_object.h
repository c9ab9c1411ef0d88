// The drawing objects behind HGDIOBJ handles (pens, brushes, fonts, bitmaps,
// regions) and the process's table of them, stock objects included.
#pragma once

#include "platform/gdi/gdi_types.h"

#include <memory>

namespace kx {

class GdiObject {
public:
    virtual ~GdiObject() = default;
    /// OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP or OBJ_REGION.
    virtual DWORD Type() const = 0;
    /// GetObjectW: bytes written, or the size needed when `buffer` is NULL.
    virtual int Describe(int size, void* buffer) const = 0;

    bool IsStock() const { return m_stock; }
    void MarkStock() { m_stock = true; }

private:
    bool m_stock = false;
};

HGDIOBJ AddGdiObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ handle);
/// Forgets the handle; the object lives on where it is still selected.
bool RemoveGdiObject(HGDIOBJ handle);

template <typename T>
std::shared_ptr<T> FindGdiObjectAs(HGDIOBJ handle) {
    return std::dynamic_pointer_cast<T>(FindGdiObject(handle));
}

/// Copies a plain structure into GetObjectW's buffer.
template <typename T>
int DescribeAs(const T& value, int size, void* buffer) {
    if (buffer == nullptr)
        return static_cast<int>(sizeof(T));
    if (size < static_cast<int>(sizeof(T)))
        return 0;
    *static_cast<T*>(buffer) = value;
    return static_cast<int>(sizeof(T));
}

/// A handle and the object it named when selected, so that deleting the
/// handle cannot pull the object from under a DC.
template <typename T>
struct Selection {
    HGDIOBJ handle = nullptr;
    std::shared_ptr<T> object;
};

} // namespace kx

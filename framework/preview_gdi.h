// Owners of the drawing objects a preview makes while it paints: GDI
// objects, selections, saved DC states and memory DCs.
#pragma once

#include "platform/gdi/gdi.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace kx {

/// Owns one GDI object (pen, brush, font, bitmap, region) and deletes it.
template <typename Handle>
class GdiOwner {
public:
    GdiOwner() = default;
    explicit GdiOwner(Handle handle) : m_handle(handle) {}
    ~GdiOwner() { Reset(); }
    GdiOwner(GdiOwner&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiOwner& operator=(GdiOwner&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    GdiOwner(const GdiOwner&) = delete;
    GdiOwner& operator=(const GdiOwner&) = delete;

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (m_handle != nullptr)
            DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

/// Selects an object into a DC for one scope; a null object selects nothing.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_old(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (m_old != nullptr)
            SelectObject(m_dc, m_old);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

/// Keeps a DC's state (clipping, colours, modes, objects) for one scope.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    ~SavedDc() {
        if (m_saved != 0)
            RestoreDC(m_dc, m_saved);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

/// A memory DC compatible with another, deleted with the scope.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDc() {
        if (m_dc != nullptr)
            DeleteDC(m_dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
};

inline GdiOwner<HPEN> SolidPen(COLORREF colour) {
    return GdiOwner<HPEN>(CreatePen(PS_SOLID, 1, colour));
}
inline GdiOwner<HBRUSH> SolidBrush(COLORREF colour) {
    return GdiOwner<HBRUSH>(CreateSolidBrush(colour));
}

/// A font of the face, pixel height (cell height), weight and italic,
/// turned by `escapement` tenths of a degree.
inline GdiOwner<HFONT> PreviewFont(std::u16string_view face, int height, int weight, bool italic,
                                   int escapement) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfWeight = weight;
    font.lfItalic = italic ? 1 : 0;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    const size_t length = std::min<size_t>(face.size(), 31);
    for (size_t i = 0; i < length; ++i)
        font.lfFaceName[i] = face[i];
    return GdiOwner<HFONT>(CreateFontIndirectW(&font));
}

inline LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}
inline LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

} // namespace kx

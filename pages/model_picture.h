// ModelPicture: a bitmap file of the model beside the module (the printer
// and colour pictures), kept as a DIB section so its pixels can be adjusted.
#pragma once

#include "framework/preview_gdi.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kx {

/// The path of a model picture: the module's folder, the driver's base
/// name, then the picture's name (".Bmp", "C.Bmp", "12.Bmp").
std::u16string ModelPicturePath(std::u16string_view name);

class ModelPicture {
public:
    /// Loads the picture; false (and empty) when the file cannot be read.
    bool Load(std::u16string_view name);
    void Reset();
    bool IsEmpty() const { return !m_bitmap; }
    SIZE Size() const { return m_size; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    /// The rows of a 24-bit picture as the file keeps them (blue, green,
    /// red; rows padded to four bytes); empty for other depths.
    std::span<uint8_t> Pixels24();
    size_t Stride() const { return m_stride; }
    /// Whether the rows run from the top line down (else the last line first).
    bool TopDown() const { return m_topDown; }

    /// Draws the picture at its own size centred in `target`, clipped to it.
    void DrawCentred(HDC dc, const RECT& target) const;

private:
    GdiOwner<HBITMAP> m_bitmap;
    SIZE m_size{};
    int m_bitsPerPixel = 0;
    size_t m_stride = 0;
    void* m_bits = nullptr;
    bool m_topDown = false;
};

} // namespace kx

// Model pictures loaded from the driver's folder.
#include "pages/model_picture.h"

#include "framework/kromaui_app.h"

namespace kx {
namespace {

constexpr int kTrueColour = 24;

} // namespace

std::u16string ModelPicturePath(std::u16string_view name) {
    const ModuleFileNames& names = TheApp().names;
    return names.moduleDirectory + names.driverBaseName + std::u16string(name);
}

bool ModelPicture::Load(std::u16string_view name) {
    Reset();
    const std::u16string path = ModelPicturePath(name);
    m_bitmap.Reset(static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    DIBSECTION section{};
    if (!m_bitmap ||
        GetObjectW(m_bitmap.get(), sizeof section, &section) != static_cast<int>(sizeof section) ||
        section.dsBm.bmWidth <= 0 || section.dsBm.bmHeight == 0) {
        Reset();
        return false;
    }
    m_size = SIZE{section.dsBm.bmWidth,
                  section.dsBm.bmHeight < 0 ? -section.dsBm.bmHeight : section.dsBm.bmHeight};
    m_bitsPerPixel = section.dsBm.bmBitsPixel;
    m_stride = static_cast<size_t>(section.dsBm.bmWidthBytes);
    m_bits = section.dsBm.bmBits;
    m_topDown = section.dsBmih.biHeight < 0;
    return true;
}

void ModelPicture::Reset() {
    m_bitmap.Reset();
    m_size = SIZE{};
    m_bitsPerPixel = 0;
    m_stride = 0;
    m_bits = nullptr;
    m_topDown = false;
}

std::span<uint8_t> ModelPicture::Pixels24() {
    if (m_bits == nullptr || m_bitsPerPixel != kTrueColour)
        return {};
    return {static_cast<uint8_t*>(m_bits), m_stride * static_cast<size_t>(m_size.cy)};
}

void ModelPicture::DrawCentred(HDC dc, const RECT& target) const {
    if (IsEmpty())
        return;
    MemoryDc source(dc);
    if (!source)
        return;
    SelectedObject selected(source.get(), m_bitmap.get());
    SavedDc saved(dc);
    IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
    const LONG left = (target.left + target.right) / 2 - m_size.cx / 2;
    const LONG top = (target.top + target.bottom) / 2 - m_size.cy / 2;
    BitBlt(dc, left, top, m_size.cx, m_size.cy, source.get(), 0, 0, SRCCOPY);
}

} // namespace kx

// Loading and drawing of the model's pictures, and the picture button.
#include "framework/kx_pictures.h"

#include "framework/kromaui_app.h"
#include "framework/kx_paint_scope.h"
#include "platform/base/text.h"

#include <algorithm>
#include <string>
#include <utility>

namespace kx {
namespace {

constexpr std::u16string_view kPictureExtension = u".bmp";

/// The resource name of a picture file: "L.bmp" is the bitmap "L".
std::u16string ResourceName(std::u16string_view fileName) {
    if (fileName.size() > kPictureExtension.size() &&
        EqualsNoCase(fileName.substr(fileName.size() - kPictureExtension.size()),
                     kPictureExtension))
        fileName.remove_suffix(kPictureExtension.size());
    return std::u16string(fileName);
}

LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}
LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

} // namespace

void CKxPicture::Load(HMODULE library, std::u16string_view fileName) {
    Reset();
    if (!library || fileName.empty())
        return;
    const std::u16string name = ResourceName(fileName);
    m_bitmap = static_cast<HBITMAP>(
        LoadImageW(library, name.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP info{};
    if (m_bitmap && GetObjectW(m_bitmap, sizeof(info), &info) == sizeof(info) && info.bmWidth > 0 &&
        info.bmHeight != 0) {
        m_size = SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
        return;
    }
    Reset();
}

void CKxPicture::Reset() {
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_size = SIZE{};
}

RECT CKxPicture::Placement(SIZE picture, const RECT& target, PictureFit fit) {
    if (picture.cx <= 0 || picture.cy <= 0 || Width(target) <= 0 || Height(target) <= 0)
        return RECT{target.left, target.top, target.left, target.top};
    SIZE shown = picture;
    if (fit == PictureFit::Scale) {
        // Compare the two ratios by cross-multiplying, in 64 bits.
        const auto byWidth = static_cast<int64_t>(Width(target)) * picture.cy;
        const auto byHeight = static_cast<int64_t>(Height(target)) * picture.cx;
        if (byWidth <= byHeight)
            shown =
                SIZE{Width(target), static_cast<LONG>(std::max<int64_t>(1, byWidth / picture.cx))};
        else
            shown = SIZE{static_cast<LONG>(std::max<int64_t>(1, byHeight / picture.cy)),
                         Height(target)};
    }
    const LONG left = target.left + (Width(target) - shown.cx) / 2;
    const LONG top = target.top + (Height(target) - shown.cy) / 2;
    return RECT{left, top, left + shown.cx, top + shown.cy};
}

void CKxPicture::Draw(HDC dc, const RECT& target, PictureFit fit) const {
    if (IsEmpty())
        return;
    const RECT place = Placement(m_size, target, fit);
    if (Width(place) <= 0 || Height(place) <= 0)
        return;
    const HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    const HGDIOBJ old = SelectObject(source, m_bitmap);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, place.left, place.top, Width(place), Height(place), source, 0, 0, m_size.cx,
               m_size.cy, SRCCOPY);
    RestoreDC(dc, saved);
    SelectObject(source, old);
    DeleteDC(source);
}

void CKxPictureStatic::SetPicture(std::u16string_view fileName) {
    SetPicture(fileName, TheApp().resourceLibrary);
}

void CKxPictureStatic::SetPicture(std::u16string_view fileName, HMODULE library) {
    m_picture.Load(library, fileName);
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CKxPictureStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return CStatic::WindowProc(message, wParam, lParam);
    PaintControl();
    return 0;
}

void CKxPictureStatic::PaintControl() {
    CKxPaintScope paint(m_hWnd);
    EraseWithParentBrush(m_hWnd, paint.dc(), WM_CTLCOLORSTATIC);
    m_picture.Draw(paint.dc(), paint.client(), m_fit);
}

LRESULT CKxButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetPressed(true);
        return 0;
    case WM_LBUTTONUP:
        if (m_pressed) {
            SetPressed(false);
            ReportClick();
        }
        return 0;
    case BM_CLICK:
        ReportClick();
        return 0;
    case BM_GETSTATE:
        return m_pressed ? BST_PUSHED : 0;
    case BM_SETSTATE:
        SetPressed(wParam != 0);
        return 0;
    default:
        return CKxPictureStatic::WindowProc(message, wParam, lParam);
    }
}

void CKxButton::SetPressed(bool pressed) {
    if (std::exchange(m_pressed, pressed) != pressed && m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CKxButton::ReportClick() {
    if (const HWND parent = GetParent())
        ::SendMessageW(parent, WM_COMMAND,
                       MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

void CKxButton::PaintControl() {
    CKxPaintScope paint(m_hWnd);
    RECT face = paint.client();
    FillRect(paint.dc(), &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(paint.dc(), &face, m_pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    InflateRect(&face, -1, -1);
    if (m_pressed)
        OffsetRect(&face, 1, 1);
    m_picture.Draw(paint.dc(), face, m_fit);
}

} // namespace kx

// Finding, loading and drawing the About pages' pictures.
#include "utilities/about_pictures.h"

#include "framework/kromaui_app.h"
#include "framework/kx_paint_scope.h"
#include "framework/preview_gdi.h"
#include "platform/files/file_api.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/user_draw_api.h"
#include "platform/window/paint_api.h"
#include "platform/window/window_api.h"

namespace kx {
namespace {

// 8 bits a pixel are 256 colours: the high-colour pictures need more.
constexpr int kPaletteBits = 8;

bool FileExists(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

std::optional<std::u16string>
FindAboutPicture(const ModuleFileNames& names, const AboutPictureNames& picture,
                 int screenColourBits,
                 const std::function<bool(const std::u16string& path)>& exists) {
    const auto lookFor = [&](std::u16string_view name) -> std::optional<std::u16string> {
        if (name.empty())
            return std::nullopt;
        for (const std::u16string* base : {&names.driverBaseName, &names.moduleBaseName}) {
            std::u16string path = names.moduleDirectory + *base + std::u16string(name);
            if (exists(path))
                return path;
        }
        return std::nullopt;
    };
    if (screenColourBits > kPaletteBits) {
        if (auto found = lookFor(picture.highColour))
            return found;
    }
    return lookFor(picture.normal);
}

int ScreenColourBits() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 0;
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits;
}

CAboutPicture::~CAboutPicture() {
    Release();
}

void CAboutPicture::Release() {
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_size = SIZE{};
    m_path.clear();
}

bool CAboutPicture::Show(const AboutPictureNames& picture) {
    Release();
    const auto path = FindAboutPicture(TheApp().names, picture, ScreenColourBits(), FileExists);
    if (path) {
        m_bitmap = static_cast<HBITMAP>(
            LoadImageW(nullptr, path->c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        BITMAP info{};
        if (m_bitmap != nullptr &&
            GetObjectW(m_bitmap, sizeof info, &info) == static_cast<int>(sizeof info) &&
            info.bmWidth > 0 && info.bmHeight != 0) {
            m_size = SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
            m_path = *path;
        } else {
            Release();
        }
    }
    if (m_hWnd != nullptr) {
        ::ShowWindow(m_hWnd, HasPicture() ? SW_SHOW : SW_HIDE);
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    return HasPicture();
}

LRESULT CAboutPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return CStatic::WindowProc(message, wParam, lParam);
    PaintControl();
    return 0;
}

void CAboutPicture::PaintControl() {
    CKxPaintScope paint(m_hWnd);
    const RECT& client = paint.client();
    EraseWithParentBrush(m_hWnd, paint.dc(), WM_CTLCOLORSTATIC);
    if (m_bitmap == nullptr)
        return;
    MemoryDc source(paint.dc());
    if (!source)
        return;
    SelectedObject selected(source.get(), m_bitmap);
    SavedDc saved(paint.dc());
    IntersectClipRect(paint.dc(), client.left, client.top, client.right, client.bottom);
    const LONG left = (client.left + client.right - m_size.cx) / 2;
    const LONG top = (client.top + client.bottom - m_size.cy) / 2;
    BitBlt(paint.dc(), left, top, m_size.cx, m_size.cy, source.get(), 0, 0, SRCCOPY);
}

} // namespace kx

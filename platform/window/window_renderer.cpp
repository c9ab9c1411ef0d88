// Rendering a window tree into a bitmap: each visible window gets its frame
// and caption drawn here, then WM_ERASEBKGND and WM_PAINT with a DC placed at
// its client area and clipped to what its parents show, back to front.
#include "platform/gdi/dc_origin.h"
#include "platform/window/paint_api.h"
#include "platform/window/rect_api.h"
#include "platform/window/screen_damage.h"
#include "platform/window/window_painting.h"
#include "platform/window/window_world.h"

#include <algorithm>

namespace kx {
namespace {

constexpr int kCaptionHeight = 18;

struct Canvas {
    HDC dc = nullptr;
    POINT origin{}; ///< The rendered window's top-left on the screen.
};

RECT Intersect(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

/// Places the DC so that (0,0) is the given screen point, clipped to the
/// visible screen rectangle.
void Place(const Canvas& canvas, POINT at, const RECT& visible) {
    SetDcOrigin(canvas.dc, POINT{at.x - canvas.origin.x, at.y - canvas.origin.y});
    SetViewportOrgEx(canvas.dc, 0, 0, nullptr);
    SelectClipRgn(canvas.dc, nullptr);
    IntersectClipRect(canvas.dc, visible.left - at.x, visible.top - at.y, visible.right - at.x,
                      visible.bottom - at.y);
}

HFONT CaptionFont() {
    static HFONT font = CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                    0, 0, 0, u"MS Shell Dlg");
    return font;
}

void DrawCaptionButton(HDC dc, RECT box, const char16_t* glyph) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &box, EDGE_RAISED, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, glyph, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawCaption(HDC dc, const Window& window, RECT& inner) {
    RECT bar{inner.left, inner.top, inner.right, inner.top + kCaptionHeight};
    FillRect(dc, &bar, GetSysColorBrush(COLOR_ACTIVECAPTION));
    RECT button{bar.right - 18, bar.top + 2, bar.right - 2, bar.bottom - 2};
    if (window.style & WS_SYSMENU) {
        DrawCaptionButton(dc, button, u"x");
        OffsetRect(&button, -18, 0);
    }
    if (window.exStyle & WS_EX_CONTEXTHELP)
        DrawCaptionButton(dc, button, u"?");
    RECT text{bar.left + 4, bar.top, button.left - 2, bar.bottom};
    const HGDIOBJ previous = SelectObject(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    DrawTextW(dc, window.text.c_str(), static_cast<int>(window.text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, previous);
    // One line of face colour under the caption, as the classic frame has.
    RECT gap{inner.left, bar.bottom, inner.right, bar.bottom + 1};
    FillRect(dc, &gap, GetSysColorBrush(COLOR_BTNFACE));
    inner.top = gap.bottom;
}

/// Frame, caption and edges, in window coordinates (0,0 = top-left).
void DrawNonClient(HDC dc, const Window& window, LONG width, LONG height) {
    RECT inner{0, 0, width, height};
    if (window.style & WS_THICKFRAME || (window.style & WS_DLGFRAME) ||
        (window.exStyle & WS_EX_DLGMODALFRAME)) {
        DrawEdge(dc, &inner, EDGE_RAISED, BF_RECT | BF_ADJUST);
        const int face = (window.style & WS_THICKFRAME) ? 2 : 1;
        for (int i = 0; i < face; ++i) {
            FrameRect(dc, &inner, GetSysColorBrush(COLOR_BTNFACE));
            InflateRect(&inner, -1, -1);
        }
    } else if (window.style & WS_BORDER) {
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&inner, -1, -1);
    }
    if ((window.style & WS_CAPTION) == WS_CAPTION)
        DrawCaption(dc, window, inner);
    if (window.exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (window.exStyle & WS_EX_STATICEDGE)
        DrawEdge(dc, &inner, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

void PaintTree(const Canvas& canvas, HWND handle, const RECT& parentVisible) {
    auto window = World().windows.Find(HandleValue(handle));
    if (!window || !(window->style & WS_VISIBLE))
        return;
    RECT outer{};
    GetWindowRect(handle, &outer);
    const RECT visible = Intersect(outer, parentVisible);
    if (IsEmpty(visible))
        return;
    SaveDC(canvas.dc);
    Place(canvas, POINT{outer.left, outer.top}, visible);
    DrawNonClient(canvas.dc, *window, outer.right - outer.left, outer.bottom - outer.top);
    RECT client{};
    GetClientRect(handle, &client);
    POINT clientOrigin{0, 0};
    ClientToScreen(handle, &clientOrigin);
    if (window->exStyle & WS_EX_LAYOUTRTL)
        clientOrigin.x -=
            client.right; // FIXME: contents drawn unmirrored; the drawing layer has no mirrored DCs
    const RECT clientOnScreen{clientOrigin.x, clientOrigin.y, clientOrigin.x + client.right,
                              clientOrigin.y + client.bottom};
    const RECT clientVisible = Intersect(clientOnScreen, visible);
    if (!IsEmpty(clientVisible)) {
        Place(canvas, clientOrigin, clientVisible);
        const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0));
        SelectObject(canvas.dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        {
            PaintScope scope(handle, canvas.dc, client);
            SendMessageW(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc), 0);
            if (IsWindow(handle))
                SendMessageW(handle, WM_PAINT, 0, 0);
        }
    }
    RestoreDC(canvas.dc, -1);
    if (!IsWindow(handle) || IsEmpty(clientVisible))
        return;
    // Children back to front: the list holds the topmost first.
    const std::vector<HWND> children = window->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        PaintTree(canvas, *it, clientVisible);
}

} // namespace

HBITMAP RenderWindow(HWND window) {
    RECT outer{};
    if (!GetWindowRect(window, &outer) || IsEmpty(outer))
        return nullptr;
    const LONG width = outer.right - outer.left;
    const LONG height = outer.bottom - outer.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!bitmap || !dc) {
        if (bitmap)
            DeleteObject(bitmap);
        if (dc)
            DeleteDC(dc);
        return nullptr;
    }
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    // A hidden window still renders when asked for by name.
    auto object = FindWindowObject(window);
    const bool wasVisible = object->style & WS_VISIBLE;
    object->style |= WS_VISIBLE;
    PaintTree(Canvas{dc, POINT{outer.left, outer.top}}, window, outer);
    if (!wasVisible)
        object->style &= ~WS_VISIBLE;
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

void RenderScreenArea(HDC dc, const RECT& area, POINT origin) {
    if (!dc || IsEmpty(area))
        return;
    RenderingScope rendering;
    SaveDC(dc);
    SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    SelectClipRgn(dc, nullptr);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    FillRect(dc, &area, GetSysColorBrush(COLOR_APPWORKSPACE));
    RestoreDC(dc, -1);
    // Back to front: the list holds the topmost first.
    const std::vector<HWND> windows = TopLevelWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        PaintTree(Canvas{dc, origin}, *it, area);
}

bool RenderWindowToPng(HWND window, const std::string& linuxPath) {
    HBITMAP bitmap = RenderWindow(window);
    if (!bitmap)
        return false;
    const bool saved = SaveBitmapAsPng(bitmap, linuxPath);
    DeleteObject(bitmap);
    return saved;
}

} // namespace kx

// The window library's rectangle helpers: FillRect, FrameRect, InvertRect,
// DrawFocusRect and DrawEdge in the classic three-dimensional look.
#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/coordinates.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/user_draw_api.h"

#include <array>

namespace kx {
namespace {

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

/// Fills rectangles of one DC with a brush, a colour or an inversion.
class RectPainter {
public:
    /// Paints within `bounds` (anywhere when null).
    RectPainter(HDC hdc, const RECT* bounds) : m_dc(FindDeviceContext(hdc)) {
        m_cairo = m_dc != nullptr ? m_dc->BeginDraw(bounds) : nullptr;
    }
    ~RectPainter() {
        if (m_cairo != nullptr)
            m_dc->EndDraw();
    }
    RectPainter(const RectPainter&) = delete;
    RectPainter& operator=(const RectPainter&) = delete;

    bool Valid() const { return m_dc != nullptr; }
    bool CanDraw() const { return m_cairo != nullptr; }

    void FillBrush(const RECT& rect, const BrushObject& brush) {
        if (m_cairo == nullptr || IsEmpty(rect))
            return;
        Add(rect);
        // The DC's mix mode does not apply to these helpers.
        const int mix = m_dc->State().rop2;
        m_dc->State().rop2 = R2_COPYPEN;
        if (SetBrushSource(m_cairo, *m_dc, &brush))
            cairo_fill(m_cairo);
        m_dc->State().rop2 = mix;
        cairo_new_path(m_cairo);
    }

    void FillColor(const RECT& rect, COLORREF color) {
        if (m_cairo == nullptr || IsEmpty(rect))
            return;
        Add(rect);
        SetSourceColor(m_cairo, color);
        cairo_fill(m_cairo);
    }

    /// Inverts the rectangle, or only the pixels of a one-on-one-off pattern.
    void Invert(const RECT& rect, bool dotted) {
        if (m_cairo == nullptr || IsEmpty(rect))
            return;
        Add(rect);
        cairo_set_operator(m_cairo, CAIRO_OPERATOR_DIFFERENCE);
        if (dotted)
            cairo_set_source(m_cairo, DotPattern());
        else
            SetSourceColor(m_cairo, RGB(255, 255, 255));
        cairo_fill(m_cairo);
        ResetMix(m_cairo);
    }

private:
    void Add(const RECT& rect) {
        const RECT r = ClampRect(rect);
        cairo_rectangle(m_cairo, r.left, r.top, r.right - r.left, r.bottom - r.top);
    }

    static cairo_pattern_t* DotPattern() {
        static cairo_pattern_t* const pattern = [] {
            const CairoOwner<cairo_surface_t> tile(
                cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 2));
            {
                const CairoOwner<cairo_t> cairo(cairo_create(tile.get()));
                cairo_set_source_rgb(cairo.get(), 1, 1, 1);
                cairo_rectangle(cairo.get(), 0, 0, 1, 1);
                cairo_rectangle(cairo.get(), 1, 1, 1, 1);
                cairo_fill(cairo.get());
            }
            // Kept for the life of the process: the dotted focus pattern.
            cairo_pattern_t* made = cairo_pattern_create_for_surface(tile.get());
            cairo_pattern_set_extend(made, CAIRO_EXTEND_REPEAT);
            cairo_pattern_set_filter(made, CAIRO_FILTER_NEAREST);
            return made;
        }();
        return pattern;
    }

    std::shared_ptr<DeviceContext> m_dc;
    cairo_t* m_cairo = nullptr;
};

/// The four one-pixel sides of a rectangle.
std::array<RECT, 4> Sides(const RECT& r) {
    return {RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
            RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1},
            RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}};
}

/// The colours of one border of DrawEdge: top-left and bottom-right.
struct EdgeColors {
    UINT border;
    int topLeft;
    int bottomRight;
};

constexpr std::array kOuterEdges{
    EdgeColors{BDR_RAISEDOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW},
    EdgeColors{BDR_SUNKENOUTER, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT},
};
constexpr std::array kInnerEdges{
    EdgeColors{BDR_RAISEDINNER, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW},
    EdgeColors{BDR_SUNKENINNER, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
};

const EdgeColors* FindEdge(const auto& table, UINT edge) {
    for (const auto& entry : table) {
        if ((edge & entry.border) == entry.border)
            return &entry;
    }
    return nullptr;
}

/// Draws one border ring on the sides `flags` names and moves them inwards.
void DrawBorder(RectPainter& painter, RECT& rect, COLORREF topLeft, COLORREF bottomRight,
                UINT flags) {
    if ((flags & BF_TOP) != 0)
        painter.FillColor(RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    if ((flags & BF_LEFT) != 0)
        painter.FillColor(RECT{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    if ((flags & BF_BOTTOM) != 0)
        painter.FillColor(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    if ((flags & BF_RIGHT) != 0)
        painter.FillColor(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    rect.left += (flags & BF_LEFT) != 0 ? 1 : 0;
    rect.top += (flags & BF_TOP) != 0 ? 1 : 0;
    rect.right -= (flags & BF_RIGHT) != 0 ? 1 : 0;
    rect.bottom -= (flags & BF_BOTTOM) != 0 ? 1 : 0;
}

} // namespace
} // namespace kx

extern "C" {

int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    kx::RectPainter painter(hdc, rect);
    auto fill = kx::BrushFromHandle(brush);
    if (!painter.Valid() || rect == nullptr || fill == nullptr)
        return 0;
    painter.FillBrush(*rect, *fill);
    return 1;
}

int WINAPI FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    kx::RectPainter painter(hdc, rect);
    auto fill = kx::BrushFromHandle(brush);
    if (!painter.Valid() || rect == nullptr || fill == nullptr)
        return 0;
    if (kx::IsEmpty(*rect))
        return 1;
    for (const RECT& side : kx::Sides(kx::ClampRect(*rect)))
        painter.FillBrush(side, *fill);
    return 1;
}

BOOL WINAPI InvertRect(HDC hdc, const RECT* rect) {
    kx::RectPainter painter(hdc, rect);
    if (!painter.Valid() || rect == nullptr)
        return FALSE;
    painter.Invert(*rect, false);
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hdc, const RECT* rect) {
    kx::RectPainter painter(hdc, rect);
    if (!painter.Valid() || rect == nullptr)
        return FALSE;
    if (kx::IsEmpty(*rect))
        return TRUE;
    for (const RECT& side : kx::Sides(kx::ClampRect(*rect)))
        painter.Invert(side, true);
    return TRUE;
}

BOOL WINAPI DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
    kx::RectPainter painter(hdc, rect);
    if (!painter.Valid() || rect == nullptr)
        return FALSE;
    RECT inside = kx::ClampRect(*rect);
    const kx::EdgeColors* outer = kx::FindEdge(kx::kOuterEdges, edge);
    const kx::EdgeColors* inner = kx::FindEdge(kx::kInnerEdges, edge);
    if ((flags & (BF_FLAT | BF_MONO)) != 0) {
        const bool mono = (flags & BF_MONO) != 0;
        const COLORREF outerColor = GetSysColor(mono ? COLOR_WINDOWFRAME : COLOR_3DSHADOW);
        const COLORREF innerColor = GetSysColor(mono ? COLOR_WINDOW : COLOR_3DFACE);
        if (outer != nullptr)
            kx::DrawBorder(painter, inside, outerColor, outerColor, flags);
        if (inner != nullptr)
            kx::DrawBorder(painter, inside, innerColor, innerColor, flags);
    } else {
        if (outer != nullptr)
            kx::DrawBorder(painter, inside, GetSysColor(outer->topLeft),
                           GetSysColor(outer->bottomRight), flags);
        if (inner != nullptr)
            kx::DrawBorder(painter, inside, GetSysColor(inner->topLeft),
                           GetSysColor(inner->bottomRight), flags);
    }
    if ((flags & BF_MIDDLE) != 0)
        painter.FillColor(inside, GetSysColor(COLOR_3DFACE));
    if ((flags & BF_ADJUST) != 0)
        *rect = inside;
    return TRUE;
}

} // extern "C"

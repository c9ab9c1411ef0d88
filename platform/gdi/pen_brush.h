// Pens and brushes: the outline and fill of shapes.
#pragma once

#include "platform/gdi/gdi_object.h"

namespace kx {

class PenObject final : public GdiObject {
public:
    explicit PenObject(const LOGPEN& pen, bool usesDcColor = false)
        : m_pen(pen), m_usesDcColor(usesDcColor) {}
    DWORD Type() const override { return OBJ_PEN; }
    int Describe(int size, void* buffer) const override { return DescribeAs(m_pen, size, buffer); }

    UINT Style() const { return m_pen.lopnStyle & PS_STYLE_MASK; }
    bool IsNull() const { return Style() == PS_NULL; }
    /// Width in logical units; 0 draws one pixel wide.
    int Width() const { return m_pen.lopnWidth.x < 1 ? 1 : m_pen.lopnWidth.x; }
    COLORREF Color() const { return m_pen.lopnColor; }
    /// The DC_PEN stock pen draws in the DC's pen colour.
    bool UsesDcColor() const { return m_usesDcColor; }

private:
    LOGPEN m_pen;
    bool m_usesDcColor;
};

class BrushObject final : public GdiObject {
public:
    explicit BrushObject(const LOGBRUSH& brush, bool usesDcColor = false)
        : m_brush(brush), m_usesDcColor(usesDcColor) {}
    DWORD Type() const override { return OBJ_BRUSH; }
    int Describe(int size, void* buffer) const override {
        return DescribeAs(m_brush, size, buffer);
    }

    bool IsNull() const { return m_brush.lbStyle == BS_NULL; }
    bool IsHatched() const { return m_brush.lbStyle == BS_HATCHED; }
    int Hatch() const { return static_cast<int>(m_brush.lbHatch); }
    COLORREF Color() const { return m_brush.lbColor; }
    bool UsesDcColor() const { return m_usesDcColor; }

private:
    LOGBRUSH m_brush;
    bool m_usesDcColor;
};

/// A brush that is not a handle: a stock or created brush by handle, or a
/// system colour index plus one as window classes pass it.
std::shared_ptr<BrushObject> BrushFromHandle(HBRUSH brush);

} // namespace kx

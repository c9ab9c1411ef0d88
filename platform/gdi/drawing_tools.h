// Setting up Cairo for a DC's pen, brush and mix mode.
#pragma once

#include "platform/gdi/device_context.h"

#include <cairo.h>

namespace kx {

void SetSourceColor(cairo_t* cairo, COLORREF color);

/// Sets the source for drawing `color` in the DC's mix mode; false when the
/// mix mode leaves the destination alone.
bool SetMixSource(cairo_t* cairo, const DeviceContext& dc, COLORREF color);

/// Sets the source to `brush` (hatch patterns included); false for a null
/// brush or a mix mode that draws nothing.
bool SetBrushSource(cairo_t* cairo, const DeviceContext& dc, const BrushObject* brush);

/// Sets width, dashes and colour of the DC's pen; false for a null pen.
bool SetPenSource(cairo_t* cairo, const DeviceContext& dc);

/// Fills the current path with the brush, keeping the path.
void FillWithBrush(cairo_t* cairo, const DeviceContext& dc, const BrushObject* brush);
/// Strokes the current path with the pen and clears the path.
void StrokeWithPen(cairo_t* cairo, const DeviceContext& dc);

/// Restores the operator after a mix mode other than copy.
void ResetMix(cairo_t* cairo);

} // namespace kx

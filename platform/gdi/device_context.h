// Device contexts: the drawing state (objects, colours, origins, clip, saved
// levels) and the Cairo canvas it draws on (a selected bitmap or a printer
// page).
#pragma once

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/cairo_owner.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/region_object.h"

#include <cairo.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kx {

enum class DcKind { Memory, Display, Printer };

struct DcState {
    Selection<PenObject> pen;
    Selection<BrushObject> brush;
    Selection<FontObject> font;
    Selection<BitmapObject> bitmap;
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    UINT textAlign = TA_LEFT | TA_TOP;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    POINT viewportOrg{0, 0};
    /// Where the DC's device coordinates start on its surface: a window's
    /// client area on the canvas it is painted into. Not part of the
    /// logical mapping: regions in device units are taken from it.
    POINT dcOrigin{0, 0};
    POINT windowOrg{0, 0};
    POINT position{0, 0};
    std::optional<Region> clip; ///< device coordinates; none means the whole surface
    COLORREF dcBrushColor = RGB(255, 255, 255);
    COLORREF dcPenColor = RGB(0, 0, 0);
};

/// What GetDeviceCaps reports.
struct DeviceGeometry {
    int technology = DT_RASDISPLAY;
    int horzRes = 1024;
    int vertRes = 768;
    int dpiX = 96;
    int dpiY = 96;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int bitsPerPixel = 32;
};

class PrinterJob;

class DeviceContext {
public:
    explicit DeviceContext(DcKind kind);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    DcKind Kind() const { return m_kind; }
    DcState& State() { return m_state; }
    const DcState& State() const { return m_state; }
    DeviceGeometry& Geometry() { return m_geometry; }
    const DeviceGeometry& Geometry() const { return m_geometry; }

    int Save();
    bool Restore(int level);

    /// Selects a bitmap into a memory DC and makes it the canvas.
    void SelectBitmap(Selection<BitmapObject> bitmap);
    /// A printer page surface, or none: device pixels are scaled to points
    /// and the printable area starts at `offset` device pixels.
    void SetPageSurface(cairo_surface_t* surface, double scaleX, double scaleY, POINT offset);
    PrinterJob* Job() { return m_job.get(); }
    /// The printer and output a printer DC was made for.
    void SetPrinter(std::u16string name, std::u16string output) {
        m_printerName = std::move(name);
        m_printerOutput = std::move(output);
    }
    const std::u16string& PrinterName() const { return m_printerName; }
    const std::u16string& PrinterOutput() const { return m_printerOutput; }
    void SetJob(std::unique_ptr<PrinterJob> job);

    /// Marks the clip changed, so the canvas applies it again.
    void ClipChanged() { m_clipDirty = true; }
    /// The whole drawing surface in device coordinates.
    RECT SurfaceRect() const;
    /// The clip in device coordinates: the clip region within the surface.
    Region EffectiveClip() const;

    POINT ToDevice(POINT logical) const;
    POINT ToLogical(POINT device) const;

    /// The canvas ready for drawing in logical coordinates with the clip
    /// applied, or nullptr when the DC has nothing to draw on. `bounds`
    /// (logical) holds everything the drawing can touch; DIB sections kept
    /// in another depth then convert only those rows.
    cairo_t* BeginDraw(const RECT* bounds = nullptr);
    void EndDraw();

    /// Paths: while a path is open, shapes and text add to it instead of
    /// drawing. The recorder works in logical coordinates and keeps the
    /// path in device coordinates.
    bool InPath() const { return m_pathOpen; }
    cairo_t* PathRecorder();
    bool OpenPath();
    bool ClosePath();
    void DiscardPath();
    /// The closed path (device coordinates), or nullptr.
    const cairo_path_t* ClosedPath() const { return m_closedPath.get(); }

    std::shared_ptr<PenObject> Pen() const { return m_state.pen.object; }
    std::shared_ptr<BrushObject> Brush() const { return m_state.brush.object; }
    std::shared_ptr<FontObject> Font() const { return m_state.font.object; }
    std::shared_ptr<BitmapObject> Bitmap() const { return m_state.bitmap.object; }

private:
    void BindCanvas(cairo_surface_t* surface);
    void ApplyClip();
    void ApplyLogicalMatrix(cairo_t* cairo) const;

    DcKind m_kind;
    DcState m_state;
    std::vector<DcState> m_saved;
    DeviceGeometry m_geometry;
    CairoOwner<cairo_t> m_cairo;
    double m_scaleX = 1;
    double m_scaleY = 1;
    /// What the drawing under way can touch, in device pixels.
    RECT m_drawArea{0, 0, BitmapObject::kAllRows, BitmapObject::kAllRows};
    POINT m_surfaceOffset{0, 0};
    bool m_clipDirty = true;
    std::unique_ptr<PrinterJob> m_job;
    std::u16string m_printerName;
    std::u16string m_printerOutput;
    CairoOwner<cairo_t> m_recorder;
    bool m_pathOpen = false;
    CairoOwner<cairo_path_t> m_closedPath;
};

HDC AddDeviceContext(std::shared_ptr<DeviceContext> dc);
/// The DC behind a handle; sets ERROR_INVALID_HANDLE when there is none.
std::shared_ptr<DeviceContext> FindDeviceContext(HDC hdc);
std::shared_ptr<DeviceContext> RemoveDeviceContext(HDC hdc);

/// A new DC's objects: black pen, white brush, system font and, for memory
/// DCs, the 1x1 monochrome bitmap.
void SelectDefaultObjects(DeviceContext& dc);
Selection<BitmapObject> DefaultBitmap();

} // namespace kx

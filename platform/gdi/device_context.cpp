// Device contexts over Cairo canvases.
#include "platform/gdi/device_context.h"

#include "platform/base/handle_table.h"
#include "platform/gdi/coordinates.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/printer_job.h"
#include "platform/gdi/stock_objects.h"

namespace kx {
namespace {

HandleTable<DeviceContext>& Contexts() {
    static HandleTable<DeviceContext> table(0x01000000);
    return table;
}

cairo_surface_t* RecorderSurface() {
    // Unbounded: cairo drops glyphs that lie outside a bounded target by
    // more than a margin that grows with the font, so text paths away from
    // the origin (or in small fonts) would come out empty.
    static cairo_surface_t* const surface =
        cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr);
    return surface;
}

} // namespace

DeviceContext::DeviceContext(DcKind kind) : m_kind(kind) {}

DeviceContext::~DeviceContext() {
    // The context draws on the job's surface: it goes first.
    m_cairo.reset();
    m_job.reset();
}

int DeviceContext::Save() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::Restore(int level) {
    const int count = static_cast<int>(m_saved.size());
    const int target = level < 0 ? count + 1 + level : level;
    if (target < 1 || target > count)
        return false;
    const auto previousBitmap = m_state.bitmap.object;
    m_state = m_saved[static_cast<size_t>(target - 1)];
    m_saved.resize(static_cast<size_t>(target - 1));
    if (m_kind == DcKind::Memory && m_state.bitmap.object != previousBitmap)
        BindCanvas(m_state.bitmap.object != nullptr ? m_state.bitmap.object->BeginUse() : nullptr);
    m_clipDirty = true;
    return true;
}

void DeviceContext::BindCanvas(cairo_surface_t* surface) {
    m_cairo.reset(surface != nullptr ? cairo_create(surface) : nullptr);
    if (m_cairo != nullptr) {
        cairo_set_antialias(m_cairo.get(), CAIRO_ANTIALIAS_NONE);
        cairo_set_font_options(m_cairo.get(), TextFontOptions());
    }
    m_clipDirty = true;
}

void DeviceContext::SelectBitmap(Selection<BitmapObject> bitmap) {
    m_state.bitmap = std::move(bitmap);
    BindCanvas(m_state.bitmap.object != nullptr ? m_state.bitmap.object->BeginUse() : nullptr);
}

void DeviceContext::SetPageSurface(cairo_surface_t* surface, double scaleX, double scaleY,
                                   POINT offset) {
    m_scaleX = scaleX;
    m_scaleY = scaleY;
    m_surfaceOffset = offset;
    BindCanvas(surface);
}

void DeviceContext::SetJob(std::unique_ptr<PrinterJob> job) {
    m_job = std::move(job);
}

RECT DeviceContext::SurfaceRect() const {
    if (m_kind == DcKind::Memory) {
        const auto& bitmap = m_state.bitmap.object;
        return bitmap == nullptr ? RECT{0, 0, 0, 0} : RECT{0, 0, bitmap->Width(), bitmap->Height()};
    }
    return RECT{0, 0, m_geometry.horzRes, m_geometry.vertRes};
}

Region DeviceContext::EffectiveClip() const {
    Region clip(SurfaceRect());
    if (m_state.clip.has_value())
        clip.Combine(*m_state.clip, RGN_AND);
    return clip;
}

POINT DeviceContext::ToDevice(POINT logical) const {
    const DcState& s = m_state;
    return POINT{
        ClampCoordinate(int64_t{logical.x} - s.windowOrg.x + s.viewportOrg.x + s.dcOrigin.x),
        ClampCoordinate(int64_t{logical.y} - s.windowOrg.y + s.viewportOrg.y + s.dcOrigin.y)};
}

POINT DeviceContext::ToLogical(POINT device) const {
    const DcState& s = m_state;
    return POINT{
        ClampCoordinate(int64_t{device.x} - s.viewportOrg.x - s.dcOrigin.x + s.windowOrg.x),
        ClampCoordinate(int64_t{device.y} - s.viewportOrg.y - s.dcOrigin.y + s.windowOrg.y)};
}

void DeviceContext::ApplyClip() {
    cairo_reset_clip(m_cairo.get());
    if (m_state.clip.has_value()) {
        cairo_identity_matrix(m_cairo.get());
        cairo_scale(m_cairo.get(), m_scaleX, m_scaleY);
        cairo_translate(m_cairo.get(), m_surfaceOffset.x, m_surfaceOffset.y);
        cairo_new_path(m_cairo.get());
        m_state.clip->AppendToPath(m_cairo.get());
        cairo_clip(m_cairo.get());
    }
    m_clipDirty = false;
}

void DeviceContext::ApplyLogicalMatrix(cairo_t* cairo) const {
    cairo_identity_matrix(cairo);
    if (cairo != m_recorder.get()) {
        cairo_scale(cairo, m_scaleX, m_scaleY);
        cairo_translate(cairo, m_surfaceOffset.x, m_surfaceOffset.y);
    }
    cairo_translate(cairo, m_state.viewportOrg.x + m_state.dcOrigin.x - m_state.windowOrg.x,
                    m_state.viewportOrg.y + m_state.dcOrigin.y - m_state.windowOrg.y);
}

cairo_t* DeviceContext::BeginDraw(const RECT* bounds) {
    if (m_cairo == nullptr)
        return nullptr;
    m_drawArea = RECT{0, 0, BitmapObject::kAllRows, BitmapObject::kAllRows};
    if (bounds != nullptr) {
        // A margin for antialiased edges and rounding.
        constexpr int kSlack = 2;
        const POINT topLeft = ToDevice(
            POINT{std::min(bounds->left, bounds->right), std::min(bounds->top, bounds->bottom)});
        const POINT bottomRight = ToDevice(
            POINT{std::max(bounds->left, bounds->right), std::max(bounds->top, bounds->bottom)});
        m_drawArea = RECT{topLeft.x - kSlack, topLeft.y - kSlack, bottomRight.x + kSlack,
                          bottomRight.y + kSlack};
    }
    if (m_state.clip.has_value()) {
        const RECT clip = m_state.clip->Bounds();
        m_drawArea =
            RECT{std::max(m_drawArea.left, clip.left), std::max(m_drawArea.top, clip.top),
                 std::min(m_drawArea.right, clip.right), std::min(m_drawArea.bottom, clip.bottom)};
    }
    if (m_state.bitmap.object != nullptr)
        m_state.bitmap.object->BeginUse(m_drawArea.top, m_drawArea.bottom);
    if (m_clipDirty)
        ApplyClip();
    cairo_new_path(m_cairo.get());
    ApplyLogicalMatrix(m_cairo.get());
    return m_cairo.get();
}

void DeviceContext::EndDraw() {
    if (m_cairo == nullptr)
        return;
    cairo_new_path(m_cairo.get());
    if (m_kind == DcKind::Memory && m_state.bitmap.object != nullptr)
        m_state.bitmap.object->EndDrawing(m_drawArea.top, m_drawArea.bottom, m_drawArea.left,
                                          m_drawArea.right);
}

cairo_t* DeviceContext::PathRecorder() {
    if (m_recorder == nullptr) {
        m_recorder.reset(cairo_create(RecorderSurface()));
        cairo_set_font_options(m_recorder.get(), TextFontOptions());
    }
    ApplyLogicalMatrix(m_recorder.get());
    return m_recorder.get();
}

bool DeviceContext::OpenPath() {
    DiscardPath();
    cairo_new_path(PathRecorder());
    m_pathOpen = true;
    return true;
}

bool DeviceContext::ClosePath() {
    if (!m_pathOpen)
        return false;
    cairo_t* recorder = PathRecorder();
    cairo_identity_matrix(recorder);
    m_closedPath.reset(cairo_copy_path(recorder));
    cairo_new_path(recorder);
    m_pathOpen = false;
    return true;
}

void DeviceContext::DiscardPath() {
    m_closedPath.reset();
    if (m_recorder != nullptr)
        cairo_new_path(m_recorder.get());
    m_pathOpen = false;
}

HDC AddDeviceContext(std::shared_ptr<DeviceContext> dc) {
    return HandleFromValue<HDC>(Contexts().Add(std::move(dc)));
}

std::shared_ptr<DeviceContext> FindDeviceContext(HDC hdc) {
    auto dc = hdc == nullptr ? nullptr : Contexts().Find(HandleValue(hdc));
    if (dc == nullptr)
        SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

std::shared_ptr<DeviceContext> RemoveDeviceContext(HDC hdc) {
    return hdc == nullptr ? nullptr : Contexts().Remove(HandleValue(hdc));
}

void SelectDefaultObjects(DeviceContext& dc) {
    DcState& state = dc.State();
    state.pen = StockSelection<PenObject>(BLACK_PEN);
    state.brush = StockSelection<BrushObject>(WHITE_BRUSH);
    state.font = StockSelection<FontObject>(SYSTEM_FONT);
    if (dc.Kind() == DcKind::Memory)
        dc.SelectBitmap(DefaultBitmap());
}

} // namespace kx

// The preview base: keeps the device mode and draws the paper's frame.
#include "framework/kx_preview.h"

#include "platform/gdi/gdi.h"
#include "platform/window/paint_api.h"

namespace kx {
namespace {

constexpr int kUnitAreaShare = 6; // the bottom sixth of the preview

PreviewFactory& Factory() {
    static PreviewFactory factory;
    return factory;
}

} // namespace

void CKxPreview::SetDevmode(const BYTE* devmode) {
    m_devmode = devmode;
    ++m_updates;
    if (m_hWnd != nullptr)
        InvalidateRect(m_hWnd, nullptr, FALSE);
}

RECT CKxPreview::UnitArea() const {
    RECT client{};
    GetClientRect(&client);
    client.top = client.bottom - (client.bottom - client.top) / kUnitAreaShare;
    return client;
}

void CKxPreview::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (dc == nullptr)
        return;
    RECT client{};
    GetClientRect(&client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // The paper stands above the unit band, where the unit buttons sit.
    const LONG margin = (client.right - client.left) / 5;
    const RECT units = UnitArea();
    RECT paper{client.left + margin, client.top + margin / 2, client.right - margin, units.top - margin / 4};
    if (paper.right > paper.left && paper.bottom > paper.top) {
        FillRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        FrameRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    EndPaint(m_hWnd, &paint);
}

void SetPreviewFactory(PreviewFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<CKxPreview> MakePreview(PreviewRole role) {
    if (Factory())
        return Factory()(role);
    return std::make_unique<CKxPreview>(role);
}

} // namespace kx

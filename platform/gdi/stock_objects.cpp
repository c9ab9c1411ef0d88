// Stock objects and the default bitmap of memory DCs.
#include "platform/gdi/stock_objects.h"

#include "platform/base/text.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"

#include <array>
#include <mutex>

namespace kx {
namespace {

constexpr int kStockCount = DC_PEN + 1;

struct StockFont {
    int index;
    LONG height;
    LONG weight;
    BYTE pitch;
    std::u16string_view face;
};

// The GUI font is the dialog face at 8 points on a 96-dpi screen.
constexpr std::array kStockFonts{
    StockFont{OEM_FIXED_FONT, 12, FW_NORMAL, FIXED_PITCH, u"Courier New"},
    StockFont{ANSI_FIXED_FONT, 12, FW_NORMAL, FIXED_PITCH, u"Courier New"},
    StockFont{ANSI_VAR_FONT, 12, FW_NORMAL, VARIABLE_PITCH, u"MS Sans Serif"},
    StockFont{SYSTEM_FONT, 16, FW_BOLD, VARIABLE_PITCH, u"System"},
    StockFont{DEVICE_DEFAULT_FONT, 16, FW_NORMAL, VARIABLE_PITCH, u"System"},
    StockFont{SYSTEM_FIXED_FONT, 16, FW_NORMAL, FIXED_PITCH, u"Courier New"},
    StockFont{DEFAULT_GUI_FONT, -11, FW_NORMAL, VARIABLE_PITCH, u"MS Shell Dlg"},
};

struct StockBrush {
    int index;
    UINT style;
    COLORREF color;
};

constexpr std::array kStockBrushes{
    StockBrush{WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255)},
    StockBrush{LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192)},
    StockBrush{GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128)},
    StockBrush{DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64)},
    StockBrush{BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0)},
    StockBrush{NULL_BRUSH, BS_NULL, 0},
};

struct StockPen {
    int index;
    UINT style;
    COLORREF color;
};

constexpr std::array kStockPens{
    StockPen{WHITE_PEN, PS_SOLID, RGB(255, 255, 255)},
    StockPen{BLACK_PEN, PS_SOLID, RGB(0, 0, 0)},
    StockPen{NULL_PEN, PS_NULL, 0},
};

Selection<GdiObject> AddStock(std::shared_ptr<GdiObject> object) {
    object->MarkStock();
    HGDIOBJ handle = AddGdiObject(object);
    return Selection<GdiObject>{handle, std::move(object)};
}

std::array<Selection<GdiObject>, kStockCount> MakeStockObjects() {
    std::array<Selection<GdiObject>, kStockCount> stock{};
    for (const auto& brush : kStockBrushes)
        stock[brush.index] =
            AddStock(std::make_shared<BrushObject>(LOGBRUSH{brush.style, brush.color, 0}));
    for (const auto& pen : kStockPens)
        stock[pen.index] =
            AddStock(std::make_shared<PenObject>(LOGPEN{pen.style, {0, 0}, pen.color}));
    for (const auto& font : kStockFonts) {
        LOGFONTW lf{};
        lf.lfHeight = font.height;
        lf.lfWeight = font.weight;
        lf.lfCharSet = ANSI_CHARSET;
        lf.lfPitchAndFamily = font.pitch;
        CopyText(lf.lfFaceName, LF_FACESIZE, font.face);
        stock[font.index] = AddStock(std::make_shared<FontObject>(lf));
    }
    stock[DC_BRUSH] =
        AddStock(std::make_shared<BrushObject>(LOGBRUSH{BS_SOLID, RGB(255, 255, 255), 0}, true));
    stock[DC_PEN] =
        AddStock(std::make_shared<PenObject>(LOGPEN{PS_SOLID, {0, 0}, RGB(0, 0, 0)}, true));
    return stock;
}

} // namespace

Selection<GdiObject> StockObject(int index) {
    static const auto stock = MakeStockObjects();
    if (index < 0 || index >= kStockCount)
        return {};
    return stock[static_cast<size_t>(index)];
}

Selection<BitmapObject> DefaultBitmap() {
    static const Selection<BitmapObject> bitmap = [] {
        auto object = BitmapObject::CreateDevice(1, 1, 1);
        object->MarkStock();
        HGDIOBJ handle = AddGdiObject(object);
        return Selection<BitmapObject>{handle, object};
    }();
    return bitmap;
}

} // namespace kx

extern "C" {

HGDIOBJ WINAPI GetStockObject(int index) {
    return kx::StockObject(index).handle;
}

} // extern "C"

// System colours of the classic scheme and their stock brushes.
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/user_draw_api.h"

#include <array>

namespace kx {
namespace {

// The classic scheme: silver button faces, navy captions.
constexpr std::array<COLORREF, COLOR_MENUBAR + 1> kClassicColors{
    RGB(192, 192, 192), // COLOR_SCROLLBAR
    RGB(0, 128, 128),   // COLOR_BACKGROUND
    RGB(0, 0, 128),     // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(192, 192, 192), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(192, 192, 192), // COLOR_ACTIVEBORDER
    RGB(192, 192, 192), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(0, 0, 128),     // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(192, 192, 192), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),       // COLOR_3DDKSHADOW
    RGB(223, 223, 223), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(192, 192, 192), // 25, no constant
    RGB(0, 0, 255),     // COLOR_HOTLIGHT
    RGB(16, 132, 208),  // COLOR_GRADIENTACTIVECAPTION
    RGB(181, 181, 181), // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),     // COLOR_MENUHILIGHT
    RGB(192, 192, 192), // COLOR_MENUBAR
};

bool ValidIndex(int index) {
    return index >= 0 && index < static_cast<int>(kClassicColors.size());
}

std::array<HBRUSH, kClassicColors.size()> MakeBrushes() {
    std::array<HBRUSH, kClassicColors.size()> brushes{};
    for (size_t i = 0; i < kClassicColors.size(); ++i) {
        auto brush = std::make_shared<BrushObject>(LOGBRUSH{BS_SOLID, kClassicColors[i], 0});
        brush->MarkStock();
        brushes[i] = static_cast<HBRUSH>(AddGdiObject(std::move(brush)));
    }
    return brushes;
}

} // namespace
} // namespace kx

extern "C" {

DWORD WINAPI GetSysColor(int index) {
    return kx::ValidIndex(index) ? kx::kClassicColors[static_cast<size_t>(index)] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    static const auto brushes = kx::MakeBrushes();
    return kx::ValidIndex(index) ? brushes[static_cast<size_t>(index)] : nullptr;
}

} // extern "C"

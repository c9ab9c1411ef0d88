// The desktop window on SDL2: events in, damaged areas out.
#include "apps/desktop_window.h"

#include "platform/base/text.h"
#include "platform/gdi/gdi.h"
#include "platform/window/cursor_api.h"
#include "platform/window/desktop_input.h"
#include "platform/window/paint_api.h"
#include "platform/window/screen_damage.h"
#include "platform/window/virtual_clock.h"
#include "platform/window/window_painting.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kxhost {
namespace {

constexpr int kMostScale = 4;
constexpr float kBaseDpi = 96.0f;

struct KeyMapping {
    SDL_Keycode key;
    UINT virtualKey;
};

constexpr KeyMapping kKeys[] = {
    {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_TAB, VK_TAB},       {SDLK_BACKSPACE, VK_BACK},  {SDLK_DELETE, VK_DELETE},
    {SDLK_SPACE, VK_SPACE},   {SDLK_UP, VK_UP},           {SDLK_DOWN, VK_DOWN},
    {SDLK_LEFT, VK_LEFT},     {SDLK_RIGHT, VK_RIGHT},     {SDLK_HOME, VK_HOME},
    {SDLK_END, VK_END},       {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_F1, VK_F1},         {SDLK_F4, VK_F4},           {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},  {SDLK_LCTRL, VK_CONTROL},   {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},     {SDLK_RALT, VK_MENU},
};

/// The virtual key of an SDL key; letters and digits are their upper-case
/// character, as on Windows. 0 for keys the platform has no use for.
UINT VirtualKeyOf(SDL_Keycode key) {
    for (const KeyMapping& mapping : kKeys) {
        if (mapping.key == key)
            return mapping.virtualKey;
    }
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<UINT>('0' + (key - SDLK_0));
    return 0;
}

SDL_SystemCursor SdlCursorOf(WORD id) {
    switch (id) {
    case 32649: // IDC_HAND
        return SDL_SYSTEM_CURSOR_HAND;
    case 32513: // IDC_IBEAM
        return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: // IDC_WAIT
        return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: // IDC_CROSS
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32646: // IDC_SIZEALL
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648: // IDC_NO
        return SDL_SYSTEM_CURSOR_NO;
    case 32650: // IDC_APPSTARTING
        return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

WPARAM HeldKeys() {
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    const SDL_Keymod mod = SDL_GetModState();
    WPARAM keys = 0;
    if (buttons & SDL_BUTTON(SDL_BUTTON_LEFT))
        keys |= MK_LBUTTON;
    if (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT))
        keys |= MK_RBUTTON;
    if (mod & KMOD_SHIFT)
        keys |= MK_SHIFT;
    if (mod & KMOD_CTRL)
        keys |= MK_CONTROL;
    return keys;
}

} // namespace

struct DesktopWindow::Sdl {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    SDL_Cursor* cursor = nullptr;
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;

    ~Sdl() {
        if (dc) {
            SelectObject(dc, previousBitmap);
            DeleteDC(dc);
        }
        if (bitmap)
            DeleteObject(bitmap);
        if (cursor)
            SDL_FreeCursor(cursor);
        if (texture)
            SDL_DestroyTexture(texture);
        if (renderer)
            SDL_DestroyRenderer(renderer);
        if (window)
            SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    bool MakeSurface(int w, int h) {
        width = w;
        height = h;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h; // top-down rows, as the texture has them
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        if (!bitmap || !dc || !pixels)
            return false;
        bits = static_cast<uint8_t*>(pixels);
        previousBitmap = SelectObject(dc, bitmap);
        return true;
    }
};

int DesktopWindow::ScaleForDisplay() {
    if (const char* forced = std::getenv("KX_GUI_SCALE")) {
        const int value = std::atoi(forced);
        if (value >= 1 && value <= kMostScale)
            return value;
    }
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0 || !(dpi > 0))
        return 1;
    // Up to one and a half times the base density stays at 1.
    const int scale = static_cast<int>(std::floor(dpi / kBaseDpi + 0.5f - 0.01f));
    return std::clamp(scale, 1, kMostScale);
}

bool DesktopWindow::Connect(std::string& whyNot) {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland) && !std::getenv("SDL_VIDEODRIVER")) {
        whyNot = "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        whyNot = std::string("there is no display (") + SDL_GetError() + ")";
        return false;
    }
    return true;
}

std::unique_ptr<DesktopWindow> DesktopWindow::Open(const std::string& title, const RECT& area,
                                                   int scale, std::string& whyNot) {
    if (!SDL_WasInit(SDL_INIT_VIDEO) && !Connect(whyNot))
        return nullptr;
    auto sdl = std::make_unique<Sdl>();
    if (scale <= 0)
        scale = ScaleForDisplay();
    const int width = static_cast<int>(area.right - area.left);
    const int height = static_cast<int>(area.bottom - area.top);
    sdl->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                   width * scale, height * scale, SDL_WINDOW_SHOWN);
    if (sdl->window)
        sdl->renderer = SDL_CreateRenderer(sdl->window, -1, 0);
    if (sdl->renderer)
        sdl->texture = SDL_CreateTexture(sdl->renderer, SDL_PIXELFORMAT_RGB888,
                                         SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!sdl->texture || !sdl->MakeSurface(width, height)) {
        whyNot = std::string("the window could not be made (") + SDL_GetError() + ")";
        return nullptr;
    }
    // Blocky, not blurred, when magnified.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_StartTextInput();
    std::unique_ptr<DesktopWindow> window(new DesktopWindow(std::move(sdl), area, scale));
    window->DamageAll();
    window->Present();
    return window;
}

DesktopWindow::DesktopWindow(std::unique_ptr<Sdl> sdl, const RECT& area, int scale)
    : m_sdl(std::move(sdl)), m_area(area), m_scale(scale), m_lastTicks(SDL_GetTicks64()) {}

DesktopWindow::~DesktopWindow() = default;

void DesktopWindow::DamageAll() {
    kx::DamageScreen(m_area);
}

POINT DesktopWindow::ScreenPoint(int x, int y) const {
    return POINT{m_area.left + x / m_scale, m_area.top + y / m_scale};
}

void DesktopWindow::Handle(const void* raw) {
    const SDL_Event& event = *static_cast<const SDL_Event*>(raw);
    switch (event.type) {
    case SDL_QUIT:
        m_closeRequested = true;
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
            m_closeRequested = true;
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            DamageAll();
        break;
    case SDL_MOUSEMOTION:
        kx::SendPointerInput(WM_MOUSEMOVE, ScreenPoint(event.motion.x, event.motion.y), HeldKeys());
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        UINT message = 0;
        if (event.button.button == SDL_BUTTON_LEFT)
            message = !down ? WM_LBUTTONUP
                            : (event.button.clicks % 2 == 0 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN);
        else if (event.button.button == SDL_BUTTON_RIGHT)
            message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        if (message)
            kx::SendPointerInput(message, ScreenPoint(event.button.x, event.button.y), HeldKeys());
        break;
    }
    case SDL_MOUSEWHEEL: {
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        const int turn =
            event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        if (turn != 0)
            kx::SendPointerInput(WM_MOUSEWHEEL, ScreenPoint(x, y), HeldKeys(), turn * WHEEL_DELTA);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const UINT key = VirtualKeyOf(event.key.keysym.sym);
        if (!key)
            break;
        const bool down = event.type == SDL_KEYDOWN;
        const bool alt = (event.key.keysym.mod & KMOD_ALT) && key != VK_MENU;
        kx::SendKeyInput(
            alt ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP), key);
        // Alt with a letter is a mnemonic; the desktop sends no text for it.
        if (alt && down && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')))
            kx::SendCharInput(static_cast<char16_t>(key), true);
        break;
    }
    case SDL_TEXTINPUT:
        if (SDL_GetModState() & KMOD_ALT)
            break;
        for (const char16_t c : kx::Utf8ToUtf16(event.text.text))
            kx::SendCharInput(c, false);
        break;
    default:
        break;
    }
}

void DesktopWindow::Step(int most) {
    int64_t wait = most;
    const int64_t timer = kx::VirtualClock::UntilNextTimer();
    if (timer >= 0)
        wait = std::min<int64_t>(wait, timer);
    const int64_t tip = kx::UntilHoverTip();
    if (tip >= 0)
        wait = std::min<int64_t>(wait, tip);
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(std::max<int64_t>(wait, 0)))) {
        Handle(&event);
        while (SDL_PollEvent(&event))
            Handle(&event);
    }
    const uint64_t now = SDL_GetTicks64();
    if (now > m_lastTicks)
        kx::VirtualClock::Advance(now - m_lastTicks);
    m_lastTicks = now;
    kx::CheckHoverTip();
    UpdateCursor();
    Present();
}

void DesktopWindow::UpdateCursor() {
    const WORD id = kx::SystemCursorId(GetCursor());
    if (id == m_cursorShown)
        return;
    m_cursorShown = id;
    if (m_sdl->cursor)
        SDL_FreeCursor(m_sdl->cursor);
    m_sdl->cursor = SDL_CreateSystemCursor(SdlCursorOf(id));
    if (m_sdl->cursor)
        SDL_SetCursor(m_sdl->cursor);
}

void DesktopWindow::Present() {
    const std::vector<RECT> damage = kx::TakeScreenDamage();
    if (damage.empty())
        return;
    const POINT origin{m_area.left, m_area.top};
    for (const RECT& screen : damage) {
        const RECT area{std::max(screen.left, m_area.left), std::max(screen.top, m_area.top),
                        std::min(screen.right, m_area.right),
                        std::min(screen.bottom, m_area.bottom)};
        if (area.right <= area.left || area.bottom <= area.top)
            continue;
        kx::RenderScreenArea(m_sdl->dc, area, origin);
        GdiFlush();
        const SDL_Rect rect{
            static_cast<int>(area.left - origin.x), static_cast<int>(area.top - origin.y),
            static_cast<int>(area.right - area.left), static_cast<int>(area.bottom - area.top)};
        const int pitch = m_sdl->width * 4;
        SDL_UpdateTexture(m_sdl->texture, &rect,
                          m_sdl->bits + static_cast<ptrdiff_t>(rect.y) * pitch + rect.x * 4, pitch);
    }
    SDL_RenderClear(m_sdl->renderer);
    SDL_RenderCopy(m_sdl->renderer, m_sdl->texture, nullptr, nullptr);
    SDL_RenderPresent(m_sdl->renderer);
}

} // namespace kxhost

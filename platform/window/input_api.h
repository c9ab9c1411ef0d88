// Mouse capture and the messages of real pointer and keyboard input, under
// their Windows names.
#pragma once

#include "platform/base/win_types.h"

constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_CAPTURECHANGED = 0x0215;

constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;

constexpr int WHEEL_DELTA = 120;
constexpr LRESULT HTCLIENT = 1;
constexpr UINT VK_MENU = 0x12;

/// The wheel's signed turn in the high word of a WM_MOUSEWHEEL wParam.
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wParam) {
    return static_cast<short>(static_cast<WORD>(wParam >> 16));
}
extern "C" {
/// Mouse messages go to the window until it releases the capture, wherever
/// the pointer is; the window that lost the capture gets WM_CAPTURECHANGED.
KXAPI HWND WINAPI SetCapture(HWND window);
KXAPI BOOL WINAPI ReleaseCapture();
KXAPI HWND WINAPI GetCapture();
}

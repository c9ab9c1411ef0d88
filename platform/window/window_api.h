// The windowing calls: classes, windows, messages, timers, dialogs and the
// structures they pass, with the Windows names and semantics.
#pragma once

#include "platform/base/win_types.h"
#include "platform/window/window_constants.h"

using WNDPROC = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using DLGPROC = INT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void(CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL(CALLBACK*)(HWND, LPARAM);

/// A resource number in the place of a resource name.
inline LPCWSTR MAKEINTRESOURCEW(WORD id) {
    return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(id));
}
inline bool IS_INTRESOURCE(LPCWSTR name) {
    return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

struct WNDCLASSEXW {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
    HICON hIconSm;
};

struct CREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
using LPMSG = MSG*;

/// Native layout (40 bytes on a 64-bit platform).
struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
};

/// Native layout (24 bytes on a 64-bit platform).
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
using LPNMHDR = NMHDR*;

/// Native layout (40 bytes on a 64-bit platform).
struct HELPINFO {
    UINT cbSize;
    int iContextType;
    int iCtrlId;
    HANDLE hItemHandle;
    DWORD_PTR dwContextId;
    POINT MousePos;
};
using LPHELPINFO = HELPINFO*;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};

struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    ULONG_PTR itemData;
};

constexpr UINT ODT_MENU = 1;
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODT_STATIC = 5;
constexpr UINT ODA_DRAWENTIRE = 0x1;
constexpr UINT ODA_SELECT = 0x2;
constexpr UINT ODA_FOCUS = 0x4;
constexpr UINT ODS_SELECTED = 0x1;
constexpr UINT ODS_GRAYED = 0x2;
constexpr UINT ODS_DISABLED = 0x4;
constexpr UINT ODS_CHECKED = 0x8;
constexpr UINT ODS_FOCUS = 0x10;
constexpr UINT ODS_COMBOBOXEDIT = 0x1000;

// Binary dialog templates: the classic header and the extended one. Both are
// followed by variable-length menu, class, title and font fields.
#pragma pack(push, 2)
struct DLGTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
};
struct DLGITEMTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
};
#pragma pack(pop)
using LPCDLGTEMPLATEW = const DLGTEMPLATE*;

extern "C" {
// Classes.
KXAPI ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* windowClass);
KXAPI BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance);
KXAPI BOOL WINAPI GetClassInfoExW(HINSTANCE instance, LPCWSTR className, WNDCLASSEXW* out);
KXAPI int WINAPI GetClassNameW(HWND window, LPWSTR buffer, int capacity);

// Windows.
KXAPI HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                                  int x, int y, int width, int height, HWND parent, HMENU menu,
                                  HINSTANCE instance, LPVOID param);
KXAPI BOOL WINAPI DestroyWindow(HWND window);
KXAPI BOOL WINAPI IsWindow(HWND window);
KXAPI BOOL WINAPI IsChild(HWND parent, HWND window);
KXAPI HWND WINAPI GetParent(HWND window);
KXAPI HWND WINAPI SetParent(HWND window, HWND newParent);
KXAPI HWND WINAPI GetAncestor(HWND window, UINT flags);
KXAPI HWND WINAPI GetWindow(HWND window, UINT relation);
KXAPI HWND WINAPI GetDesktopWindow();
KXAPI BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lParam);
KXAPI BOOL WINAPI EnumWindows(WNDENUMPROC callback, LPARAM lParam);
KXAPI HWND WINAPI FindWindowExW(HWND parent, HWND after, LPCWSTR className, LPCWSTR title);

KXAPI LONG WINAPI GetWindowLongW(HWND window, int index);
KXAPI LONG WINAPI SetWindowLongW(HWND window, int index, LONG value);
KXAPI LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index);
KXAPI LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR value);

KXAPI int WINAPI GetWindowTextW(HWND window, LPWSTR buffer, int capacity);
KXAPI int WINAPI GetWindowTextLengthW(HWND window);
KXAPI BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text);

KXAPI BOOL WINAPI GetWindowRect(HWND window, LPRECT rect);
KXAPI BOOL WINAPI GetClientRect(HWND window, LPRECT rect);
KXAPI BOOL WINAPI ClientToScreen(HWND window, LPPOINT point);
KXAPI BOOL WINAPI ScreenToClient(HWND window, LPPOINT point);
KXAPI int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
KXAPI BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
KXAPI BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy,
                               UINT flags);
KXAPI HWND WINAPI WindowFromPoint(POINT point);

KXAPI BOOL WINAPI ShowWindow(HWND window, int command);
KXAPI BOOL WINAPI IsWindowVisible(HWND window);
KXAPI BOOL WINAPI EnableWindow(HWND window, BOOL enable);
KXAPI BOOL WINAPI IsWindowEnabled(HWND window);
KXAPI HWND WINAPI SetFocus(HWND window);
KXAPI HWND WINAPI GetFocus();
KXAPI HWND WINAPI SetActiveWindow(HWND window);
KXAPI HWND WINAPI GetActiveWindow();
KXAPI BOOL WINAPI SetForegroundWindow(HWND window);
KXAPI HWND WINAPI GetForegroundWindow();
KXAPI int WINAPI GetSystemMetrics(int index);
KXAPI BOOL WINAPI GetCursorPos(LPPOINT point);
KXAPI BOOL WINAPI SetCursorPos(int x, int y);
KXAPI UINT WINAPI GetDoubleClickTime();
/// The high bit is set while the key is down (keys are pressed only by the
/// scripted user).
KXAPI SHORT WINAPI GetKeyState(int virtualKey);
KXAPI SHORT WINAPI GetAsyncKeyState(int virtualKey);

// Messages.
KXAPI LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
KXAPI BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
KXAPI void WINAPI PostQuitMessage(int exitCode);
KXAPI BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT first, UINT last);
KXAPI BOOL WINAPI PeekMessageW(LPMSG msg, HWND window, UINT first, UINT last, UINT remove);
KXAPI BOOL WINAPI TranslateMessage(const MSG* msg);
KXAPI LRESULT WINAPI DispatchMessageW(const MSG* msg);
KXAPI LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
KXAPI LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Timers (on the platform's virtual clock).
KXAPI UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback);
KXAPI BOOL WINAPI KillTimer(HWND window, UINT_PTR id);
KXAPI DWORD WINAPI GetTickCount();

// Dialogs.
KXAPI HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate,
                                             HWND parent, DLGPROC proc, LPARAM initParam);
KXAPI INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate,
                                             HWND parent, DLGPROC proc, LPARAM initParam);
KXAPI HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                     DLGPROC proc, LPARAM initParam);
KXAPI INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                     DLGPROC proc, LPARAM initParam);
KXAPI BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
KXAPI LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
KXAPI HWND WINAPI GetDlgItem(HWND dialog, int id);
KXAPI int WINAPI GetDlgCtrlID(HWND window);
KXAPI LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam,
                                         LPARAM lParam);
KXAPI BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
KXAPI UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int capacity);
KXAPI BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
KXAPI UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
KXAPI BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check);
KXAPI UINT WINAPI IsDlgButtonChecked(HWND dialog, int id);
KXAPI BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check);
KXAPI BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect);
KXAPI LONG WINAPI GetDialogBaseUnits();
KXAPI HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
KXAPI HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
KXAPI BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg);
}

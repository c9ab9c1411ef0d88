// Property sheets: page and header structures, PropertySheetW, the PSN_*
// notifications pages receive and the PSM_* messages a sheet takes.
#pragma once

#include "platform/window/window_api.h"

struct _PSP;
using HPROPSHEETPAGE = _PSP*;
struct PROPSHEETPAGEW;
using LPFNPSPCALLBACKW = UINT(CALLBACK*)(HWND, UINT, PROPSHEETPAGEW*);
using PFNPROPSHEETCALLBACK = int(CALLBACK*)(HWND, UINT, LPARAM);

/// Native layout.
struct PROPSHEETPAGEW {
    DWORD dwSize;
    DWORD dwFlags;
    HINSTANCE hInstance;
    union {
        LPCWSTR pszTemplate;
        LPCDLGTEMPLATEW pResource;
    };
    union {
        HICON hIcon;
        LPCWSTR pszIcon;
    };
    LPCWSTR pszTitle;
    DLGPROC pfnDlgProc;
    LPARAM lParam;
    LPFNPSPCALLBACKW pfnCallback;
    UINT* pcRefParent;
    LPCWSTR pszHeaderTitle;
    LPCWSTR pszHeaderSubTitle;
};
using LPCPROPSHEETPAGEW = const PROPSHEETPAGEW*;

/// Native layout, up to the callback (the classic size).
struct PROPSHEETHEADERW {
    DWORD dwSize;
    DWORD dwFlags;
    HWND hwndParent;
    HINSTANCE hInstance;
    union {
        HICON hIcon;
        LPCWSTR pszIcon;
    };
    LPCWSTR pszCaption;
    UINT nPages;
    union {
        UINT nStartPage;
        LPCWSTR pStartPage;
    };
    union {
        LPCPROPSHEETPAGEW ppsp;
        HPROPSHEETPAGE* phpage;
    };
    PFNPROPSHEETCALLBACK pfnCallback;
};
using LPCPROPSHEETHEADERW = const PROPSHEETHEADERW*;

/// Native layout (32 bytes on a 64-bit platform).
struct PSHNOTIFY {
    NMHDR hdr;
    LPARAM lParam;
};
using LPPSHNOTIFY = PSHNOTIFY*;

constexpr DWORD PSP_DEFAULT = 0x0;
constexpr DWORD PSP_DLGINDIRECT = 0x1;
constexpr DWORD PSP_USEHICON = 0x2;
constexpr DWORD PSP_USEICONID = 0x4;
constexpr DWORD PSP_USETITLE = 0x8;
constexpr DWORD PSP_RTLREADING = 0x10;
constexpr DWORD PSP_HASHELP = 0x20;
constexpr DWORD PSP_USEREFPARENT = 0x40;
constexpr DWORD PSP_USECALLBACK = 0x80;
constexpr DWORD PSP_PREMATURE = 0x400;

constexpr UINT PSPCB_ADDREF = 0;
constexpr UINT PSPCB_RELEASE = 1;
constexpr UINT PSPCB_CREATE = 2;

constexpr DWORD PSH_DEFAULT = 0x0;
constexpr DWORD PSH_PROPTITLE = 0x1;
constexpr DWORD PSH_USEHICON = 0x2;
constexpr DWORD PSH_USEICONID = 0x4;
constexpr DWORD PSH_PROPSHEETPAGE = 0x8;
constexpr DWORD PSH_NOAPPLYNOW = 0x80;
constexpr DWORD PSH_USECALLBACK = 0x100;
constexpr DWORD PSH_HASHELP = 0x200;
constexpr DWORD PSH_MODELESS = 0x400;
constexpr DWORD PSH_RTLREADING = 0x800;
constexpr DWORD PSH_USEPSTARTPAGE = 0x800;
constexpr DWORD PSH_NOCONTEXTHELP = 0x02000000;

constexpr UINT PSCB_INITIALIZED = 1;
constexpr UINT PSCB_PRECREATE = 2;

constexpr UINT PSN_FIRST = 0U - 200U;
constexpr UINT PSN_SETACTIVE = PSN_FIRST - 0;
constexpr UINT PSN_KILLACTIVE = PSN_FIRST - 1;
constexpr UINT PSN_APPLY = PSN_FIRST - 2;
constexpr UINT PSN_RESET = PSN_FIRST - 3;
constexpr UINT PSN_HELP = PSN_FIRST - 5;
constexpr UINT PSN_WIZBACK = PSN_FIRST - 6;
constexpr UINT PSN_WIZNEXT = PSN_FIRST - 7;
constexpr UINT PSN_WIZFINISH = PSN_FIRST - 8;
constexpr UINT PSN_QUERYCANCEL = PSN_FIRST - 9;

constexpr LRESULT PSNRET_NOERROR = 0;
constexpr LRESULT PSNRET_INVALID = 1;
constexpr LRESULT PSNRET_INVALID_NOCHANGEPAGE = 2;
constexpr LRESULT PSNRET_MESSAGEHANDLED = 3;

constexpr UINT PSM_SETCURSEL = WM_USER + 101;
constexpr UINT PSM_REMOVEPAGE = WM_USER + 102;
constexpr UINT PSM_ADDPAGE = WM_USER + 103;
constexpr UINT PSM_CHANGED = WM_USER + 104;
constexpr UINT PSM_RESTARTWINDOWS = WM_USER + 105;
constexpr UINT PSM_REBOOTSYSTEM = WM_USER + 106;
constexpr UINT PSM_CANCELTOCLOSE = WM_USER + 107;
constexpr UINT PSM_QUERYSIBLINGS = WM_USER + 108;
constexpr UINT PSM_UNCHANGED = WM_USER + 109;
constexpr UINT PSM_APPLY = WM_USER + 110;
constexpr UINT PSM_SETTITLEW = WM_USER + 120;
constexpr UINT PSM_PRESSBUTTON = WM_USER + 113;
constexpr UINT PSM_SETCURSELID = WM_USER + 114;
constexpr UINT PSM_GETTABCONTROL = WM_USER + 116;
constexpr UINT PSM_ISDIALOGMESSAGE = WM_USER + 117;
constexpr UINT PSM_GETCURRENTPAGEHWND = WM_USER + 118;

constexpr WPARAM PSBTN_BACK = 0;
constexpr WPARAM PSBTN_NEXT = 1;
constexpr WPARAM PSBTN_FINISH = 2;
constexpr WPARAM PSBTN_OK = 3;
constexpr WPARAM PSBTN_APPLYNOW = 4;
constexpr WPARAM PSBTN_CANCEL = 5;
constexpr WPARAM PSBTN_HELP = 6;

/// Identifiers of the sheet's own controls.
constexpr int IDC_PS_APPLYNOW = 0x3021;
constexpr int IDC_PS_TABCONTROL = 0x3020;

extern "C" {
KXAPI HPROPSHEETPAGE WINAPI CreatePropertySheetPageW(LPCPROPSHEETPAGEW page);
KXAPI BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE page);
/// Modal: 1 when changes were applied, 0 when not, -1 on error. Modeless
/// (PSH_MODELESS): the sheet window, closed pages ending with
/// PSM_GETCURRENTPAGEHWND answering 0.
KXAPI INT_PTR WINAPI PropertySheetW(LPCPROPSHEETHEADERW header);
}

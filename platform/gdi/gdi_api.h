// The drawing calls: device contexts, drawing objects, shapes, text, regions,
// clipping, paths, bitmaps and print jobs. Memory device contexts draw into
// image surfaces, printer device contexts into PostScript.
#pragma once

#include "platform/base/devmode_public.h"
#include "platform/gdi/gdi_types.h"

#include <string>

extern "C" {

// Device contexts.
/// A memory DC compatible with `hdc` (the screen when NULL), holding a 1x1
/// monochrome bitmap until one is selected.
KXAPI HDC WINAPI CreateCompatibleDC(HDC hdc);
/// "DISPLAY" gives a screen DC; "WINSPOOL" or a "pscript" driver name with a
/// printer name gives a printer DC whose page follows `devMode`.
KXAPI HDC WINAPI CreateDCW(LPCWSTR driver, LPCWSTR device, LPCWSTR output, const DEVMODEW* devMode);
KXAPI BOOL WINAPI DeleteDC(HDC hdc);
/// The saved level (1, 2 ...) or 0.
KXAPI int WINAPI SaveDC(HDC hdc);
/// A negative level counts back from the latest save.
KXAPI BOOL WINAPI RestoreDC(HDC hdc, int savedDC);
KXAPI int WINAPI GetDeviceCaps(HDC hdc, int index);
KXAPI BOOL WINAPI GdiFlush();

// Objects.
KXAPI HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object);
KXAPI HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
/// Stock objects are never deleted; an object still selected into a DC stays
/// alive there until it is replaced.
KXAPI BOOL WINAPI DeleteObject(HGDIOBJ object);
KXAPI HGDIOBJ WINAPI GetStockObject(int index);
KXAPI int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
KXAPI DWORD WINAPI GetObjectType(HGDIOBJ object);
KXAPI HPEN WINAPI CreatePen(int style, int width, COLORREF color);
KXAPI HPEN WINAPI CreatePenIndirect(const LOGPEN* pen);
KXAPI HBRUSH WINAPI CreateSolidBrush(COLORREF color);
KXAPI HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color);
KXAPI HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* brush);
KXAPI HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight,
                               DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                               DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                               DWORD pitchAndFamily, LPCWSTR faceName);
KXAPI HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font);
KXAPI COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color);
KXAPI COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color);

// Attributes.
KXAPI int WINAPI SetBkMode(HDC hdc, int mode);
KXAPI int WINAPI GetBkMode(HDC hdc);
KXAPI COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
KXAPI COLORREF WINAPI GetBkColor(HDC hdc);
KXAPI COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
KXAPI COLORREF WINAPI GetTextColor(HDC hdc);
KXAPI UINT WINAPI SetTextAlign(HDC hdc, UINT align);
KXAPI UINT WINAPI GetTextAlign(HDC hdc);
KXAPI int WINAPI SetROP2(HDC hdc, int mode);
KXAPI int WINAPI GetROP2(HDC hdc);
KXAPI int WINAPI SetPolyFillMode(HDC hdc, int mode);
KXAPI int WINAPI GetPolyFillMode(HDC hdc);
KXAPI int WINAPI SetStretchBltMode(HDC hdc, int mode);
KXAPI int WINAPI GetStretchBltMode(HDC hdc);
/// Only MM_TEXT is supported; other modes fail and leave MM_TEXT.
KXAPI int WINAPI SetMapMode(HDC hdc, int mode);
KXAPI int WINAPI GetMapMode(HDC hdc);

// Coordinates: device = logical - window origin + viewport origin.
KXAPI BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous);
KXAPI BOOL WINAPI GetDCOrgEx(HDC hdc, LPPOINT origin);
KXAPI BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT origin);
KXAPI BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous);
KXAPI BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous);
KXAPI BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT origin);
KXAPI BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous);
KXAPI BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count);
KXAPI BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count);

// Lines and shapes. Rectangles exclude their right and bottom edge.
KXAPI BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
KXAPI BOOL WINAPI LineTo(HDC hdc, int x, int y);
KXAPI BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT position);
KXAPI BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count);
KXAPI BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count);
KXAPI BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
KXAPI BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);
KXAPI BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width,
                            int height);
KXAPI BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
KXAPI COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
KXAPI BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color);
/// CLR_INVALID outside the bitmap or the clip.
KXAPI COLORREF WINAPI GetPixel(HDC hdc, int x, int y);

// Text.
KXAPI BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length);
KXAPI BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                              UINT length, const INT* dx);
KXAPI BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, LPSIZE size);
/// How many characters fit `maxExtent` (in `fit`, when not NULL) and the
/// extent of each prefix of the text (in `dx`, one per character).
KXAPI BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR text, int length, int maxExtent, LPINT fit,
                                        LPINT dx, LPSIZE size);
/// The advance widths of the characters `first` to `last`.
KXAPI BOOL WINAPI GetCharWidth32W(HDC hdc, UINT first, UINT last, LPINT widths);
KXAPI BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW metrics);
/// The character set of the selected font; DEFAULT_CHARSET asks the face.
KXAPI int WINAPI GetTextCharset(HDC hdc);
/// The face name the font asked for, as Windows reports it.
KXAPI int WINAPI GetTextFaceW(HDC hdc, int size, LPWSTR faceName);
/// One callback per scalable face and character set (`logFont` lfCharSet
/// DEFAULT_CHARSET lists all sets, an empty lfFaceName all faces).
KXAPI int WINAPI EnumFontFamiliesExW(HDC hdc, LPLOGFONTW logFont, FONTENUMPROCW proc, LPARAM lParam,
                                     DWORD flags);

// Regions and clipping. Regions are in device coordinates.
KXAPI HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
KXAPI HRGN WINAPI CreateRectRgnIndirect(const RECT* rect);
KXAPI BOOL WINAPI SetRectRgn(HRGN region, int left, int top, int right, int bottom);
/// The destination must exist; returns NULLREGION, SIMPLEREGION,
/// COMPLEXREGION or ERROR.
KXAPI int WINAPI CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);
KXAPI int WINAPI OffsetRgn(HRGN region, int dx, int dy);
KXAPI int WINAPI GetRgnBox(HRGN region, LPRECT rect);
KXAPI BOOL WINAPI PtInRegion(HRGN region, int x, int y);
KXAPI BOOL WINAPI RectInRegion(HRGN region, const RECT* rect);
KXAPI BOOL WINAPI EqualRgn(HRGN region1, HRGN region2);
KXAPI BOOL WINAPI FillRgn(HDC hdc, HRGN region, HBRUSH brush);
KXAPI BOOL WINAPI PaintRgn(HDC hdc, HRGN region);
KXAPI int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
KXAPI int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
/// A copy of `region` becomes the clip; NULL removes the clip.
KXAPI int WINAPI SelectClipRgn(HDC hdc, HRGN region);
KXAPI int WINAPI ExtSelectClipRgn(HDC hdc, HRGN region, int mode);
/// 1 and the clip in `region`, 0 when the DC has no clip, -1 on error.
KXAPI int WINAPI GetClipRgn(HDC hdc, HRGN region);
/// The clip's bounds in logical coordinates.
KXAPI int WINAPI GetClipBox(HDC hdc, LPRECT rect);

// Paths.
KXAPI BOOL WINAPI BeginPath(HDC hdc);
KXAPI BOOL WINAPI EndPath(HDC hdc);
KXAPI BOOL WINAPI AbortPath(HDC hdc);
KXAPI BOOL WINAPI CloseFigure(HDC hdc);
KXAPI BOOL WINAPI StrokePath(HDC hdc);
KXAPI BOOL WINAPI FillPath(HDC hdc);
KXAPI BOOL WINAPI StrokeAndFillPath(HDC hdc);
KXAPI BOOL WINAPI SelectClipPath(HDC hdc, int mode);

// Bitmaps and copying.
KXAPI HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height);
KXAPI HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                                  const void* bits);
/// 1, 4, 8, 24 and 32 bits per pixel, BI_RGB; bottom-up for a positive
/// height. `*bits` points at the pixel rows in that layout.
KXAPI HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                      HANDLE section, DWORD offset);
/// Rows copied, or 0. With `bits` NULL only fills in the header.
KXAPI int WINAPI GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits,
                           BITMAPINFO* info, UINT usage);
KXAPI int WINAPI SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
                           const BITMAPINFO* info, UINT usage);
KXAPI int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight,
                               int xSrc, int ySrc, int srcWidth, int srcHeight, const void* bits,
                               const BITMAPINFO* info, UINT usage, DWORD rop);
KXAPI BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSrc,
                         int ySrc, DWORD rop);
KXAPI BOOL WINAPI StretchBlt(HDC destination, int x, int y, int width, int height, HDC source,
                             int xSrc, int ySrc, int srcWidth, int srcHeight, DWORD rop);
/// Copies all but the source pixels of colour `transparent`.
KXAPI BOOL WINAPI TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source,
                                 int xSrc, int ySrc, int srcWidth, int srcHeight, UINT transparent);

// Print jobs on a printer DC.
/// The job number (> 0) or SP_ERROR.
KXAPI int WINAPI StartDocW(HDC hdc, const DOCINFOW* docInfo);
KXAPI int WINAPI StartPage(HDC hdc);
KXAPI int WINAPI EndPage(HDC hdc);
KXAPI int WINAPI EndDoc(HDC hdc);
KXAPI int WINAPI AbortDoc(HDC hdc);

} // extern "C"

namespace kx {

/// Writes a bitmap as a PNG file; false when the handle is no bitmap or the
/// file cannot be written.
bool SaveBitmapAsPng(HBITMAP bitmap, const std::string& linuxPath);

/// The screen's colour depth that DCs compatible with the screen report
/// (32 unless set; tests set 8 to see a 256-colour screen).
int ScreenBitsPerPixel();
void SetScreenBitsPerPixel(int bitsPerPixel);

} // namespace kx

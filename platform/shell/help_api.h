// The help viewers: classic keyword help (WinHelpW) and the HTML help
// control's entry (HtmlHelpW). Each request is recorded or, outside the
// headless mode, the help file is handed to the desktop's opener.
#pragma once

#include "platform/base/win_types.h"

constexpr UINT HELP_CONTEXT = 0x0001;
constexpr UINT HELP_QUIT = 0x0002;
constexpr UINT HELP_CONTENTS = 0x0003;
constexpr UINT HELP_INDEX = 0x0003;
constexpr UINT HELP_CONTEXTPOPUP = 0x0008;
constexpr UINT HELP_FINDER = 0x000B;
constexpr UINT HELP_WM_HELP = 0x000C;
constexpr UINT HELP_KEY = 0x0101;

constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_DISPLAY_TOC = 0x0001;
constexpr UINT HH_HELP_CONTEXT = 0x000F;
constexpr UINT HH_CLOSE_ALL = 0x0012;

/// The HTML help control's entry number, as GetProcAddress finds it.
constexpr WORD kHtmlHelpOrdinal = 15;

extern "C" {
/// HELP_CONTEXT (dwData: the context number), HELP_KEY (dwData: the key
/// text), HELP_CONTENTS, HELP_FINDER and HELP_QUIT. FALSE with
/// ERROR_INVALID_PARAMETER for other commands or a missing file.
KXAPI BOOL WINAPI WinHelpW(HWND hWndMain, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);

/// HH_DISPLAY_TOPIC (pszFile "file.chm" or "file.chm::/topic.htm", dwData
/// an optional topic text), HH_DISPLAY_TOC, HH_HELP_CONTEXT (dwData the
/// context number) and HH_CLOSE_ALL. No help window is made, so the result
/// is always NULL; GetLastError tells ERROR_SUCCESS from a refused request.
KXAPI HWND WINAPI HtmlHelpW(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData);
}

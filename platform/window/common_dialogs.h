// The open and save file dialogs. There is no one at a screen to browse, so
// the scripted user supplies the answer (a path, or cancel) in advance; the
// dialog then checks it exactly as the real one checks a typed name.
#pragma once

#include "platform/window/window_api.h"

#include <optional>
#include <string>

using LPOFNHOOKPROC = UINT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCWSTR lpstrFilter;
    LPWSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPWSTR lpstrFile;
    DWORD nMaxFile;
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCWSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCWSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};
using LPOPENFILENAMEW = OPENFILENAMEW*;

constexpr DWORD OFN_READONLY = 0x1;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
constexpr DWORD OFN_HIDEREADONLY = 0x4;
constexpr DWORD OFN_NOCHANGEDIR = 0x8;
constexpr DWORD OFN_SHOWHELP = 0x10;
constexpr DWORD OFN_NOVALIDATE = 0x100;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x200;
constexpr DWORD OFN_EXTENSIONDIFFERENT = 0x400;
constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;
constexpr DWORD OFN_CREATEPROMPT = 0x2000;
constexpr DWORD OFN_NOREADONLYRETURN = 0x8000;
constexpr DWORD OFN_EXPLORER = 0x80000;
constexpr DWORD OFN_NODEREFERENCELINKS = 0x100000;
constexpr DWORD OFN_LONGNAMES = 0x200000;
constexpr DWORD OFN_ENABLESIZING = 0x800000;

constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
constexpr DWORD CDERR_INITIALIZATION = 0x0002;
constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;
constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;

extern "C" {
KXAPI BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW ofn);
KXAPI BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW ofn);
KXAPI DWORD WINAPI CommDlgExtendedError();
}

namespace kx {

/// Queues the answer of the next file dialog: a path (absolute, or relative
/// to the dialog's initial folder) or nothing for Cancel. Unanswered
/// dialogs are cancelled.
void QueueFileDialogAnswer(std::optional<std::u16string> path);

} // namespace kx

// What a property sheet keeps: its pages (copied from the caller's page
// structures) and where the user is.
#pragma once

#include "platform/window/property_sheet_api.h"

#include <string>
#include <vector>

struct _PSP {
    /// The caller's page structure copied whole (dwSize bytes), so data a
    /// page keeps after the structure travels with it.
    std::vector<uint64_t> bytes;
    PROPSHEETPAGEW* Page() { return reinterpret_cast<PROPSHEETPAGEW*>(bytes.data()); }
};

namespace kx {

struct SheetPage {
    HPROPSHEETPAGE handle = nullptr;
    bool ownsHandle = false;
    HWND window = nullptr;
    bool changed = false;
    SIZE size{}; ///< In pixels.
    std::u16string title;
};

struct SheetData {
    DWORD flags = 0;
    std::u16string caption;
    std::vector<SheetPage> pages;
    int current = -1;
    int startPage = 0;
    bool applied = false;
    bool closed = false;
    bool modal = false;
    HWND tab = nullptr;
    RECT pageArea{};
    PFNPROPSHEETCALLBACK callback = nullptr;
    HINSTANCE instance = nullptr;
};

SheetData* SheetDataOf(HWND sheet);

// The flow of the sheet: activation, leaving, applying, cancelling.
bool ActivatePage(HWND sheet, SheetData& data, int index, int direction);
bool LeaveCurrentPage(HWND sheet, SheetData& data);
bool ApplySheet(HWND sheet, SheetData& data, bool closing);
void CancelSheet(HWND sheet, SheetData& data, bool closeBox);
void CloseSheet(HWND sheet, SheetData& data);
LRESULT SendPageNotify(HWND sheet, HWND page, UINT code, LPARAM lParam);
void UpdateApplyButton(HWND sheet, const SheetData& data);

/// Answers a message of the sheet window; FALSE when it is not one of its own.
INT_PTR SheetMessage(HWND sheet, SheetData& data, UINT message, WPARAM wParam, LPARAM lParam);

/// Creates the page's window if it has none yet; false when it cannot.
bool EnsurePageWindow(HWND sheet, SheetData& data, int index);

} // namespace kx

// The property sheet window: tab control, pages made from their templates
// when first shown, and OK / Cancel / Apply / Help buttons. The flow of
// notifications is in property_sheet_flow.cpp, the PSM_* messages in
// property_sheet_messages.cpp.
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/dialog_template.h"
#include "platform/window/property_sheet_state.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

namespace kx {
namespace {

constexpr size_t kPageMinimumSize = offsetof(PROPSHEETPAGEW, pcRefParent) + sizeof(UINT*);
constexpr size_t kHeaderMinimumSize =
    offsetof(PROPSHEETHEADERW, pfnCallback) + sizeof(PFNPROPSHEETCALLBACK);
constexpr size_t kUnboundedTemplate = size_t{1} << 30;
constexpr short kMargin = 7;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 4;
constexpr LONG kTabStripHeight = 20;

const DLGTEMPLATE* PageTemplate(const PROPSHEETPAGEW& page) {
    if (page.dwFlags & PSP_DLGINDIRECT)
        return page.pResource;
    return FindDialogResource(page.hInstance, page.pszTemplate);
}

std::optional<DialogTemplate> DecodePage(const PROPSHEETPAGEW& page) {
    const DLGTEMPLATE* data = PageTemplate(page);
    return data ? DecodeDialogTemplate(data, kUnboundedTemplate) : std::nullopt;
}

SIZE PagePixels(const DialogTemplate& dialog) {
    const SIZE units = (dialog.style & DS_SETFONT)
                           ? DialogBaseUnits(dialog.typeface, dialog.pointSize)
                           : DialogBaseUnits(u"", 0);
    const RECT rect = DialogUnitsToPixels(RECT{0, 0, dialog.cx, dialog.cy}, units);
    return SIZE{rect.right, rect.bottom};
}

std::u16string PageTitle(const PROPSHEETPAGEW& page, const std::optional<DialogTemplate>& dialog) {
    if ((page.dwFlags & PSP_USETITLE) && page.pszTitle && !IS_INTRESOURCE(page.pszTitle))
        return page.pszTitle;
    return dialog ? dialog->caption : u"";
}

std::vector<HPROPSHEETPAGE> CollectPages(const PROPSHEETHEADERW& header, std::vector<bool>& owned) {
    std::vector<HPROPSHEETPAGE> pages;
    if (header.dwFlags & PSH_PROPSHEETPAGE) {
        // The array's elements are each as long as their own dwSize says.
        const auto* at = reinterpret_cast<const BYTE*>(header.ppsp);
        for (UINT i = 0; at && i < header.nPages; ++i) {
            const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(at);
            HPROPSHEETPAGE handle = CreatePropertySheetPageW(page);
            if (!handle)
                break;
            pages.push_back(handle);
            owned.push_back(true);
            at += page->dwSize;
        }
    } else {
        for (UINT i = 0; header.phpage && i < header.nPages; ++i) {
            if (header.phpage[i]) {
                pages.push_back(header.phpage[i]);
                owned.push_back(false);
            }
        }
    }
    return pages;
}

DialogTemplate SheetTemplate(const SheetData& data, SIZE largestPage, bool hasHelp, bool hasApply) {
    DialogTemplate sheet;
    sheet.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
    if (!(data.flags & PSH_NOCONTEXTHELP))
        sheet.style |= DS_CONTEXTHELP;
    if (data.flags & PSH_RTLREADING)
        sheet.exStyle |= WS_EX_RTLREADING;
    sheet.exStyle |= WS_EX_CONTROLPARENT;
    sheet.caption = (data.flags & PSH_PROPTITLE) ? u"Properties for " + data.caption : data.caption;
    sheet.pointSize = 8;
    sheet.typeface = u"MS Shell Dlg";
    const SIZE units = DialogBaseUnits(sheet.typeface, sheet.pointSize);
    // Pages are measured in pixels; the sheet's own template is in its units.
    const auto widthUnits = static_cast<short>((largestPage.cx + 8 + units.cx - 1) * 4 / units.cx);
    const auto heightUnits =
        static_cast<short>((largestPage.cy + kTabStripHeight + 8 + units.cy - 1) * 8 / units.cy);
    const int buttons = 2 + (hasApply ? 1 : 0) + (hasHelp ? 1 : 0);
    const auto buttonsWidth =
        static_cast<short>(buttons * (kButtonWidth + kButtonGap) - kButtonGap);
    sheet.cx = static_cast<short>(std::max<short>(widthUnits, buttonsWidth) + 2 * kMargin);
    sheet.cy = static_cast<short>(heightUnits + 3 * kMargin + kButtonHeight);
    struct Button {
        int id;
        const char16_t* text;
        bool shown;
    };
    const Button row[] = {{IDOK, u"OK", true},
                          {IDCANCEL, u"Cancel", true},
                          {IDC_PS_APPLYNOW, u"&Apply", hasApply},
                          {IDHELP, u"Help", hasHelp}};
    auto left = static_cast<short>(sheet.cx - kMargin - buttonsWidth);
    const auto top = static_cast<short>(sheet.cy - kMargin - kButtonHeight);
    for (const auto& button : row) {
        if (!button.shown)
            continue;
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                      (button.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (button.id == IDC_PS_APPLYNOW)
            style |= WS_DISABLED;
        sheet.items.push_back({0, style, 0, left, top, kButtonWidth, kButtonHeight,
                               static_cast<DWORD>(button.id), u"Button", button.text, 0});
        left = static_cast<short>(left + kButtonWidth + kButtonGap);
    }
    return sheet;
}

void CreateTab(HWND sheet, SheetData& data) {
    RECT client{};
    GetClientRect(sheet, &client);
    RECT margin{0, 0, kMargin, kMargin};
    MapDialogRect(sheet, &margin);
    RECT ok{};
    GetWindowRect(GetDlgItem(sheet, IDOK), &ok);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&ok), 2);
    const RECT tabRect{margin.right, margin.bottom, client.right - margin.right,
                       ok.top - margin.bottom};
    data.tab = CreateWindowExW(
        0, WC_TABCONTROLW, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, tabRect.left,
        tabRect.top, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top, sheet,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(IDC_PS_TABCONTROL)), nullptr, nullptr);
    // Below the buttons in z-order, so the tab order runs tab, pages, buttons.
    SetWindowPos(data.tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (size_t i = 0; i < data.pages.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = data.pages[i].title.data();
        SendMessageW(data.tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT area{0, 0, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top};
    SendMessageW(data.tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(data.tab, sheet, reinterpret_cast<POINT*>(&area), 2);
    data.pageArea = area;
}

void ReleasePages(SheetData& data) {
    for (auto& page : data.pages) {
        PROPSHEETPAGEW* psp = page.handle->Page();
        if ((psp->dwFlags & PSP_USECALLBACK) && psp->pfnCallback)
            psp->pfnCallback(nullptr, PSPCB_RELEASE, psp);
        if (page.ownsHandle)
            DestroyPropertySheetPage(page.handle);
    }
    data.pages.clear();
}

INT_PTR CALLBACK SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* data = reinterpret_cast<SheetData*>(lParam);
        SetWindowLongPtrW(sheet, DWLP_USER, lParam);
        CreateTab(sheet, *data);
        if (!ActivatePage(sheet, *data, data->startPage, 1))
            ActivatePage(sheet, *data, 0, 1);
        return FALSE;
    }
    SheetData* data = SheetDataOf(sheet);
    if (!data)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(sheet, DWLP_USER, 0);
        ReleasePages(*data);
        delete data;
        return FALSE;
    }
    return SheetMessage(sheet, *data, message, wParam, lParam);
}

} // namespace

SheetData* SheetDataOf(HWND sheet) {
    if (GetWindowLongPtrW(sheet, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(SheetProc))
        return nullptr;
    return reinterpret_cast<SheetData*>(GetWindowLongPtrW(sheet, DWLP_USER));
}

bool EnsurePageWindow(HWND sheet, SheetData& data, int index) {
    SheetPage& page = data.pages[static_cast<size_t>(index)];
    if (page.window)
        return true;
    PROPSHEETPAGEW* psp = page.handle->Page();
    if ((psp->dwFlags & PSP_USECALLBACK) && psp->pfnCallback &&
        !psp->pfnCallback(nullptr, PSPCB_CREATE, psp))
        return false;
    auto dialog = DecodePage(*psp);
    if (!dialog)
        return false;
    // A page is a child control-parent of the sheet, whatever its template says.
    dialog->style =
        (dialog->style & ~(WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_SYSMENU | DS_MODALFRAME)) |
        WS_CHILD | DS_CONTROL;
    dialog->x = dialog->y = 0;
    const auto binary = EncodeDialogTemplate(*dialog);
    page.window = CreateDialogIndirectParamW(psp->hInstance,
                                             reinterpret_cast<const DLGTEMPLATE*>(binary.data()),
                                             sheet, psp->pfnDlgProc, reinterpret_cast<LPARAM>(psp));
    if (!page.window)
        return false;
    SetWindowPos(page.window, HWND_TOP, data.pageArea.left, data.pageArea.top, 0, 0, SWP_NOSIZE);
    return true;
}

} // namespace kx

extern "C" {

KXAPI HPROPSHEETPAGE WINAPI CreatePropertySheetPageW(LPCPROPSHEETPAGEW page) {
    if (!page || page->dwSize < kx::kPageMinimumSize || page->dwSize > 0x10000) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto handle = std::make_unique<_PSP>();
    const size_t size = std::max<size_t>(page->dwSize, sizeof(PROPSHEETPAGEW));
    handle->bytes.assign((size + 7) / 8, 0);
    std::memcpy(handle->bytes.data(), page, page->dwSize);
    return handle.release();
}

KXAPI BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE page) {
    delete page;
    return TRUE;
}

KXAPI INT_PTR WINAPI PropertySheetW(LPCPROPSHEETHEADERW header) {
    if (!header || header->dwSize < kx::kHeaderMinimumSize)
        return -1;
    auto data = std::make_unique<kx::SheetData>();
    data->flags = header->dwFlags;
    data->instance = header->hInstance;
    data->caption =
        header->pszCaption && !IS_INTRESOURCE(header->pszCaption) ? header->pszCaption : u"";
    data->startPage = static_cast<int>(header->nStartPage);
    data->modal = !(header->dwFlags & PSH_MODELESS);
    data->callback = (header->dwFlags & PSH_USECALLBACK) ? header->pfnCallback : nullptr;
    std::vector<bool> owned;
    SIZE largest{0, 0};
    for (HPROPSHEETPAGE handle : kx::CollectPages(*header, owned)) {
        kx::SheetPage page;
        page.handle = handle;
        page.ownsHandle = owned[data->pages.size()];
        const auto dialog = kx::DecodePage(*handle->Page());
        page.title = kx::PageTitle(*handle->Page(), dialog);
        page.size = dialog ? kx::PagePixels(*dialog) : SIZE{0, 0};
        largest.cx = std::max(largest.cx, page.size.cx);
        largest.cy = std::max(largest.cy, page.size.cy);
        data->pages.push_back(std::move(page));
    }
    const bool hasHelp = header->dwFlags & PSH_HASHELP;
    const bool hasApply = !(header->dwFlags & PSH_NOAPPLYNOW);
    const auto binary =
        kx::EncodeDialogTemplate(kx::SheetTemplate(*data, largest, hasHelp, hasApply));
    const HWND owner = header->hwndParent;
    kx::SheetData* raw = data.release();
    const HWND sheet = CreateDialogIndirectParamW(
        header->hInstance, reinterpret_cast<const DLGTEMPLATE*>(binary.data()), owner,
        kx::SheetProc, reinterpret_cast<LPARAM>(raw));
    if (!sheet) {
        kx::ReleasePages(*raw);
        delete raw;
        return -1;
    }
    if (raw->callback)
        raw->callback(sheet, PSCB_INITIALIZED, 0);
    if (!raw->modal) {
        ShowWindow(sheet, SW_SHOW);
        kx::NotifyDialogShown(sheet);
        return reinterpret_cast<INT_PTR>(sheet);
    }
    if (auto* state = kx::StateOf<kx::DialogState>(sheet))
        state->modal = true;
    return kx::RunModalLoop(sheet, owner ? GetAncestor(owner, GA_ROOT) : nullptr);
}

} // extern "C"

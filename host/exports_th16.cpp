// The entry points of the 16-bit driver host: each converts the host's
// 16:16 addresses and 16-bit handles, then calls its 32-bit twin. An address
// that does not translate never reaches the 32-bit entry.
#include "host/exports.h"
#include "host/wow_bridge.h"

#include "devmode/devmode_record.h"
#include "host/host_record_layout.h"
#include "platform/wow/wow_api.h"

namespace {

constexpr DWORD kPageInfoSize = kx::layout::page_info::kSize;
constexpr size_t kPageInfoWindow = kx::layout::page_info::kWindow;

void* Translate(DWORD address16, DWORD size) {
    return WOWGetVDMPointer(address16, size, TRUE);
}

} // namespace

extern "C" {

KXAPI void WINAPI TELV_PageInfo_Th16(DWORD info16, int index) {
    auto* info = static_cast<BYTE*>(Translate(info16, kPageInfoSize));
    if (info == nullptr)
        return;
    TELV_PageInfo(reinterpret_cast<PageInfoRecord*>(info), index);
    const DWORD window32 = kx::LoadU32(info + kPageInfoWindow);
    kx::StoreU32(info + kPageInfoWindow,
                 WOWHandle16(HandleFromValue<HANDLE>(window32), WOW_TYPE_HWND));
}

KXAPI BOOL WINAPI TELV_DialogProc_Th16(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       int index) {
    return kx::DialogProc16(window, message, wParam, lParam, index, TELV_DialogProc);
}

KXAPI LONG WINAPI TELV_Page0CallBack_Th16(HWND, UINT stage, DWORD record16) {
    return kx::SheetCallback16(stage, record16);
}

KXAPI BOOL WINAPI TELV_GetText_Th16(int fromStringFile, DWORD section16, DWORD key16, DWORD out16,
                                    int size) {
    if (size <= 0)
        return TRUE;
    auto* out = static_cast<LPWSTR>(Translate(out16, static_cast<DWORD>(size) * 2));
    LPCWSTR key = kx::Text16(key16);
    LPCWSTR section = section16 != 0 ? kx::Text16(section16) : nullptr;
    if (out == nullptr || key == nullptr || (section16 != 0 && section == nullptr))
        return TRUE;
    return TELV_GetText(fromStringFile, section, key, out, size);
}

KXAPI int WINAPI TELV_RemoveCustomData_Th16(DWORD driverName16) {
    LPCWSTR driverName = kx::Text16(driverName16);
    if (driverName == nullptr)
        return 1;
    return TELV_RemoveCustomData(driverName);
}

KXAPI int WINAPI TELV_SaveDefDevMode_Th16(DWORD devmode16) {
    const void* devmode = Translate(devmode16, static_cast<DWORD>(kx::kDevmodeSize));
    if (devmode == nullptr)
        return static_cast<int>(ERROR_INVALID_PARAMETER);
    return TELV_SaveDefDevMode(devmode);
}
}

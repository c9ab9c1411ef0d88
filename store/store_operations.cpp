// Operations on the per-user store as a whole.
#include "store/store_operations.h"

#include "devmode/printer_queries.h"
#include "framework/kromaui_app.h"
#include "platform/registry/registry_api.h"
#include "store/custom_data_key.h"
#include "store/store_layout.h"

namespace kx::store {
namespace {

// The store is shared by every printer of the driver: counting stops here
// because the answer only says whether another printer still needs it.
constexpr int kSharingPrinters = 2;

} // namespace

LONG DeleteKind(std::u16string_view subkey) {
    if (subkey.empty())
        return ERROR_INVALID_PARAMETER;
    const std::u16string path = StoreKeyPath(TheApp().names.driverBaseName, subkey);
    // A subkey another program left under the kind must not keep the old
    // items alive: the whole tree goes.
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

LONG DeleteAllItemKinds() {
    LONG first = ERROR_SUCCESS;
    for (const std::u16string_view kind : kItemKinds) {
        // Every kind is tried: one that cannot go keeps no other alive.
        if (const LONG status = DeleteKind(kind); first == ERROR_SUCCESS)
            first = status;
    }
    return first;
}

LONG SaveDefaultDevmode(const BYTE* record) {
    CCustomDataKey key;
    key.Open({}, CCustomDataKey::kNoItem, Create::Yes);
    key.WriteSnapshot(kDefaultDevmodeValue, record);
    return key.Finish();
}

bool ReadDefaultDevmode(BYTE* record) {
    CCustomDataKey key;
    key.Open({}, CCustomDataKey::kNoItem, Create::No);
    // A default of the wrong type or size is no record of this layout; it
    // counts as absent, so the host's record is stored in its place.
    return key.ReadWholeSnapshot(kDefaultDevmodeValue, record) != FALSE;
}

int RemoveAllItems(std::u16string_view driverName, PrinterQueries& printers) {
    if (printers.CountPrintersUsingDriver(driverName, kSharingPrinters) >= kSharingPrinters)
        return 1;
    (void)DeleteAllItemKinds();
    return 0;
}

int RemoveAllItems(std::u16string_view driverName) {
    return RemoveAllItems(driverName, CurrentPrinterQueries());
}

} // namespace kx::store

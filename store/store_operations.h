// Operations on the per-user store as a whole: deleting item kinds, the
// stored default device mode, and removing a driver's items when one of its
// printers goes.
#pragma once

#include "platform/base/win_types.h"

#include <string_view>

namespace kx {
class PrinterQueries;
}

namespace kx::store {

/// Deletes one item subkey with all its values and anything below it. A
/// subkey that does not exist counts as deleted; an empty name deletes
/// nothing (it would name the store key itself) and is
/// ERROR_INVALID_PARAMETER. ERROR_SUCCESS when the subkey is gone afterwards.
[[nodiscard]] LONG DeleteKind(std::u16string_view subkey);

/// Deletes every item subkey, in the order of kItemKinds. The store key's
/// own values stay. The first kind's error, ERROR_SUCCESS when all are gone.
[[nodiscard]] LONG DeleteAllItemKinds();

/// Writes a 3,555-byte record as "Default DevMode", creating the store key.
/// The result is that of closing the key, or the error of creating it or
/// of writing the value.
[[nodiscard]] LONG SaveDefaultDevmode(const BYTE* record);

/// Reads "Default DevMode" into a 3,555-byte record; false (and a zeroed
/// record) when it was never stored.
[[nodiscard]] bool ReadDefaultDevmode(BYTE* record);

/// The driver's printers keep sharing the store while two or more of them
/// use the driver: then nothing is deleted and the result is 1. Otherwise
/// every item subkey is deleted and the result is 0.
int RemoveAllItems(std::u16string_view driverName, PrinterQueries& printers);
/// As above, asking the printer queries in use.
int RemoveAllItems(std::u16string_view driverName);

} // namespace kx::store

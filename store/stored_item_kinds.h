// The item classes behind the list controls' kind numbers.
#pragma once

#include "framework/kx_list_controls.h"

#include <memory>

namespace kx {

/// The item of a kind, as TKxClass::CreateItem describes it.
std::unique_ptr<CCustomData> MakeStoredItem(int kind, int item, const BYTE* devmode);

/// Lets the list controls make the store's items; the module does this at start.
void InstallStoredItemKinds();

} // namespace kx

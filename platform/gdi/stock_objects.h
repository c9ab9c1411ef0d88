// The stock pens, brushes and fonts, made once per process and never deleted.
#pragma once

#include "platform/gdi/gdi_object.h"

namespace kx {

/// The stock object `index` (GetStockObject), or a null selection.
Selection<GdiObject> StockObject(int index);

template <typename T>
Selection<T> StockSelection(int index) {
    Selection<GdiObject> stock = StockObject(index);
    return Selection<T>{stock.handle, std::dynamic_pointer_cast<T>(stock.object)};
}

} // namespace kx

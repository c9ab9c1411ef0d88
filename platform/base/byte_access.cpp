// Bounded UTF-16 writes into byte buffers.
#include "platform/base/byte_access.h"

#include <algorithm>

namespace kx {

size_t WriteTextAt(BYTE* at, size_t capacity, std::u16string_view text) {
    if (capacity == 0)
        return 0;
    size_t count = std::min(text.size(), capacity - 1);
    if (count > 0 && count < text.size() && text[count - 1] >= 0xD800 && text[count - 1] < 0xDC00)
        --count;
    for (size_t i = 0; i < count; ++i)
        StoreU16(at + 2 * i, text[i]);
    StoreU16(at + 2 * count, 0);
    return count;
}

} // namespace kx

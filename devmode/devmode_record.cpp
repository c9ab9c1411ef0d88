// Bounded text access to device-mode fields and the field lookup by name.
#include "devmode/devmode_record.h"

#include <algorithm>
#include <new>

namespace kx {

DevmodeBuffer AllocateDevmode() {
    return DevmodeBuffer(new (std::nothrow) BYTE[kDevmodeSize]());
}

const DevmodeField* FindDevmodeField(std::string_view name) {
    const auto found =
        std::find_if(kDevmodeFields.begin(), kDevmodeFields.end(),
                     [name](const DevmodeField& field) { return field.name == name; });
    return found == kDevmodeFields.end() ? nullptr : &*found;
}

void CopyTextField(BYTE* target, const BYTE* source, const DevmodeField& field) {
    const size_t capacity = field.Capacity();
    if (capacity == 0)
        return;
    const size_t length = std::min(TextFieldLength(source, field), capacity - 1);
    std::memmove(target + field.offset, source + field.offset, 2 * length);
    StoreU16(target + field.offset + 2 * length, 0);
}

bool SameText(const BYTE* a, const BYTE* b, const DevmodeField& field) {
    const size_t length = TextFieldLength(a, field);
    if (length != TextFieldLength(b, field))
        return false;
    return std::memcmp(a + field.offset, b + field.offset, 2 * length) == 0;
}

} // namespace kx

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

size_t TextLengthAt(const BYTE* at, size_t capacity) {
    for (size_t i = 0; i < capacity; ++i)
        if (LoadU16(at + 2 * i) == 0)
            return i;
    return capacity;
}

std::u16string ReadTextAt(const BYTE* at, size_t capacity) {
    const size_t length = TextLengthAt(at, capacity);
    std::u16string text(length, u'\0');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char16_t>(LoadU16(at + 2 * i));
    return text;
}

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

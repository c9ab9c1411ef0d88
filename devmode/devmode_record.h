// Typed access to the fields of a 3,555-byte device mode held as bytes:
// little-endian, unaligned, by offset; texts bounded by their field.
#pragma once

#include "devmode/devmode_field_table.h"
#include "platform/base/byte_access.h"
#include "platform/base/win_types.h"

#include <cassert>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace kx {

/// Owner of one heap record; null when the allocation failed.
using DevmodeBuffer = std::unique_ptr<BYTE[]>;

/// A zeroed 3,555-byte record, or null when memory is short.
DevmodeBuffer AllocateDevmode();

/// The value of a number field, signed or unsigned as the field's type says.
inline int64_t ReadNumber(const BYTE* record, const DevmodeField& field) {
    const BYTE* at = record + field.offset;
    switch (field.type) {
    case FieldType::U8:
        return at[0];
    case FieldType::I16:
        return static_cast<int16_t>(LoadU16(at));
    case FieldType::U16:
        return LoadU16(at);
    case FieldType::I32:
        return static_cast<int32_t>(LoadU32(at));
    case FieldType::U32:
        return LoadU32(at);
    case FieldType::Text:
    case FieldType::Bytes:
        break;
    }
    assert(!"ReadNumber on a text or byte field");
    return 0;
}

/// Stores the low bytes of value that the field's width holds.
inline void WriteNumber(BYTE* record, const DevmodeField& field, int64_t value) {
    BYTE* at = record + field.offset;
    switch (field.type) {
    case FieldType::U8:
        at[0] = static_cast<BYTE>(value);
        return;
    case FieldType::I16:
    case FieldType::U16:
        StoreU16(at, static_cast<uint16_t>(value));
        return;
    case FieldType::I32:
    case FieldType::U32:
        StoreU32(at, static_cast<uint32_t>(value));
        return;
    case FieldType::Text:
    case FieldType::Bytes:
        break;
    }
    assert(!"WriteNumber on a text or byte field");
}

/// The dmFields word of a record.
inline DWORD FieldBits(const BYTE* record) {
    return LoadU32(record + FieldNamed("dmFields").offset);
}

/// Code units of a text field before its terminator, or its capacity when
/// the stored text has none.
inline size_t TextFieldLength(const BYTE* record, const DevmodeField& field) {
    assert(field.type == FieldType::Text);
    return TextLengthAt(record + field.offset, field.Capacity());
}

inline bool IsTextFieldEmpty(const BYTE* record, const DevmodeField& field) {
    assert(field.type == FieldType::Text);
    return LoadU16(record + field.offset) == 0;
}

inline std::u16string ReadText(const BYTE* record, const DevmodeField& field) {
    assert(field.type == FieldType::Text);
    return ReadTextAt(record + field.offset, field.Capacity());
}

/// Writes at most capacity - 1 code units and a terminator; the rest of the
/// field keeps its bytes. Returns the code units written.
inline size_t WriteText(BYTE* record, const DevmodeField& field, std::u16string_view text) {
    assert(field.type == FieldType::Text);
    return WriteTextAt(record + field.offset, field.Capacity(), text);
}

/// Copies a text field as a zero-terminated string: the source's text up to
/// its terminator, cut to capacity - 1 code units, then a terminator; bytes
/// after it keep the target's values.
void CopyTextField(BYTE* target, const BYTE* source, const DevmodeField& field);

/// Copies width bytes at offset; the common widths become single moves.
inline void CopyBytesAt(BYTE* target, const BYTE* source, size_t offset, size_t width) {
    switch (width) {
    case 1:
        target[offset] = source[offset];
        return;
    case 2:
        std::memcpy(target + offset, source + offset, 2);
        return;
    case 4:
        std::memcpy(target + offset, source + offset, 4);
        return;
    default:
        std::memcpy(target + offset, source + offset, width);
    }
}

/// Whole-field copy and comparison of the bytes a field covers.
inline void CopyField(BYTE* target, const BYTE* source, const DevmodeField& field) {
    CopyBytesAt(target, source, field.offset, field.width);
}
inline bool SameField(const BYTE* a, const BYTE* b, const DevmodeField& field) {
    return std::memcmp(a + field.offset, b + field.offset, field.width) == 0;
}

/// The text of a field as a fixed-width array of code units would hold it,
/// compared up to the first terminator or the capacity.
bool SameText(const BYTE* a, const BYTE* b, const DevmodeField& field);

} // namespace kx

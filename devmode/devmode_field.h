// The field description of the 3,555-byte device mode (name, offset, type,
// width, view) and the lookups over the one field table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kx {

constexpr size_t kPublicDevmodeSize = 220;
constexpr size_t kPrivateDevmodeSize = 3335;
constexpr size_t kDevmodeSize = kPublicDevmodeSize + kPrivateDevmodeSize;

enum class FieldType : uint8_t {
    U8,
    I16,
    U16,
    I32,
    U32,
    Text,  ///< zero-terminated UTF-16 within width / 2 code units
    Bytes, ///< opaque bytes, copied and compared as they stand
};

enum class FieldView : uint8_t {
    Public,        ///< public fields outside the unions
    PublicPrinter, ///< the printer view of the public unions
    PublicDisplay, ///< the display view of the public unions
    Private,       ///< private fields outside the shared block
    Deco,          ///< the deco-stamp view of the shared block
    Office,        ///< the office view of the shared block
};

struct DevmodeField {
    std::string_view name;
    uint16_t offset; ///< bytes from the start of the whole record
    FieldType type;
    uint16_t width; ///< bytes
    FieldView view;

    constexpr size_t End() const { return size_t{offset} + width; }
    /// Code units of a text field, including room for the terminator.
    constexpr size_t Capacity() const { return width / 2; }
};

} // namespace kx

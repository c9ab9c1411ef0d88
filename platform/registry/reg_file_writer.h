// Writing registry export files (".reg") the way the registry editor does:
// header, blank line, then each key's line, its values and a blank line.
#pragma once

#include "platform/registry/reg_file_parser.h"
#include "platform/registry/registry_hive.h"

#include <string>
#include <string_view>

namespace kx {

class RegFileWriter {
public:
    explicit RegFileWriter(RegFormat format);

    /// Starts a key, named in full ("HKEY_CURRENT_USER\Software\...").
    void Key(std::u16string_view fullName);
    /// A value of the current key. Strings that would not come back the same
    /// from "..." (no terminator, embedded NULs, line breaks) are written as
    /// hex(1): so that an import gives back the same bytes.
    void Value(const RegistryValue& value);

    /// The file: UTF-16LE with a byte-order mark for the version-5 format,
    /// Windows-1252 for "REGEDIT4".
    std::string Bytes() const;

private:
    void HexValue(std::u16string line, const std::vector<uint8_t>& data);

    RegFormat m_format;
    std::u16string m_text;
};

} // namespace kx

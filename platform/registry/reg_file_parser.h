// Reading registry export files (".reg"): the version-5 format (UTF-16LE with
// a byte-order mark, or 8-bit) and "REGEDIT4" (8-bit). The whole file is
// checked before anything is applied; the first bad line is reported.
#pragma once

#include "platform/base/win_types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

enum class RegFormat { Version5, Regedit4 };

struct RegOperation {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind = Kind::CreateKey;
    uint32_t root = 0;   // the predefined handle value of the key's root
    std::u16string path; // below the root, levels separated by backslashes
    std::u16string name; // of the value
    DWORD type = 0;
    std::vector<uint8_t> data;
    size_t line = 0;
};

struct RegParseResult {
    std::vector<RegOperation> operations;
    RegFormat format = RegFormat::Version5;
    DWORD error = ERROR_SUCCESS; // ERROR_INVALID_DATA for a malformed file
    size_t errorLine = 0;        // 1-based
    std::string message;         // "line 7: ..." when the file is malformed
};

/// Parses a whole file. On error `operations` is empty.
RegParseResult ParseRegFile(std::string_view bytes);

} // namespace kx

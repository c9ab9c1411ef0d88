// The capability file of a printer model: the papers, paper sources (bins),
// media types, output bins, resolutions and single-value capabilities that
// DeviceCapabilitiesW reports. It is model data installed beside the driver
// module. The format:
//
//   ; comment (a ';' or '#' outside quotes starts a comment)
//   [Papers]
//   9                                ; a standard paper: form name and size
//   5 = Legal 8.5 x 14               ; a standard paper with its own name
//   257 = "Postcard 4x6", 1016, 1524 ; a driver paper: name, width, length
//   [Bins]
//   15 = Automatically Select
//   1 = " Tray 1"                    ; quotes keep blanks and ';'
//   [MediaTypes]
//   1 = Plain Paper
//   [OutputBins]
//   1 = Face Down Tray
//   [Resolutions]
//   600 x 600
//   1200                             ; 1200 x 1200
//   [Settings]
//   Copies = 999
//   Duplex = 1
//   [UserPapers]                     ; the user's papers, kept by the driver
//   Key = SOFTWARE\Vendor\Driver\Papers
//   Count = Count
//   Name = Name
//   Width = Width
//   Length = Length
//   FirstId = 257
//
// Sections and setting names compare without case; unknown sections, bad
// lines, duplicate ids (the first wins) and entries past 256 per list are
// skipped. Sizes are in tenths of a millimetre, portrait, 1 to 100000. The
// text is UTF-8 (a BOM is allowed), UTF-16LE with a BOM, or Windows-1252
// when it is not valid UTF-8.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct CapabilityPaper {
    WORD id;
    std::u16string name;
    LONG width;  // 0.1 mm
    LONG length; // 0.1 mm
};

struct CapabilityItem {
    DWORD id;
    std::u16string name;
};

struct CapabilitySetting {
    WORD capability; // the DC_ value it answers
    LONG value;
};

/// Where the user's own paper sizes are kept, below HKEY_CURRENT_USER: a
/// count value and per paper i the values Name+i, Width+i and Length+i
/// (numbers as decimal text or REG_DWORD, tenths of a millimetre). They
/// follow the file's papers with the ids FirstId + i.
struct UserPaperSource {
    std::u16string key;
    std::u16string count;
    std::u16string name;
    std::u16string width;
    std::u16string length;
    WORD firstId = 257;
};

struct CapabilityFile {
    std::vector<CapabilityPaper> papers;
    std::optional<UserPaperSource> userPapers;
    std::vector<CapabilityItem> bins;
    std::vector<CapabilityItem> mediaTypes;
    std::vector<CapabilityItem> outputBins;
    std::vector<POINT> resolutions;
    std::vector<CapabilitySetting> settings;
};

/// Parses the bytes of a capability file; never fails, bad lines are skipped.
CapabilityFile ParseCapabilityFile(std::string_view bytes);

/// The text of a model file: UTF-16LE with BOM, UTF-8 (BOM dropped), else
/// Windows-1252.
std::u16string DecodeModelText(std::string_view bytes);

} // namespace kx

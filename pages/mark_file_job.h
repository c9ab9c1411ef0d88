// The mark file job: one page printed on the sheet's printer through the
// PostScript driver with the device mode's watermark or stamp on it, which
// the driver's rendering side keeps as the printer's mark file.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>

namespace kx {

enum class MarkKind { Watermark, Stamp };

/// The drawing area's width-to-height ratio of a clone layout; none for 0
/// and for layouts the table lacks (the whole printable area is used).
struct CloneRatio {
    int width;
    int height;
};
std::optional<CloneRatio> CloneRatioOf(int64_t clone);

/// The printable area narrowed to the clone layout's ratio (w and h swapped
/// in landscape) and centred in it.
RECT MarkFileArea(SIZE printable, int64_t clone, bool landscape);

/// Prints the mark file of `devmode` for one orientation (portrait 1,
/// landscape 2); a stamp file is made for `paperCode`. The record's
/// orientation, paper and rotation are as before afterwards. Silent: a step
/// that fails skips the rest. Returns the job's document name when a
/// document was started.
std::optional<std::u16string> MakeMarkFile(BYTE* devmode, SHORT orientation, MarkKind kind,
                                           int paperCode);

} // namespace kx

// The Kroma CMS options of a model: which of its lists offer a check box,
// and the 2-bit values their item codes name in the device mode's
// KromaCMS words.
#pragma once

#include "devmode/model_profile.h"
#include "framework/value_list.h"
#include "platform/base/win_types.h"

#include <optional>
#include <vector>

namespace kx {

/// Where an item code's value lives: word (0-based) and the shift of its
/// low bit.
struct KromaBits {
    int word;
    int shift;
};

/// The 2-bit value of code c: word c / 10 - 1, bits 16 - 2 * (c mod 10)
/// and the one above. Codes below 11 mean "not available"; codes whose
/// bits fall outside a 16-bit word (last digit 9 or 0) or outside the
/// record's words are refused the same way.
std::optional<KromaBits> KromaCmsBits(int code);

/// The value under a code; none for a code not available.
std::optional<int> ReadKromaItem(const BYTE* devmode, int code);
/// Writes the low two bits of value under a code; nothing for a code not
/// available.
void WriteKromaItem(BYTE* devmode, int code, int value);

/// One check box: its list (1 to 40) and the codes for colour and grayscale.
struct KromaItem {
    int list;
    int colourCode;
    int grayCode;
};

constexpr int kMaxKromaItems = 10;

/// The lists that offer a check box, in order, at most ten: not empty and
/// a first number other than 0.
std::vector<KromaItem> OfferedKromaItems(const ModelProfile& profile);

/// The fine edge trapping names by value; value 0, which has no name of its
/// own, leaves the choice to the printer.
inline constexpr ValueText kFineEdgeTrapping[] = {
    {u"Printer Setting", 0}, {u"Normal", 1}, {u"Maximum", 2}, {u"Minimum", 3}, {u"Off", 4},
};

} // namespace kx

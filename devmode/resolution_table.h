// The resolution table: the print resolutions a page offers, each a pair of
// dmPrintQuality and iResolution, the rule that finds a device mode's entry,
// and the profile's masks that say which entries a model offers.
#pragma once

#include "devmode/model_profile.h"
#include "devmode/resolver_texts.h"
#include "platform/base/win_types.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct ResolutionEntry {
    int16_t printQuality;
    uint16_t resolution;
    std::u16string_view name; ///< the built-in name
};

constexpr int kResolutionCount = 25;
/// The draft entry: 600 dpi with the toner saved.
constexpr int kDraftResolution = 24;

const std::array<ResolutionEntry, kResolutionCount>& ResolutionTable();

/// The entry the device mode is at: the draft entry when the model offers
/// draft and the record is at 600 dpi saving toner, else the first entry
/// whose two values match (an iResolution of 0 counts as dmPrintQuality);
/// nothing when none matches.
std::optional<int> CurrentResolution(const BYTE* devmode, const ModelProfile& profile);

/// Writes an entry: DM_PRINTQUALITY, dmPrintQuality and iResolution, and for
/// the draft entry iTonerSave 2. An index outside the table writes nothing.
void WriteResolution(BYTE* devmode, int index);

/// Whether the model offers an entry (the group masks, and bit 0 of
/// GraphicsDraftRes for draft).
bool ResolutionOffered(int index, const ModelProfile& profile);
/// The offered entries in table order.
std::vector<int> OfferedResolutions(const ModelProfile& profile);

/// The string-file name of the offered entry at position `offered`:
/// "ResolutionString%d" with the position's number from the profile's
/// GraphicsResolutionStringIndex; nothing when it has no number or the text
/// is empty, so the caller keeps its own label.
std::optional<std::u16string> ResolutionText(size_t offered, const ModelProfile& profile,
                                             ResolverTexts& texts);

} // namespace kx

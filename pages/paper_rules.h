// The Paper page's rules that depend only on the model and the record:
// which advanced features the model has, the sub-sheet's tabs, the scaling
// type and percentage shown, why the scaling group is blocked, the output
// bin's usability and the labels with the model's limits.
#pragma once

#include "devmode/model_profile.h"
#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>

namespace kx {

/// A last page, any cover kind or a choice of separators: the first page
/// and the separator then live on the "Advanced Paper Options" sheet.
bool HasAdvancedPaperFeature(const ModelProfile& profile);

/// The first page is chosen on the sheet's Page tab.
bool FirstPageOnSheet(const ModelProfile& profile);

enum class CoverTab { None, OneOrTwoKinds, ThreeKinds };

struct PaperTabs {
    bool page = false;
    CoverTab cover = CoverTab::None;
    bool transparency = false;
    bool Any() const { return page || cover != CoverTab::None || transparency; }
};

/// The tabs of the sub-sheet, in their order: Page, Cover, Transparency.
PaperTabs AdvancedPaperTabs(const ModelProfile& profile);

/// The scaling type a record shows (4, 5 or 6).
WORD ScalingTypeOf(const BYTE* devmode, const ModelProfile& profile);

/// iERRatio as the percentage field shows it: 100 outside 25 to 400.
int32_t PercentageShown(int64_t ratio);

/// The copies' and the percentage's ranges by the model's keys.
int32_t CopiesMaximum(const ModelProfile& profile);
int32_t PercentageMinimum(const ModelProfile& profile);
int32_t PercentageMaximum(const ModelProfile& profile);

/// The usage tip of a blocked scaling group (a layout feature or the
/// rotated page); none when the group is usable.
std::optional<int> ScalingBlockedTip(const BYTE* devmode, const ModelProfile& profile);

/// The model has an optional output bin, a mailbox or a finisher.
bool OutputBinOffered(const ModelProfile& profile);
/// The installed options of the record let the output bin be chosen.
bool OutputBinUsable(const BYTE* devmode);

/// A label from a string-file format with the model's limits, or the
/// default when the format is empty.
std::u16string LimitLabel(std::u16string_view format, int32_t first, std::optional<int32_t> second);

} // namespace kx

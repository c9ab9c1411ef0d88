// The keyed message boxes the pages ask their questions and give their
// warnings with, and the texts of the conflict tip.
#pragma once

#include "devmode/model_profile.h"
#include "framework/text_store.h"
#include "platform/base/win_types.h"

#include <string>
#include <string_view>

namespace kx {

/// The message numbers of the pages' message boxes.
enum PageMessage : int {
    kNameRequired = 0,
    kFavouriteNameExists = 1,
    kDeleteFavourite = 2,
    kSaveChanges = 3,
    kDeleteOverlay = 4,
    kInvalidPasscodeRange = 5,
    kInvalidPasscodeLength = 6,
    kCopiesChanged = 7,
    kConflictingSettings = 8,
    kInvalidAccountingPassword = 9,
    kSaveFailed = 10,
};
constexpr int kPageMessageCount = 11;

/// The title text, the message text (both from `section` of the string
/// file, the table's texts as defaults) and the box's buttons and icon.
struct PageMessageTexts {
    std::u16string title;
    std::u16string message;
    UINT type = 0;
};

/// The texts of message `number` (0..10); the passcode messages 5 and 6 are
/// formatted with the profile's shortest and longest passcode lengths. An
/// unknown number gives empty texts.
PageMessageTexts ReadPageMessage(int number, std::u16string_view section, TextStore& strings,
                                 const ModelProfile& profile);

/// Shows message `number` owned by `owner` (right-to-left reading when the
/// model mirrors its layout) and returns the box's result; 0 for an
/// unknown number.
int ShowPageMessage(HWND owner, int number, std::u16string_view section, TextStore& strings,
                    const ModelProfile& profile);

/// The conflict tip's text: "ConflictSettingsMsg" of the default section
/// formatted with the conflicting settings (followed by a blank line) and
/// the adjusted ones. Leaves the string file on its default section.
std::u16string ConflictTipText(TextStore& strings, std::u16string_view conflicts,
                               std::u16string_view adjusted);

/// Where the conflict tip goes on the screen: each coordinate a percentage
/// of the page's width or height from its left or top edge, or the
/// cursor's coordinate when the percentage is negative.
POINT ConflictTipPosition(const RECT& pageOnScreen, POINT cursor, int32_t percentX,
                          int32_t percentY);

} // namespace kx

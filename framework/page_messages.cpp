// The message table of the pages and the conflict tip's text and place.
#include "framework/page_messages.h"

#include "platform/base/format.h"
#include "platform/window/message_box.h"

#include <array>

namespace kx {
namespace {

constexpr size_t kMessageCapacity = 512;

struct MessageRow {
    std::u16string_view titleKey;
    std::u16string_view messageKey;
    UINT type;
    std::u16string_view defaultText;
};

constexpr std::array<MessageRow, kPageMessageCount> kMessages = {{
    {u"Name Required", u"NameRequiredMsg", MB_OK | MB_ICONEXCLAMATION,
     u"Please enter a name for this favorite."},
    {u"Name Exists", u"NameExistsMsg", MB_YESNO | MB_ICONQUESTION,
     u"This name already exists, do you want to overwrite the favorite?"},
    {u"Are You Sure", u"AreYouSureMsg", MB_YESNO | MB_ICONQUESTION,
     u"Are you sure you want to delete this favorite?"},
    {u"Save Changes", u"SaveChangesMsg", MB_YESNOCANCEL | MB_ICONQUESTION,
     u"Do you want to save changes?"},
    {u"Are You Sure", u"AreYouSureMsg", MB_YESNO | MB_ICONQUESTION,
     u"Are you sure you want to delete this overlay?"},
    {u"Invalid Passcode", u"InvalidPasscodeMsg", MB_OK | MB_ICONEXCLAMATION,
     u"You must enter a %d-%d digit passcode and re-enter it for confirmation in order to use "
     u"the Secure Print feature."},
    {u"Invalid Passcode", u"InvalidPasscode2Msg", MB_OK | MB_ICONEXCLAMATION,
     u"You must enter a %d digit passcode and re-enter it for confirmation in order to use the "
     u"Secure Print feature."},
    {u"Warning", u"CopiesChangedMsg", MB_YESNO | MB_ICONQUESTION,
     u"The number of copies is not equal to the setting of color copies. Do you want to use the "
     u"default values?"},
    {u"Incompatible Print Settings", u"ConflictSettingsMsg", MB_OK | MB_ICONEXCLAMATION,
     u"There are conflicting settings: %sThe conflicting settings have been adjusted "
     u"automatically: %s"},
    {u"Invalid Passcode", u"InvalidPasscodeMsg", MB_OK | MB_ICONEXCLAMATION,
     u"You must enter a 4-32 alphanumeric password and re-enter it for confirmation in order to "
     u"use the Job Accounting feature."},
    {u"Save Failed", u"SaveFailedMsg", MB_OK | MB_ICONEXCLAMATION,
     u"The changes could not be saved; the stored list has not been changed."},
}};

bool TakesPasscodeLengths(int number) {
    return number == kInvalidPasscodeRange || number == kInvalidPasscodeLength;
}

} // namespace

PageMessageTexts ReadPageMessage(int number, std::u16string_view section, TextStore& strings,
                                 const ModelProfile& profile) {
    if (number < 0 || number >= kPageMessageCount)
        return {};
    const MessageRow& row = kMessages[static_cast<size_t>(number)];
    PageMessageTexts texts;
    texts.message = strings.ReadTextIn(section, row.messageKey, kMessageCapacity, row.defaultText);
    texts.title = strings.ReadTextIn(section, row.titleKey, kMessageCapacity, row.titleKey);
    texts.type = row.type;
    // The texts come from a model file: formatted by the bounded formatter,
    // so a stray conversion can never read past the two lengths given.
    if (TakesPasscodeLengths(number))
        texts.message =
            FormatText(texts.message, {profile.ExtrasMinPassLen, profile.ExtrasMaxPassLen});
    return texts;
}

int ShowPageMessage(HWND owner, int number, std::u16string_view section, TextStore& strings,
                    const ModelProfile& profile) {
    const PageMessageTexts texts = ReadPageMessage(number, section, strings, profile);
    if (texts.type == 0 && texts.message.empty())
        return 0;
    const UINT type = texts.type | (profile.MirrorLayout != 0 ? MB_RTLREADING : 0);
    return MessageBoxW(owner, texts.message.c_str(), texts.title.c_str(), type);
}

std::u16string ConflictTipText(TextStore& strings, std::u16string_view conflicts,
                               std::u16string_view adjusted) {
    const MessageRow& row = kMessages[kConflictingSettings];
    strings.SelectSection(u"");
    const std::u16string format =
        strings.ReadText(row.messageKey, kMessageCapacity, row.defaultText);
    const std::u16string first = std::u16string(conflicts) + u"\n\n";
    return FormatText(format, {first, adjusted});
}

POINT ConflictTipPosition(const RECT& pageOnScreen, POINT cursor, int32_t percentX,
                          int32_t percentY) {
    const auto along = [](LONG start, LONG extent, int32_t percent, LONG fallback) {
        if (percent < 0)
            return fallback;
        return static_cast<LONG>(start + static_cast<int64_t>(extent) * percent / 100);
    };
    return POINT{
        along(pageOnScreen.left, pageOnScreen.right - pageOnScreen.left, percentX, cursor.x),
        along(pageOnScreen.top, pageOnScreen.bottom - pageOnScreen.top, percentY, cursor.y)};
}

} // namespace kx

// The Output page's rules.
#include "pages/output_values.h"
#include "pages/basics_values.h"

#include "devmode/devmode_record.h"
#include "framework/page_messages.h"
#include "platform/base/format.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

bool Contains(const std::vector<int32_t>& list, int32_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

int64_t Field(const BYTE* devmode, const DevmodeField& field) {
    return devmode != nullptr ? ReadNumber(devmode, field) : 0;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[static_cast<size_t>(month - 1)];
}

} // namespace

WORD CloneEntryOf(int64_t stored) {
    if (stored <= 0)
        return 0;
    return static_cast<WORD>(std::clamp<int64_t>(stored, 2, 8) + kCloneValueOffset);
}

int16_t CloneOfEntry(WORD entry) {
    return static_cast<int16_t>(entry != 0 ? entry - kCloneValueOffset : 0);
}

std::optional<int> StapleBlockedTip(const BYTE* devmode) {
    if (Field(devmode, FieldNamed("iOptFinisher")) == 0)
        return kStapleFinisherTip;
    if (Field(devmode, FieldNamed("iPoster")) > 0 || Field(devmode, FieldNamed("iBooklet")) != 0)
        return kStapleLayoutTip;
    return std::nullopt;
}

std::optional<int> OffsetBlockedTip(const BYTE* devmode) {
    if (Field(devmode, FieldNamed("iOptFinisher")) == 0)
        return kOffsetFinisherTip;
    return std::nullopt;
}

bool OutputTrayUsable(const BYTE* devmode) {
    const int64_t multiBin = Field(devmode, FieldNamed("bMultiBinMode"));
    return (Field(devmode, FieldNamed("iOptionalOutBin")) != 0 ||
            Field(devmode, FieldNamed("bOptMailBox")) != 0 ||
            Field(devmode, FieldNamed("iOptFinisher")) == kMultiBinFinisher) &&
           (multiBin == 0 || multiBin == 1);
}

bool MultiBinUsable(const BYTE* devmode) {
    return Field(devmode, FieldNamed("iOptFinisher")) == kMultiBinFinisher &&
           Field(devmode, FieldNamed("iStaple")) == 0 && Field(devmode, FieldNamed("bOffset")) == 0;
}

int RowWeight(OptionRow row) {
    return row == OptionRow::Overlay ? 2 : 1;
}

std::vector<OptionRow> OfferedOptionRows(const ModelProfile& profile) {
    std::vector<OptionRow> rows;
    if (profile.ExtrasSaveAsForm != 0)
        rows.push_back(OptionRow::Overlay);
    if (profile.ExtrasReprintJam != 0)
        rows.push_back(OptionRow::ReprintJam);
    if (profile.ExtrasQuickPrint != 0)
        rows.push_back(OptionRow::QuickPrint);
    if (profile.ExtrasPrintTime != 0)
        rows.push_back(OptionRow::PrintTime);
    if (profile.ExtrasPrinterFont != 0)
        rows.push_back(OptionRow::PrinterFont);
    if (profile.PaperBannerSheet != 0 && profile.LayoutMore == 0)
        rows.push_back(OptionRow::BannerSheet);
    return rows;
}

int OptionRowCount(std::span<const OptionRow> rows) {
    int count = 0;
    for (const OptionRow row : rows)
        count += RowWeight(row);
    return count;
}

OptionRowSplit SplitOptionRows(std::span<const OptionRow> rows, int heldRows) {
    OptionRowSplit split;
    int used = 0;
    bool full = OptionRowCount(rows) > heldRows;
    for (const OptionRow row : rows) {
        // When everything fits, nothing moves; otherwise the page keeps
        // what fits in order and the rest moves together.
        if (!full || (split.inMore.empty() && used + RowWeight(row) <= heldRows)) {
            split.onPage.push_back(row);
            used += RowWeight(row);
        } else {
            split.inMore.push_back(row);
        }
    }
    return split;
}

JobSettingList JobSettingListFor(const ModelProfile& profile, const BYTE* devmode) {
    const int64_t memory = Field(devmode, FieldNamed("sPrinterMemory"));
    const int64_t critical = profile.CriticalMemorySize;
    const bool lowMemory = critical == 0 || memory < critical;
    if (profile.PrinterInstalledHDD != 0)
        return JobSettingList::HDDOn;
    if (profile.PrinterHDD != 0 || profile.anyLanguage.PrinterHDD != 0) {
        if (Field(devmode, FieldNamed("iInHard")) != 0)
            return JobSettingList::HDDOn;
        if (critical == 0)
            return JobSettingList::HDDOff;
        return memory < critical ? JobSettingList::MemoryOff : JobSettingList::MemoryOn;
    }
    return lowMemory ? JobSettingList::MemoryOff : JobSettingList::MemoryOn;
}

namespace {

const std::vector<int32_t>& ListOf(const ModelProfile& profile, JobSettingList list) {
    switch (list) {
    case JobSettingList::HDDOn:
        return profile.JobSettingHDDOn;
    case JobSettingList::HDDOff:
        return profile.JobSettingHDDOff;
    case JobSettingList::MemoryOn:
        return profile.JobSettingMemoryOn;
    case JobSettingList::MemoryOff:
        break;
    }
    return profile.JobSettingMemoryOff;
}

bool IsOnlyZero(const std::vector<int32_t>& list) {
    return list.size() == 1 && list[0] == 0;
}

bool UsableList(const std::vector<int32_t>& list) {
    return !list.empty() && !IsOnlyZero(list);
}

} // namespace

bool OffersPrintAndHold(const ModelProfile& profile) {
    return UsableList(profile.JobSettingHDDOn) || UsableList(profile.JobSettingHDDOff) ||
           UsableList(profile.JobSettingMemoryOn) || UsableList(profile.JobSettingMemoryOff);
}

std::vector<int> OfferedHoldEntries(const ModelProfile& profile, const BYTE* devmode) {
    const std::vector<int32_t>& list = ListOf(profile, JobSettingListFor(profile, devmode));
    std::vector<int> entries;
    if (!UsableList(list))
        return entries;
    constexpr int32_t kLastEntry = static_cast<int32_t>(std::size(kHoldModes)) - 1;
    for (const int32_t entry : list) {
        if (entry < 0 || entry > kLastEntry)
            continue;
        if (entry != 0 && !Contains(profile.ExtrasJobSettings, entry))
            continue;
        if (std::find(entries.begin(), entries.end(), entry) == entries.end())
            entries.push_back(static_cast<int>(entry));
    }
    return entries;
}

HoldShown ShowHoldValue(int64_t stored) {
    if (stored > kHoldPermanentStore)
        stored = kHoldPermanentStore + 1;
    if (stored < 0)
        stored = 0;
    if (stored == kHoldDelay || stored == kHoldDelay + 1)
        return {static_cast<int16_t>(stored), false};
    if (stored % 2 != 0)
        return {static_cast<int16_t>(stored - 1), true};
    return {static_cast<int16_t>(stored), false};
}

int16_t StoredHoldValue(const HoldMode& mode, bool variant) {
    return static_cast<int16_t>(mode.value + (variant && mode.hasVariant ? 1 : 0));
}

int HoldEntryOfValue(int16_t value) {
    for (size_t i = 0; i < std::size(kHoldModes); ++i) {
        if (kHoldModes[i].value == value)
            return static_cast<int>(i);
    }
    return -1;
}

bool HasDisk(const ModelProfile& profile, const BYTE* devmode) {
    return profile.PrinterInstalledHDD != 0 || Field(devmode, FieldNamed("iInHard")) > 0;
}

int VariantFormFor(const ModelProfile& profile, const BYTE* devmode, int16_t value) {
    if (!HasDisk(profile, devmode))
        return 0;
    if (value == kHoldStore || value == kHoldPermanentStore)
        return profile.ExtrasHideStoreHDD == 0 ? 2 : 0;
    if (value <= 5 && profile.ExtrasHideStoreHDD == 0 && profile.ExtrasSecurePrint == 0)
        return 1;
    return 0;
}

HoldBlock HoldRowsBlocked(const ModelProfile& profile, const BYTE* devmode, bool anyOffered) {
    const int64_t memory = Field(devmode, FieldNamed("sPrinterMemory"));
    const bool lowMemory = profile.CriticalMemorySize == 0 || memory < profile.CriticalMemorySize;
    if (anyOffered || !lowMemory)
        return {};
    const bool copiesSplit =
        profile.GraphicsCopiesSetting != 0 && profile.GraphicsColorMode != 0 &&
        Field(devmode, FieldNamed("iGrayMode")) != 0 &&
        Field(devmode, FieldNamed("sMonoCopies")) != 0 &&
        (profile.PaperCollate == 0 || Field(devmode, FieldNamed("bDrvCollate")) > 0);
    if (copiesSplit)
        return {true, kHoldCopiesSplitTip};
    if (profile.PrinterInstalledHDD == 0 && profile.ExtrasSecurePrint == 0 &&
        Field(devmode, FieldNamed("iInHard")) <= 0)
        return {true, kHoldNoDiskTip};
    return {true, 0};
}

HoldCharacters HoldCharactersFor(const ModelProfile& profile) {
    if (profile.JobSettingAllLanguageSupport != 0)
        return HoldCharacters::AllLanguages;
    if (profile.JobSettingKoreanSupport != 0)
        return HoldCharacters::Korean;
    return HoldCharacters::Ascii;
}

bool AcceptsCharacter(HoldCharacters set, char16_t c) {
    if (c >= 0x20 && c <= 0x7E)
        return true;
    switch (set) {
    case HoldCharacters::Ascii:
        return false;
    case HoldCharacters::Korean:
        // Hangul syllables and the compatibility jamo.
        return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x3131 && c <= 0x318E);
    case HoldCharacters::AllLanguages:
        // Anything but control characters, lone surrogate halves count as
        // parts of their pair, and the non-characters.
        return c >= 0xA0 && c != 0xFFFE && c != 0xFFFF;
    }
    return false;
}

bool AcceptsText(HoldCharacters set, std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [set](char16_t c) { return AcceptsCharacter(set, c); });
}

bool IsPasscodeCharacter(char16_t c) {
    return c >= u'0' && c <= u'9';
}

PasscodeLimits PasscodeLimitsFor(const ModelProfile& profile) {
    const bool secure = profile.ExtrasMaxPassLen > kPasscodeLimit;
    const int field = secure ? kSecurePasscodeLimit : kPasscodeLimit;
    const int maximum = std::clamp<int32_t>(profile.ExtrasMaxPassLen, 1, field);
    const int minimum = std::clamp<int32_t>(profile.ExtrasMinPassLen, 0, maximum);
    return {minimum, maximum, secure};
}

std::optional<int> CheckPasscode(const PasscodeLimits& limits, std::u16string_view passcode,
                                 std::u16string_view confirmation) {
    const bool accepted = std::all_of(passcode.begin(), passcode.end(), IsPasscodeCharacter) &&
                          passcode == confirmation &&
                          static_cast<int>(passcode.size()) >= limits.minimum &&
                          static_cast<int>(passcode.size()) <= limits.maximum;
    if (accepted)
        return std::nullopt;
    return limits.minimum == limits.maximum ? kInvalidPasscodeLength : kInvalidPasscodeRange;
}

bool IsValidDateTime(const SYSTEMTIME& time) {
    // The range a date picker and the system's file times can hold.
    if (time.wYear < 1601 || time.wYear > 30827 || time.wMonth < 1 || time.wMonth > 12)
        return false;
    if (time.wDay < 1 || time.wDay > DaysInMonth(time.wYear, time.wMonth))
        return false;
    return time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60;
}

std::optional<SYSTEMTIME> ParsePrintingTime(std::u16string_view text) {
    std::array<int32_t, 6> numbers{};
    size_t count = 0;
    size_t i = 0;
    // Numbers separated by colons, as the record keeps them; blanks before a
    // number are allowed, anything else ends the text.
    while (count < numbers.size()) {
        while (i < text.size() && text[i] == u' ')
            ++i;
        if (i >= text.size() || text[i] < u'0' || text[i] > u'9')
            break;
        int32_t value = 0;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            value = std::min<int32_t>(value * 10 + (text[i] - u'0'), 99999);
            ++i;
        }
        numbers[count++] = value;
        if (i >= text.size() || text[i] != u':')
            break;
        ++i;
    }
    if (count < 5)
        return std::nullopt;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(numbers[0]);
    time.wMonth = static_cast<WORD>(numbers[1]);
    time.wDay = static_cast<WORD>(numbers[2]);
    time.wHour = static_cast<WORD>(numbers[3]);
    time.wMinute = static_cast<WORD>(numbers[4]);
    time.wSecond = static_cast<WORD>(count > 5 ? numbers[5] : 0);
    if (!IsValidDateTime(time))
        return std::nullopt;
    return time;
}

std::u16string FormatPrintingTime(const SYSTEMTIME& date, const SYSTEMTIME& time) {
    return FormatText(u"%04d:%02d:%02d:%02d:%02d",
                      {static_cast<int>(date.wYear), static_cast<int>(date.wMonth),
                       static_cast<int>(date.wDay), static_cast<int>(time.wHour),
                       static_cast<int>(time.wMinute)});
}

} // namespace kx

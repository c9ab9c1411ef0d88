// The Output page's fixed value tables and its rules: the further option
// rows and which of them fit, the print-and-hold modes a printer offers and
// how a stored mode reads back, the hold rows a printer's memory blocks, the
// character and passcode checks of the hold fields, and the delayed job's
// time as the record keeps it.
#pragma once

#include "devmode/model_profile.h"
#include "framework/value_list.h"
#include "platform/base/win_types.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

constexpr ValueText kOutputPageOrders[] = {
    {u"Normal", 0},
    {u"Reverse All Pages", 1},
    {u"Print Odd Pages", 2},
    {u"Print Even Pages", 3},
};
constexpr WORD kReverseAllPages = 1;

constexpr ValueText kOutputTrays[] = {
    {u"Printer Default", 0},
    {u"Top Tray (Face Down)", 1},
    {u"Side Tray (Face Up)", 2},
};
constexpr WORD kSideTray = 2;

constexpr ValueText kOutputOffsets[] = {{u"No Offset", 0}, {u"Offset Each Set", 1}};

/// The reduced page's clone list: "Off", then the photo sizes of the Main
/// page (whose value less 6 is the record's iClone).
constexpr ValueText kCloneOff{u"Off", 0};
/// The clone list entry of a stored iClone (0 for none, 8 to 14 else).
WORD CloneEntryOf(int64_t stored);
/// The iClone a clone list entry stores.
int16_t CloneOfEntry(WORD entry);

/// The finisher whose bins the multi-bin modes sort into (iOptFinisher).
constexpr int64_t kMultiBinFinisher = 5;
/// The multi-bin modes work only on that finisher, with neither staple nor
/// offset chosen (the conflict rules clear the mode otherwise).
bool MultiBinUsable(const BYTE* devmode);

/// The usage tips of the finisher rows.
constexpr int kStapleLayoutTip = 23;
constexpr int kStapleFinisherTip = 24;
constexpr int kOffsetFinisherTip = 25;
/// Why the staple row cannot be used now (its tip), none when it can: it
/// needs a finisher and neither a poster nor a booklet.
std::optional<int> StapleBlockedTip(const BYTE* devmode);
/// Why the offset row cannot be used now: it needs a finisher.
std::optional<int> OffsetBlockedTip(const BYTE* devmode);

/// The output trays exist with an optional output bin, a mailbox or the
/// multi-bin finisher installed (the conflict rules clear the tray
/// otherwise).
bool OutputTrayUsable(const BYTE* devmode);

/// One print-and-hold mode: its entry number in the model's lists is its
/// position in kHoldModes. A mode with a variant stores value + 1 when the
/// variant is set.
struct HoldMode {
    std::u16string_view text;
    int16_t value;
    bool hasVariant;
};

constexpr HoldMode kHoldModes[] = {
    {u"Normal", 0, true}, {u"Proof", 2, true},  {u"Confidentional", 4, true},   {u"Store", 6, true},
    {u"Spool", 9, false}, {u"Delay", 8, false}, {u"Permanent Store", 10, true},
};
constexpr int16_t kHoldNormal = 0;
constexpr int16_t kHoldProof = 2;
constexpr int16_t kHoldConfidential = 4;
constexpr int16_t kHoldStore = 6;
constexpr int16_t kHoldDelay = 8;
constexpr int16_t kHoldPermanentStore = 10;
constexpr int kConfidentialEntry = 2;

/// The usage tips of the blocked hold rows.
constexpr int kHoldCopiesSplitTip = 53;
constexpr int kHoldNoDiskTip = 3;

/// Field limits of the hold dialog, in characters.
constexpr int kJobNameLimit = 64;
constexpr int kUserIdLimit = 20;
constexpr int kSecurePasscodeLimit = 20;
constexpr int kPasscodeLimit = 8;

/// The further option rows of the page, in page order. The overlay row
/// takes two rows (its caption and its list).
enum class OptionRow { Overlay, ReprintJam, QuickPrint, PrintTime, PrinterFont, BannerSheet };

int RowWeight(OptionRow row);
/// The rows the model offers.
std::vector<OptionRow> OfferedOptionRows(const ModelProfile& profile);
/// How many rows they take together.
int OptionRowCount(std::span<const OptionRow> rows);

struct OptionRowSplit {
    std::vector<OptionRow> onPage;
    std::vector<OptionRow> inMore; ///< empty: the page needs no "more" button
};
/// Keeps rows on the page, in order, while they fit into `heldRows`; the
/// first row that does not fit and every row after it go to the more
/// dialog. A negative `heldRows` holds none.
OptionRowSplit SplitOptionRows(std::span<const OptionRow> rows, int heldRows);

/// The job-setting list that applies to the printer as the record
/// declares it (disk installed, memory).
JobSettingList JobSettingListFor(const ModelProfile& profile, const BYTE* devmode);
/// Whether the model has any job-setting list (the hold button shows).
bool OffersPrintAndHold(const ModelProfile& profile);
/// The modes the printer offers, as entry numbers: the list in force, its
/// entries of 0 to 6 that are Normal or in the model's job settings, each
/// once. Empty when the list in force is empty or only 0.
std::vector<int> OfferedHoldEntries(const ModelProfile& profile, const BYTE* devmode);

/// A stored mode as the dialog shows it.
struct HoldShown {
    int16_t value;
    bool variant;
};
HoldShown ShowHoldValue(int64_t stored);
/// The value stored for a mode and its variant check box.
int16_t StoredHoldValue(const HoldMode& mode, bool variant);
/// The entry of a mode value, or -1.
int HoldEntryOfValue(int16_t value);

/// The printer declares a disk, or the record says one is installed.
bool HasDisk(const ModelProfile& profile, const BYTE* devmode);
/// Which variant check box a mode shows: 0 none, 1 the first form, 2 the
/// second (stored and permanent jobs).
int VariantFormFor(const ModelProfile& profile, const BYTE* devmode, int16_t value);

/// Whether the hold rows are usable; when not, the usage tip (0: none).
struct HoldBlock {
    bool blocked = false;
    int tip = 0;
};
HoldBlock HoldRowsBlocked(const ModelProfile& profile, const BYTE* devmode, bool anyOffered);

/// What the job-name and user-ID fields accept.
enum class HoldCharacters { Ascii, Korean, AllLanguages };
HoldCharacters HoldCharactersFor(const ModelProfile& profile);
bool AcceptsCharacter(HoldCharacters set, char16_t c);
bool AcceptsText(HoldCharacters set, std::u16string_view text);
/// A passcode holds digits only.
bool IsPasscodeCharacter(char16_t c);

/// The passcode lengths a model asks for, bounded by the field that keeps
/// the passcode (20 characters when the maximum is above 8, else 8).
struct PasscodeLimits {
    int minimum;
    int maximum;
    bool secureField; ///< cSecurePassword, else cPassword
};
PasscodeLimits PasscodeLimitsFor(const ModelProfile& profile);

/// The page message to show (the single-length or the range message),
/// none when the passcode is accepted: digits only, equal to its
/// confirmation, of an allowed length.
std::optional<int> CheckPasscode(const PasscodeLimits& limits, std::u16string_view passcode,
                                 std::u16string_view confirmation);

/// The delayed job's time from the record: "year:month:day:hour:minute"
/// with optional seconds; none when it is not a real date and time.
std::optional<SYSTEMTIME> ParsePrintingTime(std::u16string_view text);
/// "YYYY:MM:DD:HH:MM" of a date and a time.
std::u16string FormatPrintingTime(const SYSTEMTIME& date, const SYSTEMTIME& time);
bool IsValidDateTime(const SYSTEMTIME& time);

} // namespace kx

// The model's capability profile: the flags, numbers and number lists of the
// model's settings file that every page, the conflict rules and the device
// mode comparison consult. A base pass reads "Common"; a language pass
// overlays "PCL" or "SPL" for a device mode and derives what depends on it.
#pragma once

#include "devmode/profile_file.h"
#include "devmode/profile_keys.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kx {

/// The device-mode values the language pass depends on.
struct ProfileDevmodeView {
    int16_t sDrvLang = -1;
    int16_t sPrinterMemory = 0;
    int16_t iInHard = 0;
};

/// A paper's size in tenths of a millimetre, as the spooler reports it.
struct PaperDimensions {
    int32_t width = 0;
    int32_t length = 0;
};
/// Answers the size of a paper number (standard or custom); nothing when the
/// printer does not list it.
using PaperSizeLookup = std::function<std::optional<PaperDimensions>(int32_t paper)>;

/// Which job-setting list applies to the device mode.
enum class JobSettingList { HDDOn, HDDOff, MemoryOn, MemoryOff };

/// The option flags OR-ed over "Common", "SPL" and "PCL".
struct AnyLanguageFlags {
    int32_t PrinterJobAccounting = 0;
    int32_t PrinterEnvelope = 0;
    int32_t PrinterFinisher = 0;
    int32_t PrinterMailBox = 0;
    int32_t PrinterHDD = 0;
    int32_t PrinterDuplex = 0;
    int32_t PrinterTrayCheck = 0;
    int32_t PrinterStatusWindow = 0;
    int32_t PrinterOptTray = 0;
};

/// The name lists of the help parameters.
enum class NameListKind { Trays, Media, Papers };
enum class HelpNameEscape { Script, Address };
/// The display name of a tray, media or paper number.
using NameLookup = std::function<std::u16string(NameListKind kind, int32_t number)>;

/// Tray or media: the two kinds of per-number paper keys.
enum class PaperKeyKind { Tray, Media, Staple, Stacker };

/// Everything the profile holds; the language pass starts again from the
/// values the base pass left.
struct ProfileValues {
#define KX_PROFILE_MEMBER_NUMBER(member) int32_t member = 0;
#define KX_PROFILE_MEMBER_LIST(member) std::vector<int32_t> member;
#define KX_PROFILE_MEMBER_KROMA(member) std::array<std::vector<int32_t>, kKromaCmsListCount> member;
#define KX_PROFILE_MEMBER(kind, member, key, defaultValue) KX_PROFILE_MEMBER_##kind(member)
    KX_PROFILE_KEYS(KX_PROFILE_MEMBER)
#undef KX_PROFILE_MEMBER
#undef KX_PROFILE_MEMBER_KROMA
#undef KX_PROFILE_MEMBER_LIST
#undef KX_PROFILE_MEMBER_NUMBER

    // The custom paper section, in tenths of a millimetre.
    int32_t MinPaperW = 254;
    int32_t MinPaperH = 254;
    int32_t MaxPaperW = 3120;
    int32_t MaxPaperH = 4830;
    std::optional<int32_t> MinDoubleSidedPaperW;
    std::optional<int32_t> MinDoubleSidedPaperH;
    std::optional<int32_t> MaxDoubleSidedPaperW;
    std::optional<int32_t> MaxDoubleSidedPaperH;

    // The model's paper, tray and media numbers in display order.
    std::vector<int32_t> PaperIndex;
    std::vector<int32_t> TrayIndex;
    std::vector<int32_t> PaperType;

    // From the string file's "Common" section.
    int32_t CPSUI_Scale_X = 100;
    int32_t CPSUI_Scale_Y = 100;
    int32_t MirrorLayout = 0;

    // Derived members.
    std::u16string languageSection; // "PCL", "SPL" or empty
    AnyLanguageFlags anyLanguage;
    bool powerSaveOffered = false;
    bool memorySizesOffered = false;
    int32_t outputBinOption = 0;
    int32_t leftAlignedJobButton = 0;
    bool customDoubleSided = false;
    bool imageModesOffered = false;
    bool inkOptionsOffered = false;
    bool coverPagesOffered = false;
    bool firstPageInCovers = false;
    bool kromaCmsOffered = false;
    bool separatorChoiceOffered = false; // PaperSeparator lists more than one separator
    bool pclLanguageInUse = false;       // the last language pass chose "PCL"
    JobSettingList jobSettingsInForce = JobSettingList::MemoryOff;
    size_t jobSettingHDDOnCount = 0;
    size_t jobSettingHDDOffCount = 0;
    size_t jobSettingMemoryOnCount = 0;
    size_t jobSettingMemoryOffCount = 0;
};

class ModelProfile : public ProfileValues {
public:
    /// Points the profile at the model's settings and string files.
    void SetFiles(std::u16string settingsFile, std::u16string stringFile);
    /// Where custom papers' sizes come from (the spooler's list of the
    /// printer's papers); without it custom papers never fit a range.
    void SetPaperSizeLookup(PaperSizeLookup lookup) { m_paperSize = std::move(lookup); }

    /// The base pass: "Common" with the built-in defaults, then the other sections.
    void ReadProfile();
    /// The language pass for a device mode.
    void ReadProfile(const ProfileDevmodeView& devmode);

    /// The job-setting list in force.
    const std::vector<int32_t>& JobSettingsInForce() const;
    /// A list of printer memory sizes is offered when its first entry is non-zero.
    bool OffersMemorySizes() const {
        return !PrinterMemorySizes.empty() && PrinterMemorySizes[0] != 0;
    }
    /// The block the stamp's note, date and face share holds the job
    /// account, memory size, mailbox and encryption on a model with any of
    /// them (the office view); otherwise it holds the stamp (the deco view).
    bool UsesOfficeView() const {
        return PrinterJobAccounting != 0 || OffersMemorySizes() || PrinterMailBox != 0;
    }

    // Lookups; per-number keys are read on demand, language section first.
    bool TrayAcceptsPaper(int32_t tray, int32_t paper) const;
    bool MediaAllowsPaper(int32_t media, int32_t paper) const;
    /// Staple value n ("Staple%dPapers") or offset value n ("Stacker%dPapers").
    bool OptionAllowsPaper(PaperKeyKind kind, int32_t number, int32_t paper) const;
    bool TrayAcceptsMedia(int32_t tray, int32_t media) const;
    bool TrayAvailable(int32_t tray, int32_t optTray, int32_t envelopeSupply) const;
    int32_t FirstTrayForPaper(int32_t paper, int32_t optTray, int32_t envelopeSupply) const;
    int32_t FirstTrayForPaperAndMedia(int32_t media, int32_t paper, int32_t optTray,
                                      int32_t envelopeSupply) const;
    int32_t FirstMediaForPaper(int32_t paper) const;
    int32_t MediaForcedByPaper(int32_t paper) const;
    int32_t ResolutionForcedByMedia(int32_t media) const;
    /// Whether a custom paper's size lies within the "%s%dCustoms" range of a
    /// tray, media, staple or stacker number. A range of fewer than four
    /// entries bounds nothing it does not name: absent entries are no limit.
    bool CustomPaperFits(PaperKeyKind kind, int32_t number, int32_t paper) const;
    /// Adds the custom papers (257 .. 256 + customPaperCount) that fit the
    /// double-sided limits to DoubleSidedPapers.
    void AddDoubleSidedCustomPapers(int32_t customPaperCount);

    /// The help parameters: six bit sets of the model's features, the three
    /// resolution values and "?"-introduced lists of tray, media and paper
    /// names. The names come from the printer, so each is escaped: "%", "?"
    /// and "," as "%25", "%3F", "%2C" so no name breaks the lists; then for
    /// HelpNameEscape::Script everything a single-quoted script text cannot
    /// hold as it is (apostrophe, backslash, line terminators, controls and
    /// all beyond ASCII) as a script escape, and for HelpNameEscape::Address
    /// every byte but the unreserved ones of an address as "%XX" of UTF-8.
    std::u16string HelpParameters(const NameLookup& names,
                                  HelpNameEscape escape = HelpNameEscape::Script) const;

    /// A per-number list key ("Tray%dPapers" ...), from the language section
    /// when it has the key, else from "Common"; nothing when absent or empty.
    std::optional<std::vector<int32_t>> ReadPerNumberList(std::u16string_view key) const;

private:
    enum class Pass { Base, Language };

    /// Reads every key of the passes; returns whether DoubleSidedPapers was read.
    bool ReadKeys(std::u16string_view section, Pass pass);
    /// Returns whether the default was written back into the file.
    bool ReadNumberKey(std::u16string_view section, std::u16string_view key, int32_t& member,
                       int32_t defaultValue, Pass pass,
                       const std::unordered_set<std::u16string>* present = nullptr);
    bool ReadListKey(std::u16string_view section, std::u16string_view key,
                     std::vector<int32_t>& member, Pass pass,
                     const std::unordered_set<std::u16string>* present = nullptr);
    void ApplyListRules(Pass pass, bool doubleSidedPapersRead);
    void ReadAnyLanguageFlags();
    void ReadOtherSections();
    void ApplyLanguageRules(const ProfileDevmodeView& devmode);
    bool WriteBackEnabled() const { return ShowDevmodeChanges != 0; }
    bool PaperAcceptedBy(PaperKeyKind kind, int32_t number, int32_t paper) const;

    ProfileValues m_baseValues;
    ProfileFile m_settings;
    ProfileFile m_strings;
    PaperSizeLookup m_paperSize;
    mutable std::unordered_map<std::u16string, std::optional<std::vector<int32_t>>>
        m_perNumberCache;
};

/// The module-wide profile of the model the module serves.
ModelProfile& ActiveModelProfile();

} // namespace kx

// Reading the model's capability profile: the base pass, the language pass
// and the rules that derive members from them.
#include "devmode/model_profile.h"

#include "platform/base/format.h"
#include "platform/base/text.h"

#include <algorithm>

namespace kx {
namespace {

enum class KeyKind { Number, List, Kroma };

struct ProfileKeyEntry {
    KeyKind kind;
    std::u16string_view key;
    int32_t defaultValue;
    int32_t ProfileValues::*number;
    std::vector<int32_t> ProfileValues::*list;
};

#define KX_PROFILE_ENTRY_NUMBER(member, key, defaultValue)                                         \
    {KeyKind::Number, u"" key, defaultValue, &ProfileValues::member, nullptr},
#define KX_PROFILE_ENTRY_LIST(member, key, defaultValue)                                           \
    {KeyKind::List, u"" key, defaultValue, nullptr, &ProfileValues::member},
#define KX_PROFILE_ENTRY_KROMA(member, key, defaultValue)                                          \
    {KeyKind::Kroma, u"" key, defaultValue, nullptr, nullptr},
#define KX_PROFILE_ENTRY(kind, member, key, defaultValue)                                          \
    KX_PROFILE_ENTRY_##kind(member, key, defaultValue)

constexpr ProfileKeyEntry kProfileKeys[] = {KX_PROFILE_KEYS(KX_PROFILE_ENTRY)};

#undef KX_PROFILE_ENTRY
#undef KX_PROFILE_ENTRY_KROMA
#undef KX_PROFILE_ENTRY_LIST
#undef KX_PROFILE_ENTRY_NUMBER

constexpr std::u16string_view kCommon = u"Common";
constexpr std::u16string_view kCustomPaperSection = u"Custom Paper Dialog";
constexpr std::u16string_view kLanguageSections[] = {u"SPL", u"PCL"};

// The option flags that count when any language section sets them.
struct AnyLanguageKey {
    std::u16string_view key;
    int32_t AnyLanguageFlags::*flag;
    int32_t ProfileValues::*common;
};
constexpr AnyLanguageKey kAnyLanguageKeys[] = {
    {u"PrinterJobAccounting", &AnyLanguageFlags::PrinterJobAccounting,
     &ProfileValues::PrinterJobAccounting},
    {u"PrinterEnvelope", &AnyLanguageFlags::PrinterEnvelope, &ProfileValues::PrinterEnvelope},
    {u"PrinterFinisher", &AnyLanguageFlags::PrinterFinisher, &ProfileValues::PrinterFinisher},
    {u"PrinterMailBox", &AnyLanguageFlags::PrinterMailBox, &ProfileValues::PrinterMailBox},
    {u"PrinterHDD", &AnyLanguageFlags::PrinterHDD, &ProfileValues::PrinterHDD},
    {u"PrinterDuplex", &AnyLanguageFlags::PrinterDuplex, &ProfileValues::PrinterDuplex},
    {u"PrinterTrayCheck", &AnyLanguageFlags::PrinterTrayCheck, &ProfileValues::PrinterTrayCheck},
    {u"PrinterStatusWindow", &AnyLanguageFlags::PrinterStatusWindow,
     &ProfileValues::PrinterStatusWindow},
    {u"PrinterOptTray", &AnyLanguageFlags::PrinterOptTray, &ProfileValues::PrinterOptTray},
};

constexpr int32_t kPowerSaveMinutes[] = {5, 10, 15, 30, 45, 60};

bool FirstEntryNonZero(const std::vector<int32_t>& list) {
    return !list.empty() && list[0] != 0;
}

bool IsSingle(const std::vector<int32_t>& list, int32_t value) {
    return list.size() == 1 && list[0] == value;
}

} // namespace

void ModelProfile::SetFiles(std::u16string settingsFile, std::u16string stringFile) {
    m_settings = ProfileFile(std::move(settingsFile));
    m_strings = ProfileFile(std::move(stringFile));
    m_perNumberCache.clear();
}

void ModelProfile::ReadProfile() {
    m_perNumberCache.clear();
    languageSection.clear();
    const bool doubleSidedPapersRead = ReadKeys(kCommon, Pass::Base);
    ApplyListRules(Pass::Base, doubleSidedPapersRead);
    ReadAnyLanguageFlags();
    outputBinOption = PrinterOptOutBin;
    leftAlignedJobButton = LeftAlignedJobButton;
    ReadOtherSections();
    m_baseValues = *this;
}

void ModelProfile::ReadProfile(const ProfileDevmodeView& devmode) {
    // Every language pass starts from the base values, so a device mode of
    // one language never inherits what another language's section set.
    static_cast<ProfileValues&>(*this) = m_baseValues;
    m_perNumberCache.clear();
    if (!PrinterEmulation.empty() && devmode.sDrvLang != -1)
        languageSection = devmode.sDrvLang != 0 ? u"PCL" : u"SPL";
    bool doubleSidedPapersRead = false;
    if (!languageSection.empty())
        doubleSidedPapersRead = ReadKeys(languageSection, Pass::Language);
    ApplyListRules(Pass::Language, doubleSidedPapersRead);
    ApplyLanguageRules(devmode);
}

bool ModelProfile::ReadKeys(std::u16string_view section, Pass pass) {
    // Asking once which keys the section has spares a read of every absent key.
    const std::unordered_set<std::u16string> present = m_settings.KeyNames(section);
    // A key read both as a number and as a list ("PaperSeparator") was
    // absent for both reads: the list must not overwrite the number's
    // write-back with its own empty one.
    std::unordered_set<std::u16string_view> writtenBack;
    bool doubleSidedPapersRead = false;
    for (const auto& entry : kProfileKeys) {
        switch (entry.kind) {
        case KeyKind::Number:
            if (ReadNumberKey(section, entry.key, this->*entry.number, entry.defaultValue, pass,
                              &present))
                writtenBack.insert(entry.key);
            break;
        case KeyKind::List: {
            if (writtenBack.contains(entry.key)) {
                (this->*entry.list).clear();
                break;
            }
            const bool read = ReadListKey(section, entry.key, this->*entry.list, pass, &present);
            if (entry.list == &ProfileValues::DoubleSidedPapers)
                doubleSidedPapersRead = read;
            break;
        }
        case KeyKind::Kroma:
            for (int n = 1; n <= kKromaCmsListCount; ++n)
                ReadListKey(section, FormatText(u"%s%d", {entry.key, n}), GraphicsKromaCMS[n - 1],
                            pass, &present);
            break;
        }
    }
    return doubleSidedPapersRead;
}

bool ModelProfile::ReadNumberKey(std::u16string_view section, std::u16string_view key,
                                 int32_t& member, int32_t defaultValue, Pass pass,
                                 const std::unordered_set<std::u16string>* present) {
    const bool mayBeThere = present == nullptr || present->contains(ToUpperText(key));
    if (const auto value = mayBeThere ? m_settings.ReadNumber(section, key) : std::nullopt) {
        member = *value;
        return false;
    }
    if (pass == Pass::Language || defaultValue == kProfileNoDefault)
        return false;
    member =
        defaultValue == kProfileRasterDefault ? (GraphicsColorMode != 0 ? 1 : 0) : defaultValue;
    if (!WriteBackEnabled())
        return false;
    m_settings.WriteNumber(section, key, member);
    return true;
}

bool ModelProfile::ReadListKey(std::u16string_view section, std::u16string_view key,
                               std::vector<int32_t>& member, Pass pass,
                               const std::unordered_set<std::u16string>* present) {
    const bool mayBeThere = present == nullptr || present->contains(ToUpperText(key));
    if (auto value = mayBeThere ? m_settings.ReadList(section, key) : std::nullopt) {
        member = std::move(*value);
        return true;
    }
    if (pass == Pass::Base) {
        member.clear();
        if (WriteBackEnabled())
            m_settings.WriteText(section, key, u"");
    }
    return false;
}

void ModelProfile::ApplyListRules(Pass pass, bool doubleSidedPapersRead) {
    if (IsSingle(PrinterPowerSave, 0))
        PrinterPowerSave.clear();
    else if (IsSingle(PrinterPowerSave, 1))
        PrinterPowerSave.assign(std::begin(kPowerSaveMinutes), std::end(kPowerSaveMinutes));

    if (ExtrasJobSettings.empty()) {
        ExtrasJobSettings = {1, 3};
        if (ExtrasSecurePrint == 0)
            ExtrasJobSettings.insert(ExtrasJobSettings.end(), {2, 4, 5, 6});
    }

    if (pass == Pass::Base || doubleSidedPapersRead) {
        const auto custom = [](int32_t paper) { return paper > 255; };
        customDoubleSided = std::any_of(DoubleSidedPapers.begin(), DoubleSidedPapers.end(), custom);
        std::erase_if(DoubleSidedPapers, custom);
    }

    if (pass == Pass::Language) {
        for (auto* list : {&PrinterMemorySizes, &JobSettingHDDOn, &JobSettingHDDOff,
                           &JobSettingMemoryOn, &JobSettingMemoryOff}) {
            if (IsSingle(*list, 0))
                list->clear();
        }
    }
    jobSettingHDDOnCount = JobSettingHDDOn.size();
    jobSettingHDDOffCount = JobSettingHDDOff.size();
    jobSettingMemoryOnCount = JobSettingMemoryOn.size();
    jobSettingMemoryOffCount = JobSettingMemoryOff.size();
}

void ModelProfile::ReadAnyLanguageFlags() {
    for (const auto& entry : kAnyLanguageKeys)
        anyLanguage.*entry.flag = this->*entry.common;
    powerSaveOffered = FirstEntryNonZero(PrinterPowerSave);
    memorySizesOffered = FirstEntryNonZero(PrinterMemorySizes);
    for (const auto section : kLanguageSections) {
        for (const auto& entry : kAnyLanguageKeys)
            anyLanguage.*entry.flag |= m_settings.ReadNumber(section, entry.key).value_or(0);
        const auto powerSave = m_settings.ReadList(section, u"PrinterPowerSave");
        powerSaveOffered = powerSaveOffered || (powerSave && FirstEntryNonZero(*powerSave));
        const auto memory = m_settings.ReadList(section, u"PrinterMemorySizes");
        memorySizesOffered = memorySizesOffered || (memory && FirstEntryNonZero(*memory));
    }
}

void ModelProfile::ReadOtherSections() {
    struct Limit {
        std::u16string_view key;
        int32_t ProfileValues::*member;
        int32_t defaultValue;
    };
    constexpr Limit kLimits[] = {
        {u"MinPaperW", &ProfileValues::MinPaperW, 254},
        {u"MinPaperH", &ProfileValues::MinPaperH, 254},
        {u"MaxPaperW", &ProfileValues::MaxPaperW, 3120},
        {u"MaxPaperH", &ProfileValues::MaxPaperH, 4830},
    };
    for (const auto& limit : kLimits)
        ReadNumberKey(kCustomPaperSection, limit.key, this->*limit.member, limit.defaultValue,
                      Pass::Base);
    MinDoubleSidedPaperW = m_settings.ReadNumber(kCustomPaperSection, u"MinDoubleSidedPaperW");
    MinDoubleSidedPaperH = m_settings.ReadNumber(kCustomPaperSection, u"MinDoubleSidedPaperH");
    MaxDoubleSidedPaperW = m_settings.ReadNumber(kCustomPaperSection, u"MaxDoubleSidedPaperW");
    MaxDoubleSidedPaperH = m_settings.ReadNumber(kCustomPaperSection, u"MaxDoubleSidedPaperH");

    ReadListKey(u"LARGEPAPERNAME", u"PaperIndex", PaperIndex, Pass::Base);
    ReadListKey(u"TRAYNAME", u"TrayIndex", TrayIndex, Pass::Base);
    ReadListKey(u"PAPERTYPENAME", u"PaperType", PaperType, Pass::Base);

    // The page scale and mirror layout live in the string file.
    struct StringFileNumber {
        std::u16string_view key;
        int32_t ProfileValues::*member;
        int32_t defaultValue;
    };
    constexpr StringFileNumber kStringFileNumbers[] = {
        {u"CPSUI_Scale_X", &ProfileValues::CPSUI_Scale_X, 100},
        {u"CPSUI_Scale_Y", &ProfileValues::CPSUI_Scale_Y, 100},
        {u"MirrorLayout", &ProfileValues::MirrorLayout, 0},
    };
    for (const auto& entry : kStringFileNumbers) {
        const auto value = m_strings.ReadNumber(kCommon, entry.key);
        this->*entry.member = value.value_or(entry.defaultValue);
        if (!value && WriteBackEnabled())
            m_strings.WriteNumber(kCommon, entry.key, entry.defaultValue);
    }
}

void ModelProfile::ApplyLanguageRules(const ProfileDevmodeView& devmode) {
    imageModesOffered = (GraphicsImageModePrinter | GraphicsImageModeNormal |
                         GraphicsImageModeText | GraphicsImageModeImage) != 0;
    inkOptionsOffered = (GraphicsDryTime | GraphicsOverSpray | GraphicsInkVolume) != 0;
    if (GraphicsDraftRes != 0)
        GraphicsTonerMode = 0;

    coverPagesOffered = PaperLastPage != 0 || !PaperFrontCover.empty() || !PaperBackCover.empty() ||
                        !PaperFrontBackCover.empty() || PaperSeparatorList.size() > 1;
    firstPageInCovers = PaperFirstPage != 0 && coverPagesOffered;
    separatorChoiceOffered = PaperSeparatorList.size() > 1;
    pclLanguageInUse = languageSection == u"PCL";
    if (coverPagesOffered) {
        PaperSeparator = 0;
        PaperFirstPage = 0;
    }
    if (ExtrasPrinterFont2 != 0)
        ExtrasPrinterFont = 0;
    if (PrinterFinisher == 0) {
        PrinterStacker = 0;
        PrinterStapler = 0;
    }
    if (PrinterTrayCheck != 0)
        PrinterOptTray = 0;
    kromaCmsOffered =
        std::any_of(GraphicsKromaCMS.begin(), GraphicsKromaCMS.end(), FirstEntryNonZero);

    const int32_t memory = devmode.sPrinterMemory;
    if (PrinterInstalledHDD != 0)
        jobSettingsInForce = JobSettingList::HDDOn;
    else if (anyLanguage.PrinterHDD != 0)
        jobSettingsInForce = devmode.iInHard != 0          ? JobSettingList::HDDOn
                             : CriticalMemorySize == 0     ? JobSettingList::HDDOff
                             : memory < CriticalMemorySize ? JobSettingList::MemoryOff
                                                           : JobSettingList::MemoryOn;
    else
        jobSettingsInForce = (CriticalMemorySize == 0 || memory < CriticalMemorySize)
                                 ? JobSettingList::MemoryOff
                                 : JobSettingList::MemoryOn;
}

const std::vector<int32_t>& ModelProfile::JobSettingsInForce() const {
    switch (jobSettingsInForce) {
    case JobSettingList::HDDOn:
        return JobSettingHDDOn;
    case JobSettingList::HDDOff:
        return JobSettingHDDOff;
    case JobSettingList::MemoryOn:
        return JobSettingMemoryOn;
    case JobSettingList::MemoryOff:
        break;
    }
    return JobSettingMemoryOff;
}

ModelProfile& ActiveModelProfile() {
    static ModelProfile profile;
    return profile;
}

} // namespace kx

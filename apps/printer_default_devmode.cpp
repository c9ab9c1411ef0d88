// The default device mode a printer's driver gives, made from the model's
// capabilities and settings file.
#include "apps/printer_default_devmode.h"

#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "platform/base/text.h"
#include "platform/profile/profile_api.h"
#include "platform/spooler/device_capabilities.h"
#include "platform/spooler/printer_store.h"
#include "platform/system/system_api.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace kxhost {
namespace {

using kx::FieldNamed;

constexpr SHORT kLetter = 1;
constexpr SHORT kA4 = 9;
constexpr LONG kUsualResolution = 600;
constexpr SHORT kFullScale = 100;
constexpr int kNeutralSlider = 50;
constexpr int kDefaultPosterScale = 200;
constexpr int kAutomaticSource = 7;
constexpr int kAutomaticLanguage = -1;
// The ink sliders a model does not show are stored at their lowest step;
// one it shows starts at its middle step unless the model names another.
constexpr int kHiddenInkStep = 1;
constexpr int kMiddleInkStep = 2;
constexpr int kLargestInkStep = 0xFF;
constexpr DWORD kLargestMediaType = 0x7FFF;
constexpr int kNonDraftTonerSave = 1;

constexpr const kx::DevmodeField* kSpecialPageTypes[] = {
    &FieldNamed("sFirstPaperType"),     &FieldNamed("sLastPaperType"),
    &FieldNamed("sFrontPaperType"),     &FieldNamed("sBackPaperType"),
    &FieldNamed("sFrontBackPaperType"),
};

// The countries whose office paper is Letter.
constexpr LANGID kLetterLanguages[] = {
    0x0409, // English, United States
    0x1009, // English, Canada
    0x0C0C, // French, Canada
    0x2809, // English, Belize
    0x3409, // English, Philippines
    0x080A, // Spanish, Mexico
    0x100A, // Spanish, Guatemala
    0x140A, // Spanish, Costa Rica
    0x180A, // Spanish, Panama
    0x1C0A, // Spanish, Dominican Republic
    0x200A, // Spanish, Venezuela
    0x240A, // Spanish, Colombia
    0x340A, // Spanish, Chile
    0x440A, // Spanish, El Salvador
    0x480A, // Spanish, Honduras
    0x4C0A, // Spanish, Nicaragua
    0x500A, // Spanish, Puerto Rico
    0x540A, // Spanish, United States
};

// The colour sliders: at 50 the picture is left as it is.
constexpr const kx::DevmodeField* kColourSliders[] = {
    &FieldNamed("iBrightness"), &FieldNamed("iContrast"), &FieldNamed("iSaturation"),
    &FieldNamed("iRed"),        &FieldNamed("iGreen"),    &FieldNamed("iBlue"),
    &FieldNamed("iCyan"),       &FieldNamed("iMagenta"),  &FieldNamed("iYellow"),
};

struct InkSetting {
    const char16_t* shownBy;      // the settings-file key that shows its slider
    const char16_t* modelDefault; // its value in the model's DEFAULTDEVMODE section
    const kx::DevmodeField& field;
};
constexpr InkSetting kInkSettings[] = {
    {u"GraphicsOverSpray", u"OverSpray", FieldNamed("jOverSpray")},
    {u"GraphicsDryTime", u"DryTime", FieldNamed("jDryTime")},
    {u"GraphicsInkVolume", u"InkLevel", FieldNamed("jInkVol")},
};

// What the spooler says of the printer's model.
class Capabilities {
public:
    explicit Capabilities(std::u16string printer) : m_printer(std::move(printer)) {}

    bool Known() const { return Ask(DC_PAPERS) > 0; }
    /// A value capability's answer, or an array capability's count.
    int Ask(WORD capability) const {
        return DeviceCapabilitiesW(m_printer.c_str(), nullptr, capability, nullptr, nullptr);
    }
    template <typename T>
    std::vector<T> List(WORD capability, size_t units = 1) const {
        const int count = Ask(capability);
        if (count <= 0)
            return {};
        std::vector<T> values(static_cast<size_t>(count) * units);
        const int filled = DeviceCapabilitiesW(m_printer.c_str(), nullptr, capability,
                                               reinterpret_cast<LPWSTR>(values.data()), nullptr);
        values.resize(static_cast<size_t>(std::clamp(filled, 0, count)) * units);
        return values;
    }

private:
    std::u16string m_printer;
};

// The model's settings file is named after the driver's configuration module.
std::u16string SettingsFileOf(const kx::DriverRecord& driver) {
    std::u16string path = driver.configFile.find(u'\\') == std::u16string::npos
                              ? kx::PrinterStore::DriverFilePath(driver.configFile)
                              : driver.configFile;
    const size_t dot = path.find_last_of(u".\\");
    if (dot != std::u16string::npos && path[dot] == u'.')
        path.erase(dot);
    return path + u".INI";
}

class Settings {
public:
    explicit Settings(std::u16string file) : m_file(std::move(file)) {}
    int Number(const char16_t* section, const char16_t* key, int absent) const {
        return static_cast<int>(GetPrivateProfileIntW(section, key, absent, m_file.c_str()));
    }
    bool Shows(const char16_t* key) const { return Number(u"Common", key, 0) != 0; }

private:
    std::u16string m_file;
};

template <typename T>
bool Lists(const std::vector<T>& values, T value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// What the driver picks for a new printer of the model.
struct Choices {
    SHORT paper = kA4;
    std::u16string paperName;
    int source = kAutomaticSource;
    POINT resolution{kUsualResolution, kUsualResolution};
    bool colour = false;
    bool duplex = false;
    bool collate = false;
    std::optional<DWORD> media;
};

void ChoosePaper(const Capabilities& caps, Choices& choices) {
    const auto papers = caps.List<WORD>(DC_PAPERS);
    const auto names = caps.List<WCHAR>(DC_PAPERNAMES, kx::kPaperNameSlot);
    const auto wanted = static_cast<WORD>(LocalePaperSize(GetUserDefaultLangID()));
    const auto found = std::find(papers.begin(), papers.end(), wanted);
    const size_t index = found == papers.end() ? 0 : static_cast<size_t>(found - papers.begin());
    choices.paper = static_cast<SHORT>(papers.empty() ? wanted : papers[index]);
    if ((index + 1) * kx::kPaperNameSlot <= names.size())
        choices.paperName =
            kx::TextFromField(names.data() + index * kx::kPaperNameSlot, kx::kPaperNameSlot);
}

// The model names its default tray; a model that names none, or a tray it
// does not have, starts from its first.
int ChooseSource(const Capabilities& caps, const Settings& settings) {
    const auto bins = caps.List<WORD>(DC_BINS);
    const int named = settings.Number(u"DEFAULTDEVMODE", u"PaperSource", -1);
    if (named >= 0 && named <= 0xFFFF && Lists(bins, static_cast<WORD>(named)))
        return named;
    return bins.empty() ? kAutomaticSource : bins.front();
}

// A resolution the record's 16-bit fields cannot hold is not offered.
bool Fits(const POINT& resolution) {
    constexpr LONG kLargest = 0x7FFF;
    return resolution.x > 0 && resolution.x <= kLargest && resolution.y > 0 &&
           resolution.y <= kLargest;
}

POINT ChooseResolution(const Capabilities& caps) {
    std::vector<POINT> resolutions = caps.List<POINT>(DC_ENUMRESOLUTIONS);
    std::erase_if(resolutions, [](const POINT& resolution) { return !Fits(resolution); });
    for (const POINT& resolution : resolutions)
        if (resolution.x == kUsualResolution && resolution.y == kUsualResolution)
            return resolution;
    return resolutions.empty() ? POINT{kUsualResolution, kUsualResolution} : resolutions.front();
}

Choices Choose(const Capabilities& caps, const Settings& settings) {
    Choices choices;
    ChoosePaper(caps, choices);
    choices.source = ChooseSource(caps, settings);
    choices.resolution = ChooseResolution(caps);
    choices.colour = caps.Ask(DC_COLORDEVICE) > 0;
    choices.duplex = caps.Ask(DC_DUPLEX) > 0;
    choices.collate = caps.Ask(DC_COLLATE) > 0;
    if (const auto media = caps.List<DWORD>(DC_MEDIATYPES); !media.empty())
        choices.media = media.front();
    return choices;
}

void WritePublicPart(BYTE* record, std::u16string_view printer, const Choices& choices) {
    DWORD fields = DM_ORIENTATION | DM_PAPERSIZE | DM_SCALE | DM_COPIES | DM_DEFAULTSOURCE |
                   DM_PRINTQUALITY | DM_YRESOLUTION | DM_COLOR | DM_NUP;
    kx::WriteText(record, FieldNamed("dmDeviceName"), printer);
    kx::WriteNumber(record, FieldNamed("dmSpecVersion"), DM_SPECVERSION);
    kx::WriteNumber(record, FieldNamed("dmSize"), kx::kPublicDevmodeSize);
    kx::WriteNumber(record, FieldNamed("dmDriverExtra"), kx::kDevmodeSize - kx::kPublicDevmodeSize);
    kx::WriteNumber(record, FieldNamed("dmOrientation"), DMORIENT_PORTRAIT);
    kx::WriteNumber(record, FieldNamed("dmPaperSize"), choices.paper);
    kx::WriteNumber(record, FieldNamed("dmScale"), kFullScale);
    kx::WriteNumber(record, FieldNamed("dmCopies"), 1);
    kx::WriteNumber(record, FieldNamed("dmDefaultSource"), choices.source);
    kx::WriteNumber(record, FieldNamed("dmPrintQuality"), choices.resolution.y);
    kx::WriteNumber(record, FieldNamed("dmYResolution"), choices.resolution.y);
    kx::WriteNumber(record, FieldNamed("dmColor"),
                    choices.colour ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME);
    kx::WriteNumber(record, FieldNamed("dmNup"), DMNUP_SYSTEM);
    if (!choices.paperName.empty()) {
        kx::WriteText(record, FieldNamed("dmFormName"), choices.paperName);
        fields |= DM_FORMNAME;
    }
    if (choices.duplex) {
        kx::WriteNumber(record, FieldNamed("dmDuplex"), DMDUP_SIMPLEX);
        fields |= DM_DUPLEX;
    }
    if (choices.collate) {
        kx::WriteNumber(record, FieldNamed("dmCollate"), DMCOLLATE_FALSE);
        fields |= DM_COLLATE;
    }
    if (choices.media) {
        kx::WriteNumber(record, FieldNamed("dmMediaType"), *choices.media);
        fields |= DM_MEDIATYPE;
    }
    kx::WriteNumber(record, FieldNamed("dmFields"), fields);
}

// Every private setting not written here is off (0): no N-up, poster,
// booklet, scaling, watermark, overlay, cover or stored job, and the output
// tray the printer's own ("Printer Default").
void WritePrivatePart(BYTE* record, const Choices& choices, const Settings& settings) {
    // A resolution such as 2400 x 1200 keeps its first number here.
    kx::WriteNumber(record, FieldNamed("iResolution"), choices.resolution.x);
    kx::WriteNumber(record, FieldNamed("iFitPagePaper"), choices.paper);
    kx::WriteNumber(record, FieldNamed("iVirtualPaper"), choices.paper);
    kx::WriteNumber(record, FieldNamed("iERRatio"), kFullScale);
    kx::WriteNumber(record, FieldNamed("iPoster_Scale"), kDefaultPosterScale);
    kx::WriteNumber(record, FieldNamed("sDefaultSource"), choices.source);
    kx::WriteNumber(record, FieldNamed("iOhpSpTray"), kAutomaticSource);
    // Media of 32-bit identifiers have no number in the 16-bit media type.
    const DWORD media = choices.media.value_or(0);
    const DWORD paperType = media <= kLargestMediaType ? media : 0;
    kx::WriteNumber(record, FieldNamed("iPaperType"), paperType);
    // A first page, last page or cover not chosen yet prints on the job's own
    // paper type: a type the model cannot print on both sides would block
    // double-sided printing before the user ever chose such a page.
    for (const kx::DevmodeField* pageType : kSpecialPageTypes)
        kx::WriteNumber(record, *pageType, paperType);
    // A draft-resolution model keeps its toner saving at the setting of its
    // other resolutions until the user chooses draft.
    if (settings.Shows(u"GraphicsDraftRes"))
        kx::WriteNumber(record, FieldNamed("iTonerSave"), kNonDraftTonerSave);
    // A model that offers no "None" scaling prints unscaled as reduce/enlarge
    // at 100%, which is what its Paper page shows and saves.
    if (!settings.Shows(u"PaperScaleNone"))
        kx::WriteNumber(record, FieldNamed("iER"), 1);
    kx::WriteNumber(record, FieldNamed("iGrayMode"), choices.colour ? 1 : 0);
    kx::WriteNumber(record, FieldNamed("sDrvLang"), kAutomaticLanguage);
    for (const kx::DevmodeField* slider : kColourSliders)
        kx::WriteNumber(record, *slider, kNeutralSlider);
    for (const InkSetting& ink : kInkSettings) {
        const int step = settings.Number(u"DEFAULTDEVMODE", ink.modelDefault, kMiddleInkStep);
        kx::WriteNumber(record, ink.field,
                        settings.Shows(ink.shownBy) ? std::clamp(step, 0, kLargestInkStep)
                                                    : kHiddenInkStep);
    }
}

} // namespace

SHORT LocalePaperSize(LANGID language) {
    return std::find(std::begin(kLetterLanguages), std::end(kLetterLanguages), language) !=
                   std::end(kLetterLanguages)
               ? kLetter
               : kA4;
}

std::optional<DevmodeBytes> MakePrinterDefaultDevmode(std::u16string_view printer,
                                                      std::string& error) {
    const auto found = kx::PrinterStore::FindPrinter(printer);
    if (!found) {
        error = "no such printer";
        return std::nullopt;
    }
    const auto driver = kx::PrinterStore::FindDriver(found->driver);
    if (!driver) {
        error = "its driver is not installed";
        return std::nullopt;
    }
    const Capabilities caps(found->name);
    if (!caps.Known()) {
        error = "its driver's capability file lists no papers";
        return std::nullopt;
    }
    const Settings settings(SettingsFileOf(*driver));
    const Choices choices = Choose(caps, settings);
    DevmodeBytes record(kx::kDevmodeSize);
    WritePublicPart(record.data(), found->name, choices);
    WritePrivatePart(record.data(), choices, settings);
    return record;
}

DefaultInstall InstallPrinterDefaultDevmode(std::u16string_view printer) {
    auto found = kx::PrinterStore::FindPrinter(printer);
    if (found && !found->defaultDevmode.empty())
        return DefaultInstall::AlreadyThere;
    std::string error;
    auto record = MakePrinterDefaultDevmode(printer, error);
    if (!record) {
        std::fprintf(stderr, "kxhost: no default device mode for %s: %s\n",
                     kx::Utf16ToUtf8(printer).c_str(), error.c_str());
        return DefaultInstall::Failed;
    }
    found->defaultDevmode = std::move(*record);
    if (const DWORD status = kx::PrinterStore::SavePrinter(*found); status != ERROR_SUCCESS) {
        std::fprintf(stderr, "kxhost: storing the default device mode of %s failed (error %u)\n",
                     kx::Utf16ToUtf8(printer).c_str(), status);
        return DefaultInstall::Failed;
    }
    return DefaultInstall::Installed;
}

} // namespace kxhost

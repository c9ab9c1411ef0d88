// The resolution entries and the masks that offer them.
#include "devmode/resolution_table.h"

#include "devmode/devmode_record.h"
#include "platform/base/devmode_public.h"
#include "platform/base/format.h"

namespace kx {
namespace {

constexpr std::array<ResolutionEntry, kResolutionCount> kResolutions = {{
    {1200, 9600, u"9600x1200 dpi"}, {1200, 4800, u"4800x1200 dpi"}, {1200, 2400, u"2400x1200 dpi"},
    {1200, 1200, u"1200 dpi"},      {1200, 8, u"1200 dpi (8)"},     {1200, 4, u"1200 dpi (4)"},
    {1200, 2, u"1200 dpi (2)"},     {1200, 1, u"1200 dpi (1)"},     {600, 4800, u"4800x600 dpi"},
    {600, 2400, u"2400x600 dpi"},   {600, 1200, u"1200x600 dpi"},   {600, 600, u"600 dpi"},
    {600, 8, u"600 dpi (8)"},       {600, 4, u"600 dpi (4)"},       {600, 2, u"600 dpi (2)"},
    {600, 1, u"600 dpi (1)"},       {300, 2400, u"2400x300 dpi"},   {300, 1200, u"1200x300 dpi"},
    {300, 600, u"600x300 dpi"},     {300, 300, u"300 dpi"},         {300, 8, u"300 dpi (8)"},
    {300, 4, u"300 dpi (4)"},       {300, 2, u"300 dpi (2)"},       {300, 1, u"300 dpi (1)"},
    {600, 600, u"Draft"},
}};

constexpr int kGroupSize = 8;
constexpr int16_t kDraftQuality = 600;
constexpr int64_t kTonerSaved = 2;
constexpr size_t kNameCapacity = 256;

int32_t GroupMask(int group, const ModelProfile& profile) {
    switch (group) {
    case 0:
        return profile.Graphics1200Res;
    case 1:
        return profile.Graphics600Res;
    case 2:
        return profile.Graphics300Res;
    default:
        return 0;
    }
}

// Within a group, positions 0 to 3 are bits 3 down to 0 and positions 4
// to 7 bits 11 down to 8.
int BitOfPosition(int position) {
    return position <= 3 ? 3 - position : 15 - position;
}

} // namespace

const std::array<ResolutionEntry, kResolutionCount>& ResolutionTable() {
    return kResolutions;
}

std::optional<int> CurrentResolution(const BYTE* devmode, const ModelProfile& profile) {
    const auto quality = static_cast<int16_t>(ReadNumber(devmode, FieldNamed("dmPrintQuality")));
    auto resolution = static_cast<uint16_t>(ReadNumber(devmode, FieldNamed("iResolution")));
    if (profile.GraphicsDraftRes != 0 && quality == kDraftQuality &&
        ReadNumber(devmode, FieldNamed("iTonerSave")) == kTonerSaved)
        return kDraftResolution;
    if (resolution == 0)
        resolution = static_cast<uint16_t>(quality);
    for (int i = 0; i < kDraftResolution; ++i) {
        const ResolutionEntry& entry = kResolutions[static_cast<size_t>(i)];
        if (entry.printQuality == quality && entry.resolution == resolution)
            return i;
    }
    return std::nullopt;
}

void WriteResolution(BYTE* devmode, int index) {
    if (index < 0 || index >= kResolutionCount)
        return;
    const ResolutionEntry& entry = kResolutions[static_cast<size_t>(index)];
    const DevmodeField& fields = FieldNamed("dmFields");
    WriteNumber(devmode, fields, ReadNumber(devmode, fields) | DM_PRINTQUALITY);
    WriteNumber(devmode, FieldNamed("dmPrintQuality"), entry.printQuality);
    WriteNumber(devmode, FieldNamed("iResolution"), entry.resolution);
    if (index == kDraftResolution)
        WriteNumber(devmode, FieldNamed("iTonerSave"), kTonerSaved);
}

bool ResolutionOffered(int index, const ModelProfile& profile) {
    if (index == kDraftResolution)
        return (profile.GraphicsDraftRes & 1) != 0;
    if (index < 0 || index > kDraftResolution)
        return false;
    const int mask = GroupMask(index / kGroupSize, profile);
    return ((mask >> BitOfPosition(index % kGroupSize)) & 1) != 0;
}

std::vector<int> OfferedResolutions(const ModelProfile& profile) {
    std::vector<int> offered;
    for (int i = 0; i < kResolutionCount; ++i) {
        if (ResolutionOffered(i, profile))
            offered.push_back(i);
    }
    return offered;
}

std::optional<std::u16string> ResolutionText(size_t offered, const ModelProfile& profile,
                                             ResolverTexts& texts) {
    const auto& numbers = profile.GraphicsResolutionStringIndex;
    if (offered >= numbers.size())
        return std::nullopt;
    const std::u16string key = FormatText(u"ResolutionString%d", {numbers[offered]});
    std::u16string text = texts.StringText(u"", key, u"", kStringTextCapacity);
    if (text.empty())
        return std::nullopt;
    if (text.size() >= kNameCapacity)
        text.resize(kNameCapacity - 1);
    return text;
}

} // namespace kx

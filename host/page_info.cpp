// Page captions from the string file and page sizes from the scale keys.
#include "host/page_info.h"

#include "host/host_records.h"
#include "host/page_table.h"

#include <algorithm>
#include <limits>

namespace kx {
namespace {

constexpr int64_t kBaseWidth = 336;
constexpr int64_t kBaseHeight = 250;
constexpr int64_t kPreviewHeight = 300;
constexpr size_t kCaptionCapacity = 128;

// Scale keys come from a model file: a huge value must not overflow.
LONG Scaled(int64_t scale, int64_t base) {
    const int64_t value = scale * base / 100;
    return static_cast<LONG>(std::clamp<int64_t>(value, std::numeric_limits<LONG>::min(),
                                                 std::numeric_limits<LONG>::max()));
}

std::u16string Bounded(std::u16string text) {
    if (text.size() >= kCaptionCapacity)
        text.resize(kCaptionCapacity - 1);
    return text;
}

} // namespace

LONG PageWidth(const ModelProfile& profile) {
    return Scaled(profile.CPSUI_Scale_X, kBaseWidth);
}

LONG PageHeight(const ModelProfile& profile) {
    return Scaled(profile.CPSUI_Scale_Y,
                  profile.AdditionalPrinterPreview != 0 ? kPreviewHeight : kBaseHeight);
}

void FillPageInfo(BYTE* info, int index, const ModelProfile& profile, ModuleTexts& texts) {
    PageInfoRecordView record(info);
    if (const auto page = ChoosePage(index, profile)) {
        const std::u16string pageName(page->pageName);
        const std::u16string section = pageName + u" Dialog";
        auto caption = texts.Read(TextFile::Strings, section, u"Caption", kCaptionCapacity, u"");
        record.SetCaption(caption && !caption->empty() ? Bounded(std::move(*caption)) : pageName);
        record.SetSize(PageWidth(profile), PageHeight(profile));
        return;
    }
    if (index == -1)
        record.SetCaption(Bounded(
            texts.Read(TextFile::Settings, u"Common", u"Caption", kCaptionCapacity, std::nullopt)
                .value_or(std::u16string())));
}

} // namespace kx

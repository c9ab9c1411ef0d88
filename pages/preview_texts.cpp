// Size texts and paper information lines of the previews.
#include "pages/preview_texts.h"

#include "platform/base/format.h"

namespace kx {
namespace {

constexpr int32_t kBorderAllowance = 20; // tenths of a millimetre each way

} // namespace

LengthUnit UnitOf(int64_t isMMInch) {
    return isMMInch != 0 ? LengthUnit::Inches : LengthUnit::Millimetres;
}

std::u16string LengthText(int32_t tenths, LengthUnit unit) {
    if (unit == LengthUnit::Millimetres)
        return FormatText(u"%d", {(static_cast<int64_t>(tenths) + 5) / 10});
    const int64_t hundredths = (static_cast<int64_t>(tenths) * 100 + 127) / 254;
    return FormatText(u"%d.%02d", {hundredths / 100, hundredths % 100});
}

std::u16string SizeText(int32_t width, int32_t length, LengthUnit unit) {
    return FormatText(unit == LengthUnit::Millimetres ? u"%s x %s mm" : u"%s x %s in",
                      {LengthText(width, unit), LengthText(length, unit)});
}

std::u16string PreviewText(ResolverTexts& texts, std::u16string_view key) {
    return texts.StringText(u"Preview", key, key, kStringTextCapacity);
}

std::vector<std::u16string> PaperInformationLines(ResolverTexts& texts, int lineCount,
                                                  std::u16string_view paperName, int32_t width,
                                                  int32_t length, LengthUnit unit,
                                                  bool borderless) {
    if (lineCount <= 0)
        return {};
    if (lineCount == 1)
        return {std::u16string(paperName) + u" " +
                PreviewText(texts, borderless ? u"Borderless" : u"Bordered")};
    const int32_t border = borderless ? 0 : kBorderAllowance;
    return {PreviewText(texts, u"Paper Size:") + u"\n " + SizeText(width, length, unit),
            PreviewText(texts, u"Print Area:") + u"\n " +
                SizeText(width - border, length - border, unit)};
}

} // namespace kx

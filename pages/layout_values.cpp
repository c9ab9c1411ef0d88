// The Layout page's rules on stored values.
#include "pages/layout_values.h"

#include "devmode/devmode_record.h"
#include "platform/base/format.h"

#include <algorithm>
#include <cmath>

namespace kx {

LayoutFields ReadLayoutFields(const BYTE* devmode) {
    const auto field = [devmode](const DevmodeField& f) { return ReadNumber(devmode, f); };
    return {field(FieldNamed("iNup")),     field(FieldNamed("iBooklet")),
            field(FieldNamed("iPoster")),  field(FieldNamed("iVirtualPrint")),
            field(FieldNamed("iFitPage")), field(FieldNamed("iER")),
            field(FieldNamed("iERRatio"))};
}

bool ScalingBlocksLayout(const LayoutFields& fields, const ModelProfile& profile) {
    return (fields.fitPage != 0 && profile.LayoutFitToPage == 0) ||
           (fields.er != 0 && fields.erRatio != kRatioNeutral);
}

WORD LayoutTypeShown(const LayoutFields& fields, const ModelProfile& profile,
                     std::optional<WORD> currentSelection) {
    const auto fallback = [&]() -> WORD {
        if (profile.LayoutTypeNone != 0 && currentSelection != kLayoutMultiple)
            return kLayoutNone;
        return kLayoutMultiple;
    };
    if (ScalingBlocksLayout(fields, profile))
        return fallback();
    if (fields.nup > 0)
        return kLayoutMultiple;
    if (fields.booklet != 0)
        return kLayoutBooklet;
    if (fields.poster > 0)
        return kLayoutPoster;
    if (fields.virtualPrint != 0)
        return kLayoutVirtual;
    return fallback();
}

WORD ClampPagesPerSide(int64_t stored) {
    return static_cast<WORD>(std::clamp<int64_t>(stored, 0, 5));
}

WORD ClampPageOrder(int64_t stored) {
    return static_cast<WORD>(std::clamp<int64_t>(stored, 0, 4));
}

WORD ClampPosterKind(int64_t stored) {
    return static_cast<WORD>(std::clamp<int64_t>(stored, 1, 5));
}

WORD ClampVirtualPosition(int64_t stored) {
    return static_cast<WORD>(std::clamp<int64_t>(stored, 0, 8));
}

WORD ClampRotation(int64_t stored) {
    return static_cast<WORD>(std::clamp<int64_t>(stored, 0, 180));
}

int QuarterTurns(int64_t rotation) {
    return static_cast<int>(std::clamp<int64_t>(rotation, 0, 270) / 90);
}

bool PaperRotates(const ModelProfile& profile, int64_t paper) {
    return std::find(profile.RotatePapers.begin(), profile.RotatePapers.end(), paper) !=
           profile.RotatePapers.end();
}

DoubleSidedMode DoubleSidedModeOf(const ModelProfile& profile, int64_t duplexUnit) {
    const bool printerDuplexes = profile.PrinterDuplex != 0 && duplexUnit > 0;
    DoubleSidedMode mode;
    mode.manual = profile.LayoutDoubleManual != 0 && !printerDuplexes;
    const bool unitUnusable =
        profile.LayoutDoubleManual != 0 && profile.PrinterDuplex != 0 && duplexUnit <= 0;
    mode.printerChoice = profile.LayoutDoublePrinter != 0 && !unitUnusable;
    return mode;
}

int DoubleSidedIndex(int64_t stored, const DoubleSidedMode& mode, const ModelProfile& profile) {
    for (size_t i = 0; i < kDoubleSidedChoices.size(); ++i) {
        if (kDoubleSidedChoices[i].privateValue != stored)
            continue;
        const int index = static_cast<int>(i);
        // A hidden radio cannot show the choice: the printer's setting
        // then reads as none.
        if (index == kPrinterDuplexIndex &&
            (profile.LayoutDoublePrinter == 0 || !mode.printerChoice))
            return kNoDuplexIndex;
        return index;
    }
    return kNoDuplexIndex;
}

int NextDoubleSidedIndex(int index, const DoubleSidedMode& mode) {
    const int count = static_cast<int>(kDoubleSidedChoices.size());
    int next = ((index % count) + count + 1) % count;
    if (next == kPrinterDuplexIndex && !mode.printerChoice)
        next = kNoDuplexIndex;
    return next;
}

int OverlapFromStored(int64_t hundredthsOfInch) {
    const int64_t clamped = std::clamp<int64_t>(hundredthsOfInch, 0, 100);
    return static_cast<int>(std::min<int64_t>((clamped * 254 + 50) / 100, kOverlapMax));
}

int OverlapToStored(int tenthsOfMm) {
    const int clamped = std::clamp(tenthsOfMm, 0, kOverlapMax);
    return (clamped * 100 + 127) / 254;
}

std::u16string OverlapText(int tenthsOfMm, bool inches) {
    const int value = std::clamp(tenthsOfMm, 0, kOverlapMax);
    if (!inches)
        return FormatText(u"%d", {(value + 5) / 10});
    const int hundredths = (value * 100 + 127) / 254;
    return FormatText(u"%d.%02d", {hundredths / 100, hundredths % 100});
}

int OverlapTextLimit(bool inches) {
    return inches ? 4 : 2;
}

std::optional<int> ParseOverlap(std::u16string_view text, bool inches) {
    size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    double number = 0;
    bool digits = false;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        number = std::min(number * 10 + (text[at] - u'0'), 1e6);
        digits = true;
    }
    if (at < text.size() && (text[at] == u'.' || text[at] == u',')) {
        double scale = 0.1;
        for (++at; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
            number += (text[at] - u'0') * scale;
            scale /= 10;
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    const double tenths = std::round(number * (inches ? 254.0 : 10.0));
    return static_cast<int>(std::clamp(tenths, 0.0, static_cast<double>(kOverlapMax)));
}

} // namespace kx

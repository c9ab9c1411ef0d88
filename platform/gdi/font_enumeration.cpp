// EnumFontFamiliesExW over the catalogue of installed scalable faces.
#include "platform/gdi/font_catalog.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/gdi_api.h"

#include "platform/base/text.h"

#include <cmath>
#include <map>
#include <mutex>

namespace kx {
namespace {

// The size at which enumerated faces report their metrics, as Windows
// reports TrueType faces at their design size scaled to a 2048-unit em.
constexpr LONG kEnumCellHeight = 16;
constexpr UINT kDesignEm = 2048;

struct EnumRecord {
    ENUMLOGFONTEXW logFont{};
    NEWTEXTMETRICEXW metrics{};
};

EnumRecord MeasureRecord(const CatalogFace& face, BYTE charSet) {
    EnumRecord record;
    LOGFONTW& lf = record.logFont.elfLogFont;
    lf.lfHeight = kEnumCellHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = 3;  // OUT_STROKE_PRECIS, as Windows fills it for TrueType faces
    lf.lfClipPrecision = 2; // CLIP_STROKE_PRECIS
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = face.fixedPitch ? FIXED_PITCH : VARIABLE_PITCH;
    CopyText(lf.lfFaceName, LF_FACESIZE, face.name);
    CopyText(record.logFont.elfFullName, LF_FULLFACESIZE, face.name);
    CopyText(record.logFont.elfStyle, LF_FACESIZE, u"Regular");
    CopyText(record.logFont.elfScript, LF_FACESIZE, ScriptName(charSet));

    const FontObject font(lf);
    const TEXTMETRICW tm = font.TextMetrics();
    NEWTEXTMETRICW& ntm = record.metrics.ntmTm;
    ntm.tmHeight = tm.tmHeight;
    ntm.tmAscent = tm.tmAscent;
    ntm.tmDescent = tm.tmDescent;
    ntm.tmInternalLeading = tm.tmInternalLeading;
    ntm.tmExternalLeading = tm.tmExternalLeading;
    ntm.tmAveCharWidth = tm.tmAveCharWidth;
    ntm.tmMaxCharWidth = tm.tmMaxCharWidth;
    ntm.tmWeight = tm.tmWeight;
    ntm.tmDigitizedAspectX = tm.tmDigitizedAspectX;
    ntm.tmDigitizedAspectY = tm.tmDigitizedAspectY;
    ntm.tmFirstChar = tm.tmFirstChar;
    ntm.tmLastChar = tm.tmLastChar;
    ntm.tmDefaultChar = tm.tmDefaultChar;
    ntm.tmBreakChar = tm.tmBreakChar;
    ntm.tmPitchAndFamily = tm.tmPitchAndFamily;
    ntm.tmCharSet = charSet;
    ntm.ntmFlags = NTM_REGULAR;
    ntm.ntmSizeEM = kDesignEm;
    ntm.ntmCellHeight = static_cast<UINT>(
        std::lround(kDesignEm * static_cast<double>(tm.tmHeight) / font.Metrics().emSize));
    ntm.ntmAvgWidth = static_cast<UINT>(
        std::lround(kDesignEm * static_cast<double>(tm.tmAveCharWidth) / font.Metrics().emSize));
    lf.lfWidth = tm.tmAveCharWidth;
    return record;
}

/// The record of a face and set; faces are measured once per process, as
/// dialogs enumerate the same faces every time they open.
EnumRecord MakeRecord(const CatalogFace& face, BYTE charSet) {
    static std::mutex mutex;
    static std::map<std::u16string, EnumRecord> measured;
    EnumRecord record;
    {
        std::lock_guard lock(mutex);
        auto it = measured.find(face.name);
        if (it == measured.end())
            it = measured.emplace(face.name, MeasureRecord(face, charSet)).first;
        record = it->second;
    }
    record.logFont.elfLogFont.lfCharSet = charSet;
    record.metrics.ntmTm.tmCharSet = charSet;
    CopyText(record.logFont.elfScript, LF_FACESIZE, ScriptName(charSet));
    return record;
}

bool Wanted(const CatalogFace& face, std::u16string_view faceName) {
    return faceName.empty() || EqualsNoCase(face.name, faceName);
}

} // namespace
} // namespace kx

extern "C" {

int WINAPI EnumFontFamiliesExW(HDC hdc, LPLOGFONTW logFont, FONTENUMPROCW proc, LPARAM lParam,
                               DWORD /*flags*/) {
    (void)hdc;
    if (logFont == nullptr || proc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string faceName = kx::TextFromField(logFont->lfFaceName, LF_FACESIZE);
    int result = 1;
    for (const auto& face : kx::FontCatalog()) {
        if (!kx::Wanted(face, faceName))
            continue;
        for (BYTE charSet : face.charSets) {
            if (logFont->lfCharSet != DEFAULT_CHARSET && logFont->lfCharSet != charSet)
                continue;
            const kx::EnumRecord record = kx::MakeRecord(face, charSet);
            result = proc(&record.logFont.elfLogFont,
                          reinterpret_cast<const TEXTMETRICW*>(&record.metrics), TRUETYPE_FONTTYPE,
                          lParam);
            if (result == 0)
                return 0;
        }
    }
    return result;
}

} // extern "C"

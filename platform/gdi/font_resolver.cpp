// Face-name resolution through fontconfig, with the Windows faces mapped to
// their metric-compatible substitutes.
#include "platform/gdi/font_resolver.h"

#include "platform/base/text.h"
#include "platform/gdi/cairo_owner.h"

#include <array>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <map>
#include <memory>
#include <mutex>

namespace kx {
namespace {

struct FaceSubstitute {
    std::u16string_view windowsFace;
    std::u16string_view substitute;
};

// Windows faces and the faces that take their place. The dialog faces are
// aliases of a sans-serif face on Windows too.
constexpr std::array kSubstitutes{
    FaceSubstitute{u"Arial", u"Liberation Sans"},
    FaceSubstitute{u"Helvetica", u"Liberation Sans"},
    FaceSubstitute{u"Microsoft Sans Serif", u"Liberation Sans"},
    FaceSubstitute{u"MS Sans Serif", u"Liberation Sans"},
    FaceSubstitute{u"MS Shell Dlg", u"Liberation Sans"},
    FaceSubstitute{u"MS Shell Dlg 2", u"Liberation Sans"},
    FaceSubstitute{u"Tahoma", u"Liberation Sans"},
    FaceSubstitute{u"Verdana", u"DejaVu Sans"},
    FaceSubstitute{u"System", u"Liberation Sans"},
    FaceSubstitute{u"Times New Roman", u"Liberation Serif"},
    FaceSubstitute{u"Times", u"Liberation Serif"},
    FaceSubstitute{u"MS Serif", u"Liberation Serif"},
    FaceSubstitute{u"Courier New", u"Liberation Mono"},
    FaceSubstitute{u"Courier", u"Liberation Mono"},
    FaceSubstitute{u"Lucida Console", u"Liberation Mono"},
};

constexpr std::u16string_view kDefaultFace = u"Liberation Sans";

std::mutex g_mutex;

std::string MatchedFamily(const std::string& family) {
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    &FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(
        FcFontMatch(nullptr, pattern.get(), &result), &FcPatternDestroy);
    FcChar8* matched = nullptr;
    if (match == nullptr ||
        FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch)
        return std::string();
    return reinterpret_cast<const char*>(matched);
}

bool SameFamily(const std::string& a, const std::string& b) {
    return EqualsNoCase(Utf8ToUtf16(a), Utf8ToUtf16(b));
}

std::string ResolveUncached(std::u16string_view face) {
    const std::string wanted = Utf16ToUtf8(TrimBlanks(face));
    if (!wanted.empty() && SameFamily(MatchedFamily(wanted), wanted))
        return wanted;
    for (const auto& entry : kSubstitutes) {
        if (EqualsNoCase(entry.windowsFace, TrimBlanks(face))) {
            const std::string substitute = Utf16ToUtf8(entry.substitute);
            if (SameFamily(MatchedFamily(substitute), substitute))
                return substitute;
        }
    }
    const std::string fallback = MatchedFamily(Utf16ToUtf8(kDefaultFace));
    return fallback.empty() ? std::string("sans-serif") : fallback;
}

} // namespace

std::u16string_view DefaultFaceName() {
    return kDefaultFace;
}

bool IsFamilyInstalled(const std::string& family) {
    return !family.empty() && SameFamily(MatchedFamily(family), family);
}

std::string ResolveFamily(std::u16string_view face) {
    static std::map<std::u16string, std::string> cache;
    const std::u16string key = ToUpperText(face);
    {
        std::lock_guard lock(g_mutex);
        if (auto it = cache.find(key); it != cache.end())
            return it->second;
    }
    std::string family = ResolveUncached(face);
    std::lock_guard lock(g_mutex);
    return cache.emplace(key, std::move(family)).first->second;
}

cairo_font_face_t* CachedFontFace(const std::string& family, bool bold, bool italic) {
    static std::map<std::string, CairoOwner<cairo_font_face_t>> cache;
    const std::string key = family + (bold ? "|b" : "|") + (italic ? "i" : "");
    std::lock_guard lock(g_mutex);
    auto& slot = cache[key];
    if (slot == nullptr) {
        slot.reset(cairo_toy_font_face_create(
            family.c_str(), italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL));
    }
    return slot.get();
}

} // namespace kx

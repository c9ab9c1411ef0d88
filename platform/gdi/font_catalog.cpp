// The installed scalable faces and their character sets, from fontconfig.
#include "platform/gdi/font_catalog.h"

#include "platform/base/text.h"
#include "platform/gdi/font_resolver.h"

#include <algorithm>
#include <array>
#include <fontconfig/fontconfig.h>
#include <initializer_list>
#include <map>
#include <memory>

namespace kx {
namespace {

struct CharSetProbe {
    BYTE charSet;
    std::u16string_view script;
    std::array<FcChar32, 3> characters; ///< all must be covered; 0 ends early
};

// A face supports a character set when it covers these characters of it.
constexpr std::array kCharSetProbes{
    CharSetProbe{ANSI_CHARSET, u"Western", {0x0041, 0x00E9, 0x00FC}},
    CharSetProbe{HEBREW_CHARSET, u"Hebrew", {0x05D0, 0x05EA, 0}},
    CharSetProbe{ARABIC_CHARSET, u"Arabic", {0x0627, 0x0639, 0}},
    CharSetProbe{GREEK_CHARSET, u"Greek", {0x0391, 0x03A9, 0x03B1}},
    CharSetProbe{TURKISH_CHARSET, u"Turkish", {0x011F, 0x0130, 0x015F}},
    CharSetProbe{BALTIC_CHARSET, u"Baltic", {0x0116, 0x012E, 0x0173}},
    CharSetProbe{EASTEUROPE_CHARSET, u"Central European", {0x010D, 0x0141, 0x0151}},
    CharSetProbe{RUSSIAN_CHARSET, u"Cyrillic", {0x0416, 0x044F, 0}},
    CharSetProbe{VIETNAMESE_CHARSET, u"Vietnamese", {0x01A1, 0x01B0, 0x20AB}},
    CharSetProbe{THAI_CHARSET, u"Thai", {0x0E01, 0x0E44, 0}},
    CharSetProbe{SHIFTJIS_CHARSET, u"Japanese", {0x3042, 0x30A2, 0x65E5}},
    CharSetProbe{HANGUL_CHARSET, u"Hangul", {0xAE00, 0xD55C, 0}},
    CharSetProbe{GB2312_CHARSET, u"CHINESE_GB2312", {0x4E2D, 0x56FD, 0}},
    CharSetProbe{CHINESEBIG5_CHARSET, u"CHINESE_BIG5", {0x4E2D, 0x570B, 0}},
};

constexpr std::array kVerticalCharSets{SHIFTJIS_CHARSET, HANGUL_CHARSET, GB2312_CHARSET,
                                       CHINESEBIG5_CHARSET};

// The Windows faces that are present on every Windows system; they are
// listed under these names, drawn by their installed substitutes.
constexpr std::array<std::u16string_view, 5> kListedWindowsFaces{
    u"Arial", u"Courier New", u"Microsoft Sans Serif", u"Tahoma", u"Times New Roman"};

bool Covers(FcCharSet* charSet, const CharSetProbe& probe) {
    return std::all_of(probe.characters.begin(), probe.characters.end(),
                       [&](FcChar32 c) { return c == 0 || FcCharSetHasChar(charSet, c); });
}

std::map<std::string, InstalledFamily> InstalledFamilies() {
    std::map<std::string, std::vector<bool>> covered;
    std::map<std::string, InstalledFamily> families;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    &FcPatternDestroy);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, FC_CHARSET, FC_SPACING, nullptr), &FcObjectSetDestroy);
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()), &FcFontSetDestroy);
    if (fonts == nullptr)
        return families;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch)
            continue;
        const std::string name = reinterpret_cast<const char*>(family);
        InstalledFamily& info = families[name];
        std::vector<bool>& sets = covered[name];
        sets.resize(kCharSetProbes.size());
        FcCharSet* charSet = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charSet) == FcResultMatch) {
            for (size_t p = 0; p < kCharSetProbes.size(); ++p)
                sets[p] = sets[p] || Covers(charSet, kCharSetProbes[p]);
        }
        int spacing = FC_PROPORTIONAL;
        if (FcPatternGetInteger(fonts->fonts[i], FC_SPACING, 0, &spacing) == FcResultMatch &&
            spacing >= FC_MONO)
            info.fixedPitch = true;
    }
    for (auto& [name, info] : families) {
        for (size_t p = 0; p < kCharSetProbes.size(); ++p) {
            if (covered[name][p])
                info.charSets.push_back(kCharSetProbes[p].charSet);
        }
    }
    return families;
}

CatalogFace MakeFace(std::u16string name, const std::string& family, const InstalledFamily& info) {
    CatalogFace face{std::move(name), family, info.charSets, info.fixedPitch, false};
    if (face.charSets.empty())
        face.charSets.push_back(SYMBOL_CHARSET);
    return face;
}

bool HasVerticalForm(const CatalogFace& face) {
    return std::any_of(face.charSets.begin(), face.charSets.end(), [](BYTE charSet) {
        return std::find(kVerticalCharSets.begin(), kVerticalCharSets.end(), charSet) !=
               kVerticalCharSets.end();
    });
}

} // namespace

std::vector<CatalogFace> MakeCatalog(const std::map<std::string, InstalledFamily>& families) {
    std::vector<CatalogFace> faces;
    for (const auto& [family, info] : families)
        faces.push_back(MakeFace(Utf8ToUtf16(family), family, info));
    for (std::u16string_view windowsFace : kListedWindowsFaces) {
        const bool listed = std::any_of(faces.begin(), faces.end(), [&](const CatalogFace& f) {
            return EqualsNoCase(f.name, windowsFace);
        });
        const std::string family = ResolveFamily(windowsFace);
        const auto it = families.find(family);
        if (!listed && it != families.end())
            faces.push_back(MakeFace(std::u16string(windowsFace), family, it->second));
    }
    std::sort(faces.begin(), faces.end(), [](const CatalogFace& a, const CatalogFace& b) {
        return CompareNoCase(a.name, b.name) < 0;
    });
    std::vector<CatalogFace> withVertical;
    for (auto& face : faces) {
        const bool vertical = HasVerticalForm(face);
        withVertical.push_back(face);
        if (vertical) {
            CatalogFace at = face;
            at.name = u"@" + face.name;
            at.vertical = true;
            withVertical.push_back(std::move(at));
        }
    }
    return withVertical;
}

const std::vector<CatalogFace>& FontCatalog() {
    static const std::vector<CatalogFace> catalog = MakeCatalog(InstalledFamilies());
    return catalog;
}

std::u16string_view ScriptName(BYTE charSet) {
    for (const auto& probe : kCharSetProbes) {
        if (probe.charSet == charSet)
            return probe.script;
    }
    return charSet == SYMBOL_CHARSET ? u"Symbol" : u"";
}

BYTE FirstCharSetOfFamily(const std::string& family) {
    for (const auto& face : FontCatalog()) {
        if (face.family == family && !face.charSets.empty())
            return face.charSets.front();
    }
    return ANSI_CHARSET;
}

bool IsFixedPitchFamily(const std::string& family) {
    for (const auto& face : FontCatalog()) {
        if (face.family == family)
            return face.fixedPitch;
    }
    return false;
}

} // namespace kx

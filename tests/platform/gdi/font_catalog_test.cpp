// The face catalogue behind font enumeration, made from given families so
// that faces this machine lacks (East Asian ones) are covered too.
#include "platform/gdi/font_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>

namespace {

std::string Names(const std::vector<kx::CatalogFace>& faces) {
    std::string names;
    for (const auto& face : faces)
        names += std::string(face.name.begin(), face.name.end()) + ";";
    return names;
}

TEST(MakeCatalog, SortsAddsWindowsFacesAndVerticalForms) {
    const std::map<std::string, kx::InstalledFamily> families{
        {"Liberation Sans", {{ANSI_CHARSET, RUSSIAN_CHARSET}, false}},
        {"Mincho Sample", {{ANSI_CHARSET, SHIFTJIS_CHARSET}, false}},
        {"Gothic Mono", {{HANGUL_CHARSET}, true}},
        {"Pictures", {{}, false}},
    };
    const auto faces = kx::MakeCatalog(families);
    // Faces whose substitutes are missing here (Times New Roman, Courier
    // New) stay out; the sans-serif ones come in under their own names.
    EXPECT_EQ(Names(faces), "Arial;Gothic Mono;@Gothic Mono;Liberation Sans;Microsoft Sans Serif;"
                            "Mincho Sample;@Mincho Sample;Pictures;Tahoma;");
    const struct {
        const char16_t* name;
        std::vector<BYTE> charSets;
        bool vertical;
    } expected[] = {
        {u"Arial", {ANSI_CHARSET, RUSSIAN_CHARSET}, false},
        {u"@Gothic Mono", {HANGUL_CHARSET}, true},
        {u"Pictures", {SYMBOL_CHARSET}, false},
    };
    for (const auto& e : expected) {
        const auto it = std::find_if(faces.begin(), faces.end(),
                                     [&](const kx::CatalogFace& f) { return f.name == e.name; });
        ASSERT_NE(it, faces.end());
        EXPECT_EQ(it->charSets, e.charSets) << std::string(it->family);
        EXPECT_EQ(it->vertical, e.vertical) << it->family;
    }
    EXPECT_TRUE(std::find_if(faces.begin(), faces.end(), [](const kx::CatalogFace& f) {
                    return f.name == u"Arial";
                })->family == "Liberation Sans");
}

TEST(ScriptName, NamesEachCharacterSet) {
    EXPECT_EQ(kx::ScriptName(ANSI_CHARSET), u"Western");
    EXPECT_EQ(kx::ScriptName(EASTEUROPE_CHARSET), u"Central European");
    EXPECT_EQ(kx::ScriptName(SHIFTJIS_CHARSET), u"Japanese");
    EXPECT_EQ(kx::ScriptName(SYMBOL_CHARSET), u"Symbol");
    EXPECT_EQ(kx::ScriptName(OEM_CHARSET), u"");
}

} // namespace

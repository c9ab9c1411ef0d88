// Libraries by name: built-in system libraries, resource libraries of
// pictures, and names that load nothing.
#include "platform/system/library_loader.h"

#include "platform/gdi/gdi.h"
#include "platform/gdi/resource_archive.h"
#include "platform/system/system_api.h"
#include "tests/platform/gdi/bmp_writer.h"
#include "tests/support/test_prefix.h"
#include "tests/support/ustar_archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using kxtest::Ustar;

intptr_t CALLBACK Sample() {
    return 7;
}

TEST(LoadLibraryW, SystemLibrariesByNameInAnyCase) {
    kxtest::TestPrefix prefix;
    for (const char16_t* name :
         {u"MSIMG32.DLL", u"msimg32.dll", u"Msimg32", u"C:\\Windows\\System32\\msimg32.dll"}) {
        HMODULE module = LoadLibraryW(name);
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(GetProcAddress(module, "TransparentBlt"), kx::ProcedureAddress(&TransparentBlt));
        EXPECT_EQ(GetProcAddress(module, "AlphaBlend"), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
        EXPECT_EQ(GetModuleHandleW(u"MSIMG32.DLL"), module);
        EXPECT_TRUE(FreeLibrary(module));
    }
    EXPECT_EQ(GetModuleHandleW(u"MSIMG32.DLL"), nullptr) << "the last FreeLibrary unloads";
}

TEST(LoadLibraryW, RegisteredSystemLibrariesAndCounting) {
    kxtest::TestPrefix prefix;
    kx::RegisterSystemLibrary(u"hhctrl.ocx", {{"Sample", kx::ProcedureAddress(&Sample), 15}});
    HMODULE first = LoadLibraryW(u"HHCTRL.OCX");
    HMODULE second = LoadLibraryW(u"hhctrl.ocx");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    FARPROC sample = GetProcAddress(first, "Sample");
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample(), 7);
    EXPECT_EQ(GetProcAddress(first, reinterpret_cast<LPCSTR>(15)), sample) << "by export number";
    EXPECT_EQ(GetProcAddress(first, reinterpret_cast<LPCSTR>(16)), nullptr);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_NE(GetProcAddress(second, "Sample"), nullptr) << "one load is still counted";
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(FreeLibrary(second));
}

TEST(LoadLibraryW, UnknownNamesLoadNothing) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/drv/notes.dll", "plain text, not a library");
    const struct {
        const char16_t* name;
        DWORD error;
    } cases[] = {
        {u"nosuch.dll", ERROR_MOD_NOT_FOUND},
        {u"C:\\drv\\missing2.dll", ERROR_MOD_NOT_FOUND},
        {u"C:\\drv\\notes.dll", ERROR_BAD_FORMAT},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadLibraryW(c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
}

TEST(ResourceLibrary, BitmapsByNameAndNumber) {
    kxtest::TestPrefix prefix;
    prefix.WriteFile("drive_c/drv/MODEL2.dll",
                     Ustar({{"LOGO.bmp", kxtest::MakeBmp(24, false)},
                            {"pictures/101.bmp", kxtest::MakeBmp(8, true)},
                            {"readme.txt", "not a picture"}}));
    HMODULE module = LoadLibraryW(u"C:\\drv\\model2.DLL");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetProcAddress(module, "TransparentBlt"), nullptr) << "pictures only";
    const struct {
        const char* label;
        LPCWSTR name;
        bool found;
    } cases[] = {
        {"name", u"LOGO", true},
        {"name in another case", u"logo", true},
        {"number", kx::ResourceNumber(101), true},
        {"number as #text", u"#101", true},
        {"missing name", u"BADGE", false},
        {"missing number", kx::ResourceNumber(102), false},
        {"other member", u"readme", false},
    };
    for (const auto& c : cases) {
        HBITMAP bitmap = LoadBitmapW(module, c.name);
        EXPECT_EQ(bitmap != nullptr, c.found) << c.label;
        if (bitmap == nullptr)
            continue;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 255, 0)) << c.label;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HANDLE image = LoadImageW(module, u"LOGO", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    EXPECT_NE(image, nullptr);
    DeleteObject(image);
    HMODULE asData = LoadLibraryExW(u"C:\\drv\\MODEL2.DLL", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_EQ(asData, module) << "the same library, counted twice";
    EXPECT_TRUE(FreeLibrary(asData));
    HBITMAP still = LoadBitmapW(module, u"LOGO");
    EXPECT_NE(still, nullptr) << "still loaded once";
    DeleteObject(still);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(LoadBitmapW(module, u"LOGO"), nullptr) << "a freed library has no pictures";
    EXPECT_EQ(LoadLibraryW(u"C:\\drv\\OTHER2.dll"), nullptr) << "no file: no resource library";
}

TEST(ResourceArchive, RefusesBrokenArchives) {
    const std::string good = Ustar({{"A.bmp", std::string(600, 'x')}});
    std::string badChecksum = good;
    badChecksum[0] = 'B';
    std::string badSize = good;
    badSize.replace(124, 11, "77777777777");
    const struct {
        const char* label;
        std::string bytes;
        bool parses;
    } cases[] = {
        {"well formed", good, true},
        {"without closing blocks", good.substr(0, 512 + 1024), true},
        {"checksum wrong", badChecksum, false},
        {"member runs past the end", badSize, false},
        {"cut inside a member", good.substr(0, 700), false},
        {"empty", "", true},
    };
    for (const auto& c : cases) {
        auto archive =
            kx::ResourceArchive::Parse(std::vector<uint8_t>(c.bytes.begin(), c.bytes.end()));
        EXPECT_EQ(archive != nullptr, c.parses) << c.label;
    }
    auto archive = kx::ResourceArchive::Parse(std::vector<uint8_t>(good.begin(), good.end()));
    ASSERT_NE(archive, nullptr);
    const auto member = archive->FindBitmap(u"a");
    ASSERT_TRUE(member.has_value());
    EXPECT_EQ(member->size(), 600u);
}

} // namespace

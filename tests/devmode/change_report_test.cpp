// The change report's lines: their order and forms, number formatting by
// field type, device-name bytes, the opaque block, and the size limit.
#include "devmode/change_report.h"

#include "tests/devmode/record_builder.h"

#include <gtest/gtest.h>

namespace {

using kxtest::Record;

TEST(ChangeReport, OneLinePerChangedFieldInItsForm) {
    struct Case {
        const char* label;
        void (*change)(Record&);
        const char16_t* expected;
    };
    const Case cases[] = {
        {"nothing changed", [](Record&) {}, u""},
        {"pages per side", [](Record& r) { r.Set("iNup", 4); },
         u"dmPrivate.iNup: 1 (0x1) -> 4 (0x4)\n"},
        {"signed 16 bits from -1", [](Record& r) { r.Set("dmPaperSize", 0); },
         u"dmPublic.dmPaperSize: -1 (0xffff) -> 0 (0x0)\n"},
        {"32 bits", [](Record& r) { r.Set("dmFields", 0x80000000u); },
         u"dmPublic.dmFields: 0 (0x0) -> -2147483648 (0x80000000)\n"},
        {"a text", [](Record& r) { r.SetText("cJobName", u"Report"); },
         u"dmPrivate.cJobName: Draft -> Report\n"},
        {"a Kroma CMS entry", [](Record& r) { r.Set("KromaCMS[2]", 9); },
         u"dmPrivate.KromaCMS[2]: 0 (0x0) -> 9 (0x9)\n"},
        {"the options block", [](Record& r) { r.data()[Record::Field("options").offset + 63] = 1; },
         u"dmPrivate.options: binary differs\n"},
        {"the deco face name makes no line",
         [](Record& r) { r.SetText("DecoStrFaceName", u"Arial"); }, u""},
        {"two fields in record order",
         [](Record& r) {
             r.Set("bEncryption", 1);
             r.Set("dmCopies", 3);
         },
         u"dmPublic.dmCopies: 0 (0x0) -> 3 (0x3)\ndmPrivate.bEncryption: 0 (0x0) -> 1 (0x1)\n"},
    };
    for (const Case& c : cases) {
        Record before;
        before.Set("iNup", 1).Set("dmPaperSize", -1).SetText("cJobName", u"Draft");
        Record after = before;
        c.change(after);
        EXPECT_EQ(kx::BuildChangeReport(before.data(), after.data()), c.expected) << c.label;
    }
}

TEST(ChangeReport, DeviceNameAsTextAndAsBytes) {
    Record before;
    before.SetText("dmDeviceName", u"Laser");
    Record after = before;
    after.data()[40] = 7; // after the terminator
    EXPECT_EQ(kx::BuildChangeReport(before.data(), after.data()),
              u"dmPublic.dmDeviceName: binary differs\n");
    after.SetText("dmDeviceName", u"Inkjet");
    EXPECT_EQ(kx::BuildChangeReport(before.data(), after.data()),
              u"dmPublic.dmDeviceName: Laser -> Inkjet\ndmPublic.dmDeviceName: binary differs\n");
}

TEST(ChangeReport, AFullReportStaysWithinItsSizeAndEndsWithTheCut) {
    Record before;
    Record after;
    for (size_t i = 0; i < kx::kDevmodeSize; ++i)
        after.data()[i] = 0xFF; // every field differs, no text has its terminator
    const std::u16string report = kx::BuildChangeReport(before.data(), after.data());
    EXPECT_LE(report.size(), kx::kChangeReportCapacity);
    EXPECT_TRUE(report.ends_with(u"\n...\n")) << "cut at a whole line";
    EXPECT_EQ(report.rfind(u"dmPublic.dmDeviceName: ", 0), 0u);
}

} // namespace

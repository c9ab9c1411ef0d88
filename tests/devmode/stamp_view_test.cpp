// The block that the stamp shares with the office fields: on a model of the
// deco view the configuration copy and comparison leave the stamp's bytes
// alone; on a model of the office view they are configuration.
#include "devmode/devmode_merge.h"

#include "devmode/devmode_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kx::FieldNamed;

kx::ModelProfile DecoModel() {
    return kx::ModelProfile{};
}

kx::ModelProfile OfficeModel(int which) {
    kx::ModelProfile profile;
    if (which == 0)
        profile.PrinterJobAccounting = 1;
    else if (which == 1)
        profile.PrinterMemorySizes = {32, 64};
    else
        profile.PrinterMailBox = 1;
    return profile;
}

struct Records {
    kx::DevmodeBuffer stamp = kx::AllocateDevmode();
    kx::DevmodeBuffer other = kx::AllocateDevmode();
    Records() {
        std::memset(stamp.get(), 0, kx::kDevmodeSize);
        std::memset(other.get(), 0, kx::kDevmodeSize);
        kx::WriteNumber(stamp.get(), FieldNamed("FrameStyle"), 3);
        kx::WriteNumber(other.get(), FieldNamed("FrameStyle"), 3);
        kx::WriteText(stamp.get(), FieldNamed("StrDecoNote"), u"Hello\r\nWorld");
        kx::WriteText(stamp.get(), FieldNamed("StrDate"), u"2026-12-09");
    }
};

TEST(StampView, ConfigurationCopyKeepsTheStampOnADecoModel) {
    Records r;
    const std::vector<BYTE> before(r.stamp.get(), r.stamp.get() + kx::kDevmodeSize);
    // The other record's account texts and memory size are the note's bytes.
    kx::CopyPrinterConfiguration(r.stamp.get(), r.other.get(), DecoModel());
    EXPECT_EQ(kx::ReadText(r.stamp.get(), FieldNamed("StrDecoNote")), u"Hello\r\nWorld");
    EXPECT_EQ(kx::ReadText(r.stamp.get(), FieldNamed("StrDate")), u"2026-12-09");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), r.stamp.get()));
}

TEST(StampView, ConfigurationCopyTakesTheOfficeFieldsOnAnOfficeModel) {
    for (int which = 0; which < 3; ++which) {
        SCOPED_TRACE(which);
        Records r;
        kx::WriteText(r.other.get(), FieldNamed("JobAccountUserID"), u"owner");
        kx::WriteNumber(r.other.get(), FieldNamed("sPrinterMemory"), 64);
        kx::CopyPrinterConfiguration(r.stamp.get(), r.other.get(), OfficeModel(which));
        EXPECT_EQ(kx::ReadText(r.stamp.get(), FieldNamed("JobAccountUserID")), u"owner");
        EXPECT_EQ(kx::ReadNumber(r.stamp.get(), FieldNamed("sPrinterMemory")), 64);
    }
}

TEST(StampView, ComparisonWithoutConfigurationSeesANoteChangeOnADecoModel) {
    Records r;
    kx::WriteText(r.other.get(), FieldNamed("StrDecoNote"), u"Other");
    EXPECT_NE(kx::CompareDevmodes(r.stamp.get(), r.other.get(), nullptr, kx::Configuration::Ignore,
                                  DecoModel()),
              0);
    // The office model reads the same bytes as the job account, which the
    // comparison without configuration leaves out.
    Records office;
    std::memset(office.stamp.get(), 0, kx::kDevmodeSize);
    std::memset(office.other.get(), 0, kx::kDevmodeSize);
    // A stamp is set: its bytes matter on the deco model.
    kx::WriteNumber(office.stamp.get(), FieldNamed("FrameStyle"), 3);
    kx::WriteNumber(office.other.get(), FieldNamed("FrameStyle"), 3);
    kx::WriteText(office.other.get(), FieldNamed("JobAccountUserID"), u"owner");
    EXPECT_EQ(kx::CompareDevmodes(office.stamp.get(), office.other.get(), nullptr,
                                  kx::Configuration::Ignore, OfficeModel(0)),
              0);
    EXPECT_NE(kx::CompareDevmodes(office.stamp.get(), office.other.get(), nullptr,
                                  kx::Configuration::Ignore, DecoModel()),
              0);
}

} // namespace

// The host's records read and written by offset in host memory.
#include "host/host_records.h"

#include "sheet_builder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kxtest::Load32;
using kxtest::SheetBuilder;

TEST(SheetRecordView, PageSlotsSitAtTheirOffsetsAndIgnoreBadIndexes) {
    SheetBuilder sheet;
    kx::SheetRecordView record(sheet.record());
    record.SetPageSlot(0, 0x11);
    record.SetPageSlot(21, 0x22);
    record.SetPageSlot(22, 0x33);
    record.SetPageSlot(-1, 0x44);
    record.SetClosing(1);
    EXPECT_EQ(Load32(sheet.record() + 12), 0x11u);
    EXPECT_EQ(Load32(sheet.record() + 96), 0x22u);
    EXPECT_EQ(Load32(sheet.record() + 100), 0u) << "slot 22 would overwrite the host's bytes";
    EXPECT_EQ(Load32(sheet.record() + 8), 0u);
    EXPECT_EQ(Load32(sheet.record() + 4), 1u);
    EXPECT_EQ(record.PageSlot(22), 0u);
    EXPECT_EQ(record.PageSlot(-1), 0u);
    EXPECT_EQ(record.Context(), sheet.contextAddress());
}

TEST(SheetContextView, FlagsAndAddressesByOffset) {
    SheetBuilder sheet(u"Printer on 9100");
    const auto context = kx::SheetContextView::At(sheet.contextAddress());
    ASSERT_TRUE(context);
    context->SetChanged(1);
    context->SetApplied(1);
    context->SetReset(1);
    context->SetSixteenBit(1);
    for (size_t offset : {0u, 4u, 8u, 12u})
        EXPECT_EQ(Load32(sheet.context() + offset), 1u) << "offset " << offset;
    EXPECT_EQ(context->HostDevmode(), sheet.devmode());
    EXPECT_EQ(context->PrinterName(), u"Printer on 9100");

    struct Case {
        const char* label;
        uint32_t flags;
        bool readOnly;
        bool noReports;
        bool skipsMarkFiles;
    };
    const Case cases[] = {
        {"none", 0, false, false, false},
        {"read-only", 0x80000000u, true, false, false},
        {"no change reports", 0x40000000u, false, true, false},
        {"low byte 1", 0x00000001u, false, false, true},
        {"low byte 0x101", 0x00000101u, false, false, true},
        {"low byte 3", 0x00000003u, false, false, false},
    };
    for (const Case& c : cases) {
        sheet.setSheetFlags(c.flags);
        EXPECT_EQ(context->ReadOnly(), c.readOnly) << c.label;
        EXPECT_EQ(context->NoChangeReports(), c.noReports) << c.label;
        EXPECT_EQ(context->SkipsMarkFileStep(), c.skipsMarkFiles) << c.label;
    }
}

TEST(SheetContextView, UnmappedAddressesGiveNothing) {
    EXPECT_FALSE(kx::SheetContextView::At(0));
    EXPECT_FALSE(kx::SheetContextView::At(0x7FFF0000));
    SheetBuilder sheet;
    kxtest::Store32(sheet.context() + 160, 0x7FFF0000);
    const auto context = kx::SheetContextView::At(sheet.contextAddress());
    ASSERT_TRUE(context);
    EXPECT_EQ(context->HostDevmode(), nullptr);
    std::memset(sheet.context() + 164, 0x41, 160); // no terminator
    EXPECT_EQ(context->PrinterName(), std::u16string(80, u'\x4141'));
    // A context block too short for the record is not a context.
    const kx::HostAddress shortBlock = kx::HostAddressSpace::Instance().Allocate(100);
    EXPECT_FALSE(kx::SheetContextView::At(shortBlock));
    kx::HostAddressSpace::Instance().Unregister(shortBlock);
}

} // namespace

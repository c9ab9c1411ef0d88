// 16:16 translation, range checks and pins of the simulated 16-bit memory.
#include "platform/wow/wow_api.h"
#include "platform/wow/wow_memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kx::WowMemory;

class SegmentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_selector = WowMemory::Instance().AllocateSegment(kSize);
        ASSERT_NE(m_selector, 0);
    }
    void TearDown() override {
        while (WowMemory::Instance().PinCount(m_selector) > 0)
            WOWGetVDMPointerUnfix(Address(0));
        EXPECT_TRUE(WowMemory::Instance().FreeSegment(m_selector));
    }
    DWORD Address(WORD offset) const { return WowMemory::MakeAddress(m_selector, offset); }

    static constexpr DWORD kSize = 416;
    WORD m_selector = 0;
};

TEST_F(SegmentFixture, TranslatesIntoTheHostAddressSpace) {
    const char record[] = "sheet";
    ASSERT_TRUE(WowMemory::Instance().Write(Address(100), record, sizeof record));

    auto* flat = static_cast<char*>(WOWGetVDMPointer(Address(100), sizeof record, TRUE));
    ASSERT_NE(flat, nullptr);
    EXPECT_STREQ(flat, "sheet");

    const auto host = WowMemory::Instance().Translate(Address(100), sizeof record);
    ASSERT_TRUE(host.has_value());
    EXPECT_EQ(kx::HostAddressSpace::Instance().Translate(*host, sizeof record), flat);
    EXPECT_EQ(kx::HostAddressSpace::Instance().AddressOf(flat), *host);
}

TEST_F(SegmentFixture, RangeChecks) {
    struct Case {
        const char* label;
        WORD offset;
        DWORD bytes;
        bool valid;
    };
    const Case cases[] = {
        {"whole segment", 0, kSize, true},
        {"exactly to the end", kSize - 4, 4, true},
        {"one byte past the end", kSize - 4, 5, false},
        {"offset at the end", kSize, 1, false},
        {"zero bytes inside", 10, 0, true},
        {"zero bytes at the end", kSize, 0, false},
        {"huge size", 0, 0xFFFFFFFF, false},
    };
    for (const auto& c : cases) {
        const LPVOID flat = WOWGetVDMPointer(Address(c.offset), c.bytes, TRUE);
        EXPECT_EQ(flat != nullptr, c.valid) << c.label;
        if (!c.valid) {
            EXPECT_EQ(GetLastError(), ERROR_INVALID_ADDRESS) << c.label;
        }
    }
}

TEST_F(SegmentFixture, RealModeAndUnknownSelectorsFail) {
    EXPECT_EQ(WOWGetVDMPointer(Address(0), 4, FALSE), nullptr);
    const WORD unknown = static_cast<WORD>(m_selector ^ 0x0800);
    EXPECT_EQ(WOWGetVDMPointer(WowMemory::MakeAddress(unknown, 0), 4, TRUE), nullptr);
    EXPECT_EQ(WOWGetVDMPointer(0, 4, TRUE), nullptr);
}

TEST_F(SegmentFixture, PinsCountAndKeepTheSegment) {
    EXPECT_EQ(WowMemory::Instance().PinCount(m_selector), 0);
    ASSERT_NE(WOWGetVDMPointerFix(Address(0), 324, TRUE), nullptr);
    ASSERT_NE(WOWGetVDMPointerFix(Address(8), 4, TRUE), nullptr);
    EXPECT_EQ(WowMemory::Instance().PinCount(m_selector), 2);

    // A failed translation pins nothing.
    EXPECT_EQ(WOWGetVDMPointerFix(Address(0), kSize + 1, TRUE), nullptr);
    EXPECT_EQ(WowMemory::Instance().PinCount(m_selector), 2);

    EXPECT_FALSE(WowMemory::Instance().FreeSegment(m_selector)) << "freed while pinned";
    WOWGetVDMPointerUnfix(Address(0));
    WOWGetVDMPointerUnfix(Address(8));
    WOWGetVDMPointerUnfix(Address(8)); // one too many stays at zero
    EXPECT_EQ(WowMemory::Instance().PinCount(m_selector), 0);
}

TEST(WowMemory, SegmentSizesAreBounded) {
    auto& memory = WowMemory::Instance();
    EXPECT_EQ(memory.AllocateSegment(0), 0);
    EXPECT_EQ(memory.AllocateSegment(WowMemory::kMaxSegmentSize + 1), 0);
    const WORD full = memory.AllocateSegment(WowMemory::kMaxSegmentSize);
    ASSERT_NE(full, 0);
    EXPECT_EQ(full & 7, 7) << "selector " << full;
    EXPECT_NE(WOWGetVDMPointer(WowMemory::MakeAddress(full, 0xFFFF), 1, TRUE), nullptr);
    EXPECT_EQ(WOWGetVDMPointer(WowMemory::MakeAddress(full, 0xFFFF), 2, TRUE), nullptr);
    EXPECT_TRUE(memory.FreeSegment(full));
    EXPECT_FALSE(memory.FreeSegment(full));
    EXPECT_EQ(WOWGetVDMPointer(WowMemory::MakeAddress(full, 0), 1, TRUE), nullptr)
        << "a freed segment still translates";
}

} // namespace

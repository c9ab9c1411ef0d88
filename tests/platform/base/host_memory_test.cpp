// Host address translation at and past the bounds of registered blocks.
#include "platform/base/host_memory.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(HostAddressSpace, TranslatesInsideBlocksOnly) {
    auto& space = kx::HostAddressSpace::Instance();
    std::array<std::byte, 416> record{};
    const kx::HostAddress base = space.Register(record.data(), record.size());
    ASSERT_NE(base, 0u);

    struct Case {
        const char* label;
        uint32_t offset;
        size_t size;
        bool valid;
    };
    const Case cases[] = {
        {"whole block", 0, 416, true},
        {"last byte", 415, 1, true},
        {"one past the end", 416, 1, false},
        {"size one over", 0, 417, false},
        {"tail one over", 400, 17, false},
        {"tail exactly", 400, 16, true},
        {"huge size", 8, SIZE_MAX, false},
        {"before the block", static_cast<uint32_t>(-1), 1, false},
    };
    for (const auto& c : cases) {
        void* memory = space.Translate(base + c.offset, c.size);
        EXPECT_EQ(memory != nullptr, c.valid) << c.label;
        if (c.valid) {
            EXPECT_EQ(memory, record.data() + c.offset) << c.label;
        }
    }
    EXPECT_EQ(space.AddressOf(record.data() + 10), base + 10);
    EXPECT_TRUE(space.Unregister(base));
    EXPECT_EQ(space.Translate(base, 1), nullptr);
    EXPECT_FALSE(space.Unregister(base));
}

TEST(HostAddressSpace, NeighbouringBlocksNeverTouch) {
    auto& space = kx::HostAddressSpace::Instance();
    const kx::HostAddress first = space.Allocate(100);
    const kx::HostAddress second = space.Allocate(100);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_EQ(space.Translate(first + 100, 1), nullptr);
    EXPECT_EQ(space.Translate(first, 200), nullptr);
    auto* bytes = space.TranslateAs<unsigned char>(second, 100);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[99], 0) << "allocated memory starts zeroed";
    EXPECT_EQ(space.Register(nullptr, 10), 0u);
    EXPECT_EQ(space.Allocate(0), 0u);
    EXPECT_TRUE(space.Unregister(first));
    EXPECT_TRUE(space.Unregister(second));
}

} // namespace

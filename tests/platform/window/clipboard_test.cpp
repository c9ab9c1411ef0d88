// The clipboard: ownership of data, conversions between text formats.
#include "platform/window/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

HGLOBAL UnicodeBlock(std::u16string_view text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* out = static_cast<char16_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = 0;
    GlobalUnlock(memory);
    return memory;
}

TEST(Clipboard, UnicodeTextIsReadableAsEightBitText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, UnicodeBlock(u"Paper: A4 \u00e9")), nullptr);
    ASSERT_TRUE(CloseClipboard());

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE ansi = GetClipboardData(CF_TEXT);
    ASSERT_NE(ansi, nullptr);
    const char* text = static_cast<const char*>(GlobalLock(ansi));
    EXPECT_STREQ(text, "Paper: A4 \xe9");
    GlobalUnlock(ansi);
    HANDLE wide = GetClipboardData(CF_UNICODETEXT);
    EXPECT_EQ(std::u16string(static_cast<const char16_t*>(GlobalLock(wide))), u"Paper: A4 \u00e9");
    GlobalUnlock(wide);
    CloseClipboard();
}

TEST(Clipboard, CallsNeedTheClipboardOpenAndEmptyFreesTheData) {
    EXPECT_FALSE(EmptyClipboard());
    HGLOBAL memory = UnicodeBlock(u"x");
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    EmptyClipboard();
    EXPECT_EQ(GlobalSize(memory), 0u) << "the clipboard owned and freed it";
    EXPECT_EQ(CountClipboardFormats(), 0);
    CloseClipboard();
    EXPECT_FALSE(CloseClipboard());
}

TEST(Clipboard, UnterminatedTextIsBoundedByItsBlock) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(memory), u"ab", 4); // no terminator
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    HANDLE ansi = GetClipboardData(CF_TEXT);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(ansi)), "ab");
    GlobalUnlock(ansi);
    EmptyClipboard();
    CloseClipboard();
}

} // namespace

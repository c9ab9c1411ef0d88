// Whole-number fields: reading typed text, clamping while typing and on
// leaving the edit, and spin steps.
#include "framework/number_field.h"

#include "platform/automation/scripted_user.h"
#include "platform/base/format.h"
#include "platform/base/text.h"
#include "platform/controls/control_base.h"
#include "platform/window/dialog_template.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using kx::CNumberField;
using kx::NumberFilter;
using kx::ScriptedUser;

TEST(CNumberField, ParseNumberReadsAsPercentD) {
    struct Row {
        const char* label;
        const char16_t* text;
        std::optional<int32_t> value;
    };
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    const Row rows[] = {
        {"digits", u"120", 120},
        {"leading blanks", u"  \t7", 7},
        {"minus", u"-45", -45},
        {"plus", u"+3", 3},
        {"stops at the first other character", u"12abc", 12},
        {"stops at a blank", u"1 2", 1},
        {"zero", u"0", 0},
        {"leading zeros", u"007", 7},
        {"empty", u"", std::nullopt},
        {"only blanks", u"   ", std::nullopt},
        {"letters", u"abc", std::nullopt},
        {"a sign alone", u"-", std::nullopt},
        {"a sign then a blank", u"- 4", std::nullopt},
        {"decimal point first", u".5", std::nullopt},
        {"too large saturates", u"99999999999999999999", kMax},
        {"too small saturates", u"-99999999999999999999", kMin},
        {"exactly the largest", u"2147483647", kMax},
        {"exactly the smallest", u"-2147483648", kMin},
        {"a full-width digit is no digit", u"\uFF11", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CNumberField::ParseNumber(row.text), row.value) << row.label;
}

constexpr int kEditId = 10;
constexpr int kSpinId = 11;
constexpr int kOtherId = 12;

/// A dialog with one number field that hands the field its messages first,
/// as a page does.
class FieldHost {
public:
    FieldHost(kx::NumberRange range, int textLimit, NumberFilter filter, int32_t step = 1) {
        static const auto data =
            kx::CompileDialogScript(u"DIALOGEX 0,0,160,60\nSTYLE WS_POPUP | WS_VISIBLE\nBEGIN\n"
                                    u"EDITTEXT 10, 5, 5, 40, 14\n"
                                    u"CONTROL \"\", 11, \"msctls_updown32\", UDS_ALIGNRIGHT | "
                                    u"UDS_ARROWKEYS, 45, 5, 10, 14\n"
                                    u"EDITTEXT 12, 5, 25, 40, 14\nEND");
        m_window =
            CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(data.data()),
                                       nullptr, Proc, reinterpret_cast<LPARAM>(this));
        attached = field.Attach(m_window, kEditId, kSpinId, range, textLimit, filter, step);
    }
    ~FieldHost() {
        field.Detach();
        DestroyWindow(m_window);
    }
    FieldHost(const FieldHost&) = delete;
    FieldHost& operator=(const FieldHost&) = delete;

    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    std::string Text() const { return kx::Utf16ToUtf8(kx::WindowText(Item(kEditId))); }

    CNumberField field;
    bool attached = false;

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<FieldHost*>(GetWindowLongPtrW(window, DWLP_USER));
        if (self == nullptr)
            return FALSE;
        if (message == WM_COMMAND && self->field.OnCommand(wParam, lParam))
            return TRUE;
        LRESULT result = 0;
        if (message == WM_NOTIFY && self->field.OnNotify(lParam, &result)) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }

    HWND m_window = nullptr;
};

TEST(CNumberField, TypingClampsTheValueButLeavesTheTextUntilFocusLeaves) {
    FieldHost host({1, 999}, 3, NumberFilter::None);
    ASSERT_TRUE(host.attached);
    EXPECT_EQ(host.field.Value(), 1) << "a new field starts at its minimum";
    EXPECT_EQ(host.Text(), "1");
    ScriptedUser me;
    struct Row {
        const char* label;
        const char16_t* typed;
        int32_t whileTyping;
        const char16_t* afterLeaving;
    };
    const Row rows[] = {
        {"in range", u"25", 25, u"25"},
        {"zero becomes the minimum", u"0", 1, u"1"},
        {"not a number keeps the value", u"abc", 1, u"1"},
        {"trailing letters are ignored", u"12x", 12, u"12"},
        {"a lone minus keeps the value", u"-", 12, u"12"},
        {"negative becomes the minimum", u"-7", 1, u"1"},
        {"the maximum", u"999", 999, u"999"},
    };
    for (const Row& row : rows) {
        me.Type(host.Item(kEditId), row.typed);
        EXPECT_EQ(host.field.Value(), row.whileTyping) << row.label;
        EXPECT_EQ(host.Text(), kx::Utf16ToUtf8(row.typed))
            << row.label << ": the text stays as typed";
        me.Type(host.Item(kOtherId), u"x");
        EXPECT_EQ(host.Text(), kx::Utf16ToUtf8(row.afterLeaving)) << row.label;
    }
}

TEST(CNumberField, SetValueAndRangeClamp) {
    FieldHost host({25, 400}, 3, NumberFilter::Digits);
    struct Row {
        const char* label;
        int32_t set;
        int32_t shown;
    };
    const Row rows[] = {
        {"below", 24, 25},    {"lowest", 25, 25},
        {"inside", 100, 100}, {"highest", 400, 400},
        {"above", 401, 400},  {"far below", std::numeric_limits<int32_t>::min(), 25},
    };
    for (const Row& row : rows) {
        host.field.SetValue(row.set);
        EXPECT_EQ(host.field.Value(), row.shown) << row.label;
        EXPECT_EQ(host.Text(), std::to_string(row.shown)) << row.label;
    }
    host.field.SetValue(300);
    host.field.SetRange({1, 200});
    EXPECT_EQ(host.field.Value(), 200) << "a narrower range clamps the value";
    host.field.SetRange({50, 10});
    EXPECT_EQ(host.field.Range().maximum, 50) << "an upside-down range is one value";
    EXPECT_EQ(host.field.Value(), 50);
}

TEST(CNumberField, SpinClicksMoveByTheStepAndStopAtTheEnds) {
    FieldHost host({-90, 90}, 3, NumberFilter::SignedDigits, 5);
    ScriptedUser me;
    host.field.SetValue(80);
    me.Spin(host.Item(kSpinId), 1);
    EXPECT_EQ(host.field.Value(), 85);
    EXPECT_EQ(host.Text(), "85");
    me.Spin(host.Item(kSpinId), 3);
    EXPECT_EQ(host.field.Value(), 90) << "held at the maximum";
    EXPECT_EQ(host.Text(), "90");
    host.field.SetValue(-88);
    me.Spin(host.Item(kSpinId), -1);
    EXPECT_EQ(host.field.Value(), -90) << "held at the minimum";
    me.Type(host.Item(kEditId), u"12");
    me.Spin(host.Item(kSpinId), 1);
    EXPECT_EQ(host.Text(), "17") << "a spin starts from what was typed";
}

TEST(CNumberField, FiltersRefuseCharactersTheFieldCannotHold) {
    struct Row {
        const char* label;
        NumberFilter filter;
        const char16_t* typed;
        const char16_t* shown;
    };
    const Row rows[] = {
        {"no filter takes letters", NumberFilter::None, u"4a", u"4a"},
        {"digits refuse a minus", NumberFilter::Digits, u"-4", u"4"},
        {"signed digits take a leading minus", NumberFilter::SignedDigits, u"-4", u"-4"},
        {"signed digits refuse a later minus", NumberFilter::SignedDigits, u"4-", u"4"},
    };
    for (const Row& row : rows) {
        FieldHost host({-99, 99}, 3, row.filter);
        ScriptedUser me;
        me.Type(host.Item(kEditId), row.typed);
        EXPECT_EQ(host.Text(), kx::Utf16ToUtf8(row.shown)) << row.label;
    }
}

} // namespace

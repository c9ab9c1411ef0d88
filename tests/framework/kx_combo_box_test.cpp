// The value-list combo box: selection by value with clamping, unavailable
// entries refused when the user picks them, and the drawing of entries.
#include "framework/kx_combo_box.h"

#include "platform/automation/scripted_user.h"
#include "platform/window/dialog_template.h"
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using kx::Availability;
using kx::CKxComboBox;
using kx::ValueEntry;

TEST(CKxComboBox, PositionForValueClampsIntoTheList) {
    struct Case {
        const char* label;
        std::vector<ValueEntry> entries;
        WORD value;
        int expected;
    };
    const std::vector<ValueEntry> resolutions{{300, true}, {600, true}, {1200, true}};
    const Case cases[] = {
        {"exact", resolutions, 600, 1},
        {"below the smallest", resolutions, 0, 0},
        {"above the largest", resolutions, 0xFFFF, 2},
        {"between, nearer the upper", resolutions, 1000, 2},
        {"between, nearer the lower", resolutions, 400, 0},
        {"tie goes to the lower", resolutions, 450, 0},
        {"unsorted list", {{9, true}, {1, true}, {5, true}}, 4, 2},
        {"exact even when unavailable", {{1, true}, {2, false}, {3, true}}, 2, 1},
        {"clamping skips unavailable", {{1, true}, {5, false}, {9, true}}, 6, 2},
        {"nothing available: nearest of all", {{1, false}, {5, false}}, 4, 1},
        {"empty list", {}, 7, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CKxComboBox::PositionForValue(c.entries, c.value), c.expected) << c.label;
}

const std::vector<DWORD>& ComboTemplate() {
    static const auto data = kx::CompileDialogScript(
        u"DIALOGEX 0,0,160,80\nSTYLE WS_POPUP | WS_VISIBLE\nBEGIN\n"
        u"COMBOBOX 20, 5, 5, 120, 60, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS\nEND");
    return data;
}

/// A page-like dialog: lets its combo boxes see their notifications first and
/// records what reaches the page itself.
class ComboHost {
public:
    ComboHost() {
        m_window = CreateDialogIndirectParamW(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(ComboTemplate().data()), nullptr, Proc,
            reinterpret_cast<LPARAM>(this));
        box.SubclassWindow(GetDlgItem(m_window, 20));
        box.AddItem(u"300 dpi", 300);
        box.AddItem(u"600 dpi", 600);
        box.AddItem(u"1200 dpi", 1200, Availability::Unavailable);
        box.AddItem(u"2400 dpi", 2400, Availability::Unavailable);
        box.AddItem(u"Fine", 9000);
        box.SelectValue(600);
    }
    ~ComboHost() { DestroyWindow(m_window); }
    ComboHost(const ComboHost&) = delete;
    ComboHost& operator=(const ComboHost&) = delete;

    CKxComboBox box;
    std::vector<WORD> selectionChanges; ///< the value at each CBN_SELCHANGE the page saw

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<ComboHost*>(GetWindowLongPtrW(window, DWLP_USER));
        LRESULT result = 0;
        if (CKxComboBox::ReflectFromParent(message, wParam, lParam, &result)) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
            return TRUE;
        }
        if (self && message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE)
            self->selectionChanges.push_back(self->box.SelectedValue().value_or(0));
        return FALSE;
    }

    HWND m_window = nullptr;
};

TEST(CKxComboBox, SelectValueShowsTheNearestEntryForAValueTheListLacks) {
    ComboHost host;
    EXPECT_EQ(host.box.SelectValue(2400), 3)
        << "an unavailable value the settings hold is still shown";
    EXPECT_EQ(host.box.SelectValue(1000), 1) << "clamped to 600: 1200 is unavailable";
    EXPECT_EQ(host.box.SelectedValue(), 600);
    EXPECT_EQ(host.box.SelectValue(65000), 4);
    EXPECT_EQ(host.box.SelectedValue(), 9000);
    host.box.ResetContent();
    EXPECT_EQ(host.box.SelectValue(600), -1);
    EXPECT_EQ(host.box.SelectedValue(), std::nullopt);
}

TEST(CKxComboBox, UserCannotChooseAnUnavailableEntry) {
    ComboHost host;
    kx::ScriptedUser user;
    user.ChooseByText(host.box, u"1200 dpi");
    EXPECT_EQ(host.box.SelectedValue(), 600) << "the refused choice is undone";
    EXPECT_TRUE(host.selectionChanges.empty())
        << "the page never hears of it; it heard " << host.selectionChanges.size();

    ASSERT_TRUE(user.ChooseByText(host.box, u"300 dpi"));
    EXPECT_EQ(host.box.SelectedValue(), 300);
    EXPECT_EQ(host.selectionChanges, (std::vector<WORD>{300}));

    host.box.SetValueAvailability(1200, Availability::Available);
    ASSERT_TRUE(user.ChooseByText(host.box, u"1200 dpi"));
    EXPECT_EQ(host.box.SelectedValue(), 1200) << "available again";
}

TEST(CKxComboBox, ArrowKeysStepOverUnavailableEntries) {
    ComboHost host;
    SendMessageW(host.box, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(host.box.SelectedValue(), 9000);
    SendMessageW(host.box, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(host.box.SelectedValue(), 9000) << "nothing below the last entry";
    SendMessageW(host.box, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(host.box.SelectedValue(), 600);
    SendMessageW(host.box, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(host.box.SelectedValue(), 300);
    EXPECT_EQ(host.selectionChanges, (std::vector<WORD>{9000, 600, 300}));
}

/// The darkest channel sum in the rectangle: text drawn in black reaches
/// near 0, grey text stays near the grey.
int DarkestSum(const kxtest::Canvas& canvas, RECT area) {
    int darkest = 3 * 255;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = canvas.At(x, y);
            darkest = std::min(darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
        }
    }
    return darkest;
}

TEST(CKxComboBox, DrawsUnavailableEntriesGreyed) {
    ComboHost host;
    struct Case {
        const char* label;
        int index;
        UINT state;
        COLORREF background;
        bool greyText;
    };
    const Case cases[] = {
        {"available", 1, 0, GetSysColor(COLOR_WINDOW), false},
        {"unavailable", 2, 0, GetSysColor(COLOR_WINDOW), true},
        {"unavailable, selected", 2, ODS_SELECTED, GetSysColor(COLOR_HIGHLIGHT), true},
    };
    for (const Case& c : cases) {
        kxtest::Canvas canvas(120, 16, RGB(10, 200, 10));
        const RECT rect{0, 0, 120, 16};
        DRAWITEMSTRUCT item{ODT_COMBOBOX,   20,      static_cast<UINT>(c.index),
                            ODA_DRAWENTIRE, c.state, host.box,
                            canvas.dc(),    rect,    0};
        host.box.DrawItem(item);
        EXPECT_EQ(canvas.At(118, 1), c.background)
            << c.label << ": " << kxtest::Hex(canvas.At(118, 1));
        if (c.state & ODS_SELECTED)
            continue;
        const int darkest = DarkestSum(canvas, RECT{0, 0, 80, 16});
        if (c.greyText)
            EXPECT_GT(darkest, 3 * 100) << c.label << ": darkest sum " << darkest;
        else
            EXPECT_LT(darkest, 3 * 60) << c.label << ": darkest sum " << darkest;
    }
}

} // namespace

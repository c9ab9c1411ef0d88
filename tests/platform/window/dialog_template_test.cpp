// Dialog scripts, the binary templates they compile to, and dialog units.
#include "platform/controls/common_controls.h"
#include "platform/controls/control_constants.h"
#include "platform/window/dialog_state.h"
#include "platform/window/dialog_template.h"

#include <gtest/gtest.h>

namespace {

constexpr char16_t kPaperDialog[] = uR"(3014 DIALOGEX 0, 0, 250, 180
STYLE DS_SETFONT | DS_CONTROL | WS_CHILD | WS_VISIBLE
EXSTYLE WS_EX_CONTEXTHELP
CAPTION "Paper ""A"""
FONT 8, "MS Shell Dlg", 400, 0, 0x1
BEGIN
    // the size group
    GROUPBOX        "&Size", IDC_STATIC, 7, 7, 236, 60
    LTEXT           "Copies:", -1, 14, 20, 40, 8
    EDITTEXT        1050, 60, 18, 40, 14, ES_NUMBER | NOT WS_BORDER, WS_EX_CLIENTEDGE
    CONTROL         "", 1051, "msctls_updown32", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 100, 18, 10, 14
    COMBOBOX        1046, 14, 40, 100, 80, CBS_DROPDOWNLIST | WS_VSCROLL
    AUTOCHECKBOX    "Collate", 1060, 120, 40, 60, 10
    ICON            101, 1070, 200, 20
    DEFPUSHBUTTON   "OK", IDOK, 140, 160, 50, 14
END
)";

TEST(DialogScript, ParsesHeaderAndControlsWithDefaultsAndNot) {
    kx::DialogScriptError error;
    auto dialog = kx::ParseDialogScript(kPaperDialog, &error);
    ASSERT_TRUE(dialog) << "line " << error.line << ": " << error.message;
    EXPECT_EQ(dialog->caption, u"Paper \"A\"");
    EXPECT_EQ(dialog->typeface, u"MS Shell Dlg");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->charset, 1);
    EXPECT_EQ(dialog->exStyle, WS_EX_CONTEXTHELP);
    EXPECT_EQ(dialog->style & (WS_CHILD | DS_CONTROL | WS_CAPTION),
              WS_CHILD | DS_CONTROL | WS_CAPTION);
    ASSERT_EQ(dialog->items.size(), 8u);
    struct Row {
        const char* label;
        size_t index;
        DWORD id;
        const char16_t* className;
        DWORD styleSet;
        DWORD styleClear;
    };
    const Row rows[] = {
        {"group box", 0, 0xFFFFFFFF, u"Button", BS_GROUPBOX | WS_VISIBLE | WS_CHILD, WS_TABSTOP},
        {"text groups", 1, 0xFFFFFFFF, u"Static", WS_GROUP, 0},
        {"edit without border", 2, 1050, u"Edit", ES_NUMBER | WS_TABSTOP, WS_BORDER},
        {"generic control", 3, 1051, u"msctls_updown32", UDS_SETBUDDYINT | WS_VISIBLE, 0},
        {"combo kind replaces simple", 4, 1046, u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0},
        {"auto check box", 5, 1060, u"Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
        {"icon", 6, 1070, u"Static", SS_ICON, 0},
        {"default button", 7, 1, u"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    };
    for (const auto& row : rows) {
        const auto& item = dialog->items[row.index];
        EXPECT_EQ(item.id, row.id) << row.label;
        EXPECT_EQ(item.className, row.className) << row.label;
        EXPECT_EQ(item.style & row.styleSet, row.styleSet)
            << row.label << " style " << std::hex << item.style;
        EXPECT_EQ(item.style & row.styleClear, 0u)
            << row.label << " style " << std::hex << item.style;
    }
    EXPECT_EQ(dialog->items[2].exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ(dialog->items[6].textOrdinal, 101);
}

TEST(DialogScript, ReportsTheLineOfAnError) {
    struct Row {
        const char* label;
        std::u16string_view script;
        int line;
    };
    const Row rows[] = {
        {"no DIALOGEX", u"BEGIN\nEND", 1},
        {"unknown style", u"DIALOGEX 0,0,1,1\nSTYLE WS_NONSENSE\nBEGIN\nEND", 2},
        {"unterminated text", u"DIALOGEX 0,0,1,1\nBEGIN\nLTEXT \"abc, 1, 0,0,1,1\nEND", 3},
        {"missing END", u"DIALOGEX 0,0,1,1\nBEGIN\nLTEXT \"a\", 1, 0, 0, 1, 1\n", 4},
        {"missing coordinate", u"DIALOGEX 0,0,1,1\nBEGIN\nPUSHBUTTON \"a\", 1, 0, 0, 1\nEND", 4},
        {"unknown statement", u"DIALOGEX 0,0,1,1\nBEGIN\nSLIDER 1, 0, 0, 1, 1\nEND", 3},
        {"NUL inside a text",
         std::u16string_view(u"DIALOGEX 0,0,1,1\nCAPTION \"a\0b\"\nBEGIN\nEND", 40), 2},
    };
    for (const auto& row : rows) {
        kx::DialogScriptError error;
        EXPECT_FALSE(kx::ParseDialogScript(row.script, &error)) << row.label;
        EXPECT_EQ(error.line, row.line) << row.label << ": " << error.message;
    }
}

TEST(DialogTemplate, BinaryRoundTripKeepsEverything) {
    auto dialog = kx::ParseDialogScript(kPaperDialog);
    ASSERT_TRUE(dialog);
    const std::vector<DWORD> binary = kx::EncodeDialogTemplate(*dialog);
    auto decoded = kx::DecodeDialogTemplate(binary.data(), binary.size() * sizeof(DWORD));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->caption, dialog->caption);
    EXPECT_EQ(decoded->weight, 400);
    ASSERT_EQ(decoded->items.size(), dialog->items.size());
    for (size_t i = 0; i < dialog->items.size(); ++i) {
        EXPECT_EQ(decoded->items[i].className, dialog->items[i].className) << i;
        EXPECT_EQ(decoded->items[i].text, dialog->items[i].text) << i;
        EXPECT_EQ(decoded->items[i].style, dialog->items[i].style) << i;
        EXPECT_EQ(decoded->items[i].x, dialog->items[i].x) << i;
    }
    // Every truncation is refused rather than read past its end.
    const size_t full = binary.size() * sizeof(DWORD);
    for (size_t size = 0; size + 4 < full; size += 3)
        EXPECT_FALSE(kx::DecodeDialogTemplate(binary.data(), size)) << size;
}

TEST(DialogTemplate, ReadsTheClassicFormat) {
    // A classic template with one button given by class ordinal.
    alignas(4) const WORD classic[] = {
        0x00C0, 0x80C0, 0,    0,    1, 10,
        20,     100,    50,      // style DS_SETFONT|DS_MODALFRAME|WS_POPUP|WS_CAPTION, count 1
        0,      0,      u'T', 0, // no menu, default class, caption "T"
        8,      u'A',   0,       // font 8 "A"
        0,      0x5001, 0,    0,    5, 5,
        40,     14,     1, // style BS_DEFPUSHBUTTON|WS_CHILD|WS_VISIBLE, id 1
        0xFFFF, 0x0080, u'O', u'K', 0, 0,
    };
    auto decoded = kx::DecodeDialogTemplate(classic, sizeof classic);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->caption, u"T");
    EXPECT_EQ(decoded->typeface, u"A");
    ASSERT_EQ(decoded->items.size(), 1u);
    EXPECT_EQ(decoded->items[0].className, u"Button");
    EXPECT_EQ(decoded->items[0].text, u"OK");
    EXPECT_EQ(decoded->items[0].id, 1u);
}

TEST(DialogUnits, ConvertWithTheDialogFontsBaseUnits) {
    const SIZE shell = kx::DialogBaseUnits(u"MS Shell Dlg", 8);
    EXPECT_EQ(shell.cx, 6);
    EXPECT_EQ(shell.cy, 13);
    const RECT button = kx::DialogUnitsToPixels(RECT{0, 0, 50, 14}, shell);
    EXPECT_EQ(button.right, 75);
    EXPECT_EQ(button.bottom, 23);
    const SIZE system = kx::DialogBaseUnits(u"", 0);
    EXPECT_EQ(system.cx, 8);
}

} // namespace

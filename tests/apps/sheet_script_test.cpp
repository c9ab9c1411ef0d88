// The sheet script's parser: what each line becomes, and every error with
// the line it names.
#include "apps/sheet_script.h"

#include "platform/base/text.h"

#include <gtest/gtest.h>

namespace {

using kxhost::ExpectKind;
using kxhost::ParseSheetScript;
using kxhost::ScriptError;
using kxhost::ScriptStep;
using kxhost::StepKind;

std::vector<ScriptStep> Steps(std::string_view script) {
    const auto parsed = ParseSheetScript(script);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message << "\n" << script;
        return {};
    }
    return std::get<std::vector<ScriptStep>>(parsed);
}

std::string Narrow(const std::u16string& text) {
    return kx::Utf16ToUtf8(text);
}

// What a step says, in one line, so rows compare one text.
std::string Summary(const ScriptStep& step) {
    std::string summary =
        std::to_string(step.line) + ":" + std::to_string(static_cast<int>(step.kind));
    if (step.expectFailure)
        summary += " ?";
    if (step.target.id)
        summary += " id=" + std::to_string(*step.target.id);
    if (!step.target.text.empty())
        summary += (step.target.byLabel ? " label=" : " target=") + Narrow(step.target.text);
    if (!step.text.empty())
        summary += " text=" + Narrow(step.text);
    if (step.number != 0)
        summary += " n=" + std::to_string(step.number);
    if (step.milliseconds != 0)
        summary += " ms=" + std::to_string(step.milliseconds);
    if (step.kind == StepKind::Press)
        summary += " key=" + std::to_string(static_cast<int>(step.key));
    if (step.kind == StepKind::Expect)
        summary += " expect=" + std::to_string(static_cast<int>(step.expect));
    if (step.cancelFile)
        summary += " cancel";
    return summary;
}

std::string Kind(StepKind kind) {
    return std::to_string(static_cast<int>(kind));
}
std::string Expect(ExpectKind kind) {
    return std::to_string(static_cast<int>(kind));
}

TEST(SheetScript, ReadsEachLineIntoAStep) {
    struct Case {
        const char* label;
        const char* line;
        std::string summary;
    };
    const Case cases[] = {
        {"page by index", "page 2", "1:" + Kind(StepKind::Page) + " id=2"},
        {"page by caption", "page \"Paper\"", "1:" + Kind(StepKind::Page) + " target=Paper"},
        {"click by identifier", "click 1186", "1:" + Kind(StepKind::Click) + " id=1186"},
        {"click by hexadecimal identifier", "click 0x4A2",
         "1:" + Kind(StepKind::Click) + " id=1186"},
        {"click by bare word", "CLICK Inches", "1:" + Kind(StepKind::Click) + " target=Inches"},
        {"a quoted number is a text", "click \"12\"", "1:" + Kind(StepKind::Click) + " target=12"},
        {"check", "check \"&Collate\"", "1:" + Kind(StepKind::Check) + " target=&Collate"},
        {"uncheck", "uncheck 12", "1:" + Kind(StepKind::Uncheck) + " id=12"},
        {"choose", "choose 1046 \"My \"\"best\"\" set\"",
         "1:" + Kind(StepKind::Choose) + " id=1046 text=My \"best\" set"},
        {"type keeps blanks", "type 1050 \"  12 \"",
         "1:" + Kind(StepKind::Type) + " id=1050 text=  12 "},
        {"type an empty text", "type 1050 \"\"", "1:" + Kind(StepKind::Type) + " id=1050"},
        {"spin down", "spin 1051 -3", "1:" + Kind(StepKind::Spin) + " id=1051 n=-3"},
        {"slide", "slide 1060 40", "1:" + Kind(StepKind::Slide) + " id=1060 n=40"},
        {"press on the focus", "press Shift-Tab",
         "1:" + Kind(StepKind::Press) +
             " key=" + std::to_string(static_cast<int>(kx::Key::ShiftTab))},
        {"press on a control", "press down 1046",
         "1:" + Kind(StepKind::Press) +
             " id=1046 key=" + std::to_string(static_cast<int>(kx::Key::Down))},
        {"hover", "hover \"Booklet\"", "1:" + Kind(StepKind::Hover) + " target=Booklet"},
        {"clock", "clock 3000", "1:" + Kind(StepKind::Clock) + " ms=3000"},
        {"clock at its limit", "clock 3600000", "1:" + Kind(StepKind::Clock) + " ms=3600000"},
        {"answer yes", "answer yes", "1:" + Kind(StepKind::Answer) + " n=6"},
        {"answer try-again", "answer try-again", "1:" + Kind(StepKind::Answer) + " n=10"},
        {"file path", "file \"C:\\Marks\\Draft.wm\"",
         "1:" + Kind(StepKind::File) + " text=C:\\Marks\\Draft.wm"},
        {"file cancel", "file cancel", "1:" + Kind(StepKind::File) + " cancel"},
        {"a quoted cancel is a path", "file \"cancel\"",
         "1:" + Kind(StepKind::File) + " text=cancel"},
        {"apply", "apply", "1:" + Kind(StepKind::Apply)},
        {"picture", "picture \"Layout_page-2.png\"",
         "1:" + Kind(StepKind::Picture) + " text=Layout_page-2.png"},
        {"expected to fail", "? click 1187", "1:" + Kind(StepKind::Click) + " ? id=1187"},
        {"expected to fail, no blank", "?click 1187", "1:" + Kind(StepKind::Click) + " ? id=1187"},
        {"comment after the step", "ok # and close", "1:" + Kind(StepKind::Ok)},
        {"a # inside quotes is text", "type 7 \"#1\"",
         "1:" + Kind(StepKind::Type) + " id=7 text=#1"},
        {"expect checked", "expect 1186 checked",
         "1:" + Kind(StepKind::Expect) + " id=1186 expect=" + Expect(ExpectKind::Checked)},
        {"expect absent", "expect \"Poster\" absent",
         "1:" + Kind(StepKind::Expect) + " target=Poster expect=" + Expect(ExpectKind::Absent)},
        {"expect text", "expect 1050 text \"12\"",
         "1:" + Kind(StepKind::Expect) + " id=1050 text=12 expect=" + Expect(ExpectKind::Text)},
        {"expect no selection", "expect 1046 selection \"\"",
         "1:" + Kind(StepKind::Expect) + " id=1046 expect=" + Expect(ExpectKind::Selection)},
        {"expect message", "expect message \"Name Required\"",
         "1:" + Kind(StepKind::Expect) +
             " text=Name Required expect=" + Expect(ExpectKind::Message)},
        {"expect no tip", "expect no tip",
         "1:" + Kind(StepKind::Expect) + " expect=" + Expect(ExpectKind::NoTip)},
        {"a control by its label", "choose label \"Paper Size\" \"A4\"",
         "1:" + Kind(StepKind::Choose) + " label=Paper Size text=A4"},
        {"a label in a bare word", "spin LABEL Copies 2",
         "1:" + Kind(StepKind::Spin) + " label=Copies n=2"},
        {"a label that looks like a number is a text", "click label 12",
         "1:" + Kind(StepKind::Click) + " label=12"},
        {"a bare label alone is a control's own text", "click label",
         "1:" + Kind(StepKind::Click) + " target=label"},
        {"a quoted label is a control's own text", "check \"label\"",
         "1:" + Kind(StepKind::Check) + " target=label"},
        {"expect by label", "expect label \"Copies:\" text \"1\"",
         "1:" + Kind(StepKind::Expect) +
             " label=Copies: text=1 expect=" + Expect(ExpectKind::Text)},
        {"press on a control by label", "press up label Copies",
         "1:" + Kind(StepKind::Press) +
             " label=Copies key=" + std::to_string(static_cast<int>(kx::Key::Up))},
        {"expect page", "expect page \"Paper\"",
         "1:" + Kind(StepKind::Expect) + " target=Paper expect=" + Expect(ExpectKind::Page)},
        {"a quoted keyword is a control", "expect \"closed\" visible",
         "1:" + Kind(StepKind::Expect) + " target=closed expect=" + Expect(ExpectKind::Visible)},
        {"expect closed", "expect closed",
         "1:" + Kind(StepKind::Expect) + " expect=" + Expect(ExpectKind::Closed)},
        {"UTF-8 text", "choose 1 \"A4 \xE2\x80\x93 Recycled\"",
         "1:" + Kind(StepKind::Choose) + " id=1 text=A4 \xE2\x80\x93 Recycled"},
    };
    for (const Case& c : cases) {
        const auto steps = Steps(c.line);
        ASSERT_EQ(steps.size(), 1u) << c.label;
        EXPECT_EQ(Summary(steps[0]), c.summary) << c.label;
    }
}

TEST(SheetScript, SkipsCommentsAndBlankLinesAndKeepsLineNumbers) {
    const auto steps = Steps("\xEF\xBB\xBF# the Layout page\r\n\r\n   \npage 1\r\n\t# done\nok\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(Summary(steps[0]), "4:" + Kind(StepKind::Page) + " id=1");
    EXPECT_EQ(Summary(steps[1]), "6:" + Kind(StepKind::Ok));
    EXPECT_EQ(steps[0].source, "page 1");
    const auto commented = Steps("  type 7 \"#1\"   # the first\n");
    ASSERT_EQ(commented.size(), 1u);
    EXPECT_EQ(commented[0].source, "type 7 \"#1\"") << "the comment is no part of the step";
    EXPECT_TRUE(Steps("").empty());
    EXPECT_TRUE(Steps("# nothing\n\n").empty());
}

TEST(SheetScript, NestsDialogBlocks) {
    const auto steps = Steps("answer ok\n"
                             "dialog \"Edit Favorites\"\n"
                             "  type 1001 \"Mine\"\n"
                             "  dialog\n"
                             "    cancel\n"
                             "  end\n"
                             "  click \"Details...\"\n"
                             "  ok\n"
                             "end\n"
                             "click 1047\n");
    ASSERT_EQ(steps.size(), 3u);
    const ScriptStep& dialog = steps[1];
    EXPECT_EQ(dialog.kind, StepKind::Dialog);
    EXPECT_EQ(dialog.line, 2);
    EXPECT_EQ(Narrow(dialog.text), "Edit Favorites");
    ASSERT_EQ(dialog.block.size(), 4u);
    EXPECT_EQ(Summary(dialog.block[0]), "3:" + Kind(StepKind::Type) + " id=1001 text=Mine");
    EXPECT_EQ(dialog.block[1].kind, StepKind::Dialog);
    ASSERT_EQ(dialog.block[1].block.size(), 1u);
    EXPECT_EQ(Summary(dialog.block[1].block[0]), "5:" + Kind(StepKind::Cancel));
    EXPECT_EQ(Summary(dialog.block[3]), "8:" + Kind(StepKind::Ok));
    EXPECT_EQ(Summary(steps[2]), "10:" + Kind(StepKind::Click) + " id=1047");
}

TEST(SheetScript, NamesTheLineOfEveryError) {
    struct Case {
        const char* label;
        const char* script;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"unknown action", "page 1\nfrobnicate 3\n", 2, "unknown action 'frobnicate'"},
        {"a quoted action", "\"click\" 3\n", 1, "unknown action 'click'"},
        {"unclosed quote", "page 1\n\nclick \"OK\nok\n", 3, "no closing quote"},
        {"control missing", "click\n", 1, "click needs a control"},
        {"identifier too large", "click 65536\n", 1, "click needs a control"},
        {"negative identifier", "check -1\n", 1, "check needs a control"},
        {"choose without item", "choose 1046\n", 1, "choose needs a control and a text"},
        {"an empty label", "click label \"\"\n", 1, "click needs a control"},
        {"a label eats the item's place", "choose label \"A4\"\n", 1,
         "choose needs a control and a text"},
        {"expect a label without state", "expect label Copies\n", 1,
         "needs a state after the control"},
        {"spin without steps", "spin 1051\n", 1, "spin needs a control and a number"},
        {"spin with a word", "spin 1051 many\n", 1, "spin needs a control and a number"},
        {"slide beyond range", "slide 1 10001\n", 1, "slide needs a control and a number"},
        {"page out of range", "page 22\n", 1, "page needs a page index 0..21"},
        {"unknown key", "press home\n", 1, "press needs a key"},
        {"press on a bad control", "press up 70000\n", 1, "the control must be"},
        {"clock without time", "clock\n", 1, "clock needs milliseconds"},
        {"clock too long", "clock 3600001\n", 1, "clock needs milliseconds"},
        {"negative clock", "clock -5\n", 1, "clock needs milliseconds"},
        {"unknown answer", "answer maybe\n", 1, "answer needs a button"},
        {"file without path", "file\n", 1, "file needs a path"},
        {"file with empty path", "file \"\"\n", 1, "file needs a path"},
        {"words after the step", "ok now\n", 1, "unexpected 'now' after ok"},
        {"picture without name", "picture\n", 1, "picture needs a file name"},
        {"picture into another folder", "picture \"../up.png\"\n", 1, "picture needs a file name"},
        {"picture with a folder", "picture \"out/page.png\"\n", 1, "picture needs a file name"},
        {"picture not a PNG", "picture page.bmp\n", 1, "picture needs a file name"},
        {"picture of only an extension", "picture .png\n", 1, "picture needs a file name"},
        {"expect without state", "expect 1186\n", 1, "needs a state after the control"},
        {"expect unknown state", "expect 1186 pressed\n", 1, "unknown state 'pressed'"},
        {"expect text without text", "expect 1050 text\n", 1, "needs the text to compare"},
        {"expect message without text", "expect message\n", 1, "expect message needs the text"},
        {"expect no what", "expect no dialog\n", 1, "expect no needs 'message' or 'tip'"},
        {"lone question mark", "?\n", 1, "'?' needs a step"},
        {"end without dialog", "page 1\nend\n", 2, "'end' without 'dialog'"},
        {"end with words", "dialog\nok\nend now\n", 3, "'end' stands alone"},
        {"empty dialog block", "dialog\nend\n", 2, "the dialog block is empty"},
        {"dialog never ended", "page 1\ndialog\n  ok\nclick 3\n", 2,
         "the dialog block has no 'end'"},
        {"inner dialog never ended", "dialog\n ok\n dialog\n  ok\nend\n", 1, "has no 'end'"},
        {"page inside a dialog", "dialog\n  page 1\nend\n", 2,
         "acts on the sheet, not inside a dialog"},
        {"apply inside a dialog", "dialog\n  apply\nend\n", 2, "acts on the sheet"},
        {"too deep", "dialog\ndialog\ndialog\ndialog\ndialog\ndialog\ndialog\ndialog\ndialog\n", 9,
         "at most 8 deep"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseSheetScript(c.script);
        const auto* error = std::get_if<ScriptError>(&parsed);
        ASSERT_NE(error, nullptr) << c.label;
        EXPECT_EQ(error->line, c.line) << c.label << ": " << error->message;
        EXPECT_NE(error->message.find(c.message), std::string::npos)
            << c.label << ": " << error->message;
    }
}

TEST(SheetScript, NamesAnswersAsScriptsWriteThem) {
    EXPECT_EQ(kxhost::AnswerName(1), "ok");
    EXPECT_EQ(kxhost::AnswerName(7), "no");
    EXPECT_EQ(kxhost::AnswerName(11), "continue");
    EXPECT_EQ(kxhost::AnswerName(9), "button 9");
}

} // namespace

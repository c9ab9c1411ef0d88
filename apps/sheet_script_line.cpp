// A sheet script's line: blanks and quotes split it into words, a keyword
// and its table say what the words after it must be.
#include "apps/sheet_script_line.h"

#include "platform/base/text.h"
#include "platform/window/window_constants.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace kxhost {
namespace {

constexpr uint32_t kLongestClockStep = 3'600'000;
constexpr int kLargestControlId = 0xFFFF;
constexpr int kHighestPageIndex = 21;
constexpr int kLargestSpin = 10'000;

struct Word {
    std::string text;
    bool quoted = false;
};

// What follows a keyword.
enum class Form : uint8_t {
    Nothing,
    Control,
    ControlAndText,
    ControlAndNumber,
    PageTarget,
    KeyAndControl,
    Milliseconds,
    Button,
    FileAnswer,
    DialogCaption,
    PictureName,
    Check,
};

struct Keyword {
    std::string_view name;
    StepKind kind;
    Form form;
};
constexpr Keyword kKeywords[] = {
    {"page", StepKind::Page, Form::PageTarget},
    {"click", StepKind::Click, Form::Control},
    {"check", StepKind::Check, Form::Control},
    {"uncheck", StepKind::Uncheck, Form::Control},
    {"choose", StepKind::Choose, Form::ControlAndText},
    {"type", StepKind::Type, Form::ControlAndText},
    {"spin", StepKind::Spin, Form::ControlAndNumber},
    {"slide", StepKind::Slide, Form::ControlAndNumber},
    {"press", StepKind::Press, Form::KeyAndControl},
    {"hover", StepKind::Hover, Form::Control},
    {"clock", StepKind::Clock, Form::Milliseconds},
    {"answer", StepKind::Answer, Form::Button},
    {"file", StepKind::File, Form::FileAnswer},
    {"dialog", StepKind::Dialog, Form::DialogCaption},
    {"apply", StepKind::Apply, Form::Nothing},
    {"ok", StepKind::Ok, Form::Nothing},
    {"cancel", StepKind::Cancel, Form::Nothing},
    {"picture", StepKind::Picture, Form::PictureName},
    {"expect", StepKind::Expect, Form::Check},
};

struct KeyName {
    std::string_view name;
    kx::Key key;
};
constexpr KeyName kKeys[] = {
    {"enter", kx::Key::Enter},        {"escape", kx::Key::Escape}, {"tab", kx::Key::Tab},
    {"shift-tab", kx::Key::ShiftTab}, {"up", kx::Key::Up},         {"down", kx::Key::Down},
    {"left", kx::Key::Left},          {"right", kx::Key::Right},   {"space", kx::Key::Space},
    {"delete", kx::Key::Delete},      {"f1", kx::Key::F1},
};

struct ButtonName {
    std::string_view name;
    int id;
};
constexpr ButtonName kButtons[] = {
    {"ok", IDOK},       {"cancel", IDCANCEL},      {"abort", IDABORT},
    {"retry", IDRETRY}, {"ignore", IDIGNORE},      {"yes", IDYES},
    {"no", IDNO},       {"try-again", IDTRYAGAIN}, {"continue", IDCONTINUE},
};

struct StateName {
    std::string_view name;
    ExpectKind kind;
    bool takesText;
};
constexpr StateName kControlStates[] = {
    {"checked", ExpectKind::Checked, false},
    {"unchecked", ExpectKind::Unchecked, false},
    {"indeterminate", ExpectKind::Indeterminate, false},
    {"enabled", ExpectKind::Enabled, false},
    {"disabled", ExpectKind::Disabled, false},
    {"visible", ExpectKind::Visible, false},
    {"hidden", ExpectKind::Hidden, false},
    {"absent", ExpectKind::Absent, false},
    {"text", ExpectKind::Text, true},
    {"selection", ExpectKind::Selection, true},
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

constexpr size_t kLongestPictureName = 100;

// A picture is written into the picture folder and nowhere else: a plain
// file name, no folder, no way up.
bool IsPictureName(std::u16string_view name) {
    constexpr std::u16string_view kExtension = u".png";
    if (name.size() <= kExtension.size() || name.size() > kLongestPictureName ||
        !name.ends_with(kExtension) || name.front() == u'.')
        return false;
    return std::all_of(name.begin(), name.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'.' || c == u'-' || c == u'_';
    });
}

// A keyword is a bare word; a quoted one is always a text.
bool IsKeyword(const Word& word, std::string_view keyword) {
    return !word.quoted && Lower(word.text) == keyword;
}

template <typename Entry, size_t N>
const Entry* FindNamed(const Entry (&table)[N], const Word& word) {
    if (word.quoted)
        return nullptr;
    const std::string name = Lower(word.text);
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [&](const Entry& entry) { return entry.name == name; });
    return found == std::end(table) ? nullptr : found;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
}

class LineParser {
public:
    LineParser(int line, std::vector<Word> words) : m_line(line), m_words(std::move(words)) {}

    std::optional<ScriptError> Parse(ScriptStep& step);

private:
    std::optional<ScriptError> Fail(std::string message) const {
        return ScriptError{m_line, std::move(message)};
    }
    bool AtEnd() const { return m_next >= m_words.size(); }
    const Word& Next() { return m_words[m_next++]; }
    bool TakeTarget(Target& target, bool pageIndexes);
    bool TakeText(std::u16string& text);
    bool TakeNumber(int64_t lowest, int64_t highest, int64_t& value);
    std::optional<ScriptError> ParseForm(Form form, ScriptStep& step);
    std::optional<ScriptError> ParseCheck(ScriptStep& step);
    std::optional<ScriptError> ParseControlCheck(ScriptStep& step);

    int m_line;
    std::vector<Word> m_words;
    size_t m_next = 0;
    std::string m_keyword;
};

bool LineParser::TakeTarget(Target& target, bool pageIndexes) {
    if (AtEnd())
        return false;
    const Word& word = Next();
    // A bare "label" with nothing after it is still a control's own text.
    if (!pageIndexes && IsKeyword(word, "label") && !AtEnd()) {
        target.byLabel = true;
        target.text = kx::Utf8ToUtf16(Next().text);
        return !target.text.empty();
    }
    if (!word.quoted) {
        if (const auto number = ParseInteger(word.text)) {
            const int64_t largest = pageIndexes ? kHighestPageIndex : kLargestControlId;
            if (*number < 0 || *number > largest)
                return false;
            target.id = static_cast<int>(*number);
            return true;
        }
    }
    target.text = kx::Utf8ToUtf16(word.text);
    return !target.text.empty();
}

bool LineParser::TakeText(std::u16string& text) {
    if (AtEnd())
        return false;
    text = kx::Utf8ToUtf16(Next().text);
    return true;
}

bool LineParser::TakeNumber(int64_t lowest, int64_t highest, int64_t& value) {
    if (AtEnd())
        return false;
    const Word& word = Next();
    const auto number = word.quoted ? std::nullopt : ParseInteger(word.text);
    if (!number || *number < lowest || *number > highest)
        return false;
    value = *number;
    return true;
}

std::optional<ScriptError> LineParser::ParseControlCheck(ScriptStep& step) {
    if (!TakeTarget(step.target, false))
        return Fail("expect needs a control (an identifier or a text) and a state");
    if (AtEnd())
        return Fail("expect needs a state after the control: checked, unchecked, indeterminate, "
                    "enabled, disabled, visible, hidden, absent, text \"...\", selection \"...\"");
    const Word& word = Next();
    const StateName* state = FindNamed(kControlStates, word);
    if (state == nullptr)
        return Fail("unknown state '" + word.text + "'");
    step.expect = state->kind;
    if (state->takesText && !TakeText(step.text))
        return Fail("expect ... " + std::string(state->name) + " needs the text to compare");
    return std::nullopt;
}

std::optional<ScriptError> LineParser::ParseCheck(ScriptStep& step) {
    if (AtEnd())
        return Fail("expect needs what to check");
    const Word& first = m_words[m_next];
    if (IsKeyword(first, "message") || IsKeyword(first, "tip")) {
        ++m_next;
        step.expect = IsKeyword(first, "tip") ? ExpectKind::Tip : ExpectKind::Message;
        if (!TakeText(step.text) || step.text.empty())
            return Fail("expect " + first.text + " needs the text it shows");
    } else if (IsKeyword(first, "no")) {
        ++m_next;
        if (!AtEnd() && IsKeyword(m_words[m_next], "message"))
            step.expect = ExpectKind::NoMessage;
        else if (!AtEnd() && IsKeyword(m_words[m_next], "tip"))
            step.expect = ExpectKind::NoTip;
        else
            return Fail("expect no needs 'message' or 'tip'");
        ++m_next;
    } else if (IsKeyword(first, "page")) {
        ++m_next;
        step.expect = ExpectKind::Page;
        if (!TakeTarget(step.target, true))
            return Fail("expect page needs a page index 0..21 or a caption");
    } else if (IsKeyword(first, "closed") || IsKeyword(first, "open")) {
        ++m_next;
        step.expect = IsKeyword(first, "closed") ? ExpectKind::Closed : ExpectKind::Open;
    } else {
        return ParseControlCheck(step);
    }
    return std::nullopt;
}

std::optional<ScriptError> LineParser::ParseForm(Form form, ScriptStep& step) {
    int64_t number = 0;
    switch (form) {
    case Form::Nothing:
        return std::nullopt;
    case Form::Control:
        if (!TakeTarget(step.target, false))
            return Fail(m_keyword + " needs a control: an identifier 0..65535 or a text");
        return std::nullopt;
    case Form::ControlAndText:
        if (!TakeTarget(step.target, false) || !TakeText(step.text))
            return Fail(m_keyword + " needs a control and a text");
        return std::nullopt;
    case Form::ControlAndNumber:
        if (!TakeTarget(step.target, false) || !TakeNumber(-kLargestSpin, kLargestSpin, number))
            return Fail(m_keyword + " needs a control and a number -10000..10000");
        step.number = static_cast<int>(number);
        return std::nullopt;
    case Form::PageTarget:
        if (!TakeTarget(step.target, true))
            return Fail("page needs a page index 0..21 or a caption");
        return std::nullopt;
    case Form::KeyAndControl: {
        const KeyName* key = AtEnd() ? nullptr : FindNamed(kKeys, Next());
        if (key == nullptr)
            return Fail("press needs a key: enter, escape, tab, shift-tab, up, down, left, right, "
                        "space, delete, f1");
        step.key = key->key;
        if (!AtEnd() && !TakeTarget(step.target, false))
            return Fail("press: the control must be an identifier 0..65535 or a text");
        return std::nullopt;
    }
    case Form::Milliseconds:
        if (!TakeNumber(0, kLongestClockStep, number))
            return Fail("clock needs milliseconds 0..3600000");
        step.milliseconds = static_cast<uint32_t>(number);
        return std::nullopt;
    case Form::Button: {
        const ButtonName* button = AtEnd() ? nullptr : FindNamed(kButtons, Next());
        if (button == nullptr)
            return Fail("answer needs a button: ok, cancel, yes, no, abort, retry, ignore, "
                        "try-again, continue");
        step.number = button->id;
        return std::nullopt;
    }
    case Form::FileAnswer:
        if (AtEnd())
            return Fail("file needs a path or 'cancel'");
        if (IsKeyword(m_words[m_next], "cancel")) {
            ++m_next;
            step.cancelFile = true;
        } else if (!TakeText(step.text) || step.text.empty()) {
            return Fail("file needs a path or 'cancel'");
        }
        return std::nullopt;
    case Form::DialogCaption:
        if (!AtEnd())
            TakeText(step.text);
        return std::nullopt;
    case Form::PictureName:
        if (!TakeText(step.text) || !IsPictureName(step.text))
            return Fail("picture needs a file name of letters, digits, '.', '-' and '_' ending in "
                        "\".png\"");
        return std::nullopt;
    case Form::Check:
        return ParseCheck(step);
    }
    return std::nullopt;
}

std::optional<ScriptError> LineParser::Parse(ScriptStep& step) {
    const Word& verb = Next();
    const Keyword* keyword = FindNamed(kKeywords, verb);
    if (keyword == nullptr)
        return Fail("unknown action '" + verb.text + "'");
    m_keyword = keyword->name;
    step.kind = keyword->kind;
    if (auto error = ParseForm(keyword->form, step))
        return error;
    if (!AtEnd())
        return Fail("unexpected '" + m_words[m_next].text + "' after " + m_keyword);
    return std::nullopt;
}

// Splits a line into words; a "#" outside quotes ends the line, and
// `contentEnd` is left where it stands.
std::optional<std::string> SplitWords(std::string_view line, std::vector<Word>& words,
                                      size_t& contentEnd) {
    size_t& at = contentEnd;
    at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Word word{{}, true};
            for (++at;; ++at) {
                if (at >= line.size())
                    return "the text has no closing quote";
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        word.text.push_back('"');
                        ++at;
                        continue;
                    }
                    break;
                }
                word.text.push_back(line[at]);
            }
            ++at;
            words.push_back(std::move(word));
        } else {
            const size_t end = line.find_first_of(" \t\r\"#", at);
            words.push_back({std::string(line.substr(at, end - at)), false});
            at = end == std::string_view::npos ? line.size() : end;
        }
    }
    return std::nullopt;
}

std::string_view TrimmedLine(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const size_t last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

} // namespace

std::variant<ScriptLine, ScriptError> ParseScriptLine(int number, std::string_view line) {
    std::vector<Word> words;
    size_t contentEnd = 0;
    if (auto problem = SplitWords(line, words, contentEnd))
        return ScriptError{number, *problem};
    ScriptLine parsed;
    if (words.empty())
        return parsed;
    bool expectFailure = false;
    if (!words.front().quoted && words.front().text.starts_with('?')) {
        expectFailure = true;
        words.front().text.erase(0, 1);
        if (words.front().text.empty())
            words.erase(words.begin());
        if (words.empty())
            return ScriptError{number, "'?' needs a step after it"};
    }
    if (IsKeyword(words.front(), "end")) {
        if (expectFailure || words.size() > 1)
            return ScriptError{number, "'end' stands alone on its line"};
        parsed.kind = LineKind::End;
        return parsed;
    }
    parsed.kind = LineKind::Step;
    ScriptStep& step = parsed.step;
    step.line = number;
    step.expectFailure = expectFailure;
    step.source = std::string(TrimmedLine(line.substr(0, contentEnd)));
    if (auto error = LineParser(number, std::move(words)).Parse(step))
        return *error;
    return parsed;
}

std::string AnswerName(int buttonId) {
    for (const ButtonName& button : kButtons)
        if (button.id == buttonId)
            return std::string(button.name);
    return "button " + std::to_string(buttonId);
}

} // namespace kxhost

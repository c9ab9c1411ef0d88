// The sheet script's parser: each line into a step, dialog blocks into
// nested steps.
#include "apps/sheet_script.h"

#include "apps/sheet_script_line.h"

namespace kxhost {
namespace {

constexpr size_t kDeepestDialog = 8;

// Steps go to the innermost open dialog block, or to the script.
class BlockStack {
public:
    std::vector<ScriptStep>& Current() { return m_open.empty() ? m_script : m_open.back().block; }
    bool InsideDialog() const { return !m_open.empty(); }
    size_t Depth() const { return m_open.size(); }
    void Open(ScriptStep step) { m_open.push_back(std::move(step)); }
    std::optional<ScriptError> Close(int line) {
        if (m_open.empty())
            return ScriptError{line, "'end' without 'dialog'"};
        if (m_open.back().block.empty())
            return ScriptError{line, "the dialog block is empty"};
        ScriptStep dialog = std::move(m_open.back());
        m_open.pop_back();
        Current().push_back(std::move(dialog));
        return std::nullopt;
    }
    std::optional<ScriptError> Finish() const {
        if (m_open.empty())
            return std::nullopt;
        return ScriptError{m_open.back().line, "the dialog block has no 'end'"};
    }
    std::vector<ScriptStep> Take() { return std::move(m_script); }

private:
    std::vector<ScriptStep> m_script;
    std::vector<ScriptStep> m_open;
};

bool SheetOnly(StepKind kind) {
    return kind == StepKind::Page || kind == StepKind::Apply;
}

std::optional<ScriptError> AddLine(ScriptLine line, int number, BlockStack& blocks) {
    if (line.kind == LineKind::Blank)
        return std::nullopt;
    if (line.kind == LineKind::End)
        return blocks.Close(number);
    ScriptStep& step = line.step;
    if (blocks.InsideDialog() && SheetOnly(step.kind))
        return ScriptError{number, "'" + step.source + "' acts on the sheet, not inside a dialog"};
    if (step.kind == StepKind::Dialog) {
        if (blocks.Depth() == kDeepestDialog)
            return ScriptError{number, "dialog blocks nest at most 8 deep"};
        blocks.Open(std::move(step));
        return std::nullopt;
    }
    blocks.Current().push_back(std::move(step));
    return std::nullopt;
}

} // namespace

ParsedScript ParseSheetScript(std::string_view script) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (script.starts_with(kByteOrderMark))
        script.remove_prefix(kByteOrderMark.size());
    BlockStack blocks;
    int number = 0;
    while (!script.empty()) {
        ++number;
        const size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        auto parsed = ParseScriptLine(number, line);
        if (auto* error = std::get_if<ScriptError>(&parsed))
            return *error;
        if (auto error = AddLine(std::move(std::get<ScriptLine>(parsed)), number, blocks))
            return *error;
    }
    if (auto error = blocks.Finish())
        return *error;
    return blocks.Take();
}

} // namespace kxhost

// Fuzzes the sheet script's parser: any text either parses into steps whose
// lines lie within the text and whose blocks are never empty, or is refused
// with the number of a line it has.
#include "apps/sheet_script.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool WellFormed(const std::vector<kxhost::ScriptStep>& steps, int lines, size_t depth) {
    int previous = 0;
    for (const kxhost::ScriptStep& step : steps) {
        if (step.line <= previous || step.line > lines)
            return false;
        previous = step.line;
        if (step.kind == kxhost::StepKind::Dialog &&
            (step.block.empty() || depth == 8 || !WellFormed(step.block, lines, depth + 1)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    const auto parsed = kxhost::ParseSheetScript(text);
    if (const auto* error = std::get_if<kxhost::ScriptError>(&parsed)) {
        if (error->line < 1 || error->line > lines || error->message.empty())
            std::abort();
        return 0;
    }
    if (!WellFormed(std::get<std::vector<kxhost::ScriptStep>>(parsed), lines, 0))
        std::abort();
    return 0;
}

// One line of a sheet script read into a step (see sheet_script.h for the
// language).
#pragma once

#include "apps/sheet_script.h"

#include <string_view>
#include <variant>

namespace kxhost {

enum class LineKind : uint8_t { Blank, Step, End };

struct ScriptLine {
    LineKind kind = LineKind::Blank;
    ScriptStep step; ///< for LineKind::Step; a dialog step's block is empty
};

/// A blank or comment line, a step, or the `end` of a dialog block; or why
/// the line is not one.
std::variant<ScriptLine, ScriptError> ParseScriptLine(int number, std::string_view line);

} // namespace kxhost

// The texts the previews show: lengths and sizes in millimetres or inches,
// and the paper information lines of the stamp pictures.
#pragma once

#include "devmode/resolver_texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

enum class LengthUnit { Millimetres, Inches };

/// The unit of a record's IsMMInch value.
LengthUnit UnitOf(int64_t isMMInch);

/// A length in tenths of a millimetre: whole millimetres ("%d" of
/// (v + 5) / 10), or inches with two decimals ("%d.%02d").
std::u16string LengthText(int32_t tenths, LengthUnit unit);
/// "%s x %s mm" or "%s x %s in".
std::u16string SizeText(int32_t width, int32_t length, LengthUnit unit);

/// A text of the string file's "Preview" section, the key as default.
std::u16string PreviewText(ResolverTexts& texts, std::u16string_view key);

/// The paper lines of the stamp pictures: with two or more lines the paper
/// size and the print area (20 tenths less each way unless borderless),
/// each "Label:\n size"; with one line the name and "Borderless" or
/// "Bordered". Index 0 is the top line.
std::vector<std::u16string> PaperInformationLines(ResolverTexts& texts, int lineCount,
                                                  std::u16string_view paperName, int32_t width,
                                                  int32_t length, LengthUnit unit, bool borderless);

} // namespace kx

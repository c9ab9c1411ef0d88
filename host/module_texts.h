// The keyed texts of the model files that the host entry reads: the string
// file and the settings file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

enum class TextFile { Strings, Settings };

class ModuleTexts {
public:
    virtual ~ModuleTexts() = default;

    /// The text of key in section of a file, at most capacity - 1 code
    /// units, or nothing when absent or empty. A default text is written
    /// back for an absent key in diagnostic mode (and delivered).
    virtual std::optional<std::u16string> Read(TextFile file, std::u16string_view section,
                                               std::u16string_view key, size_t capacity,
                                               std::optional<std::u16string_view> defaultText) = 0;
};

/// The texts in use: the ones installed (module start installs the text
/// stores of the model files), else model files that hold no text.
ModuleTexts& CurrentModuleTexts();
/// Makes texts current (not owned); nullptr goes back to the stand-in.
void InstallModuleTexts(ModuleTexts* texts);

} // namespace kx

// A keyed text file (sections of "key=value" lines) with a selected section:
// the model's string file, settings file and version file are read and
// written through it.
#pragma once

#include "platform/base/win_types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

enum class ClearReadOnly { No, Yes };
enum class Expand { No, Yes };

class TextStore {
public:
    /// The default of ReadNumber that means "no default".
    static constexpr int32_t kNoDefault = 0x12345678;
    /// The longest text ReadExpanded delivers, terminator included.
    static constexpr size_t kExpandedCapacity = 256;

    /// `writeBackSwitch` is the diagnostic switch (the profile's
    /// ShowDevmodeChanges): writes happen only while it is non-zero.
    explicit TextStore(const int32_t* writeBackSwitch) : m_writeBack(writeBackSwitch) {}

    /// Takes the file; with ClearReadOnly::Yes an existing read-only file
    /// loses that attribute.
    void SetFile(std::u16string path, ClearReadOnly clear);
    const std::u16string& file() const { return m_file; }

    /// Selects a section; an empty name selects "Common".
    void SelectSection(std::u16string_view name);
    const std::u16string& section() const { return m_section; }

    /// Reads `key` into `buffer` (at most capacity-1 code units). When the
    /// key is absent or empty and a default is given, the default is written
    /// back (diagnostic mode only) and delivered. Returns the length delivered.
    size_t ReadText(std::u16string_view key, WCHAR* buffer, size_t capacity,
                    std::optional<std::u16string_view> defaultText);
    std::u16string ReadText(std::u16string_view key, size_t capacity,
                            std::optional<std::u16string_view> defaultText = std::nullopt);

    /// As ReadText and ReadNumber, in `section` (empty: "Common"); the
    /// selected section stays as it was.
    std::u16string ReadTextIn(std::u16string_view section, std::u16string_view key, size_t capacity,
                              std::optional<std::u16string_view> defaultText = std::nullopt);
    int32_t ReadNumberIn(std::u16string_view section, std::u16string_view key,
                         int32_t defaultValue);

    /// Writes key=text into the selected section, in diagnostic mode only;
    /// returns non-zero on success.
    int WriteText(std::u16string_view key, std::u16string_view text);

    /// Reads a number with automatic base ("0x1F", "010", "12"). An absent key
    /// gives the default (written back in diagnostic mode), or 0 without any
    /// write when the default is kNoDefault. `found` is set to 1 or 0.
    int32_t ReadNumber(std::u16string_view key, int32_t defaultValue, int* found = nullptr);

    /// Writes "%d", or "0x%X" above 8192, in diagnostic mode only.
    int WriteNumber(std::u16string_view key, int32_t value);

    /// The version file whose values replace the "$..." macros of texts read
    /// with Expand::Yes.
    void SetMacroSource(TextStore* versionFile) { m_macroSource = versionFile; }

    /// Reads a text of at most 255 code units; the default is the key itself
    /// when none is given. With Expand::Yes the macros of the macro source
    /// are replaced (ExpandMacros).
    std::u16string ReadExpanded(std::u16string_view key,
                                std::optional<std::u16string_view> defaultText, Expand expand);

private:
    const WCHAR* SectionForCalls() const;
    /// Runs `read` with `section` selected, then selects the old one again.
    template <class Read>
    auto InSection(std::u16string_view section, Read&& read);
    bool WriteBackEnabled() const { return m_writeBack != nullptr && *m_writeBack != 0; }

    const int32_t* m_writeBack;
    TextStore* m_macroSource = nullptr;
    std::u16string m_file;
    std::u16string m_section;
};

} // namespace kx

// A registry key owned for the length of one spooler operation, with the
// typed reads and writes the printer store needs.
#pragma once

#include "platform/base/win_types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

class SpoolKey {
public:
    enum class Access { Read, Write };

    /// Opens (Read) or creates (Write) a key below HKEY_LOCAL_MACHINE.
    static SpoolKey Open(std::u16string_view path, Access access = Access::Read);
    SpoolKey Child(std::u16string_view name, Access access = Access::Read) const;

    SpoolKey() = default;
    ~SpoolKey();
    SpoolKey(SpoolKey&& other) noexcept;
    SpoolKey& operator=(SpoolKey&& other) noexcept;
    SpoolKey(const SpoolKey&) = delete;
    SpoolKey& operator=(const SpoolKey&) = delete;

    explicit operator bool() const { return m_key != nullptr; }
    /// The error of the open or create that made this key.
    DWORD error() const { return m_error; }

    /// A REG_SZ or REG_EXPAND_SZ value without its terminator; nothing when
    /// absent or of another type.
    std::optional<std::u16string> String(std::u16string_view name) const;
    std::u16string StringOr(std::u16string_view name, std::u16string_view fallback = {}) const;
    std::optional<DWORD> Dword(std::u16string_view name) const;
    /// Any value's type and bytes.
    std::optional<std::vector<BYTE>> Raw(std::u16string_view name, DWORD* type = nullptr) const;

    [[nodiscard]] DWORD SetString(std::u16string_view name, std::u16string_view value) const;
    [[nodiscard]] DWORD SetDword(std::u16string_view name, DWORD value) const;
    [[nodiscard]] DWORD SetRaw(std::u16string_view name, DWORD type, const void* data,
                               DWORD size) const;
    [[nodiscard]] DWORD DeleteValue(std::u16string_view name) const;

    std::vector<std::u16string> SubkeyNames() const;
    std::vector<std::u16string> ValueNames() const;
    /// Deletes a subkey with everything below it.
    [[nodiscard]] DWORD DeleteTree(std::u16string_view name) const;

private:
    SpoolKey(HKEY key, DWORD error) : m_key(key), m_error(error) {}
    static SpoolKey OpenBelow(HKEY parent, std::u16string_view path, Access access);

    HKEY m_key = nullptr;
    DWORD m_error = ERROR_SUCCESS;
};

} // namespace kx

// The spooler's registry key owner.
#include "platform/spooler/spool_key.h"

#include "platform/registry/registry_api.h"

#include <cstring>
#include <utility>

namespace kx {
namespace {

constexpr DWORD kNameCapacity = 16384;

std::u16string Terminated(std::u16string_view text) {
    return std::u16string(text);
}

} // namespace

SpoolKey SpoolKey::OpenBelow(HKEY parent, std::u16string_view path, Access access) {
    HKEY key = nullptr;
    const std::u16string name = Terminated(path);
    const LSTATUS status =
        access == Access::Read
            ? RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key)
            : RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return SpoolKey(nullptr, static_cast<DWORD>(status));
    return SpoolKey(key, ERROR_SUCCESS);
}

SpoolKey SpoolKey::Open(std::u16string_view path, Access access) {
    return OpenBelow(HKEY_LOCAL_MACHINE, path, access);
}

SpoolKey SpoolKey::Child(std::u16string_view name, Access access) const {
    if (m_key == nullptr)
        return SpoolKey(nullptr, ERROR_INVALID_HANDLE);
    return OpenBelow(m_key, name, access);
}

SpoolKey::~SpoolKey() {
    if (m_key != nullptr)
        RegCloseKey(m_key);
}

SpoolKey::SpoolKey(SpoolKey&& other) noexcept
    : m_key(std::exchange(other.m_key, nullptr)), m_error(other.m_error) {}

SpoolKey& SpoolKey::operator=(SpoolKey&& other) noexcept {
    if (this != &other) {
        if (m_key != nullptr)
            RegCloseKey(m_key);
        m_key = std::exchange(other.m_key, nullptr);
        m_error = other.m_error;
    }
    return *this;
}

std::optional<std::vector<BYTE>> SpoolKey::Raw(std::u16string_view name, DWORD* type) const {
    if (m_key == nullptr)
        return std::nullopt;
    const std::u16string valueName = Terminated(name);
    DWORD valueType = 0;
    DWORD size = 0;
    if (RegQueryValueExW(m_key, valueName.c_str(), nullptr, &valueType, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(size);
    // The value may grow between the two calls; ask again until it fits.
    for (int tries = 0; tries < 4; ++tries) {
        size = static_cast<DWORD>(data.size());
        const LSTATUS status =
            RegQueryValueExW(m_key, valueName.c_str(), nullptr, &valueType, data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            if (type != nullptr)
                *type = valueType;
            return data;
        }
        if (status != ERROR_MORE_DATA)
            return std::nullopt;
        data.resize(size);
    }
    return std::nullopt;
}

std::optional<std::u16string> SpoolKey::String(std::u16string_view name) const {
    DWORD type = 0;
    const auto data = Raw(name, &type);
    if (!data || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::u16string text(data->size() / 2, u'\0');
    if (!text.empty())
        std::memcpy(text.data(), data->data(), text.size() * 2);
    // Stored strings may or may not carry their terminator.
    const size_t end = text.find(u'\0');
    if (end != std::u16string::npos)
        text.resize(end);
    return text;
}

std::u16string SpoolKey::StringOr(std::u16string_view name, std::u16string_view fallback) const {
    auto text = String(name);
    return text ? std::move(*text) : std::u16string(fallback);
}

std::optional<DWORD> SpoolKey::Dword(std::u16string_view name) const {
    DWORD type = 0;
    const auto data = Raw(name, &type);
    if (!data || type != REG_DWORD || data->size() != sizeof(DWORD))
        return std::nullopt;
    DWORD value;
    std::memcpy(&value, data->data(), sizeof value);
    return value;
}

DWORD SpoolKey::SetRaw(std::u16string_view name, DWORD type, const void* data, DWORD size) const {
    if (m_key == nullptr)
        return ERROR_INVALID_HANDLE;
    const std::u16string valueName = Terminated(name);
    return static_cast<DWORD>(
        RegSetValueExW(m_key, valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size));
}

DWORD SpoolKey::SetString(std::u16string_view name, std::u16string_view value) const {
    const std::u16string text = Terminated(value);
    return SetRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
}

DWORD SpoolKey::SetDword(std::u16string_view name, DWORD value) const {
    return SetRaw(name, REG_DWORD, &value, sizeof value);
}

DWORD SpoolKey::DeleteValue(std::u16string_view name) const {
    if (m_key == nullptr)
        return ERROR_INVALID_HANDLE;
    const std::u16string valueName = Terminated(name);
    return static_cast<DWORD>(RegDeleteValueW(m_key, valueName.c_str()));
}

// The names an enumeration call gives for index 0, 1, ... until it fails.
template <typename NameAt>
std::vector<std::u16string> EnumeratedNames(NameAt nameAt) {
    std::vector<std::u16string> names;
    std::u16string name(kNameCapacity, u'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = kNameCapacity;
        if (nameAt(index, name.data(), &length) != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), length);
    }
    return names;
}

std::vector<std::u16string> SpoolKey::SubkeyNames() const {
    if (m_key == nullptr)
        return {};
    return EnumeratedNames([this](DWORD index, LPWSTR name, DWORD* length) {
        return RegEnumKeyExW(m_key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::vector<std::u16string> SpoolKey::ValueNames() const {
    if (m_key == nullptr)
        return {};
    return EnumeratedNames([this](DWORD index, LPWSTR name, DWORD* length) {
        return RegEnumValueW(m_key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

DWORD SpoolKey::DeleteTree(std::u16string_view name) const {
    if (m_key == nullptr)
        return ERROR_INVALID_HANDLE;
    const std::u16string subKey = Terminated(name);
    return static_cast<DWORD>(RegDeleteTreeW(m_key, subKey.c_str()));
}

} // namespace kx

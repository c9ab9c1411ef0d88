// The key object of the per-user store.
#include "store/custom_data_key.h"

#include "devmode/devmode_field.h"
#include "framework/kromaui_app.h"
#include "platform/base/number.h"
#include "platform/registry/registry_api.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace kx {
namespace {

std::u16string DecimalText(int32_t value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::u16string(digits, end);
}

} // namespace

bool CCustomDataKey::Open(std::u16string_view subkey, int item, Create create) {
    return OpenFor(TheApp().names.driverBaseName, subkey, item, create);
}

bool CCustomDataKey::OpenFor(std::u16string_view moduleKeyName, std::u16string_view subkey,
                             int item, Create create) {
    Close();
    m_writeStatus = ERROR_SUCCESS;
    m_suffix = item >= 0 ? DecimalText(item) : std::u16string();
    const std::u16string path = StoreKeyPath(moduleKeyName, subkey);
    HKEY key = nullptr;
    const LSTATUS status =
        create == Create::Yes
            ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr)
            : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    m_openStatus = status;
    m_key = status == ERROR_SUCCESS ? key : nullptr;
    return IsOpen();
}

BOOL CCustomDataKey::ReadText(std::u16string_view baseName, WCHAR* buffer, DWORD bufferBytes) {
    if (buffer == nullptr || bufferBytes < sizeof(WCHAR))
        return FALSE;
    buffer[0] = 0;
    if (!IsOpen())
        return FALSE;
    DWORD size = bufferBytes;
    if (RegQueryValueExW(m_key, ValueName(baseName), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
        buffer[0] = 0;
        return FALSE;
    }
    // Values written by other programs may lack the terminator (or be of
    // another type); one that fills the whole buffer then has no room for it
    // and is as good as too long.
    const size_t capacity = bufferBytes / sizeof(WCHAR);
    const size_t stored = std::min<size_t>(size / sizeof(WCHAR), capacity);
    if (std::find(buffer, buffer + stored, u'\0') == buffer + stored) {
        if (stored >= capacity) {
            buffer[0] = 0;
            return FALSE;
        }
        buffer[stored] = 0;
    }
    return TRUE;
}

std::u16string CCustomDataKey::ReadText(const TextValue& value) {
    std::u16string text(value.readLimit / sizeof(WCHAR), u'\0');
    ReadText(value.name, text.data(), static_cast<DWORD>(text.size() * sizeof(WCHAR)));
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
}

int32_t CCustomDataKey::ReadNumber(std::u16string_view baseName) {
    WCHAR text[kNumberReadLimit / sizeof(WCHAR)];
    ReadText(baseName, text, sizeof text);
    return ParseSaturatingDecimal(text);
}

BOOL CCustomDataKey::ReadSnapshot(std::u16string_view baseName, BYTE* record) {
    DWORD size = kDevmodeSize;
    if (IsOpen() && RegQueryValueExW(m_key, ValueName(baseName), nullptr, nullptr, record, &size) ==
                        ERROR_SUCCESS)
        return TRUE;
    std::memset(record, 0, kDevmodeSize);
    return FALSE;
}

BOOL CCustomDataKey::ReadWholeSnapshot(std::u16string_view baseName, BYTE* record) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (IsOpen() &&
        RegQueryValueExW(m_key, ValueName(baseName), nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        type == REG_BINARY && size == kDevmodeSize)
        return ReadSnapshot(baseName, record);
    std::memset(record, 0, kDevmodeSize);
    return FALSE;
}

void CCustomDataKey::WriteText(std::u16string_view baseName, std::u16string_view text) {
    const std::u16string terminated(text);
    WriteValue(baseName, REG_SZ, reinterpret_cast<const BYTE*>(terminated.c_str()),
               static_cast<DWORD>((terminated.size() + 1) * sizeof(WCHAR)));
}

void CCustomDataKey::WriteNumber(std::u16string_view baseName, int32_t value) {
    WriteText(baseName, DecimalText(value));
}

void CCustomDataKey::WriteSnapshot(std::u16string_view baseName, const BYTE* record) {
    WriteValue(baseName, REG_BINARY, record, kDevmodeSize);
}

LONG CCustomDataKey::Close() {
    if (m_key == nullptr)
        return ERROR_SUCCESS;
    const LONG status = RegCloseKey(m_key);
    m_key = nullptr;
    return status;
}

const WCHAR* CCustomDataKey::ValueName(std::u16string_view baseName) {
    m_valueName.assign(baseName).append(m_suffix);
    return m_valueName.c_str();
}

LONG CCustomDataKey::Finish() {
    if (!IsOpen())
        return m_openStatus != ERROR_SUCCESS ? m_openStatus : ERROR_INVALID_HANDLE;
    const LONG written = m_writeStatus;
    const LONG closed = Close();
    return written != ERROR_SUCCESS ? written : closed;
}

void CCustomDataKey::WriteValue(std::u16string_view baseName, DWORD type, const BYTE* data,
                                DWORD size) {
    const LONG status = IsOpen() ? RegSetValueExW(m_key, ValueName(baseName), 0, type, data, size)
                                 : ERROR_INVALID_HANDLE;
    // The first failure is the one that tells: later writes of the same
    // item must not cover it up by succeeding.
    if (m_writeStatus == ERROR_SUCCESS)
        m_writeStatus = status;
}

} // namespace kx

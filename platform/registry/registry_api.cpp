// The registry calls over the hives: handles of opened keys carry their
// hive, their key and the access they were opened with.
#include "platform/registry/registry_api.h"

#include "platform/base/handle_table.h"
#include "platform/base/text.h"
#include "platform/registry/registry_hives.h"

#include <algorithm>
#include <cstring>

namespace {

using kx::HiveKey;
using kx::RegistryHive;

struct OpenKey {
    HiveKey key;
    REGSAM access = 0;
};

kx::HandleTable<OpenKey>& KeyHandles() {
    static kx::HandleTable<OpenKey> table(0x1000);
    return table;
}

// The rights the registry checks, without the generic and standard bits.
constexpr REGSAM kSpecificRights = 0xFFFF;

REGSAM EffectiveAccess(REGSAM desired) {
    REGSAM access = desired & kSpecificRights;
    // Generic rights as a key maps them.
    if (desired & 0x80000000u) // GENERIC_READ
        access |= KEY_READ & kSpecificRights;
    if (desired & 0x40000000u) // GENERIC_WRITE
        access |= KEY_WRITE & kSpecificRights;
    if (desired & 0x10000000u) // GENERIC_ALL
        access |= KEY_ALL_ACCESS & kSpecificRights;
    return access;
}

LSTATUS Resolve(HKEY handle, REGSAM needed, HiveKey* key) {
    const uint32_t value = HandleValue(handle);
    if (kx::IsPredefinedKey(value))
        return static_cast<LSTATUS>(kx::ResolvePredefinedKey(value, key));
    const auto open = KeyHandles().Find(value);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if ((open->access & needed) != needed)
        return ERROR_ACCESS_DENIED;
    *key = open->key;
    return ERROR_SUCCESS;
}

HKEY AddHandle(HiveKey key, REGSAM access) {
    auto open = std::make_shared<OpenKey>();
    open->key = std::move(key);
    open->access = EffectiveAccess(access);
    return HandleFromValue<HKEY>(KeyHandles().Add(std::move(open)));
}

std::u16string_view NameOrEmpty(LPCWSTR name) {
    return name ? std::u16string_view(name) : std::u16string_view();
}

// Copies a value's bytes under the size contract of the query calls.
LSTATUS ReturnValueData(const kx::RegistryValue& value, LPDWORD type, LPBYTE data,
                        LPDWORD dataSize) {
    if (type)
        *type = value.type;
    if (!dataSize)
        return ERROR_SUCCESS;
    const DWORD needed = static_cast<DWORD>(value.data.size());
    if (data && *dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    if (data && needed > 0)
        std::memcpy(data, value.data.data(), needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

// Copies a name into a buffer counted in characters: the length without the
// terminator on success, ERROR_MORE_DATA when it does not fit with it.
LSTATUS ReturnName(std::u16string_view name, LPWSTR buffer, LPDWORD length) {
    if (*length <= name.size())
        return ERROR_MORE_DATA;
    std::copy(name.begin(), name.end(), buffer);
    buffer[name.size()] = u'\0';
    *length = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

} // namespace

extern "C" {

LSTATUS WINAPI RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM desired,
                               SECURITY_ATTRIBUTES*, PHKEY result, LPDWORD disposition) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    std::vector<std::u16string> levels;
    if (const DWORD error = kx::SplitKeyPath(NameOrEmpty(subKey), &levels); error)
        return static_cast<LSTATUS>(error);
    HiveKey parent;
    const REGSAM needed = levels.empty() ? 0 : KEY_CREATE_SUB_KEY;
    if (const LSTATUS error = Resolve(key, needed, &parent); error != ERROR_SUCCESS)
        return error;
    HiveKey created{parent.hive, 0};
    bool isNew = false;
    if (const DWORD error = parent.hive->CreateKey(parent.id, levels, &created.id, &isNew); error)
        return static_cast<LSTATUS>(error);
    *result = AddHandle(std::move(created), desired);
    if (disposition)
        *disposition = isNew ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD, REGSAM desired, PHKEY result) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    std::vector<std::u16string> levels;
    if (const DWORD error = kx::SplitKeyPath(NameOrEmpty(subKey), &levels); error)
        return static_cast<LSTATUS>(error);
    HiveKey base;
    if (const LSTATUS error = Resolve(key, 0, &base); error != ERROR_SUCCESS)
        return error;
    HiveKey opened{base.hive, 0};
    if (const DWORD error = base.hive->FindKey(base.id, levels, &opened.id); error)
        return static_cast<LSTATUS>(error);
    *result = AddHandle(std::move(opened), desired);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
    const uint32_t value = HandleValue(key);
    if (kx::IsPredefinedKey(value))
        return ERROR_SUCCESS;
    return KeyHandles().Remove(value) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS WINAPI RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type,
                                LPBYTE data, LPDWORD dataSize) {
    if (reserved || (data && !dataSize))
        return ERROR_INVALID_PARAMETER;
    HiveKey found;
    if (const LSTATUS error = Resolve(key, KEY_QUERY_VALUE, &found); error != ERROR_SUCCESS)
        return error;
    kx::RegistryValue value;
    const DWORD error = found.hive->QueryValue(found.id, NameOrEmpty(valueName), &value);
    if (error != ERROR_SUCCESS) {
        if (error == ERROR_FILE_NOT_FOUND && dataSize && !data)
            *dataSize = 0;
        return static_cast<LSTATUS>(error);
    }
    return ReturnValueData(value, type, data, dataSize);
}

LSTATUS WINAPI RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data,
                              DWORD dataSize) {
    const std::u16string_view name = NameOrEmpty(valueName);
    if ((!data && dataSize > 0) || name.size() > RegistryHive::kMaxValueNameLength)
        return ERROR_INVALID_PARAMETER;
    HiveKey found;
    if (const LSTATUS error = Resolve(key, KEY_SET_VALUE, &found); error != ERROR_SUCCESS)
        return error;
    return static_cast<LSTATUS>(
        found.hive->SetValue(found.id, name, type, {data, data ? dataSize : 0}));
}

LSTATUS WINAPI RegDeleteValueW(HKEY key, LPCWSTR valueName) {
    HiveKey found;
    if (const LSTATUS error = Resolve(key, KEY_SET_VALUE, &found); error != ERROR_SUCCESS)
        return error;
    return static_cast<LSTATUS>(found.hive->DeleteValue(found.id, NameOrEmpty(valueName)));
}

LSTATUS WINAPI RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
    if (!subKey)
        return ERROR_INVALID_PARAMETER;
    std::vector<std::u16string> levels;
    if (const DWORD error = kx::SplitKeyPath(subKey, &levels); error)
        return static_cast<LSTATUS>(error);
    HiveKey base;
    if (const LSTATUS error = Resolve(key, 0, &base); error != ERROR_SUCCESS)
        return error;
    RegistryHive::KeyId target = 0;
    if (const DWORD error = base.hive->FindKey(base.id, levels, &target); error)
        return static_cast<LSTATUS>(error);
    return static_cast<LSTATUS>(base.hive->DeleteKey(target));
}

LSTATUS WINAPI RegDeleteTreeW(HKEY key, LPCWSTR subKey) {
    std::vector<std::u16string> levels;
    if (const DWORD error = kx::SplitKeyPath(NameOrEmpty(subKey), &levels); error)
        return static_cast<LSTATUS>(error);
    HiveKey base;
    if (const LSTATUS error = Resolve(key, 0, &base); error != ERROR_SUCCESS)
        return error;
    RegistryHive::KeyId target = 0;
    if (const DWORD error = base.hive->FindKey(base.id, levels, &target); error)
        return static_cast<LSTATUS>(error);
    const auto self = subKey ? RegistryHive::DeleteSelf::Yes : RegistryHive::DeleteSelf::No;
    return static_cast<LSTATUS>(base.hive->DeleteTree(target, self));
}

LSTATUS WINAPI RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength,
                             LPDWORD reserved, LPWSTR keyClass, LPDWORD classLength,
                             FILETIME* lastWriteTime) {
    if (!name || !nameLength || reserved)
        return ERROR_INVALID_PARAMETER;
    HiveKey found;
    if (const LSTATUS error = Resolve(key, KEY_ENUMERATE_SUB_KEYS, &found); error)
        return error;
    std::u16string subKey;
    if (const DWORD error = found.hive->EnumKey(found.id, index, &subKey); error)
        return static_cast<LSTATUS>(error);
    if (const LSTATUS error = ReturnName(subKey, name, nameLength); error)
        return error;
    // Keys have no class and no recorded write time here.
    if (keyClass && classLength && *classLength > 0)
        keyClass[0] = u'\0';
    if (classLength)
        *classLength = 0;
    if (lastWriteTime)
        *lastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD valueNameLength,
                             LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    if (!valueName || !valueNameLength || reserved || (data && !dataSize))
        return ERROR_INVALID_PARAMETER;
    HiveKey found;
    if (const LSTATUS error = Resolve(key, KEY_QUERY_VALUE, &found); error)
        return error;
    kx::RegistryValue value;
    if (const DWORD error = found.hive->EnumValue(found.id, index, &value); error)
        return static_cast<LSTATUS>(error);
    if (const LSTATUS error = ReturnName(value.name, valueName, valueNameLength); error)
        return error;
    return ReturnValueData(value, type, data, dataSize);
}

LSTATUS WINAPI RegQueryInfoKeyW(HKEY key, LPWSTR keyClass, LPDWORD classLength, LPDWORD reserved,
                                LPDWORD subKeys, LPDWORD maxSubKeyLength, LPDWORD maxClassLength,
                                LPDWORD values, LPDWORD maxValueNameLength, LPDWORD maxValueLength,
                                LPDWORD securityDescriptorSize, FILETIME* lastWriteTime) {
    if (reserved)
        return ERROR_INVALID_PARAMETER;
    HiveKey found;
    if (const LSTATUS error = Resolve(key, KEY_QUERY_VALUE, &found); error)
        return error;
    kx::RegistryKeyInfo info;
    if (const DWORD error = found.hive->QueryInfo(found.id, &info); error)
        return static_cast<LSTATUS>(error);
    if (keyClass && classLength && *classLength > 0)
        keyClass[0] = u'\0';
    const std::pair<LPDWORD, DWORD> outputs[] = {
        {classLength, 0},
        {subKeys, info.subKeys},
        {maxSubKeyLength, info.maxSubKeyLength},
        {maxClassLength, 0},
        {values, info.values},
        {maxValueNameLength, info.maxValueNameLength},
        {maxValueLength, info.maxValueLength},
        {securityDescriptorSize, 0},
    };
    for (const auto& [out, value] : outputs) {
        if (out)
            *out = value;
    }
    if (lastWriteTime)
        *lastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

} // extern "C"

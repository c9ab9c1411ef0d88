// The hives of the current prefix and the keys that registry handles stand
// for: a predefined root (HKEY_CURRENT_USER ...) or an opened key.
#pragma once

#include "platform/registry/registry_hive.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

enum class HiveKind { CurrentUser, LocalMachine };

/// The file of a hive in the current prefix (".../registry/user.db").
std::string HivePath(HiveKind kind);

/// The open hive of the current prefix; nullptr with `error` set when its
/// file cannot be used. Connections are kept per file path, so a change of
/// prefix opens the new prefix's hives.
std::shared_ptr<RegistryHive> CurrentHive(HiveKind kind, DWORD* error);

/// Whether the hive's file is there, found without making its folder.
bool HiveFileExists(HiveKind kind);

/// From now on this process opens the hives for reading only, writing none
/// of their files (a command that only reads works on a full disk): a hive
/// never written reads as empty, and every write fails with
/// ERROR_CANTWRITE. Hives already open stay as they are.
void OpenHivesForReadingOnly();
/// Undoes OpenHivesForReadingOnly: the hives opened for reading are let go
/// and opened for writing on their next use.
void OpenHivesForWriting();

/// A key in a hive.
struct HiveKey {
    std::shared_ptr<RegistryHive> hive;
    RegistryHive::KeyId id = 0;
};

/// The key a predefined handle (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
/// HKEY_LOCAL_MACHINE) stands for; ERROR_INVALID_HANDLE for other values.
[[nodiscard]] DWORD ResolvePredefinedKey(uint32_t handleValue, HiveKey* key);

/// True for the values of the predefined handles.
bool IsPredefinedKey(uint32_t handleValue);

/// The levels of a key path ("a\b\c"). A trailing backslash is allowed;
/// a leading one, an empty level or a level over 255 characters is
/// ERROR_BAD_PATHNAME / ERROR_INVALID_PARAMETER.
[[nodiscard]] DWORD SplitKeyPath(std::u16string_view path, std::vector<std::u16string>* levels);

/// The root of a full key name ("HKEY_LOCAL_MACHINE", "HKLM" ...) as a
/// predefined handle value, 0 when it names none.
uint32_t PredefinedKeyByName(std::u16string_view name);
/// The full name of a predefined handle value.
std::u16string_view PredefinedKeyName(uint32_t handleValue);

} // namespace kx

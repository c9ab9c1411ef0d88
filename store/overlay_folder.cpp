// The overlay folder of the per-user store.
#include "store/overlay_folder.h"

#include "platform/files/file_api.h"
#include "store/custom_data_key.h"
#include "store/store_layout.h"

namespace kx::store {
namespace {

constexpr char16_t kFirstDrive = u'a';
constexpr char16_t kLastDrive = u'y';
constexpr std::u16string_view kFallbackFolder = u"FormOver";

bool IsExistingFolder(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::u16string DriveRoot(char16_t letter) {
    return std::u16string{letter, u':', u'\\'};
}

std::u16string FallbackFolder() {
    std::u16string root;
    for (char16_t letter = kFirstDrive; letter <= kLastDrive; ++letter) {
        root = DriveRoot(letter);
        if (GetDriveTypeW(root.c_str()) != DRIVE_FIXED)
            continue;
        std::u16string folder = root + std::u16string(kFallbackFolder);
        // Fails harmlessly when the folder exists; it is used either way.
        CreateDirectoryW(folder.c_str(), nullptr);
        return folder;
    }
    return root;
}

} // namespace

void SaveOverlayFolder(std::u16string_view folder) {
    CCustomDataKey key;
    key.Open({}, CCustomDataKey::kNoItem, Create::Yes);
    key.WriteText(kOverlaysDirValue.name, folder);
}

std::u16string LoadOverlayFolder() {
    std::u16string stored;
    {
        CCustomDataKey key;
        key.Open({}, CCustomDataKey::kNoItem, Create::No);
        stored = key.ReadText(kOverlaysDirValue);
    }
    if (!stored.empty() && IsExistingFolder(stored))
        return stored;
    return FallbackFolder();
}

} // namespace kx::store

// The prefix and its drive folders.
#include "platform/files/prefix.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace kx {
namespace fs = std::filesystem;

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return "/tmp";
}

char16_t LowerDrive(char16_t letter) {
    return (letter >= u'A' && letter <= u'Z') ? static_cast<char16_t>(letter + 32) : letter;
}

} // namespace

Prefix::Prefix() {
    const char* chosen = std::getenv(kEnvironmentVariable);
    m_root = (chosen != nullptr && *chosen != '\0') ? chosen : DefaultRoot();
}

Prefix& Prefix::Current() {
    static Prefix prefix;
    return prefix;
}

std::string Prefix::DefaultRoot() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string base =
        (data != nullptr && *data == '/') ? std::string(data) : HomeFolder() + "/.local/share";
    return base + "/kx-printer-ui/prefix";
}

void Prefix::SetRoot(std::string root) {
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    m_root = std::move(root);
}

std::string Prefix::DriveFolder(char16_t letter) const {
    const char16_t lower = LowerDrive(letter);
    if (lower < u'a' || lower > u'z')
        return {};
    return m_root + "/drive_" + static_cast<char>(lower);
}

bool Prefix::IsDriveMapped(char16_t letter) const {
    const std::string folder = DriveFolder(letter);
    std::error_code error;
    return !folder.empty() && fs::is_directory(folder, error);
}

std::string Prefix::DataFolder(std::string_view name) const {
    std::string folder = m_root + "/" + std::string(name);
    std::error_code error;
    fs::create_directories(folder, error);
    return folder;
}

bool Prefix::CreateFromTemplate(const std::string& templateFolder, const std::string& root) {
    std::error_code error;
    if (!fs::exists(root, error)) {
        fs::create_directories(fs::path(root).parent_path(), error);
        const fs::path staging = root + ".new";
        fs::remove_all(staging, error);
        fs::copy(templateFolder, staging, fs::copy_options::recursive, error);
        if (error)
            return false;
        // Renaming a finished copy into place means a half-made prefix is never used.
        fs::rename(staging, root, error);
        if (error)
            return false;
    }
    fs::create_directories(root + "/drive_c", error);
    return !error;
}

} // namespace kx

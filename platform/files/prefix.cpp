// The prefix and its drive folders.
#include "platform/files/prefix.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <random>
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

// "ROOT.new-PID-RANDOM": the process that copies the template there.
std::string StagingFolder(const std::string& root) {
    std::random_device random;
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".new-%d-%08x", static_cast<int>(getpid()), random());
    return root + suffix;
}

// Staging folders of processes that died while copying; those of live
// processes are theirs to finish.
void RemoveAbandonedStaging(const std::string& root) {
    const fs::path path(root);
    const std::string stem = path.filename().string() + ".new-";
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(path.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(stem))
            continue;
        const long pid = std::strtol(name.c_str() + stem.size(), nullptr, 10);
        if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            fs::remove_all(entry.path(), error);
    }
}

void SyncFolder(const std::string& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        (void)fsync(descriptor);
        close(descriptor);
    }
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
        const fs::path parent = fs::path(root).parent_path();
        fs::create_directories(parent, error);
        RemoveAbandonedStaging(root);
        // Each process copies into a folder of its own, so processes starting
        // on a new prefix at once never touch each other's copy.
        const std::string staging = StagingFolder(root);
        fs::copy(templateFolder, staging, fs::copy_options::recursive, error);
        if (error) {
            fs::remove_all(staging, error);
            return false;
        }
        // Renaming a finished copy into place means a half-made prefix is
        // never used; when another process got there first its prefix is
        // as whole as ours, and ours goes.
        if (rename(staging.c_str(), root.c_str()) != 0) {
            fs::remove_all(staging, error);
            if (!fs::is_directory(root, error))
                return false;
        }
        SyncFolder(parent.string());
    }
    fs::create_directories(root + "/drive_c", error);
    return !error;
}

} // namespace kx

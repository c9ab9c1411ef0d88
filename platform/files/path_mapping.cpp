// Windows paths in the prefix.
#include "platform/files/path_mapping.h"

#include "platform/base/text.h"
#include "platform/files/prefix.h"

#include <algorithm>
#include <climits>
#include <dirent.h>
#include <filesystem>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kx {
namespace fs = std::filesystem;

namespace {

std::mutex g_directoryMutex;
std::u16string g_currentDirectory = u"C:\\";

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool IsDriveLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

char16_t UpperDrive(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}

bool IsForbiddenInName(char16_t c, bool wildcardsAllowed) {
    if (c < 0x20)
        return true;
    switch (c) {
    case u'<':
    case u'>':
    case u':':
    case u'"':
    case u'|':
        return true;
    case u'*':
    case u'?':
        return !wildcardsAllowed;
    default:
        return false;
    }
}

// Splits the part after the drive into names, applying "." and "..".
bool ApplyNames(std::u16string_view rest, std::vector<std::u16string>& names, Wildcards wildcards,
                DWORD& error) {
    size_t pos = 0;
    while (pos <= rest.size()) {
        size_t end = pos;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        std::u16string_view name = rest.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty() || name == u".")
            continue;
        if (name == u"..") {
            if (!names.empty())
                names.pop_back();
            continue;
        }
        while (!name.empty() && (name.back() == u'.' || name.back() == u' '))
            name.remove_suffix(1);
        if (name.empty())
            continue;
        const bool last = end >= rest.size();
        for (const char16_t c : name) {
            if (IsForbiddenInName(c, last && wildcards == Wildcards::AllowInLastName)) {
                error = ERROR_INVALID_NAME;
                return false;
            }
        }
        names.emplace_back(name);
    }
    return true;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// Finds the entry of `folder` whose name equals `name` ignoring case; exact
// matches win.
std::optional<std::string> FindEntryNoCase(const std::string& folder, const std::string& name) {
    struct stat info;
    if (lstat((folder + "/" + name).c_str(), &info) == 0)
        return name;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return std::nullopt;
    const std::u16string wanted = Utf8ToUtf16(name);
    const bool asciiWanted = IsAscii(name);
    std::optional<std::string> found;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view candidate = entry->d_name;
        // Most names are plain ASCII: those are compared without converting
        // every entry of the folder.
        const bool same = asciiWanted && IsAscii(candidate)
                              ? EqualsAsciiNoCase(candidate, name)
                              : EqualsNoCase(Utf8ToUtf16(candidate), wanted);
        if (same) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

bool IsInside(const fs::path& path, const fs::path& root) {
    auto p = path.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++p) {
        if (r->empty())
            continue;
        if (p == path.end() || *p != *r)
            return false;
    }
    return true;
}

// More links than this on one path is a loop (Linux stops at 40 too).
constexpr int kMaxLinks = 40;

std::vector<std::string> LinuxNames(std::string_view path) {
    std::vector<std::string> names;
    size_t pos = 0;
    while (pos <= path.size()) {
        const size_t end = std::min(path.find('/', pos), path.size());
        if (end > pos)
            names.emplace_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    return names;
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string path;
    for (const std::string& name : names)
        path += "/" + name;
    return path.empty() ? "/" : path;
}

// Where a create, write or delete at `path` lands, following every link on
// the way as the system would, dangling ones included: a link whose target
// does not exist yet still decides where a new file goes. Nullopt for a
// loop or a path that cannot be resolved.
std::optional<std::string> PlaceOf(const std::string& path) {
    std::vector<std::string> pending = LinuxNames(path);
    std::reverse(pending.begin(), pending.end());
    std::vector<std::string> resolved;
    bool missing = false;
    int links = 0;
    while (!pending.empty()) {
        const std::string name = std::move(pending.back());
        pending.pop_back();
        if (name == ".")
            continue;
        if (name == "..") {
            // The system cannot step back out of a name that does not exist.
            if (missing)
                return std::nullopt;
            if (!resolved.empty())
                resolved.pop_back();
            continue;
        }
        resolved.push_back(name);
        if (missing)
            continue;
        struct stat info;
        const std::string here = JoinNames(resolved);
        if (lstat(here.c_str(), &info) != 0) {
            missing = true;
            continue;
        }
        if (!S_ISLNK(info.st_mode))
            continue;
        if (++links > kMaxLinks)
            return std::nullopt;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t length = readlink(here.c_str(), target.data(), target.size() - 1);
        if (length <= 0)
            return std::nullopt;
        const std::string_view targetText(target.data(), static_cast<size_t>(length));
        resolved.pop_back();
        if (targetText.front() == '/')
            resolved.clear();
        std::vector<std::string> targetNames = LinuxNames(targetText);
        pending.insert(pending.end(), targetNames.rbegin(), targetNames.rend());
    }
    return JoinNames(resolved);
}

} // namespace

std::optional<std::u16string> NormalizeWindowsPath(std::u16string_view path, Wildcards wildcards,
                                                   DWORD* error) {
    DWORD failure = ERROR_SUCCESS;
    auto fail = [&](DWORD code) -> std::optional<std::u16string> {
        if (error != nullptr)
            *error = code;
        return std::nullopt;
    };
    if (path.substr(0, 4) == u"\\\\?\\" || path.substr(0, 4) == u"\\\\.\\")
        path.remove_prefix(4);
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))
        return fail(ERROR_BAD_NETPATH);
    if (path.empty())
        return fail(ERROR_INVALID_NAME);

    const std::u16string current = CurrentWindowsDirectory();
    char16_t drive = current[0];
    std::vector<std::u16string> names;
    std::u16string_view rest = path;
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == u':') {
        drive = UpperDrive(path[0]);
        rest = path.substr(2);
    } else if (!IsSeparator(path[0])) {
        // A relative path continues the current directory.
        if (!ApplyNames(std::u16string_view(current).substr(2), names, Wildcards::Refuse, failure))
            return fail(failure);
    }
    if (!ApplyNames(rest, names, wildcards, failure))
        return fail(failure);

    std::u16string normalized;
    normalized.push_back(drive);
    normalized += u":\\";
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            normalized.push_back(u'\\');
        normalized += names[i];
    }
    return normalized;
}

bool IsNullDevice(std::u16string_view path) {
    if (path.substr(0, 4) == u"\\\\.\\")
        path.remove_prefix(4);
    if (!path.empty() && path.back() == u':')
        path.remove_suffix(1);
    return EqualsNoCase(path, u"NUL");
}

std::optional<std::string> ToUnixPath(std::u16string_view windowsPath, Wildcards wildcards,
                                      DWORD* error) {
    if (IsNullDevice(windowsPath))
        return std::string("/dev/null");
    auto fail = [&](DWORD code) -> std::optional<std::string> {
        if (error != nullptr)
            *error = code;
        return std::nullopt;
    };
    const auto normalized = NormalizeWindowsPath(windowsPath, wildcards, error);
    if (!normalized)
        return std::nullopt;
    const Prefix& prefix = Prefix::Current();
    const char16_t drive = (*normalized)[0];
    if (!prefix.IsDriveMapped(drive))
        return fail(ERROR_PATH_NOT_FOUND);
    const std::string driveRoot = prefix.DriveFolder(drive);

    std::string result = driveRoot;
    bool existing = true;
    std::u16string_view rest = std::u16string_view(*normalized).substr(3);
    while (!rest.empty()) {
        const size_t end = rest.find(u'\\');
        const std::string name = Utf16ToUtf8(rest.substr(0, end));
        rest = end == std::u16string_view::npos ? std::u16string_view() : rest.substr(end + 1);
        std::optional<std::string> entry;
        if (existing)
            entry = FindEntryNoCase(result, name);
        existing = entry.has_value();
        result += "/";
        result += existing ? *entry : name;
    }

    const auto place = PlaceOf(result);
    const auto realRoot = PlaceOf(driveRoot);
    if (!place || !realRoot || !IsInside(fs::path(*place), fs::path(*realRoot)))
        return fail(ERROR_ACCESS_DENIED);
    return result;
}

std::u16string ToWindowsPath(std::string_view unixPath) {
    const Prefix& prefix = Prefix::Current();
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(fs::path(unixPath), ec);
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        if (!prefix.IsDriveMapped(letter))
            continue;
        const fs::path root = fs::weakly_canonical(prefix.DriveFolder(letter), ec);
        if (!IsInside(real, root))
            continue;
        std::u16string windows;
        windows.push_back(UpperDrive(letter));
        windows += u":\\";
        const fs::path relative = real.lexically_relative(root);
        bool first = true;
        for (const auto& part : relative) {
            if (part == ".")
                continue;
            if (!first)
                windows.push_back(u'\\');
            windows += Utf8ToUtf16(part.string());
            first = false;
        }
        return windows;
    }
    std::u16string outside = u"Z:" + Utf8ToUtf16(real.string());
    for (auto& c : outside) {
        if (c == u'/')
            c = u'\\';
    }
    return outside;
}

std::u16string CurrentWindowsDirectory() {
    std::lock_guard lock(g_directoryMutex);
    return g_currentDirectory;
}

void SetCurrentWindowsDirectoryPath(std::u16string directory) {
    std::lock_guard lock(g_directoryMutex);
    g_currentDirectory = std::move(directory);
}

} // namespace kx

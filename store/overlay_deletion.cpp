// The deferred deletion of overlay files.
#include "store/overlay_deletion.h"

#include "devmode/devmode_record.h"
#include "platform/base/text.h"
#include "platform/files/file_api.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr std::array<std::u16string_view, 3> kExtensions = {u"OVL", u"OVS", u"OVP"};
constexpr int16_t kCreateOverlay = 2;

bool IsDriveLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsWhereItSays(std::u16string_view path) {
    // "X:\..." only: no relative, device ("\\.\"), long ("\\?\") or network form.
    if (path.size() < 4 || !IsDriveLetter(path[0]) || path[1] != u':' || path[2] != u'\\')
        return false;
    if (path.find_first_of(u"*?\"<>|/") != std::u16string_view::npos ||
        path.find(u':', 2) != std::u16string_view::npos)
        return false;
    size_t start = 3;
    while (start <= path.size()) {
        const size_t end = std::min(path.find(u'\\', start), path.size());
        const std::u16string_view part = path.substr(start, end - start);
        if (part.empty() || part == u"." || part == u".." || part.back() == u'.' ||
            part.back() == u' ')
            return false;
        start = end + 1;
    }
    return true;
}

DWORD EntryAttributes(const std::u16string& path) {
    WIN32_FIND_DATAW data{};
    const HANDLE found = FindFirstFileW(path.c_str(), &data);
    if (found == INVALID_HANDLE_VALUE)
        return INVALID_FILE_ATTRIBUTES;
    FindClose(found);
    return data.dwFileAttributes;
}

} // namespace

std::u16string_view OverlayExtensionOf(OverlayLanguage language) {
    return kExtensions[static_cast<size_t>(language)];
}

DeletionCheck CheckOverlayDeletion(std::u16string_view path, OverlayLanguage language) {
    const std::u16string_view extension = OverlayExtensionOf(language);
    if (path.size() <= extension.size() + 1 || path[path.size() - extension.size() - 1] != u'.' ||
        !EqualsNoCase(path.substr(path.size() - extension.size()), extension))
        return DeletionCheck::NotAnOverlay;
    if (!IsWhereItSays(path))
        return DeletionCheck::NotWhereItSays;
    // Every part from the first folder to the file itself, as its own entry.
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    for (size_t end = path.find(u'\\', 3);; end = path.find(u'\\', end + 1)) {
        const std::u16string part(path.substr(0, end));
        attributes = EntryAttributes(part);
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return DeletionCheck::NoFile;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return DeletionCheck::ThroughLink;
        if (end == std::u16string_view::npos)
            break;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return DeletionCheck::NoFile;
    return DeletionCheck::Deletable;
}

void COverlayDeletions::Add(std::u16string_view path) {
    if (!path.empty())
        m_pending.emplace_back(path);
}

void COverlayDeletions::Withdraw(std::u16string_view path) {
    std::erase_if(m_pending, [&](const std::u16string& p) { return EqualsNoCase(p, path); });
}

std::vector<std::u16string> COverlayDeletions::Commit(OverlayLanguage language,
                                                      const BYTE* devmode) {
    if (devmode != nullptr && ReadNumber(devmode, FieldNamed("ovrLoadCreate")) == kCreateOverlay)
        Add(ReadText(devmode, FieldNamed("ovrFileName")));
    std::vector<std::u16string> deleted;
    for (auto path = m_pending.rbegin(); path != m_pending.rend(); ++path) {
        if (CheckOverlayDeletion(*path, language) != DeletionCheck::Deletable)
            continue;
        if (DeleteFileW(path->c_str()))
            deleted.push_back(*path);
    }
    m_pending.clear();
    return deleted;
}

} // namespace kx

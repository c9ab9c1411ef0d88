// Reading the user's paper sizes from HKEY_CURRENT_USER.
#include "platform/spooler/user_papers.h"

#include "platform/base/number.h"
#include "platform/registry/registry_api.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace kx {
namespace {

constexpr LONG kMaxLength = 100000;
// The module never stores more papers than this; a larger count is another
// program's, and walking it would cost every capability query seconds.
constexpr LONG kMaxUserPapers = 1000;
constexpr size_t kMaxText = 256;

class UserKey {
public:
    explicit UserKey(const std::u16string& path) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~UserKey() {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    UserKey(const UserKey&) = delete;
    UserKey& operator=(const UserKey&) = delete;
    explicit operator bool() const { return m_key != nullptr; }

    std::optional<std::u16string> Text(const std::u16string& name) const {
        WCHAR buffer[kMaxText + 1] = {};
        DWORD size = kMaxText * sizeof(WCHAR);
        DWORD type = 0;
        if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, reinterpret_cast<LPBYTE>(buffer),
                             &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        return std::u16string(buffer, TextLengthOf(buffer, size / sizeof(WCHAR)));
    }

    // Decimal text as the driver writes numbers, or a DWORD.
    std::optional<LONG> Number(const std::u16string& name) const {
        BYTE data[(kMaxText + 1) * sizeof(WCHAR)] = {};
        DWORD size = kMaxText * sizeof(WCHAR);
        DWORD type = 0;
        if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type == REG_DWORD && size == sizeof(DWORD)) {
            DWORD value;
            std::memcpy(&value, data, sizeof value);
            return static_cast<LONG>(value);
        }
        if (type != REG_SZ)
            return std::nullopt;
        const auto* text = reinterpret_cast<const WCHAR*>(data);
        return ParseSaturatingDecimal(std::u16string_view(text, TextLengthOf(text, size / 2)));
    }

private:
    static size_t TextLengthOf(const WCHAR* text, size_t capacity) {
        size_t length = 0;
        while (length < capacity && text[length] != 0)
            ++length;
        return length;
    }

    HKEY m_key = nullptr;
};

} // namespace

std::vector<CapabilityPaper> ReadUserPapers(const UserPaperSource& source, size_t room) {
    std::vector<CapabilityPaper> papers;
    const UserKey key(source.key);
    if (!key)
        return papers;
    const LONG count = std::min(key.Number(source.count).value_or(0), kMaxUserPapers);
    for (LONG i = 0; i < count && papers.size() < room; ++i) {
        const DWORD id = source.firstId + static_cast<DWORD>(i);
        if (id > 0xFFFF)
            break;
        const std::string digits = std::to_string(i);
        const std::u16string index(digits.begin(), digits.end());
        const auto name = key.Text(source.name + index);
        const LONG width = key.Number(source.width + index).value_or(0);
        const LONG length = key.Number(source.length + index).value_or(0);
        if (!name || name->empty() || width < 1 || width > kMaxLength || length < 1 ||
            length > kMaxLength)
            continue;
        papers.push_back({static_cast<WORD>(id), *name, width, length});
    }
    return papers;
}

} // namespace kx

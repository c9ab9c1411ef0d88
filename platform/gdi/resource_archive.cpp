// Reading ustar archives of pictures.
#include "platform/gdi/resource_archive.h"

#include "platform/base/text.h"
#include "platform/gdi/user_draw_api.h"

#include <string_view>

namespace kx {
namespace {

constexpr size_t kBlock = 512;
constexpr size_t kNameOffset = 0;
constexpr size_t kNameSize = 100;
constexpr size_t kSizeOffset = 124;
constexpr size_t kSizeSize = 12;
constexpr size_t kChecksumOffset = 148;
constexpr size_t kChecksumSize = 8;
constexpr size_t kTypeOffset = 156;
constexpr size_t kMagicOffset = 257;
constexpr size_t kPrefixOffset = 345;
constexpr size_t kPrefixSize = 155;
constexpr std::string_view kMagic = "ustar";
constexpr std::u16string_view kBitmapSuffix = u".BMP";

std::string_view Field(std::span<const uint8_t> header, size_t offset, size_t size) {
    std::string_view field(reinterpret_cast<const char*>(header.data() + offset), size);
    return field.substr(0, field.find('\0'));
}

std::optional<uint64_t> Octal(std::string_view field) {
    uint64_t value = 0;
    bool digits = false;
    for (char c : field) {
        if (c == ' ' && !digits)
            continue;
        if (c < '0' || c > '7')
            break;
        if (value > (UINT64_MAX >> 3))
            return std::nullopt;
        value = value * 8 + static_cast<uint64_t>(c - '0');
        digits = true;
    }
    if (!digits)
        return std::nullopt;
    return value;
}

bool ChecksumHolds(std::span<const uint8_t> header) {
    const auto stored = Octal(Field(header, kChecksumOffset, kChecksumSize));
    if (!stored.has_value())
        return false;
    uint64_t sum = 0;
    for (size_t i = 0; i < kBlock; ++i) {
        const bool inChecksum = i >= kChecksumOffset && i < kChecksumOffset + kChecksumSize;
        sum += inChecksum ? ' ' : header[i];
    }
    return sum == *stored;
}

bool IsZeroBlock(std::span<const uint8_t> block) {
    for (uint8_t b : block) {
        if (b != 0)
            return false;
    }
    return true;
}

/// The resource key of a member name: its base name without ".bmp", upper
/// case, and a leading "#" dropped from numbers; empty for other members.
std::u16string KeyOfMember(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    std::u16string name =
        ToUpperText(Utf8ToUtf16(path.substr(slash == std::string_view::npos ? 0 : slash + 1)));
    if (name.size() <= kBitmapSuffix.size() ||
        name.compare(name.size() - kBitmapSuffix.size(), kBitmapSuffix.size(), kBitmapSuffix) != 0)
        return std::u16string();
    name.resize(name.size() - kBitmapSuffix.size());
    if (name.size() > 1 && name[0] == u'#' &&
        name.find_first_not_of(u"0123456789", 1) == std::u16string::npos)
        name.erase(0, 1);
    return name;
}

std::u16string KeyOfName(LPCWSTR name) {
    if (IsResourceNumber(name))
        return Utf8ToUtf16(std::to_string(reinterpret_cast<ULONG_PTR>(name)));
    std::u16string key = ToUpperText(name);
    if (key.size() > 1 && key[0] == u'#')
        key.erase(0, 1);
    return key;
}

} // namespace

bool ResourceArchive::LooksLikeArchive(std::span<const uint8_t> bytes) {
    return bytes.size() >= kBlock && Field(bytes, kMagicOffset, kMagic.size()) == kMagic;
}

std::shared_ptr<ResourceArchive> ResourceArchive::Parse(std::vector<uint8_t> bytes) {
    auto archive = std::make_shared<ResourceArchive>();
    archive->m_bytes = std::move(bytes);
    const std::span<const uint8_t> all(archive->m_bytes);
    size_t at = 0;
    while (at + kBlock <= all.size()) {
        const auto header = all.subspan(at, kBlock);
        if (IsZeroBlock(header))
            return archive;
        if (Field(header, kMagicOffset, kMagic.size()) != kMagic || !ChecksumHolds(header))
            return nullptr;
        const auto size = Octal(Field(header, kSizeOffset, kSizeSize));
        const size_t dataStart = at + kBlock;
        if (!size.has_value() || *size > all.size() - dataStart)
            return nullptr;
        const char type = static_cast<char>(header[kTypeOffset]);
        if (type == '0' || type == '\0') {
            std::string path(Field(header, kPrefixOffset, kPrefixSize));
            if (!path.empty())
                path += '/';
            path += Field(header, kNameOffset, kNameSize);
            const std::u16string key = KeyOfMember(path);
            if (!key.empty())
                archive->m_members[key] = Member{dataStart, static_cast<size_t>(*size)};
        }
        const size_t padded = (static_cast<size_t>(*size) + kBlock - 1) / kBlock * kBlock;
        at = dataStart + padded;
    }
    // An archive may end without its closing zero blocks.
    return at >= all.size() ? archive : nullptr;
}

std::optional<std::span<const uint8_t>> ResourceArchive::FindBitmap(LPCWSTR name) const {
    if (name == nullptr)
        return std::nullopt;
    const auto it = m_members.find(KeyOfName(name));
    if (it == m_members.end())
        return std::nullopt;
    return std::span<const uint8_t>(m_bytes).subspan(it->second.offset, it->second.size);
}

} // namespace kx

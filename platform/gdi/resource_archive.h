// A model's resource library: the container of the model's pictures.
//
// The file (for example "ABC123U2.dll" beside the driver) is an
// uncompressed POSIX ustar archive. Each member is a complete ".bmp" file
// named after its resource: "LOGO.bmp" is the bitmap named LOGO (names match
// in any case) and "101.bmp" or "#101.bmp" is the bitmap number 101.
// Folders inside the archive are ignored; other members are skipped. Such an
// archive is made with, for example, `tar --format=ustar -cf ABC123U2.dll *.bmp`.
#pragma once

#include "platform/base/win_types.h"

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kx {

// The window manager's header declares MAKEINTRESOURCEW and IS_INTRESOURCE;
// the drawing layer keeps its own names for them so that both can be
// included together.
/// A resource number in the place of a resource name.
inline LPCWSTR ResourceNumber(WORD id) {
    return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(id));
}
inline bool IsResourceNumber(LPCWSTR name) {
    return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

class ResourceArchive {
public:
    /// The archive in `bytes`, or nullptr when they are not a well-formed
    /// ustar archive (bad checksum, a member running past the end ...).
    static std::shared_ptr<ResourceArchive> Parse(std::vector<uint8_t> bytes);
    /// True when `bytes` begin with a ustar header.
    static bool LooksLikeArchive(std::span<const uint8_t> bytes);

    /// The file of a bitmap resource by name or MAKEINTRESOURCE number.
    std::optional<std::span<const uint8_t>> FindBitmap(LPCWSTR name) const;
    size_t Count() const { return m_members.size(); }

private:
    struct Member {
        size_t offset;
        size_t size;
    };
    std::vector<uint8_t> m_bytes;
    std::map<std::u16string, Member> m_members; ///< by upper-case resource key
};

} // namespace kx

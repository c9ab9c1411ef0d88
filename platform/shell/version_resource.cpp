// The version block of a module file and the calls that read it.
#include "platform/shell/version_resource.h"

#include "platform/base/byte_access.h"
#include "platform/base/text.h"
#include "platform/files/path_mapping.h"
#include "platform/files/whole_file.h"
#include "platform/system/system_api.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <tuple>

namespace kx {
namespace {

// Block layout: magic, total size, VS_FIXEDFILEINFO, translation, string
// count, then per string its name length and value length (with terminator)
// as WORDs followed by the name and the terminated value in UTF-16.
constexpr DWORD kBlockMagic = 0x4956584B; // "KXVI"
constexpr size_t kHeaderSize = 8;
constexpr size_t kFixedOffset = kHeaderSize;
constexpr size_t kTranslationOffset = kFixedOffset + sizeof(VS_FIXEDFILEINFO);
constexpr size_t kCountOffset = kTranslationOffset + 4;
constexpr size_t kStringsOffset = kCountOffset + 4;
constexpr DWORD kTranslation = 0x04B00409; // English (US), Unicode
constexpr std::u16string_view kStringBlock = u"\\StringFileInfo\\040904B0\\";
constexpr size_t kMaxText = 0x7FFF;

void PutDword(std::vector<BYTE>& block, size_t offset, DWORD value) {
    std::memcpy(block.data() + offset, &value, sizeof value);
}

DWORD GetDword(const BYTE* block, size_t offset) {
    DWORD value;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}

void AppendWord(std::vector<BYTE>& block, WORD value) {
    block.push_back(LOBYTE(value));
    block.push_back(HIBYTE(value));
}

void AppendText(std::vector<BYTE>& block, std::u16string_view text) {
    for (char16_t c : text)
        AppendWord(block, static_cast<WORD>(c));
}

std::u16string FindString(const VersionStrings& strings, std::u16string_view name) {
    for (const auto& [key, value] : strings) {
        if (EqualsNoCase(key, name))
            return value;
    }
    return {};
}

VS_FIXEDFILEINFO FixedInfo(const VersionStrings& strings) {
    VS_FIXEDFILEINFO fixed{};
    fixed.dwSignature = VS_FFI_SIGNATURE;
    fixed.dwStrucVersion = VS_FFI_STRUCVERSION;
    std::tie(fixed.dwFileVersionMS, fixed.dwFileVersionLS) =
        ParseVersionNumber(FindString(strings, u"FileVersion"));
    std::tie(fixed.dwProductVersionMS, fixed.dwProductVersionLS) =
        ParseVersionNumber(FindString(strings, u"ProductVersion"));
    fixed.dwFileFlagsMask = VS_FFI_FILEFLAGSMASK;
    fixed.dwFileOS = VOS_NT_WINDOWS32;
    fixed.dwFileType = VFT_DLL;
    return fixed;
}

// Looks a string up in a block, bounded by the block's own size.
const WCHAR* FindInBlock(const BYTE* block, std::u16string_view name, UINT* length) {
    const DWORD total = GetDword(block, 4);
    const DWORD count = GetDword(block, kCountOffset);
    size_t offset = kStringsOffset;
    for (DWORD i = 0; i < count && offset + 4 <= total; ++i) {
        const WORD nameLength = LoadU16(block + offset);
        const WORD valueLength = LoadU16(block + offset + 2);
        const size_t nameAt = offset + 4;
        const size_t valueAt = nameAt + nameLength * 2u;
        offset = valueAt + valueLength * 2u;
        if (offset > total)
            break;
        std::u16string key(nameLength, u'\0');
        std::memcpy(key.data(), block + nameAt, nameLength * 2u);
        if (EqualsNoCase(key, name)) {
            *length = valueLength;
            return reinterpret_cast<const WCHAR*>(block + valueAt);
        }
    }
    return nullptr;
}

} // namespace

VersionStrings ParseVersionData(std::string_view text) {
    VersionStrings strings;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::u16string line = Utf8ToUtf16(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::u16string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == u'#' || trimmed.front() == u';')
            continue;
        const size_t equals = trimmed.find(u'=');
        if (equals == std::u16string_view::npos)
            continue;
        const auto name = TrimBlanks(trimmed.substr(0, equals));
        const auto value = TrimBlanks(trimmed.substr(equals + 1));
        // A name with a zero in it could never be asked for.
        if (name.empty() || name.size() > kMaxText || value.size() > kMaxText ||
            name.find(u'\0') != std::u16string_view::npos)
            continue;
        strings.emplace_back(std::u16string(name), std::u16string(value));
    }
    return strings;
}

std::pair<DWORD, DWORD> ParseVersionNumber(std::u16string_view text) {
    DWORD parts[4] = {};
    size_t part = 0;
    bool any = false;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') {
            parts[part] = std::min<DWORD>(parts[part] * 10 + (c - u'0'), 0xFFFF);
            any = true;
        } else if ((c == u'.' || c == u',') && any && part < 3) {
            ++part;
            any = false;
        } else {
            break;
        }
    }
    return {(parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]};
}

std::vector<BYTE> BuildVersionBlock(const VersionStrings& strings) {
    std::vector<BYTE> block(kStringsOffset, 0);
    PutDword(block, 0, kBlockMagic);
    const VS_FIXEDFILEINFO fixed = FixedInfo(strings);
    std::memcpy(block.data() + kFixedOffset, &fixed, sizeof fixed);
    PutDword(block, kTranslationOffset, kTranslation);
    PutDword(block, kCountOffset, static_cast<DWORD>(strings.size()));
    for (const auto& [name, value] : strings) {
        AppendWord(block, static_cast<WORD>(name.size()));
        AppendWord(block, static_cast<WORD>(value.size() + 1));
        AppendText(block, name);
        AppendText(block, value);
        AppendWord(block, 0);
    }
    PutDword(block, 4, static_cast<DWORD>(block.size()));
    return block;
}

std::optional<std::string> VersionDataPath(std::u16string_view moduleFile) {
    if (auto path = ToUnixPath(moduleFile))
        return *path + ".version";
    // A module outside the drives is shown under Z:; only a loaded module's
    // own file may be reached that way.
    if (moduleFile.size() < 3 || FoldCase(moduleFile[0]) != u'Z' || moduleFile[1] != u':')
        return std::nullopt;
    std::u16string unixPath(moduleFile.substr(2));
    for (auto& c : unixPath) {
        if (c == u'\\')
            c = u'/';
    }
    HMODULE module = GetModuleHandleW(std::u16string(moduleFile).c_str());
    std::string modulePath;
    if (module == nullptr || !FindModule(module, &modulePath, nullptr) ||
        modulePath != Utf16ToUtf8(unixPath))
        return std::nullopt;
    return modulePath + ".version";
}

} // namespace kx

namespace {

std::optional<std::vector<BYTE>> LoadBlock(LPCWSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    const auto dataPath = kx::VersionDataPath(fileName);
    struct stat info {};
    if (!dataPath || ::stat(dataPath->substr(0, dataPath->size() - 8).c_str(), &info) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return std::nullopt;
    }
    const auto text = kx::ReadWholeFile(*dataPath);
    if (!text) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return std::nullopt;
    }
    return kx::BuildVersionBlock(kx::ParseVersionData(*text));
}

} // namespace

extern "C" {

DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR lptstrFilename, LPDWORD lpdwHandle) {
    if (lpdwHandle != nullptr)
        *lpdwHandle = 0;
    const auto block = LoadBlock(lptstrFilename);
    if (!block)
        return 0;
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(block->size());
}

BOOL WINAPI GetFileVersionInfoW(LPCWSTR lptstrFilename, DWORD, DWORD dwLen, LPVOID lpData) {
    const auto block = LoadBlock(lptstrFilename);
    if (!block)
        return FALSE;
    if (lpData == nullptr || dwLen < block->size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(lpData, block->data(), block->size());
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WINAPI VerQueryValueW(LPCVOID pBlock, LPCWSTR lpSubBlock, LPVOID* lplpBuffer, UINT* puLen) {
    if (lplpBuffer != nullptr)
        *lplpBuffer = nullptr;
    if (puLen != nullptr)
        *puLen = 0;
    const auto* block = static_cast<const BYTE*>(pBlock);
    if (block == nullptr || lpSubBlock == nullptr || lplpBuffer == nullptr ||
        kx::GetDword(block, 0) != kx::kBlockMagic) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::u16string_view path(lpSubBlock);
    auto* base = const_cast<BYTE*>(block);
    UINT length = 0;
    if (path.empty() || path == u"\\") {
        *lplpBuffer = base + kx::kFixedOffset;
        length = sizeof(VS_FIXEDFILEINFO);
    } else if (kx::EqualsNoCase(path, u"\\VarFileInfo\\Translation")) {
        *lplpBuffer = base + kx::kTranslationOffset;
        length = 4;
    } else if (path.size() > kx::kStringBlock.size() &&
               kx::EqualsNoCase(path.substr(0, kx::kStringBlock.size()), kx::kStringBlock)) {
        const WCHAR* value = kx::FindInBlock(block, path.substr(kx::kStringBlock.size()), &length);
        *lplpBuffer = const_cast<WCHAR*>(value);
    }
    if (*lplpBuffer == nullptr) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return FALSE;
    }
    if (puLen != nullptr)
        *puLen = length;
    return TRUE;
}

} // extern "C"

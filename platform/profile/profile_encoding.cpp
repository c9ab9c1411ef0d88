// Profile file encodings.
#include "platform/profile/profile_encoding.h"

#include "platform/base/text.h"

namespace kx {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace

ProfileEncoding DetectProfileEncoding(std::string_view bytes) {
    if (bytes.empty() || bytes.starts_with(kUtf16Bom))
        return ProfileEncoding::Utf16Le;
    if (!IsValidUtf8(bytes))
        return ProfileEncoding::Cp1252;
    return bytes.starts_with(kUtf8Bom) ? ProfileEncoding::Utf8WithBom : ProfileEncoding::Utf8;
}

std::u16string DecodeProfileText(std::string_view bytes, ProfileEncoding encoding) {
    switch (encoding) {
    case ProfileEncoding::Utf16Le: {
        if (bytes.starts_with(kUtf16Bom))
            bytes.remove_prefix(2);
        std::u16string text(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                            (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
        return text;
    }
    case ProfileEncoding::Utf8WithBom:
        if (bytes.starts_with(kUtf8Bom))
            bytes.remove_prefix(kUtf8Bom.size());
        return Utf8ToUtf16(bytes);
    case ProfileEncoding::Utf8:
        return Utf8ToUtf16(bytes);
    case ProfileEncoding::Cp1252:
        return Cp1252ToUtf16(bytes);
    }
    return {};
}

std::string EncodeProfileText(std::u16string_view text, ProfileEncoding& encoding) {
    if (encoding == ProfileEncoding::Cp1252) {
        std::string narrow = Utf16ToCp1252(text);
        if (Cp1252ToUtf16(narrow) == text)
            return narrow;
        encoding = ProfileEncoding::Utf8;
    }
    switch (encoding) {
    case ProfileEncoding::Utf16Le: {
        std::string bytes(kUtf16Bom);
        bytes.reserve(2 + text.size() * 2);
        for (char16_t unit : text) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
        return bytes;
    }
    case ProfileEncoding::Utf8WithBom:
        return std::string(kUtf8Bom) + Utf16ToUtf8(text);
    default:
        return Utf16ToUtf8(text);
    }
}

} // namespace kx

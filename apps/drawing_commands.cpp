// The drawing commands: which faces draw the Windows font names, and a
// model picture converted to PNG for a look.
#include "apps/host_command.h"

#include "platform/base/text.h"
#include "platform/gdi/font_resolver.h"
#include "platform/gdi/gdi.h"

#include <cstdio>
#include <map>
#include <string>

namespace kxhost {
namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
    auto* faces = reinterpret_cast<std::map<std::u16string, std::string>*>(param);
    const auto* ex = reinterpret_cast<const ENUMLOGFONTEXW*>(font);
    std::string& scripts = (*faces)[font->lfFaceName];
    scripts += (scripts.empty() ? "" : ", ") + kx::Utf16ToUtf8(ex->elfScript);
    return 1;
}

int ListFonts(const Arguments& arguments) {
    if (!arguments.empty()) {
        for (const auto& face : arguments)
            std::printf("%s -> %s\n", face.c_str(),
                        kx::ResolveFamily(kx::Utf8ToUtf16(face)).c_str());
        return 0;
    }
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::map<std::u16string, std::string> faces;
    EnumFontFamiliesExW(nullptr, &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    for (const auto& [face, scripts] : faces)
        std::printf("%s: %s\n", kx::Utf16ToUtf8(face).c_str(), scripts.c_str());
    return 0;
}

int ShowBitmap(const Arguments& arguments) {
    if (arguments.size() != 2) {
        std::fprintf(stderr, "kxhost: show-bmp needs a picture and a PNG file\n");
        return 2;
    }
    if (!EnsurePrefix())
        return 1;
    const std::u16string picture = kx::Utf8ToUtf16(arguments[0]);
    HANDLE bitmap = LoadImageW(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0,
                               LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (bitmap == nullptr) {
        std::fprintf(stderr, "kxhost: %s is not a picture that loads (error %u)\n",
                     arguments[0].c_str(), static_cast<unsigned>(GetLastError()));
        return 1;
    }
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    const bool saved = kx::SaveBitmapAsPng(static_cast<HBITMAP>(bitmap), arguments[1]);
    std::printf("%ld x %ld, %u bits per pixel%s\n", static_cast<long>(info.bmWidth),
                static_cast<long>(info.bmHeight), static_cast<unsigned>(info.bmBitsPixel),
                saved ? "" : " (the PNG file could not be written)");
    DeleteObject(bitmap);
    return saved ? 0 : 1;
}

const bool kRegistered =
    RegisterCommand({"fonts", "[face ...]",
                     "list the scalable faces and their scripts, or the faces that draw the "
                     "given names",
                     ListFonts}) &&
    RegisterCommand({"show-bmp", "PICTURE PNG",
                     "load a .bmp file (Windows path in the prefix) and write it as PNG",
                     ShowBitmap});

} // namespace
} // namespace kxhost

// The pictures of the About pages: bitmap files beside the module, found
// under the driver's base name or the module's own, with a high-colour
// variant preferred on a screen of more than 256 colours; and the static
// that shows one.
#pragma once

#include "framework/module_file_names.h"
#include "platform/wndclass/standard_controls.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

/// A picture by its two names: the normal one ("B.bmp") and, when the page
/// has one, the high-colour one ("A.bmp").
struct AboutPictureNames {
    std::u16string_view normal;
    std::u16string_view highColour;
};

/// The file a picture is loaded from: the high-colour name first when the
/// screen shows more than 256 colours, then the normal one, each looked for
/// as folder + driver base name + name, then folder + module base name +
/// name. None when no candidate exists.
std::optional<std::u16string>
FindAboutPicture(const ModuleFileNames& names, const AboutPictureNames& picture,
                 int screenColourBits,
                 const std::function<bool(const std::u16string& path)>& exists);

/// The screen's colour depth in bits a pixel.
int ScreenColourBits();

/// A static that shows a bitmap file at its own size, centred and clipped
/// to the control; nothing when it has none.
class CAboutPicture : public CStatic {
public:
    CAboutPicture() = default;
    ~CAboutPicture() override;
    CAboutPicture(const CAboutPicture&) = delete;
    CAboutPicture& operator=(const CAboutPicture&) = delete;

    /// Loads the picture from the module's folder by the rule above; hides
    /// the control when it is found nowhere. True when shown.
    bool Show(const AboutPictureNames& picture);
    bool HasPicture() const { return m_bitmap != nullptr; }
    const std::u16string& path() const { return m_path; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Release();
    void PaintControl();

    HBITMAP m_bitmap = nullptr;
    SIZE m_size{};
    std::u16string m_path;
};

} // namespace kx

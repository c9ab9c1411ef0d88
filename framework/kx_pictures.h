// Picture statics: CKxLogo (a picture scaled to fit), CKxIcon (a picture at
// its own size) and CKxButton (a picture button), all showing bitmaps of the
// model's resource library. A missing picture draws nothing and never fails.
#pragma once

#include "platform/wndclass/standard_controls.h"

#include <string_view>

namespace kx {

enum class PictureFit { Scale, Natural };

/// An owned bitmap of a resource library.
class CKxPicture {
public:
    CKxPicture() = default;
    ~CKxPicture() { Reset(); }
    CKxPicture(const CKxPicture&) = delete;
    CKxPicture& operator=(const CKxPicture&) = delete;

    /// Loads the picture named by its file name ("L.bmp", or "L") from the
    /// library; empty when the library or the picture is missing.
    void Load(HMODULE library, std::u16string_view fileName);
    void Reset();
    bool IsEmpty() const { return m_bitmap == nullptr; }
    SIZE Size() const { return m_size; }

    /// Where the picture goes in `target`, centred: scaled to fit keeping
    /// its aspect, or at its own size.
    static RECT Placement(SIZE picture, const RECT& target, PictureFit fit);
    /// Draws the picture into `target`; nothing when empty.
    void Draw(HDC dc, const RECT& target, PictureFit fit) const;

private:
    HBITMAP m_bitmap = nullptr;
    SIZE m_size{};
};

/// A static that shows one picture.
class CKxPictureStatic : public CStatic {
public:
    /// The picture from the module's resource library.
    void SetPicture(std::u16string_view fileName);
    void SetPicture(std::u16string_view fileName, HMODULE library);
    bool HasPicture() const { return !m_picture.IsEmpty(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    explicit CKxPictureStatic(PictureFit fit) : m_fit(fit) {}
    // WM_PAINT is taken in WindowProc rather than in OnPaint: OnWndMsg loses
    // track of a handled message when the handler sends messages itself.
    virtual void PaintControl();

    CKxPicture m_picture;
    PictureFit m_fit;
};

/// A logo ("L.bmp"), scaled to the control keeping its aspect.
class CKxLogo : public CKxPictureStatic {
public:
    CKxLogo() : CKxPictureStatic(PictureFit::Scale) {}
};

/// An icon-sized picture, centred at its own size.
class CKxIcon : public CKxPictureStatic {
public:
    CKxIcon() : CKxPictureStatic(PictureFit::Natural) {}
};

/// A picture button: a raised face with the picture, sunken while pressed;
/// a click reaches the parent as WM_COMMAND with BN_CLICKED.
class CKxButton : public CKxPictureStatic {
public:
    CKxButton() : CKxPictureStatic(PictureFit::Scale) {}
    bool IsPressed() const { return m_pressed; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void PaintControl() override;

private:
    void SetPressed(bool pressed);
    void ReportClick();

    bool m_pressed = false;
};

} // namespace kx

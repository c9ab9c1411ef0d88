// Drawn text statics: CKxStatic (the dialog's font, optionally bold or
// coloured) and CKxLink (a hyperlink that reports a click to its parent).
#pragma once

#include "framework/derived_font.h"
#include "platform/wndclass/standard_controls.h"

#include <optional>

namespace kx {

/// A static whose text is drawn with the dialog's font, bold or in a colour
/// when asked; its alignment comes from the static's styles.
class CKxStatic : public CStatic {
public:
    void SetWeight(FontWeight weight);
    /// A colour for the text; none for the button-text colour.
    void SetColor(std::optional<COLORREF> color);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // WM_PAINT is taken in WindowProc rather than in OnPaint: OnWndMsg loses
    // track of a handled message when the handler sends messages itself.
    void PaintControl();
    void DrawLabel(HDC dc, RECT rect);

    HFONT LabelFont();
    UINT TextFormat() const;

    FontWeight m_weight = FontWeight::Normal;
    Underline m_underline = Underline::No;
    std::optional<COLORREF> m_color;

private:
    CDerivedFont m_font;
};

/// A hyperlink: its text underlined in the link colour, the hand pointer
/// while the pointer is over it, and a click reported to the parent as
/// WM_COMMAND with STN_CLICKED. It opens nothing itself: what the target
/// does is the owner's decision.
class CKxLink : public CKxStatic {
public:
    CKxLink();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReportClick();

    bool m_pressed = false;
};

} // namespace kx

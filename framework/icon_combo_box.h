// CIconComboBox: an owner-drawn value list whose entries carry a small
// picture of what they are: a sheet, an envelope, a tray or a media stack.
#pragma once

#include "framework/kx_combo_box.h"

namespace kx {

/// What a list holds; it decides each entry's picture.
enum class IconFamily { PaperSize, PaperSource, PaperType, OutputBin };

/// The pictures an entry can carry.
enum class EntryIcon { Paper, Envelope, Tray, Media };

class CIconComboBox : public CKxComboBox {
public:
    /// Fill colours of the pictures, so they can be told apart at a glance.
    static constexpr COLORREF kPaperFill = RGB(255, 255, 255);
    static constexpr COLORREF kEnvelopeFill = RGB(240, 210, 120);
    static constexpr COLORREF kTrayFill = RGB(70, 110, 190);
    static constexpr COLORREF kMediaFill = RGB(90, 170, 90);

    /// The picture of the entry holding `value` in a list of `family`: a
    /// size list shows envelope sizes as envelopes, a source list shows the
    /// envelope feeder as one.
    static EntryIcon IconFor(IconFamily family, WORD value);
    static bool IsEnvelopePaper(WORD paper);

    void SetIconFamily(IconFamily family) { m_family = family; }
    IconFamily iconFamily() const { return m_family; }

protected:
    int DrawEntryPicture(HDC dc, const RECT& area, int index, bool greyed) override;

private:
    IconFamily m_family = IconFamily::PaperSize;
};

} // namespace kx

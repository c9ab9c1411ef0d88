// CKxPreview: the base of the page previews. A page hands its preview the
// working device mode after every change; the preview keeps it and redraws.
// The model-specific renderers derive from it; until a renderer is
// installed, a page's previews are this base, which draws the paper frame.
#pragma once

#include "platform/wndclass/standard_controls.h"

#include <functional>
#include <memory>

namespace kx {

/// Which picture a preview control of a page shows.
enum class PreviewRole { Layout, Printer, OutputBin, Stamp, Colour };

class CKxPreview : public CStatic {
public:
    explicit CKxPreview(PreviewRole role) : m_role(role) {}

    PreviewRole role() const { return m_role; }
    /// Takes the device mode to draw and redraws. The record belongs to the
    /// caller and must outlive the preview's use of it.
    virtual void SetDevmode(const BYTE* devmode);
    const BYTE* devmode() const { return m_devmode; }
    int updateCount() const { return m_updates; }
    /// The band of the preview (in its client coordinates) where the unit of
    /// measure is shown, which the unit buttons are centred on.
    virtual RECT UnitArea() const;
    /// The caption the printer preview shows over its picture.
    void SetCaption(std::u16string caption) { m_caption = std::move(caption); }
    const std::u16string& caption() const { return m_caption; }

protected:
    void OnPaint() override;

private:
    PreviewRole m_role;
    const BYTE* m_devmode = nullptr;
    int m_updates = 0;
    std::u16string m_caption;
};

/// Makes the preview object of a role; the renderers install their own.
using PreviewFactory = std::function<std::unique_ptr<CKxPreview>(PreviewRole)>;
void SetPreviewFactory(PreviewFactory factory);
std::unique_ptr<CKxPreview> MakePreview(PreviewRole role);

} // namespace kx

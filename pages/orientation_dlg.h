// COrientationDlg: the part of the Layout page every model has:
// orientation (radios and picture), rotation (a list, or a rotate-180 check
// when the model names no rotatable papers), mirror, and double-sided
// printing by hand or by the printer (radios, picture and reverse check).
#pragma once

#include "framework/kx_combo_box.h"
#include "framework/kx_dialog.h"
#include "pages/layout_pictures.h"
#include "pages/layout_values.h"

#include <string>

namespace kx {

class COrientationDlg : public CKxDialog {
public:
    COrientationDlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    int orientationIndex() const;
    /// The checked double-sided radio (0 to 3), or -1.
    int doubleSidedIndex() const;
    DoubleSidedMode doubleSidedMode() const;
    const LayoutPictureState& orientationPicture() const { return m_orientationPicture.state(); }
    const LayoutPictureState& doubleSidedPicture() const { return m_doubleSidedPicture.state(); }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    /// Refresh without the framework's part (unit buttons, favourites):
    /// after a change on the page.
    virtual void RefreshPage();
    /// The layout type the double-sided rule sees; the short page reads it
    /// from the record.
    virtual WORD CurrentLayoutType() const;
    /// The user chose a rotation in the list.
    virtual void OnRotationChosen(WORD rotation);

    std::u16string PageText(std::u16string_view key);
    /// A change on the page: the change cycle, then the page's own rows.
    void Changed();
    /// The rotation the controls show, degrees.
    int RotationShown() const;

private:
    void SetUpRotation();
    void SetUpDoubleSided();
    void FillRotations();
    void PlaceDoubleSidedRadios();
    void RefreshDoubleSided();
    void RefreshPictures();
    void SaveDoubleSided(BYTE* devmode);

    CKxComboBox m_rotation;
    CLayoutPicture m_orientationPicture{LayoutPictureKind::Orientation};
    CLayoutPicture m_doubleSidedPicture{LayoutPictureKind::DoubleSided};
    bool m_rotationList = false;
    bool m_rotationWithNinety = false;
    bool m_printerChoiceShown = true;
    /// Set by the first refresh: notifications before it (controls being
    /// filled) are no user's changes.
    bool m_refreshed = false;

protected:
    bool Refreshed() const { return m_refreshed; }
};

} // namespace kx

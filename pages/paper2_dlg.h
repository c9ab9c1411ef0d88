// CPaper2Dlg: the variant Paper page: the common rows with the choice
// between the automatic tray and a tray of the user's, and the banner
// sheet.
#pragma once

#include "pages/page_dlg.h"

namespace kx {

class CPaper2Dlg : public CPageDlg {
public:
    CPaper2Dlg(UINT templateId, std::u16string_view pageName, int pageIndex);

    void RefreshControls() override;
    void SaveControls() override;

    /// The source the model's default record gives ("DEFAULTDEVMODE"
    /// PaperSource); the automatic source when it names none.
    static WORD ModelDefaultSource();

protected:
    void SetUpOwnRows() override;
    bool OffersAutomaticSource() const override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowTrayChoice(bool forced);
    bool Forced() const;
};

} // namespace kx

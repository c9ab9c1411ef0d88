// The Graphics page bound in a host window over a model written into a
// test prefix (its profile keys and string texts), with readers of its
// controls and their explanation tips.
#pragma once

#include "pages/graphic_dlg.h"

#include "devmode/reason_texts.h"
#include "pages/graphic_controls.h"
#include "pages/graphic_values.h"
#include "tests/support/page_fixture.h"

#include <string>

namespace kxtest {

constexpr UINT kGraphicTemplate = 3105;
constexpr int kGraphicIndex = 2;
constexpr const char16_t* kPrinter = u"Graphic Printer";

class GraphicPageFixture : public PageFixture<kx::CGraphicDlg> {
protected:
    void SetUp() override {
        AddPrinter(kPrinter, u"GR");
        StartRecord(kPrinter);
        Set("dmFields", DM_COLOR | DM_PRINTQUALITY);
        Set("dmPrintQuality", 600);
        Set("iResolution", 600);
    }

    /// Writes the model's files (its profile keys and string texts) and
    /// binds the page, refreshed as when it becomes active.
    void Open(const std::string& profile, const std::string& strings = "") {
        OpenFiles("[Common]\n" + profile,
                  "[Common]\n" + strings + "[Graphics Dialog]\nCaption=Graphics\n");
    }

    /// Binds a page of class `Page` (template of `className`) over whole
    /// model files.
    template <class Page = kx::CGraphicDlg>
    void OpenFiles(const std::string& settingsFile, const std::string& stringFile,
                   std::string_view className = "CGraphicDlg", UINT templateId = kGraphicTemplate,
                   int pageIndex = kGraphicIndex) {
        UseModel({u"G", u"GR", settingsFile, stringFile});
        kx::InstallGraphicPageControls();
        Bind(std::make_unique<Page>(templateId, u"Graphics", pageIndex), className, templateId,
             0x2100);
    }
};

} // namespace kxtest

// A Paper page (either form) bound in a host window over a model written
// into a test prefix: its capability file, profile keys and string texts,
// with readers of its controls and their explanation tips.
#pragma once

#include "pages/paper2_dlg.h"
#include "pages/paper_controls.h"
#include "pages/paper_dlg.h"

#include "tests/support/page_fixture.h"

#include <string>

namespace kxtest {

constexpr const char16_t* kPaperPrinter = u"Paper Printer";

/// Papers, blank-prefixed trays, media and output bins of a laser printer.
constexpr const char* kPaperCapabilities = "[Papers]\n1 = Letter\n9 = A4\n8 = A3\n"
                                           "20 = Envelope #10\n"
                                           "[Bins]\n7 = \" Automatically Select\"\n"
                                           "1 = \" Tray 1\"\n2 = \" Tray 2\"\n"
                                           "4 = \" Manual Feed\"\n"
                                           "[MediaTypes]\n1 = Plain Paper\n2 = Thick Paper\n"
                                           "3 = Transparency\n"
                                           "[OutputBins]\n1 = Face Down\n2 = Face Up\n";

enum class PaperForm { Usual, Variant };

class PaperPageFixture : public PageFixture<kx::CPageDlg> {
protected:
    void SetUp() override {
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/PP.CAP", kPaperCapabilities);
        AddPrinter(kPaperPrinter, u"PP");
        StartRecord(kPaperPrinter);
        Set("dmFields", DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE);
        Set("dmPaperSize", 9);
        Set("dmCopies", 1);
        Set("dmDefaultSource", 1);
        Set("iPaperType", 1);
        Set("iERRatio", 100);
        Set("dmPrintQuality", 600);
        Set("iResolution", 600);
    }

    /// Writes the model's files and binds the page, refreshed as when it
    /// becomes active.
    void Open(const std::string& profile, PaperForm form = PaperForm::Usual,
              const std::string& strings = "") {
        UseModel({u"P", u"PP", "[Common]\n" + profile + "[DEFAULTDEVMODE]\nPaperSource=7\n",
                  "[Common]\n[Paper Dialog]\nCaption=Paper\n" + strings});
        kx::InstallPaperPageControls();
        const char* className = form == PaperForm::Usual ? "CPaperDlg" : "CPaper2Dlg";
        const auto* row = kx::PageTemplateOf(className);
        ASSERT_NE(row, nullptr);
        if (form == PaperForm::Usual)
            Bind(std::make_unique<kx::CPaperDlg>(row->templateId, u"Paper", 1), className,
                 row->templateId, 0x2200);
        else
            Bind(std::make_unique<kx::CPaper2Dlg>(row->templateId, u"Paper", 1), className,
                 row->templateId, 0x2200);
    }
};

} // namespace kxtest

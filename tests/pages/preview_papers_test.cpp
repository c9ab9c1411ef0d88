// The preview's own list of the printer's papers follows the user's custom
// papers: one resized or renumbered after the list was read is drawn at
// its new size once the papers are said to have changed.
#include "framework/printer_lists.h"
#include "platform/base/text.h"
#include "tests/pages/preview_fixture.h"

namespace {

constexpr const char16_t* kPaperKey = u"SOFTWARE\\Test\\Custom Paper Data";

class PreviewPapersTest : public kxtest::PreviewFixture {
protected:
    void SetUp() override {
        PreviewFixture::SetUp();
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/PV.CAP",
                         "[Papers]\n1\n9\n\n[UserPapers]\nKey = SOFTWARE\\Test\\Custom Paper "
                         "Data\nCount = CPNum\nName = Nm\nWidth = Wd\nLength = Hg\n");
    }

    /// Stores the user's papers: (width, length) in tenths of a millimetre.
    void StorePapers(std::initializer_list<std::pair<DWORD, DWORD>> papers) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPaperKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const auto dword = [key](std::u16string name, DWORD value) {
            RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value);
        };
        dword(u"CPNum", static_cast<DWORD>(papers.size()));
        int i = 0;
        for (const auto& [width, length] : papers) {
            const std::u16string n = kx::Utf8ToUtf16(std::to_string(i++));
            const std::u16string name = u"Paper " + n;
            RegSetValueExW(key, (u"Nm" + n).c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(name.c_str()),
                           static_cast<DWORD>((name.size() + 1) * sizeof(char16_t)));
            dword(u"Wd" + n, width);
            dword(u"Hg" + n, length);
        }
        RegCloseKey(key);
    }

    static LONG Height(const RECT& rect) { return rect.bottom - rect.top; }
    static LONG Width(const RECT& rect) { return rect.right - rect.left; }

    kx::CKxPreview preview{kx::PreviewRole::Layout};
};

TEST_F(PreviewPapersTest, AResizedCustomPaperIsDrawnAtItsNewSize) {
    StorePapers({{1000, 2000}});
    Attach(preview);
    Set("dmPaperSize", 257);
    preview.SetDevmode(record.data());
    const RECT tall = preview.paperRect();
    ASSERT_GT(Height(tall), Width(tall)) << "a 100 x 200 mm paper stands upright";

    StorePapers({{2000, 1000}});
    kx::NotePapersChanged();
    preview.SetDevmode(record.data());
    const RECT wide = preview.paperRect();
    EXPECT_GT(Width(wide), Height(wide)) << "the resized paper lies across";
}

TEST_F(PreviewPapersTest, ARenumberedCustomPaperTakesTheSizeOfItsNewNumber) {
    StorePapers({{1000, 2000}, {2000, 1000}});
    Attach(preview);
    Set("dmPaperSize", 258);
    preview.SetDevmode(record.data());
    const RECT wide = preview.paperRect();
    ASSERT_GT(Width(wide), Height(wide));

    // The first paper was deleted: the second is now 257, and 258 is gone.
    StorePapers({{2000, 1000}});
    kx::SheetPrinterLists(record.data(), kxtest::kPreviewPrinter).ForgetPapers();
    Set("dmPaperSize", 257);
    preview.SetDevmode(record.data());
    const RECT renumbered = preview.paperRect();
    EXPECT_GT(Width(renumbered), Height(renumbered)) << "257 is now the paper lying across";
}

TEST_F(PreviewPapersTest, PapersUnchangedAreNotAskedAgain) {
    StorePapers({{1000, 2000}});
    Attach(preview);
    Set("dmPaperSize", 257);
    preview.SetDevmode(record.data());
    const RECT before = preview.paperRect();
    // Without a change of the papers the list the preview read stands.
    StorePapers({{2000, 1000}});
    preview.SetDevmode(record.data());
    EXPECT_EQ(Width(preview.paperRect()), Width(before));
}

} // namespace

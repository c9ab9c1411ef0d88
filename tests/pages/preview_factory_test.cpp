// The pictures the framework's preview controls draw once the pages install
// their factory: each role shows its own picture of the same record.
#include "pages/preview_factory.h"

#include "tests/pages/preview_fixture.h"

#include <memory>

namespace {

class InstallPreviewFactory : public kxtest::PreviewFixture {
protected:
    void SetUp() override {
        PreviewFixture::SetUp();
        kx::InstallPreviewFactory();
    }
    void TearDown() override {
        kx::SetPreviewFactory(nullptr);
        PreviewFixture::TearDown();
    }
};

bool IsRed(COLORREF c) {
    return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
}
bool IsPaperWhite(COLORREF c) {
    return c == RGB(255, 255, 255);
}

TEST_F(InstallPreviewFactory, EveryRoleDrawsItsOwnPicture) {
    // The printer with nothing installed, and the grayscale photograph.
    WritePicture(".Bmp", 60, 40, RGB(255, 0, 0));
    WritePicture("G.Bmp", 60, 40, RGB(0, 0, 255));
    struct Row {
        const char* label;
        kx::PreviewRole role;
        int lines;
        bool (*colour)(COLORREF);
        int atLeast; ///< pixels of that colour in the picture
    };
    const Row rows[] = {
        {"layout: the sample paper", kx::PreviewRole::Layout, 2, IsPaperWhite, 2000},
        {"printer: the installed options' picture", kx::PreviewRole::Printer, 1, IsRed, 2000},
        {"output bin: the printer under its arrow", kx::PreviewRole::OutputBin, 0, IsRed, 1000},
        {"colour: the model's photograph", kx::PreviewRole::Colour, 0, kxtest::IsBlue, 2000},
    };
    for (const Row& row : rows) {
        const std::unique_ptr<kx::CKxPreview> preview = kx::MakePreview(row.role);
        ASSERT_NE(preview, nullptr) << row.label;
        EXPECT_EQ(preview->role(), row.role) << row.label;
        EXPECT_EQ(preview->lineCount(), row.lines) << row.label;
        Attach(*preview, 160, 160);
        preview->SetDevmode(record.data());
        const kxtest::Rendered picture(preview->m_hWnd);
        EXPECT_GE(picture.Count(RECT{0, 0, 160, 160}, row.colour), row.atLeast) << row.label;
    }
    EXPECT_NE(kx::MakePreview(kx::PreviewRole::Stamp), nullptr);
}

} // namespace

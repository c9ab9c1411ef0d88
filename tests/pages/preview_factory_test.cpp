// The pictures the framework gets for its preview controls once the pages
// install their factory.
#include "pages/preview_factory.h"

#include "pages/color_preview.h"
#include "pages/deco_preview.h"
#include "pages/layout_preview_ex.h"
#include "pages/printer_preview.h"

#include <gtest/gtest.h>

namespace {

TEST(InstallPreviewFactory, EveryRoleGetsItsPicture) {
    kx::InstallPreviewFactory();
    struct Row {
        const char* label;
        kx::PreviewRole role;
        bool (*isExpected)(kx::CKxPreview*);
        int lines;
    };
    const Row rows[] = {
        {"layout", kx::PreviewRole::Layout,
         [](kx::CKxPreview* p) { return dynamic_cast<kx::CLayoutPreviewEx*>(p) != nullptr; }, 2},
        {"printer", kx::PreviewRole::Printer,
         [](kx::CKxPreview* p) { return dynamic_cast<kx::CPrinterPreview*>(p) != nullptr; }, 1},
        {"output bin", kx::PreviewRole::OutputBin,
         [](kx::CKxPreview* p) { return dynamic_cast<kx::CPrinterOutBinPreview*>(p) != nullptr; },
         0},
        {"colour", kx::PreviewRole::Colour,
         [](kx::CKxPreview* p) { return dynamic_cast<kx::CColorPreview*>(p) != nullptr; }, 0},
        {"stamp", kx::PreviewRole::Stamp,
         [](kx::CKxPreview* p) { return dynamic_cast<kx::CDecoPreview2*>(p) != nullptr; }, 2},
    };
    for (const Row& row : rows) {
        const std::unique_ptr<kx::CKxPreview> preview = kx::MakePreview(row.role);
        ASSERT_NE(preview, nullptr) << row.label;
        EXPECT_TRUE(row.isExpected(preview.get())) << row.label;
        EXPECT_EQ(preview->role(), row.role) << row.label;
        EXPECT_EQ(preview->lineCount(), row.lines) << row.label;
    }
    kx::SetPreviewFactory(nullptr);
}

} // namespace

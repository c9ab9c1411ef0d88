// A preview control in a window over a temporary prefix with one printer,
// its papers, and model pictures written beside the module.
#pragma once

#include "devmode/devmode_record.h"
#include "framework/kromaui_app.h"
#include "framework/kx_preview.h"
#include "framework/printer_texts.h"
#include "platform/spooler/printer_store.h"
#include "platform/windows.h"
#include "tests/platform/gdi/bmp_writer.h"
#include "tests/support/rendered_window.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kxtest {

constexpr const char16_t* kPreviewPrinter = u"Preview Printer";

/// A 24-bit BMP of one colour.
inline std::string SolidBmp(int width, int height, COLORREF colour) {
    const size_t stride = ((static_cast<size_t>(width) * 24 + 31) / 32) * 4;
    std::string pixels;
    for (int y = 0; y < height; ++y) {
        std::string line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            line[static_cast<size_t>(x) * 3] = static_cast<char>(GetBValue(colour));
            line[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(colour));
            line[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
        pixels += line;
    }
    std::string file = "BM";
    Put32(file, 54 + static_cast<uint32_t>(pixels.size()));
    Put32(file, 0);
    Put32(file, 54);
    Put32(file, 40);
    Put32(file, static_cast<uint32_t>(width));
    Put32(file, static_cast<uint32_t>(height));
    Put16(file, 1);
    Put16(file, 24);
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(pixels.size()));
    Put32(file, 2835);
    Put32(file, 2835);
    Put32(file, 0);
    Put32(file, 0);
    return file + pixels;
}

class PreviewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        prefix.WriteFile("drive_c/windows/system32/spool/drivers/x64/3/PV.CAP",
                         "[Papers]\n1\n5\n8\n9\n11\n20 = Envelope #10\n");
        ASSERT_EQ(kx::PrinterStore::SaveDriver(
                      {u"Preview Driver", 3, u"PVU.DLL", u"PV.CAP", u"PVU.DLL", u"PV.CAP"}),
                  ERROR_SUCCESS);
        kx::PrinterRecord printer;
        printer.name = kPreviewPrinter;
        printer.driver = u"Preview Driver";
        printer.port = u"NUL:";
        ASSERT_EQ(kx::PrinterStore::SavePrinter(printer), ERROR_SUCCESS);
        prefix.WriteFile("drive_c/M/PVEN.DAT", "[Preview]\nPreviewLetter=Q\nCopies:=Exemplare:\n");
        kx::CKROMAUIApp& app = kx::TheApp();
        app.stringFile.SetFile(u"C:\\M\\PVEN.DAT", kx::ClearReadOnly::No);
        app.names.moduleDirectory = u"C:\\M\\";
        app.names.driverBaseName = u"PV";
        kx::PrinterTextsFor(kPreviewPrinter).Refresh();
        kx::ModelProfile& profile = kx::ActiveModelProfile();
        profile = kx::ModelProfile{};
        profile.MaxPaperW = 2970;
        profile.MaxPaperH = 4200;
        record.fill(0);
        kx::WriteText(record.data(), kx::FieldNamed("dmDeviceName"), kPreviewPrinter);
        Set("dmPaperSize", 9);
        Set("dmOrientation", 1);
        Set("dmCopies", 1);
        parent = CreateWindowExW(0, u"Static", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr,
                                 nullptr, nullptr, nullptr);
    }

    void TearDown() override {
        for (HWND window : windows)
            DestroyWindow(window);
        DestroyWindow(parent);
        kx::ActiveModelProfile() = kx::ModelProfile{};
        kx::SetWaterMarkFileCheck(nullptr);
    }

    void Set(const char* field, int64_t value) {
        kx::WriteNumber(record.data(), *kx::FindDevmodeField(field), value);
    }

    /// Attaches the preview to a new child window of the given size.
    template <typename Preview>
    Preview& Attach(Preview& preview, int width = 200, int height = 300) {
        const HWND child = CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                           height, parent, nullptr, nullptr, nullptr);
        windows.push_back(child);
        EXPECT_TRUE(preview.SubclassWindow(child));
        return preview;
    }

    /// Writes a model picture beside the module.
    void WritePicture(const std::string& name, int width, int height, COLORREF colour) {
        prefix.WriteFile("drive_c/M/PV" + name, SolidBmp(width, height, colour));
    }

    TestPrefix prefix;
    std::array<BYTE, kx::kDevmodeSize> record{};
    HWND parent = nullptr;
    std::vector<HWND> windows;
};

inline bool IsBlue(COLORREF c) {
    return GetBValue(c) > 200 && GetRValue(c) < 60 && GetGValue(c) < 80;
}

} // namespace kxtest

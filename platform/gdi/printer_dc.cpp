// Printer and display DCs: CreateDCW and the print-job calls.
#include "platform/base/standard_papers.h"
#include "platform/base/text.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_api.h"
#include "platform/gdi/printer_job.h"

#include <array>
#include <cmath>

namespace kx {
namespace {

constexpr double kTenthsMmPerInch = 254.0;
constexpr double kPointsPerInch = 72.0;
constexpr int kDefaultDpi = 600;
constexpr short kDefaultPaper = 9; // A4
/// The unprintable margin of the built-in page geometry: a sixth of an inch.
constexpr int kMarginDivisor = 6;

struct QualityResolution {
    SHORT quality;
    int dpi;
};

constexpr std::array kQualityResolutions{
    QualityResolution{DMRES_HIGH, 600},
    QualityResolution{DMRES_MEDIUM, 300},
    QualityResolution{DMRES_LOW, 150},
    QualityResolution{DMRES_DRAFT, 75},
};

constexpr std::array<std::u16string_view, 2> kPrinterDriverNames{u"WINSPOOL", u"pscript"};

bool IsPrinterDriver(std::u16string_view driver) {
    for (auto name : kPrinterDriverNames) {
        if (driver.size() >= name.size() && EqualsNoCase(driver.substr(0, name.size()), name))
            return true;
    }
    return false;
}

int ResolutionOf(SHORT value, int fallback) {
    if (value > 0)
        return value;
    for (const auto& entry : kQualityResolutions) {
        if (entry.quality == value)
            return entry.dpi;
    }
    return fallback;
}

/// Paper width and length in tenths of a millimetre, as in portrait.
std::pair<LONG, LONG> PaperOf(const DEVMODEW* devMode) {
    const StandardPaper* standard = FindStandardPaper(kDefaultPaper);
    LONG width = standard->width;
    LONG length = standard->length;
    if (devMode == nullptr)
        return {width, length};
    if (const StandardPaper* paper = FindStandardPaper(devMode->dmPaperSize)) {
        width = paper->width;
        length = paper->length;
    }
    if ((devMode->dmFields & DM_PAPERWIDTH) != 0 && devMode->dmPaperWidth > 0)
        width = devMode->dmPaperWidth;
    if ((devMode->dmFields & DM_PAPERLENGTH) != 0 && devMode->dmPaperLength > 0)
        length = devMode->dmPaperLength;
    return {width, length};
}

DeviceGeometry PrinterGeometry(const DEVMODEW* devMode) {
    DeviceGeometry geometry;
    geometry.technology = DT_RASPRINTER;
    geometry.bitsPerPixel = 24;
    geometry.dpiX =
        devMode != nullptr ? ResolutionOf(devMode->dmPrintQuality, kDefaultDpi) : kDefaultDpi;
    geometry.dpiY =
        devMode != nullptr && devMode->dmYResolution > 0 ? devMode->dmYResolution : geometry.dpiX;
    auto [width, length] = PaperOf(devMode);
    if (devMode != nullptr && devMode->dmOrientation == DMORIENT_LANDSCAPE)
        std::swap(width, length);
    geometry.physicalWidth =
        static_cast<int>(std::lround(width * geometry.dpiX / kTenthsMmPerInch));
    geometry.physicalHeight =
        static_cast<int>(std::lround(length * geometry.dpiY / kTenthsMmPerInch));
    geometry.offsetX = geometry.dpiX / kMarginDivisor;
    geometry.offsetY = geometry.dpiY / kMarginDivisor;
    geometry.horzRes = std::max(1, geometry.physicalWidth - 2 * geometry.offsetX);
    geometry.vertRes = std::max(1, geometry.physicalHeight - 2 * geometry.offsetY);
    return geometry;
}

std::shared_ptr<DeviceContext> MakePrinterDc(const DEVMODEW* devMode) {
    auto dc = std::make_shared<DeviceContext>(DcKind::Printer);
    dc->Geometry() = PrinterGeometry(devMode);
    SelectDefaultObjects(*dc);
    return dc;
}

std::shared_ptr<DeviceContext> PrinterDc(HDC hdc) {
    auto dc = FindDeviceContext(hdc);
    if (dc != nullptr && dc->Kind() != DcKind::Printer) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return dc;
}

} // namespace

} // namespace kx

extern "C" {

HDC WINAPI CreateDCW(LPCWSTR driver, LPCWSTR device, LPCWSTR output, const DEVMODEW* devMode) {
    const std::u16string driverName = driver != nullptr ? driver : u"";
    if (kx::EqualsNoCase(driverName, u"DISPLAY")) {
        auto dc = std::make_shared<kx::DeviceContext>(kx::DcKind::Display);
        dc->Geometry().bitsPerPixel = kx::ScreenBitsPerPixel();
        kx::SelectDefaultObjects(*dc);
        return kx::AddDeviceContext(std::move(dc));
    }
    if (!kx::IsPrinterDriver(driverName) || device == nullptr || *device == 0) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return nullptr;
    }
    auto dc = kx::MakePrinterDc(devMode);
    dc->SetPrinter(device, output != nullptr ? output : u"");
    return kx::AddDeviceContext(std::move(dc));
}

int WINAPI StartDocW(HDC hdc, const DOCINFOW* docInfo) {
    auto dc = kx::PrinterDc(hdc);
    if (dc == nullptr || docInfo == nullptr || dc->Job() != nullptr) {
        SetLastError(dc == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    const kx::DeviceGeometry& geometry = dc->Geometry();
    std::u16string output = docInfo->lpszOutput != nullptr ? docInfo->lpszOutput : u"";
    if (output.empty())
        output = dc->PrinterOutput();
    DWORD error = ERROR_SUCCESS;
    auto job = kx::PrinterJob::Start(
        dc->PrinterName(), docInfo->lpszDocName != nullptr ? docInfo->lpszDocName : u"", output,
        geometry.physicalWidth * kx::kPointsPerInch / geometry.dpiX,
        geometry.physicalHeight * kx::kPointsPerInch / geometry.dpiY, &error);
    if (job == nullptr) {
        SetLastError(error);
        return SP_ERROR;
    }
    if (docInfo->lpszDatatype != nullptr)
        job->SetDatatype(docInfo->lpszDatatype);
    const int id = job->Id();
    dc->SetPageSurface(job->Surface(), kx::kPointsPerInch / geometry.dpiX,
                       kx::kPointsPerInch / geometry.dpiY,
                       POINT{geometry.offsetX, geometry.offsetY});
    dc->SetJob(std::move(job));
    return id;
}

int WINAPI StartPage(HDC hdc) {
    auto dc = kx::PrinterDc(hdc);
    if (dc == nullptr || dc->Job() == nullptr || !dc->Job()->BeginPage())
        return SP_ERROR;
    return 1;
}

int WINAPI EndPage(HDC hdc) {
    auto dc = kx::PrinterDc(hdc);
    if (dc == nullptr || dc->Job() == nullptr || !dc->Job()->FinishPage())
        return SP_ERROR;
    if (cairo_t* cairo = dc->BeginDraw())
        cairo_show_page(cairo);
    return 1;
}

int WINAPI EndDoc(HDC hdc) {
    auto dc = kx::PrinterDc(hdc);
    if (dc == nullptr || dc->Job() == nullptr)
        return SP_ERROR;
    if (dc->Job()->InPage())
        EndPage(hdc);
    dc->SetPageSurface(nullptr, 1, 1, POINT{0, 0});
    const bool finished = dc->Job()->Finish();
    dc->SetJob(nullptr);
    if (!finished) {
        SetLastError(ERROR_WRITE_FAULT);
        return SP_ERROR;
    }
    return 1;
}

int WINAPI AbortDoc(HDC hdc) {
    auto dc = kx::PrinterDc(hdc);
    if (dc == nullptr || dc->Job() == nullptr)
        return SP_ERROR;
    dc->SetPageSurface(nullptr, 1, 1, POINT{0, 0});
    dc->Job()->Abort();
    dc->SetJob(nullptr);
    return 1;
}

} // extern "C"

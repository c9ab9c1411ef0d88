// The mark file job.
#include "pages/mark_file_job.h"

#include "devmode/devmode_record.h"
#include "devmode/devmode_set.h"
#include "framework/preview_watermark.h"
#include "pages/deco_stamp.h"
#include "platform/base/devmode_public.h"
#include "platform/files/file_api.h"
#include "platform/gdi/gdi.h"
#include "utilities/printer_reachability.h"

#include <array>
#include <memory>

namespace kx {
namespace {

constexpr std::array<CloneRatio, 8> kCloneRatios = {{
    {200, 300},
    {300, 400},
    {350, 450},
    {500, 700},
    {400, 500},
    {500, 500},
    {510, 510},
    {510, 700},
}};

constexpr std::u16string_view kWatermarkDocument = u"WaterMark File";
constexpr std::u16string_view kStampDocument = u"Deco File";

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using DcOwner = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

/// Puts the record's orientation, paper and rotation back however the job
/// ends.
class KeptFields {
public:
    explicit KeptFields(BYTE* devmode)
        : m_devmode(devmode), m_orientation(ReadNumber(devmode, FieldNamed("dmOrientation"))),
          m_paper(ReadNumber(devmode, FieldNamed("dmPaperSize"))),
          m_rotate(ReadNumber(devmode, FieldNamed("iRotate"))) {}
    ~KeptFields() {
        WriteNumber(m_devmode, FieldNamed("dmOrientation"), m_orientation);
        WriteNumber(m_devmode, FieldNamed("dmPaperSize"), m_paper);
        WriteNumber(m_devmode, FieldNamed("iRotate"), m_rotate);
    }
    KeptFields(const KeptFields&) = delete;
    KeptFields& operator=(const KeptFields&) = delete;

private:
    BYTE* m_devmode;
    int64_t m_orientation;
    int64_t m_paper;
    int64_t m_rotate;
};

/// A temporary file of the system's temporary folder, removed with its owner.
class TemporaryOutput {
public:
    bool Make() {
        std::array<WCHAR, MAX_PATH + 1> folder{};
        std::array<WCHAR, MAX_PATH + 1> name{};
        if (GetTempPathW(static_cast<DWORD>(folder.size()), folder.data()) == 0 ||
            GetTempFileNameW(folder.data(), u"TMP", 0, name.data()) == 0)
            return false;
        m_path = name.data();
        return true;
    }
    ~TemporaryOutput() {
        if (!m_path.empty())
            DeleteFileW(m_path.c_str());
    }
    const std::u16string& path() const { return m_path; }

private:
    std::u16string m_path;
};

} // namespace

std::optional<CloneRatio> CloneRatioOf(int64_t clone) {
    if (clone < 1 || clone > static_cast<int64_t>(kCloneRatios.size()))
        return std::nullopt;
    return kCloneRatios[static_cast<size_t>(clone - 1)];
}

RECT MarkFileArea(SIZE printable, int64_t clone, bool landscape) {
    RECT area{0, 0, printable.cx, printable.cy};
    const std::optional<CloneRatio> ratio = CloneRatioOf(clone);
    if (!ratio || printable.cx <= 0 || printable.cy <= 0)
        return area;
    const int64_t w = landscape ? ratio->height : ratio->width;
    const int64_t h = landscape ? ratio->width : ratio->height;
    int64_t width = printable.cx;
    int64_t height = printable.cy;
    if (width < height * w / h)
        height = width * h / w;
    else
        width = height * w / h;
    area.left = static_cast<LONG>((printable.cx - width) / 2);
    area.top = static_cast<LONG>((printable.cy - height) / 2);
    area.right = area.left + static_cast<LONG>(width);
    area.bottom = area.top + static_cast<LONG>(height);
    return area;
}

std::optional<std::u16string> MakeMarkFile(BYTE* devmode, SHORT orientation, MarkKind kind,
                                           int paperCode) {
    if (devmode == nullptr)
        return std::nullopt;
    const std::u16string printer = PrinterNameFor(devmode);
    KeptFields kept(devmode);
    WriteNumber(devmode, FieldNamed("dmOrientation"), orientation);
    if (kind == MarkKind::Stamp)
        WriteNumber(devmode, FieldNamed("dmPaperSize"), paperCode);
    const DcOwner dc(CreateDCW(u"pscript", printer.c_str(), nullptr,
                               reinterpret_cast<const DEVMODEW*>(devmode)));
    if (!dc)
        return std::nullopt;
    TemporaryOutput temporary;
    std::u16string output = u"NUL:";
    if (PrinterOutputReachable(printer, Strictness::Plain) == 0) {
        if (!temporary.Make())
            return std::nullopt;
        output = temporary.path();
    }
    const std::u16string document(kind == MarkKind::Watermark ? kWatermarkDocument
                                                              : kStampDocument);
    DOCINFOW info{sizeof(DOCINFOW), document.c_str(), output.c_str(), u"RAW", 0};
    if (StartDocW(dc.get(), &info) <= 0)
        return std::nullopt;
    if (StartPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return std::nullopt;
    }
    const SIZE printable{GetDeviceCaps(dc.get(), HORZRES), GetDeviceCaps(dc.get(), VERTRES)};
    const RECT area = MarkFileArea(printable, ReadNumber(devmode, FieldNamed("iClone")),
                                   orientation == DMORIENT_LANDSCAPE);
    // The file is made upright; the rendering side turns it with the page.
    WriteNumber(devmode, FieldNamed("iRotate"), 0);
    if (kind == MarkKind::Watermark) {
        WatermarkStyle style;
        style.pixelsPerInch = GetDeviceCaps(dc.get(), LOGPIXELSY);
        DrawPreviewWatermark(dc.get(), area, WatermarkOfDevmode(devmode), style);
    } else {
        DrawDecoStamp(dc.get(), area, StampOfDevmode(devmode));
    }
    if (EndPage(dc.get()) <= 0 || EndDoc(dc.get()) <= 0)
        return std::nullopt;
    return document;
}

} // namespace kx

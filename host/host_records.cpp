// Field access to the host's records by offset.
#include "host/host_records.h"

#include "devmode/devmode_record.h"

namespace kx {
namespace {

namespace sheet = layout::sheet_record;
namespace context = layout::sheet_context;
namespace page_info = layout::page_info;

} // namespace

HostAddress SheetRecordView::Context() const {
    return LoadU32(m_bytes + sheet::kContext);
}
DWORD SheetRecordView::Closing() const {
    return LoadU32(m_bytes + sheet::kClosing);
}
void SheetRecordView::SetClosing(DWORD value) const {
    StoreU32(m_bytes + sheet::kClosing, value);
}

DWORD SheetRecordView::PageSlot(int index) const {
    if (index < 0 || index >= kPageSlotCount)
        return 0;
    return LoadU32(m_bytes + sheet::kPages + sheet::kPageSlotSize * static_cast<size_t>(index));
}

void SheetRecordView::SetPageSlot(int index, DWORD handle) const {
    if (index < 0 || index >= kPageSlotCount)
        return;
    StoreU32(m_bytes + sheet::kPages + sheet::kPageSlotSize * static_cast<size_t>(index), handle);
}

std::optional<SheetContextView> SheetContextView::At(HostAddress address) {
    auto* bytes = HostAddressSpace::Instance().TranslateAs<BYTE>(address, kSheetContextSize);
    if (bytes == nullptr)
        return std::nullopt;
    return SheetContextView(address, bytes);
}

DWORD SheetContextView::SixteenBit() const {
    return LoadU32(m_bytes + context::kSixteenBit);
}
void SheetContextView::SetSixteenBit(DWORD value) const {
    StoreU32(m_bytes + context::kSixteenBit, value);
}
DWORD SheetContextView::Changed() const {
    return LoadU32(m_bytes + context::kChanged);
}
void SheetContextView::SetChanged(DWORD value) const {
    StoreU32(m_bytes + context::kChanged, value);
}
DWORD SheetContextView::Applied() const {
    return LoadU32(m_bytes + context::kApplied);
}
void SheetContextView::SetApplied(DWORD value) const {
    StoreU32(m_bytes + context::kApplied, value);
}
DWORD SheetContextView::Reset() const {
    return LoadU32(m_bytes + context::kReset);
}
void SheetContextView::SetReset(DWORD value) const {
    StoreU32(m_bytes + context::kReset, value);
}
DWORD SheetContextView::SheetFlags() const {
    return LoadU32(m_bytes + context::kSheetFlags);
}

HostAddress SheetContextView::HostDevmodeAddress() const {
    return LoadU32(m_bytes + context::kHostDevmode);
}

BYTE* SheetContextView::HostDevmode() const {
    return HostAddressSpace::Instance().TranslateAs<BYTE>(HostDevmodeAddress(), kDevmodeSize);
}

std::u16string SheetContextView::PrinterName() const {
    return ReadTextAt(m_bytes + context::kPrinterName, context::kPrinterNameCapacity);
}

LONG PageInfoRecordView::Cx() const {
    return static_cast<LONG>(LoadU32(m_bytes + page_info::kCx));
}
LONG PageInfoRecordView::Cy() const {
    return static_cast<LONG>(LoadU32(m_bytes + page_info::kCy));
}
void PageInfoRecordView::SetSize(LONG cx, LONG cy) const {
    StoreU32(m_bytes + page_info::kCx, static_cast<uint32_t>(cx));
    StoreU32(m_bytes + page_info::kCy, static_cast<uint32_t>(cy));
}
std::u16string PageInfoRecordView::Caption() const {
    return ReadTextAt(m_bytes + page_info::kCaption, page_info::kCaptionCapacity);
}
void PageInfoRecordView::SetCaption(std::u16string_view caption) const {
    (void)WriteTextAt(m_bytes + page_info::kCaption, page_info::kCaptionCapacity, caption);
}

} // namespace kx

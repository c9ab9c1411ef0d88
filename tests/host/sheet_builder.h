// Builds a sheet's records in host memory the way a driver host does: a
// SheetRecord pointing at its SheetContext, which points at the host's
// device mode and names the printer.
#pragma once

#include "platform/base/host_memory.h"
#include "platform/base/win_types.h"

#include <cstring>
#include <string_view>

namespace kxtest {

inline void Store32(BYTE* at, uint32_t value) {
    std::memcpy(at, &value, 4);
}
inline uint32_t Load32(const BYTE* at) {
    uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

class SheetBuilder {
public:
    explicit SheetBuilder(std::u16string_view printer = u"Office Laser") {
        auto& space = kx::HostAddressSpace::Instance();
        m_recordAddress = space.Allocate(416);
        m_contextAddress = space.Allocate(324);
        m_devmodeAddress = space.Allocate(3555);
        Store32(record(), m_contextAddress);
        Store32(context() + 160, m_devmodeAddress);
        for (size_t i = 0; i < printer.size() && i < 79; ++i)
            std::memcpy(context() + 164 + 2 * i, &printer[i], 2);
        std::memcpy(devmode(), printer.data(), std::min<size_t>(printer.size(), 31) * 2);
    }
    ~SheetBuilder() {
        auto& space = kx::HostAddressSpace::Instance();
        space.Unregister(m_recordAddress);
        space.Unregister(m_contextAddress);
        space.Unregister(m_devmodeAddress);
    }
    SheetBuilder(const SheetBuilder&) = delete;
    SheetBuilder& operator=(const SheetBuilder&) = delete;

    BYTE* record() const { return At(m_recordAddress, 416); }
    BYTE* context() const { return At(m_contextAddress, 324); }
    BYTE* devmode() const { return At(m_devmodeAddress, 3555); }
    kx::HostAddress contextAddress() const { return m_contextAddress; }
    LPARAM recordParam() const { return reinterpret_cast<LPARAM>(record()); }

    uint32_t changed() const { return Load32(context() + 4); }
    uint32_t applied() const { return Load32(context() + 8); }
    uint32_t reset() const { return Load32(context() + 12); }
    uint32_t closing() const { return Load32(record() + 4); }
    uint32_t pageSlot(int index) const { return Load32(record() + 12 + 4 * index); }
    void setSheetFlags(uint32_t flags) const { Store32(context() + 16, flags); }

private:
    static BYTE* At(kx::HostAddress address, size_t size) {
        return kx::HostAddressSpace::Instance().TranslateAs<BYTE>(address, size);
    }

    kx::HostAddress m_recordAddress = 0;
    kx::HostAddress m_contextAddress = 0;
    kx::HostAddress m_devmodeAddress = 0;
};

} // namespace kxtest

// A zeroed block of host memory with a 32-bit host address, given back to
// the host address space when its owner goes.
#pragma once

#include "platform/base/host_memory.h"
#include "platform/base/win_types.h"

namespace kxhost {

class HostMemoryBlock {
public:
    explicit HostMemoryBlock(size_t size)
        : m_size(size), m_address(kx::HostAddressSpace::Instance().Allocate(size)) {}
    ~HostMemoryBlock() {
        if (m_address != 0)
            kx::HostAddressSpace::Instance().Unregister(m_address);
    }
    HostMemoryBlock(const HostMemoryBlock&) = delete;
    HostMemoryBlock& operator=(const HostMemoryBlock&) = delete;

    /// 0 when the address space could not give the block.
    kx::HostAddress address() const { return m_address; }
    /// The block's memory, or nullptr when it could not be given.
    BYTE* bytes() const {
        return m_address == 0
                   ? nullptr
                   : kx::HostAddressSpace::Instance().TranslateAs<BYTE>(m_address, m_size);
    }
    size_t size() const { return m_size; }

private:
    size_t m_size;
    kx::HostAddress m_address;
};

} // namespace kxhost

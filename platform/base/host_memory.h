// The host address space: 32-bit addresses for memory the driver host
// registered, so records laid out by offset can hold addresses as a 32-bit
// host would. On a real 32-bit system this mapping is the identity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace kx {

using HostAddress = uint32_t;

class HostAddressSpace {
public:
    /// The one address space of the process, shared by host and module.
    static HostAddressSpace& Instance();

    /// Maps `size` bytes at `memory` and returns their address, or 0 when the
    /// size is 0 or the 32-bit space is exhausted. Blocks never touch: a read
    /// past one block's end fails instead of landing in the next.
    HostAddress Register(void* memory, size_t size);

    /// Allocates zeroed memory owned by the address space.
    HostAddress Allocate(size_t size);

    /// Forgets a block (and frees it when the address space allocated it).
    /// Returns false for an address that is not the start of a block.
    bool Unregister(HostAddress base);

    /// Memory for [address, address + size), or nullptr when the range is not
    /// wholly inside one registered block.
    void* Translate(HostAddress address, size_t size) const;

    template <typename T>
    T* TranslateAs(HostAddress address, size_t size = sizeof(T)) const {
        return static_cast<T*>(Translate(address, size));
    }

    /// The address of a pointer into a registered block, or 0.
    HostAddress AddressOf(const void* memory) const;

private:
    struct Block {
        std::byte* memory;
        size_t size;
        std::unique_ptr<std::byte[]> owned;
    };

    HostAddress RegisterLocked(std::byte* memory, size_t size, std::unique_ptr<std::byte[]> owned);

    mutable std::mutex m_mutex;
    std::map<HostAddress, Block> m_blocks;
    uint64_t m_next = 0x00010000;
};

} // namespace kx

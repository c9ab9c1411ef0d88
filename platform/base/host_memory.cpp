// The host address space.
#include "platform/base/host_memory.h"

namespace kx {
namespace {

constexpr uint64_t kPage = 0x1000;
constexpr uint64_t kEnd = 0x100000000ULL;

uint64_t RoundUpToPage(uint64_t size) {
    return (size + kPage - 1) & ~(kPage - 1);
}

} // namespace

HostAddressSpace& HostAddressSpace::Instance() {
    static HostAddressSpace space;
    return space;
}

HostAddress HostAddressSpace::RegisterLocked(std::byte* memory, size_t size,
                                             std::unique_ptr<std::byte[]> owned) {
    if (memory == nullptr || size == 0 || size >= kEnd)
        return 0;
    const uint64_t base = m_next;
    // One unmapped page after every block keeps neighbours apart.
    const uint64_t next = base + RoundUpToPage(size) + kPage;
    if (next > kEnd)
        return 0;
    m_next = next;
    const auto address = static_cast<HostAddress>(base);
    m_blocks.emplace(address, Block{memory, size, std::move(owned)});
    return address;
}

HostAddress HostAddressSpace::Register(void* memory, size_t size) {
    std::lock_guard lock(m_mutex);
    return RegisterLocked(static_cast<std::byte*>(memory), size, nullptr);
}

HostAddress HostAddressSpace::Allocate(size_t size) {
    if (size == 0 || size >= kEnd)
        return 0;
    auto owned = std::make_unique<std::byte[]>(size);
    std::byte* memory = owned.get();
    std::lock_guard lock(m_mutex);
    return RegisterLocked(memory, size, std::move(owned));
}

bool HostAddressSpace::Unregister(HostAddress base) {
    std::lock_guard lock(m_mutex);
    return m_blocks.erase(base) == 1;
}

void* HostAddressSpace::Translate(HostAddress address, size_t size) const {
    std::lock_guard lock(m_mutex);
    auto it = m_blocks.upper_bound(address);
    if (it == m_blocks.begin())
        return nullptr;
    --it;
    const uint64_t offset = static_cast<uint64_t>(address) - it->first;
    const Block& block = it->second;
    if (offset >= block.size || size > block.size - offset)
        return nullptr;
    return block.memory + offset;
}

HostAddress HostAddressSpace::AddressOf(const void* memory) const {
    const auto* p = static_cast<const std::byte*>(memory);
    std::lock_guard lock(m_mutex);
    for (const auto& [base, block] : m_blocks) {
        if (p >= block.memory && p < block.memory + block.size)
            return base + static_cast<HostAddress>(p - block.memory);
    }
    return 0;
}

} // namespace kx

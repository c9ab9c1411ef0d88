// Packs spooler information records into a caller's buffer the way the
// spooler hands them out: the fixed records first, then the texts and
// device modes they point to. Run once without a buffer to measure.
#pragma once

#include "platform/base/win_types.h"

#include <cstring>
#include <string_view>

namespace kx {

class InfoPacker {
public:
    /// `buffer` may be nullptr to measure; `fixedSize` bytes of records come
    /// first.
    InfoPacker(BYTE* buffer, size_t fixedSize) : m_buffer(buffer), m_used(Align(fixedSize, 8)) {}

    /// A terminated copy of the text; nullptr while measuring.
    LPWSTR AddText(std::u16string_view text) {
        m_used = Align(m_used, alignof(WCHAR));
        WCHAR* target = m_buffer == nullptr ? nullptr : reinterpret_cast<WCHAR*>(m_buffer + m_used);
        if (target != nullptr) {
            std::memcpy(target, text.data(), text.size() * sizeof(WCHAR));
            target[text.size()] = 0;
        }
        m_used += (text.size() + 1) * sizeof(WCHAR);
        return target;
    }

    /// A copy of bytes aligned for a structure; nullptr while measuring.
    void* AddBytes(const void* bytes, size_t size) {
        m_used = Align(m_used, 8);
        void* target = m_buffer == nullptr ? nullptr : m_buffer + m_used;
        if (target != nullptr && size != 0)
            std::memcpy(target, bytes, size);
        m_used += size;
        return target;
    }

    size_t Used() const { return m_used; }

private:
    static size_t Align(size_t value, size_t alignment) {
        return (value + alignment - 1) / alignment * alignment;
    }

    BYTE* m_buffer;
    size_t m_used;
};

} // namespace kx

// A table of objects behind 32-bit handle values, shared by the platform's
// handle families (files, find searches, windows, GDI objects ...). Values
// are multiples of 4 from a family-specific base, are not reused until the
// counter wraps, and a stale value finds nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace kx {

template <typename T>
class HandleTable {
public:
    explicit HandleTable(uint32_t base) : m_base(base), m_next(base) {}

    /// Stores the object and returns its handle value (never 0).
    uint32_t Add(std::shared_ptr<T> object) {
        std::lock_guard lock(m_mutex);
        uint32_t value;
        do {
            value = m_next;
            m_next += 4;
            if (m_next < m_base || m_next > 0x7FFFFFF0u)
                m_next = m_base;
        } while (value == 0 || m_objects.contains(value));
        m_objects.emplace(value, std::move(object));
        return value;
    }

    std::shared_ptr<T> Find(uint32_t value) const {
        std::lock_guard lock(m_mutex);
        auto it = m_objects.find(value);
        return it == m_objects.end() ? nullptr : it->second;
    }

    /// Of the handles from `first` to `last`, the first whose object passes
    /// `test`, all looked up under one lock; `last` when none does. A
    /// search over many handles (a dialog's controls) costs one lock, not
    /// one a handle.
    template <typename Iterator, typename ValueOf, typename Test>
    Iterator FindFirst(Iterator first, Iterator last, ValueOf valueOf, Test test) const {
        std::lock_guard lock(m_mutex);
        for (; first != last; ++first) {
            auto it = m_objects.find(valueOf(*first));
            if (it != m_objects.end() && test(*it->second))
                return first;
        }
        return last;
    }

    /// Removes and returns the object, or nullptr for an unknown value.
    std::shared_ptr<T> Remove(uint32_t value) {
        std::lock_guard lock(m_mutex);
        auto it = m_objects.find(value);
        if (it == m_objects.end())
            return nullptr;
        auto object = std::move(it->second);
        m_objects.erase(it);
        return object;
    }

    size_t Size() const {
        std::lock_guard lock(m_mutex);
        return m_objects.size();
    }

private:
    mutable std::mutex m_mutex;
    uint32_t m_base;
    uint32_t m_next;
    std::unordered_map<uint32_t, std::shared_ptr<T>> m_objects;
};

} // namespace kx

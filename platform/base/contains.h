// Contains: whether a list holds a value. The profile's number lists, the
// tables of identifiers and the header sizes a parser accepts all ask it.
#pragma once

#include <algorithm>
#include <iterator>

namespace kx {

template <class Range, class Value>
constexpr bool Contains(const Range& range, const Value& value) {
    return std::find(std::begin(range), std::end(range), value) != std::end(range);
}

} // namespace kx

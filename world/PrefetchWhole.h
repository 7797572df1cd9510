// Asking the processor for every cache line an object spans, ahead of its use. A tank, its brain and its
// turret are two to four lines each, and a request for the object's address alone brings only the first:
// the fields read later in the update would still wait on memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Vorn {

inline constexpr std::size_t cacheLineBytes = 64;

template <typename T> void PrefetchWhole(const T* object) {
    if (object == nullptr)
        return;
    const auto first = reinterpret_cast<std::uintptr_t>(object) & ~(cacheLineBytes - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(object) + sizeof(T) - 1;
    for (std::uintptr_t line = first; line <= last; line += cacheLineBytes)
        __builtin_prefetch(reinterpret_cast<const void*>(line));
}

} // namespace Vorn

// Asking the processor for every cache line an object or a run of bytes spans, ahead of its use. A tank, its
// brain and its turret are two to four lines each, and a request for the object's address alone brings only
// the first: the fields read later in the update would still wait on memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Zelt {

inline constexpr std::size_t cacheLineBytes = 64;

// Every line that holds any of the bytes from begin on, whatever begin's alignment.
inline void PrefetchBytes(const void* begin, std::size_t bytes) {
    if (begin == nullptr || bytes == 0)
        return;
    const auto first = reinterpret_cast<std::uintptr_t>(begin) & ~(cacheLineBytes - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(begin) + bytes - 1;
    for (std::uintptr_t line = first; line <= last; line += cacheLineBytes)
        __builtin_prefetch(reinterpret_cast<const void*>(line));
}

// The same for one object, without a branch that its alignment decides: the lines from the first one on,
// as many as an object of its size can straddle less one, and then the line of its last byte, which is
// either the one after those or one already asked for.
template <typename T> void PrefetchWhole(const T* object) {
    if (object == nullptr)
        return;
    constexpr std::size_t mostLines = (sizeof(T) + cacheLineBytes - 2) / cacheLineBytes + 1;
    const auto address = reinterpret_cast<std::uintptr_t>(object);
    const auto first = address & ~(cacheLineBytes - 1);
    for (std::size_t line = 0; line + 1 < mostLines; ++line)
        __builtin_prefetch(reinterpret_cast<const void*>(first + line * cacheLineBytes));
    __builtin_prefetch(reinterpret_cast<const void*>(address + sizeof(T) - 1));
}

} // namespace Zelt

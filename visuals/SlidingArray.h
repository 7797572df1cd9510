// An array in the effect pool that grows at its back and drops from its front by moving where it starts.
#pragma once

#include "visuals/EffectPool.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <type_traits>

namespace Vorn {

// Particles are appended at the back and expire from the front. Erasing at the front shifted every live
// record at each removal, and a shared burst holds thousands; here the front only moves on, and the records
// are shifted back to the start of the memory only when an append finds the back at its end, once for as
// many removals as were made since. An array emptied by its removals starts again at its memory's start.
//
// For records that copy as bytes: they are moved with memmove and never destroyed. Counted in 32 bits
// (a save caps a system at a million particles) so that the array fits a particle system's cache lines.
template <typename T> class SlidingArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    SlidingArray() = default;
    // `count` value-initialised records, for a reader to fill.
    explicit SlidingArray(std::size_t count) {
        reserve(count);
        std::uninitialized_value_construct_n(memory, count);
        last = static_cast<std::uint32_t>(count);
    }
    explicit SlidingArray(std::span<const T> records) {
        reserve(records.size());
        std::ranges::copy(records, memory);
        last = static_cast<std::uint32_t>(records.size());
    }
    SlidingArray(SlidingArray&& other) noexcept
        : memory(other.memory), first(other.first), last(other.last), capacity(other.capacity) {
        other.Forget();
    }
    SlidingArray& operator=(SlidingArray&& other) noexcept {
        if (this != &other) {
            Free();
            memory = other.memory;
            first = other.first;
            last = other.last;
            capacity = other.capacity;
            other.Forget();
        }
        return *this;
    }
    SlidingArray(const SlidingArray&) = delete;
    SlidingArray& operator=(const SlidingArray&) = delete;
    ~SlidingArray() { Free(); }

    std::size_t size() const { return last - first; }
    bool empty() const { return first == last; }
    T* data() { return memory + first; }
    const T* data() const { return memory + first; }
    T* begin() { return data(); }
    T* end() { return memory + last; }
    const T* begin() const { return data(); }
    const T* end() const { return memory + last; }
    T& operator[](std::size_t index) { return memory[first + index]; }
    const T& operator[](std::size_t index) const { return memory[first + index]; }
    operator std::span<const T>() const { return {data(), size()}; }

    // Room for `count` records in all, counted from the start of the memory.
    void reserve(std::size_t count) {
        if (count > capacity)
            Reallocate(count);
    }
    void push_back(const T& record) {
        if (last == capacity)
            MakeRoomAtBack();
        memory[last++] = record;
    }
    // Drops the first `count` records (at most size()) without moving the others.
    void DropFront(std::size_t count) {
        first += static_cast<std::uint32_t>(count);
        if (first == last)
            clear();
    }
    void clear() { first = last = 0; }
    // How many records fit before the array must shift or grow, counted from the start of the memory.
    std::size_t Capacity() const { return capacity; }
    // How far the front has moved from the start of the memory.
    std::size_t FrontOffset() const { return first; }

private:
    // The records shifted to the start when the front has moved on, otherwise twice the room.
    void MakeRoomAtBack() {
        if (first > 0) {
            std::memmove(static_cast<void*>(memory), memory + first, size() * sizeof(T));
            last -= first;
            first = 0;
            return;
        }
        Reallocate(std::max<std::size_t>(1, 2 * std::size_t(capacity)));
    }
    void Reallocate(std::size_t count) {
        T* larger = static_cast<T*>(TheEffectPool().Allocate(count * sizeof(T)));
        if (!empty())
            std::memcpy(static_cast<void*>(larger), memory + first, size() * sizeof(T));
        Free();
        memory = larger;
        last -= first;
        first = 0;
        capacity = static_cast<std::uint32_t>(count);
    }
    void Free() {
        if (memory != nullptr)
            TheEffectPool().Release(memory, std::size_t(capacity) * sizeof(T));
    }
    void Forget() {
        memory = nullptr;
        first = last = capacity = 0;
    }

    T* memory = nullptr;
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::uint32_t capacity = 0;
};

} // namespace Vorn

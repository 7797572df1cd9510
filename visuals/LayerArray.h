// The layers of a particle system: an array in the effect pool whose room is set once, when it is made.
#pragma once

#include "visuals/EffectPool.h"

#include <cstdint>
#include <new>
#include <span>
#include <utility>

namespace Vorn {

// A system's layers are made with it and never added to afterwards, so the array keeps a pointer and two
// 32-bit counts, 16 bytes where a vector takes 24: what it gives up lets the particle system keep its
// first particle's birth and still fit the effect's two cache lines. Appending beyond the room reserved
// moves the layers into a larger array, as a vector would.
template <typename T> class LayerArray {
public:
    LayerArray() = default;
    LayerArray(LayerArray&& other) noexcept : memory(other.memory), count(other.count), room(other.room) {
        other.memory = nullptr;
        other.count = other.room = 0;
    }
    LayerArray& operator=(LayerArray&& other) noexcept {
        if (this != &other) {
            Free();
            memory = std::exchange(other.memory, nullptr);
            count = std::exchange(other.count, 0);
            room = std::exchange(other.room, 0);
        }
        return *this;
    }
    LayerArray(const LayerArray&) = delete;
    LayerArray& operator=(const LayerArray&) = delete;
    ~LayerArray() { Free(); }

    std::size_t size() const { return count; }
    T* begin() { return memory; }
    T* end() { return memory + count; }
    const T* begin() const { return memory; }
    const T* end() const { return memory + count; }
    const T* data() const { return memory; }
    operator std::span<T>() { return {memory, count}; }
    operator std::span<const T>() const { return {memory, count}; }

    void reserve(std::size_t layers) {
        if (layers > room)
            MoveTo(layers);
    }
    void push_back(T&& layer) {
        if (count == room)
            MoveTo(room == 0 ? 1 : 2 * std::size_t(room));
        new (memory + count) T(std::move(layer));
        ++count;
    }

private:
    void MoveTo(std::size_t layers) {
        T* larger = static_cast<T*>(TheEffectPool().Allocate(layers * sizeof(T)));
        for (std::uint32_t i = 0; i < count; ++i)
            new (larger + i) T(std::move(memory[i]));
        const std::uint32_t kept = count;
        Free();
        memory = larger;
        count = kept;
        room = static_cast<std::uint32_t>(layers);
    }
    void Free() {
        for (std::uint32_t i = 0; i < count; ++i)
            memory[i].~T();
        if (memory != nullptr)
            TheEffectPool().Release(memory, std::size_t(room) * sizeof(T));
        memory = nullptr;
        count = room = 0;
    }

    T* memory = nullptr;
    std::uint32_t count = 0;
    std::uint32_t room = 0;
};

} // namespace Vorn

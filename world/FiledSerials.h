// Which object each serial names while the world's object containers hold it.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace Vorn {

class Object;

// Every turret and guided bullet asks after its target by serial several times a step. Serials are given
// one after another from 1, so they index an array: one read where a hash table spent a division and two
// dependent reads. The array holds a pair for every serial ever given, filed or not, up to a limit; a
// serial beyond it (only a save can claim one) is kept in a hash table instead.
class FiledSerials {
public:
    // Counts one more container holding the object, under its serial, which must not be 0. The first
    // object noted under a serial keeps it until no container holds it any more.
    void Note(Object* object);
    // Counts one container fewer; the serial is free again when none holds it.
    void Unnote(const Object* object);
    // The object filed under the serial, or null.
    Object* Find(std::uint64_t serial) const {
        if (serial < dense.size())
            return dense[serial].object;
        if (sparse.empty())
            return nullptr;
        const auto entry = sparse.find(serial);
        return entry == sparse.end() ? nullptr : entry->second.object;
    }
    bool Contains(std::uint64_t serial) const { return Find(serial) != nullptr; }

private:
    struct Filed {
        Object* object = nullptr;
        // How many containers hold it.
        int count = 0;
    };
    // A million serials take 16 MB: far more objects than a game makes.
    static constexpr std::uint64_t denseLimit = 1 << 20;

    Filed* EntryFor(std::uint64_t serial);

    std::vector<Filed> dense;
    std::unordered_map<std::uint64_t, Filed> sparse;
};

} // namespace Vorn

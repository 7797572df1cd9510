// The game's one random generator: every random decision of the simulation, the AI, the particles and the
// drawings draws from it in program order.
#pragma once

#include <array>
#include <cstdint>

namespace Vorn {

// Everything the generator's future values depend on, so a saved game can carry on the same sequence.
struct RandomState {
    std::array<double, 97> lagged{};
    double c = 0;
    int i97 = 97;
    int j97 = 33;

    bool operator==(const RandomState&) const = default;
};

// Marsaglia and Zaman's universal generator (97 lagged 24-bit values combined with an arithmetic sequence).
// Every value is a multiple of 2^-24 in [0, 1), so it is exact in a float as well as in a double.
class Random {
public:
    // Seeded with the generator's standard seeds 12, 34, 56, 78.
    Random();

    // The four seeds of the original generator: i, j, k in 1..178 (not all 1), l in 0..168.
    void SeedIndices(int i, int j, int k, int l);
    // The two-number form: ij in 0..31328 and kl in 0..30081; values outside fall back to 1802 and 9373,
    // which are the standard seeds.
    void Seed(int ij, int kl);
    // Seeds from any 32-bit value, such as the system tick count.
    void Reseed(std::uint32_t value);

    // The next uniform value in [0, 1).
    double Next();

    RandomState State() const { return {lagged, c, i97, j97}; }
    // Takes over a state read from a file. A state the generator could never be in (a value outside
    // [0, 1), an index outside 1..97) is refused with false and the generator left as it was, since it
    // would index outside the lagged values or leave the unit interval.
    bool Restore(const RandomState& state);

private:
    std::array<double, 97> lagged{};
    double c = 0;
    int i97 = 97;
    int j97 = 33;
};

// The single generator everything draws from; the loading mode reseeds it from the tick count.
extern Random randomGenerator;

} // namespace Vorn

// The game's one random generator, Marsaglia and Zaman's universal generator.
#include "random/Random.h"

#include <algorithm>

namespace Vorn {

namespace {
constexpr double initialC = 362436.0 / 16777216.0;
constexpr double cd = 7654321.0 / 16777216.0;
constexpr double cm = 16777213.0 / 16777216.0;
} // namespace

Random randomGenerator;

Random::Random() {
    SeedIndices(12, 34, 56, 78);
}

void Random::SeedIndices(int i, int j, int k, int l) {
    for (double& value : lagged) {
        double sum = 0.0;
        double bit = 0.5;
        for (int b = 0; b < 24; ++b) {
            const int m = (((i * j) % 179) * k) % 179;
            i = j;
            j = k;
            k = m;
            l = (53 * l + 1) % 169;
            if ((l * m) % 64 >= 32)
                sum += bit;
            bit *= 0.5;
        }
        value = sum;
    }
    c = initialC;
    i97 = 97;
    j97 = 33;
}

void Random::Seed(int ij, int kl) {
    if (ij < 0 || ij > 31328 || kl < 0 || kl > 30081) {
        ij = 1802;
        kl = 9373;
    }
    SeedIndices((ij / 177) % 177 + 2, ij % 177 + 2, (kl / 169) % 178 + 1, kl % 169);
}

void Random::Reseed(std::uint32_t value) {
    Seed(static_cast<int>((value >> 16) % 31329u), static_cast<int>((value & 0xFFFFu) % 30082u));
}

double Random::Next() {
    double uni = lagged[i97 - 1] - lagged[j97 - 1];
    if (uni <= 0.0)
        uni += 1.0;
    lagged[i97 - 1] = uni;
    if (--i97 == 0)
        i97 = 97;
    if (--j97 == 0)
        j97 = 97;
    c -= cd;
    if (c < 0.0)
        c += cm;
    uni -= c;
    if (uni < 0.0)
        uni += 1.0;
    return uni;
}

namespace {
bool InUnitInterval(double value) {
    return value >= 0.0 && value < 1.0;
}
bool IsLagIndex(int index) {
    return index >= 1 && index <= 97;
}
} // namespace

bool Random::Restore(const RandomState& state) {
    if (!std::all_of(state.lagged.begin(), state.lagged.end(), InUnitInterval) || !InUnitInterval(state.c) ||
        !IsLagIndex(state.i97) || !IsLagIndex(state.j97))
        return false;
    lagged = state.lagged;
    c = state.c;
    i97 = state.i97;
    j97 = state.j97;
    return true;
}

} // namespace Vorn

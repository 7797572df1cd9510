// A landmine.
#include "world/Landmine.h"

#include "random/Random.h"
#include "rules/LandmineData.h"
#include "world/Explosion.h"
#include "world/World.h"

#include <memory>
#include <stdexcept>

namespace Vorn {

Landmine::Landmine(Type type, const Constants::LandmineData* record) : type(type), record(record) {
    if (record)
        size = record->size;
}

// Only enemies trigger it; once triggered nothing stops the countdown.
void Landmine::Update(World& world, unsigned elapsedMs) {
    if (!record)
        return;
    if (!triggered && world.FindNearestEnemy(x, y, record->range, side)) {
        triggered = true;
        elapsed = 0;
    }
    if (!triggered || detonated)
        return;
    elapsed += static_cast<int>(elapsedMs);
    if (elapsed >= record->countdown)
        Detonate(world);
}

// A large mine bursts four times over its footprint, so its centre takes four blasts.
void Landmine::Detonate(World& world) {
    detonated = true;
    const int blasts = type == LandmineType::LargeLandmine ? 4 : 1;
    for (int i = 0; i < blasts; ++i) {
        const float blastX = x - size * 0.5f + static_cast<float>(randomGenerator.Next()) * size;
        const float blastY = y - size * 0.5f + static_cast<float>(randomGenerator.Next()) * size;
        std::unique_ptr<Explosion> explosion;
        try {
            explosion = std::make_unique<Explosion>(&world, ExplosionType::ExplosionMine, 0.0f);
        } catch (const std::invalid_argument&) {
            continue;
        }
        explosion->x = blastX;
        explosion->y = blastY;
        explosion->side = side;
        world.InsertEffect(world.LowerEffects(), explosion.release());
    }
}

void Landmine::SetOff() {
    if (triggered)
        return;
    triggered = true;
    elapsed = record ? record->countdown - 1 : 0;
}

bool Landmine::HasDetonated() const {
    return triggered && elapsed >= (record ? record->countdown : 0);
}

} // namespace Vorn

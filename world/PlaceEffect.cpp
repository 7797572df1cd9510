// Putting effects into the world's layers.
#include "world/PlaceEffect.h"

#include "world/Explosion.h"

#include <memory>
#include <stdexcept>

namespace Vorn {

namespace {
template <typename Make> Effect* Place(World& world, World::EffectMap& layer, float x, float y, Make make) {
    std::unique_ptr<Effect> effect;
    try {
        effect = make();
    } catch (const std::invalid_argument&) {
        return nullptr;
    }
    effect->x = x;
    effect->y = y;
    world.InsertEffect(layer, effect.get());
    return effect.release();
}
} // namespace

Effect* PlaceEffect(World& world, World::EffectMap& layer, const std::string& systemName,
                    float directionOffset, bool stepMode, float x, float y) {
    return Place(world, layer, x, y,
                 [&] { return std::make_unique<Effect>(systemName, directionOffset, stepMode); });
}

Explosion* PlaceExplosion(World& world, ExplosionType type, float x, float y, int side) {
    return static_cast<Explosion*>(Place(world, world.UpperEffects(), x, y, [&] {
        auto explosion = std::make_unique<Explosion>(&world, type, 0.0f);
        explosion->side = side;
        return explosion;
    }));
}

} // namespace Vorn

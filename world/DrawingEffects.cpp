// Effects at a drawing's particle-system points.
#include "world/DrawingEffects.h"

#include "visuals/Drawing.h"
#include "world/Angles.h"
#include "world/AttachedEffect.h"
#include "world/Effect.h"
#include "world/PlaceEffect.h"

#include <cmath>

namespace Vorn {

std::vector<Effect*> AttachDrawingEffects(World& world, const Drawing* drawing, float x, float y,
                                          float direction) {
    std::vector<Effect*> effects;
    if (!drawing)
        return effects;
    const auto& points = drawing->ParticleSystemPoints();
    const auto& names = drawing->ParticleSystemNames();
    const double a = -direction * radiansPerDegree;
    const float cosA = static_cast<float>(std::cos(a));
    const float sinA = static_cast<float>(std::sin(a));
    for (std::size_t i = 0; i < points.size() && i < names.size(); ++i) {
        const float px = points[i].x;
        const float py = points[i].y;
        if (Effect* effect = PlaceEffect(world, world.UpperEffects(), names[i], 0, false,
                                         x + px * cosA - py * sinA, y + px * sinA + py * cosA)) {
            // Held, so that the world never deletes an effect its object still points to.
            effect->held = true;
            effects.push_back(effect);
        }
    }
    return effects;
}

void ReleaseDrawingEffects(std::vector<Effect*>& effects) {
    for (Effect* effect : effects)
        ReleaseEffect(effect);
    effects.clear();
}

} // namespace Vorn

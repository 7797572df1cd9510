// A tank: assembly, its brain's step and the effects it drags along.
#include "world/Tank.h"

#include "ai/TankBrain.h"
#include "visuals/DrawingStore.h"
#include "rules/ConstantsTable.h"
#include "rules/TankData.h"
#include "rules/TypeCatalogue.h"
#include "shell/PrefetchWhole.h"
#include "world/Angles.h"
#include "world/Effect.h"
#include "world/PlaceEffect.h"
#include "world/Turret.h"
#include "world/World.h"

#include <cmath>

namespace Vorn {

Tank::Tank(World* world, TankType type, int side, std::uint16_t callsignNumber, ArmorType armorType,
           TurretType turretType)
    : record(Constants::constantsTable.Find<Constants::TankData>(ConstantIdOf(type))), world(world),
      type(type) {
    this->side = side;
    number = callsignNumber;
    drawing = drawingStore.FindDrawing(TypeNameOf(type));
    if (record)
        size = record->size;
    turret = std::make_unique<Turret>(world, this, turretType, side);
    armor = std::make_unique<Armor>(armorType, record ? record->baseArmor : 0);
    brain = std::make_unique<TankBrain>(world, this);
}

Tank::~Tank() {
    for (const std::vector<AttachedEffect>* list : {&exhaust, &dust})
        for (const AttachedEffect& attached : *list)
            ReleaseEffect(attached.effect);
}

void Tank::Update(unsigned elapsedMs) {
    brain->Process(elapsedMs);
    if (firstUpdatePending) {
        firstUpdatePending = false;
        AttachEffects();
        PlaceEffects(x, y);
    }
    RaiseDust(brain->movedFlag);
}

// Only the tank pauses and unpauses its dust, so a step that keeps the dust as it was need not read the
// effects: in a battle most tanks stand, and their dust lies elsewhere on the heap.
void Tank::RaiseDust(bool raised) {
    if (dustRaised == raised)
        return;
    dustRaised = raised;
    for (const AttachedEffect& attached : dust)
        attached.effect->SetPaused(!raised);
}

bool Tank::MayTouchEffects() const {
    return dustRaised.value_or(true);
}

// Exhausts at the chassis drawing's particle-system points above, dust at its mouths below.
void Tank::AttachEffects() {
    if (!world)
        return;
    const auto& points = drawing->ParticleSystemPoints();
    const auto& names = drawing->ParticleSystemNames();
    for (std::size_t i = 0; i < points.size(); ++i)
        if (Effect* effect = PlaceEffect(*world, world->UpperEffects(), names[i], 0, false, x + points[i].x,
                                         y + points[i].y)) {
            effect->held = true;
            exhaust.push_back({effect, points[i].x, points[i].y});
        }
    for (const Drawing::Point& mouth : drawing->Mouths())
        if (Effect* effect = PlaceEffect(*world, world->LowerEffects(), "MotionDust", 0, false, x + mouth.x,
                                         y + mouth.y)) {
            effect->held = true;
            dust.push_back({effect, mouth.x, mouth.y});
        }
}

void Tank::PrefetchWholeTank() const {
    Zelt::PrefetchWhole(this);
}

void Tank::PrefetchParts() const {
    Zelt::PrefetchWhole(brain.get());
    Zelt::PrefetchWhole(turret.get());
    __builtin_prefetch(armor.get());
    if (!MayTouchEffects())
        return;
    __builtin_prefetch(exhaust.data());
    __builtin_prefetch(dust.data());
}

void Tank::PrefetchEffects() const {
    if (MayTouchEffects())
        for (const std::vector<AttachedEffect>* list : {&exhaust, &dust})
            for (const AttachedEffect& attached : *list)
                Zelt::PrefetchWhole(attached.effect);
    brain->PrefetchNextWaypoint();
    if (turret)
        __builtin_prefetch(turret->brain.Target());
}

void Tank::PlaceEffects(float fromX, float fromY) {
    if (!world)
        return;
    const float dx = fromX - x;
    const float dy = fromY - y;
    const double a = -direction * radiansPerDegree;
    const float cosA = static_cast<float>(std::cos(a));
    const float sinA = static_cast<float>(std::sin(a));
    const auto place = [&](std::vector<AttachedEffect>& list, World::EffectMap& layer) {
        for (const AttachedEffect& attached : list) {
            attached.effect->MoveParticles(dx, dy);
            world->RefileEffect(layer, attached.effect, x + attached.offsetX * cosA - attached.offsetY * sinA,
                                y + attached.offsetX * sinA + attached.offsetY * cosA);
        }
    };
    place(exhaust, world->UpperEffects());
    place(dust, world->LowerEffects());
}

void Tank::OnTargetAcquired(Object* target) {
    brain->OnTargetAcquired(target);
}

void Tank::OnLineOfFireBlocked(float targetX, float targetY) {
    brain->OnLineOfFireBlocked(targetX, targetY);
}

void Tank::OnTargetLost() {
    brain->OnTargetLost();
}

void Tank::OnTargetOutOfRange() {}

std::optional<HitPoints> Tank::Health() const {
    if (!armor)
        return std::nullopt;
    return HitPoints{armor->hitPoints, armor->maxHitPoints};
}

void Tank::SetHealth(float current) {
    if (armor)
        armor->hitPoints = current;
}

bool Tank::IsDestroyed() const {
    const std::optional<HitPoints> health = Health();
    return !health || health->current <= 0;
}

} // namespace Vorn

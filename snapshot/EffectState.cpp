// The state of the effects in both layers, particle by particle, and of the bursts every unit shares.
// Effects come before the objects, so that tanks, bullets and buildings name theirs by number.
#include "snapshot/EffectState.h"

#include "rules/TypeCatalogue.h"
#include "save/SaveLimits.h"
#include "snapshot/CellOrder.h"
#include "visuals/ParticleSystem.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/Explosion.h"
#include "world/World.h"

#include <map>

namespace Vorn {

namespace {

enum class EffectClass : std::uint8_t { Plain, Explosion };
constexpr int effectClassCount = 2;
// A particle's eight fields.
constexpr std::size_t particleBytes = 32;
// The least an effect takes: its class, an empty name, its fields and a system without particles.
constexpr std::size_t leastEffectBytes = 60;

// The system's record name, found by the record it was made from.
std::string NameOf(const ParticleSystem& system) {
    if (particleSystemFactory != nullptr)
        for (const auto& [name, record] : particleSystemFactory->Systems())
            if (static_cast<const ParticleFactory*>(record.get()) == &system.Factory())
                return name;
    return {};
}

void WriteSystem(ByteWriter& out, const ParticleSystem& system) {
    const ParticleSystem::Progress progress = system.SavedProgress();
    out.U32(progress.age);
    out.U32(progress.rounds);
    out.F32(progress.direction);
    out.F32(progress.scatterAngle);
    out.Flag(progress.focus);
    out.Flag(progress.paused);
    out.Flag(progress.ended);
    out.F32(progress.offsetX);
    out.F32(progress.offsetY);
    out.U32(static_cast<std::uint32_t>(system.Particles().size()));
    for (const ParticleSystem::ParticleRecord& particle : system.Particles()) {
        out.F32(particle.x);
        out.F32(particle.y);
        out.F32(particle.heading);
        out.F32(particle.sinHeading);
        out.F32(particle.cosHeading);
        out.U32(system.AgeOf(particle));
        out.U32(particle.moveTime);
        out.F32(particle.sprite.spinFactor);
    }
    out.U32(static_cast<std::uint32_t>(system.Layers().size()));
    for (const ParticleSystem& layer : system.Layers())
        WriteSystem(out, layer);
}

void ReadSystem(ByteReader& in, ParticleSystem& system) {
    ParticleSystem::Progress progress;
    progress.age = in.U32("system's age");
    progress.rounds = in.U32("emission rounds");
    progress.direction = in.F32("system's direction");
    progress.scatterAngle = in.F32("scatter angle");
    progress.focus = in.Flag("focus flag");
    progress.paused = in.Flag("system's pause flag");
    progress.ended = in.Flag("system's end flag");
    progress.offsetX = in.F32("system's offset x");
    progress.offsetY = in.F32("system's offset y");
    const std::size_t count = in.Count("particle count", SaveLimits::maxParticlesPerSystem, particleBytes);
    ParticleSystem::ParticleArray particles(count);
    for (ParticleSystem::ParticleRecord& particle : particles) {
        particle.x = in.F32("particle x");
        particle.y = in.F32("particle y");
        particle.heading = in.F32("particle heading");
        particle.sinHeading = in.F32("particle heading's sine");
        particle.cosHeading = in.F32("particle heading's cosine");
        particle.born = ParticleSystem::BornAt(progress.age, in.U32("particle age"));
        particle.moveTime = in.U32("particle move time");
        particle.sprite.spinFactor = in.F32("spin factor");
    }
    system.Restore(progress, std::move(particles));
    const std::uint32_t layers = in.U32("layer count");
    if (!in.Failed() && layers != system.Layers().size())
        return in.Fail("a particle system has " + std::to_string(layers) + " layers where its record has " +
                       std::to_string(system.Layers().size()));
    for (ParticleSystem& layer : system.Layers())
        ReadSystem(in, layer);
}

void WriteEffect(ByteWriter& out, const Effect& effect) {
    const auto* explosion = dynamic_cast<const Explosion*>(&effect);
    out.U8(static_cast<std::uint8_t>(explosion != nullptr ? EffectClass::Explosion : EffectClass::Plain));
    if (explosion != nullptr)
        out.U32(static_cast<std::uint32_t>(explosion->type));
    out.String(effect.System() != nullptr ? NameOf(*effect.System()) : std::string());
    out.Flag(effect.stepMode);
    out.F32(effect.x);
    out.F32(effect.y);
    out.F32(effect.size);
    out.Flag(effect.alwaysDrawn);
    out.Flag(effect.frozen);
    out.Flag(effect.held);
    out.Flag(effect.OwnPaused());
    out.Flag(effect.OwnEnded());
    if (explosion != nullptr) {
        out.I32(explosion->side);
        out.F32(explosion->damageMultiplier);
        out.Flag(explosion->shockwaveDone);
        out.Flag(explosion->damageDone);
    }
    if (effect.System() != nullptr)
        WriteSystem(out, *effect.System());
}

// Made as it was first (an explosion by its type, any other by its system's name), then given the saved
// progress. A name the data does not know is refused before anything is made of it.
std::unique_ptr<Effect> MakeEffect(ByteReader& in, World& world) {
    const std::uint8_t classNumber = in.U8("effect class");
    if (classNumber >= effectClassCount)
        in.Fail("effect class " + std::to_string(classNumber) + " is not one of the game's");
    const auto effectClass = static_cast<EffectClass>(classNumber);
    const bool isExplosion = effectClass == EffectClass::Explosion;
    const auto type = isExplosion
                          ? static_cast<ExplosionType>(in.Bounded("explosion type", explosionTypeCount - 1))
                          : ExplosionType{};
    std::string name = in.String("particle system name", SaveLimits::maxSystemNameBytes);
    const bool stepMode = in.Flag("step mode flag");
    if (in.Failed())
        return nullptr;
    if (isExplosion && name != TypeNameOf(type)) {
        in.Fail("an explosion's particle system \"" + ShownInFault(name) + "\" is not its type's");
        return nullptr;
    }
    if (particleSystemFactory == nullptr || particleSystemFactory->BehaviorOf(name) == nullptr) {
        in.Fail("the particle system \"" + ShownInFault(name) + "\" is not one of the data's");
        return nullptr;
    }
    std::unique_ptr<Effect> effect;
    if (isExplosion)
        effect = std::make_unique<Explosion>(&world, type, 0.0f);
    else
        effect = std::make_unique<Effect>(name, 0.0f, stepMode);
    effect->stepMode = stepMode;
    return effect;
}

std::unique_ptr<Effect> ReadEffect(ByteReader& in, World& world) {
    std::unique_ptr<Effect> effect = MakeEffect(in, world);
    if (!effect)
        return nullptr;
    effect->x = in.F32("effect x");
    effect->y = in.F32("effect y");
    effect->size = in.F32("effect size");
    effect->alwaysDrawn = in.Flag("always drawn flag");
    effect->frozen = in.Flag("frozen flag");
    effect->held = in.Flag("held flag");
    const bool paused = in.Flag("effect's pause flag");
    effect->RestoreOwnFlags(paused, in.Flag("effect's end flag"));
    if (auto* explosion = dynamic_cast<Explosion*>(effect.get())) {
        explosion->side = static_cast<int>(in.Bounded("explosion's side", noSide));
        explosion->damageMultiplier = in.F32("damage multiplier");
        explosion->shockwaveDone = in.Flag("shockwave flag");
        explosion->damageDone = in.Flag("damage flag");
    }
    if (effect->System() != nullptr)
        ReadSystem(in, *effect->System());
    return in.Failed() ? nullptr : std::move(effect);
}

} // namespace

void WriteEffects(StateWriter& writer, World& world) {
    std::uint32_t number = 0;
    for (World::EffectMap* layer : {&world.LowerEffects(), &world.UpperEffects()}) {
        writer.out.U32(static_cast<std::uint32_t>(layer->Count()));
        for (const World::EffectMap::Cell* cell : layer->CellsInOrder())
            for (const Effect* effect : *cell) {
                writer.effectNumbers.emplace(effect, ++number);
                WriteEffect(writer.out, *effect);
            }
    }
    for (const SharedBurst& burst : world.shared.shells)
        writer.EffectNumber(burst.Current());
    for (const SharedBurst& burst : world.shared.fragments)
        writer.EffectNumber(burst.Current());
}

void ReadEffects(StateReader& reader, World& world) {
    for (World::EffectMap* layer : {&world.LowerEffects(), &world.UpperEffects()}) {
        const std::size_t count = reader.in.Count("effect count", SaveLimits::maxEffects, leastEffectBytes);
        CellOrder order;
        for (std::size_t index = 0; index < count && !reader.in.Failed(); ++index)
            if (std::unique_ptr<Effect> effect = ReadEffect(reader.in, world)) {
                if (!order.Follows(effect->x, effect->y))
                    return reader.in.Fail("effect " + std::to_string(reader.effects.size() + 1) +
                                          " is listed after effects of a later cell of the map");
                reader.effects.push_back(effect.get());
                world.InsertEffect(*layer, effect.release());
            }
    }
    for (SharedBurst& burst : world.shared.shells)
        burst.RestoreCurrent(reader.EffectOfNumber("shell burst"));
    for (SharedBurst& burst : world.shared.fragments)
        burst.RestoreCurrent(reader.EffectOfNumber("fragment burst"));
}

} // namespace Vorn

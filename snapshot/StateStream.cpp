// The pieces every object's state has.
#include "snapshot/StateStream.h"

#include "ai/Brain.h"
#include "save/SaveLimits.h"
#include "world/ObjectKind.h"
#include "world/World.h"

namespace Vorn {

void StateWriter::ObjectBase(const Object& object) {
    out.U64(object.Serial());
    out.U32(drawings.NumberOf(object.drawing));
    out.F32(object.x);
    out.F32(object.y);
    out.F32(object.size);
    out.F32(object.direction);
    out.U32(static_cast<std::uint32_t>(object.side));
    out.Flag(object.doomed);
}

void StateWriter::BrainBase(const Brain& brain) {
    out.I32(brain.thinkCountdown);
    out.I32(brain.slowThinkCountdown);
    out.Flag(brain.slowThinkDue);
}

void StateWriter::EffectNumber(const Effect* effect) {
    const auto found = effectNumbers.find(effect);
    out.U32(found == effectNumbers.end() ? 0 : found->second);
}

void StateWriter::EffectList(const std::vector<Effect*>& effects) {
    out.U32(static_cast<std::uint32_t>(effects.size()));
    for (const Effect* effect : effects)
        EffectNumber(effect);
}

void StateWriter::AttachedEffects(const std::vector<AttachedEffect>& effects) {
    out.U32(static_cast<std::uint32_t>(effects.size()));
    for (const AttachedEffect& attached : effects) {
        EffectNumber(attached.effect);
        out.F32(attached.offsetX);
        out.F32(attached.offsetY);
    }
}

void StateWriter::Reference(const ObjectRef& reference) {
    out.Flag(static_cast<bool>(reference));
    if (reference)
        out.U64(reference.Serial());
}

std::uint64_t StateReader::ObjectBase(Object& object) {
    const std::uint64_t serial = in.U64("serial");
    const std::uint32_t drawing = in.U32("drawing");
    if (!drawings.Find(drawing, object.drawing))
        in.Fail("drawing " + std::to_string(drawing) + " is not one of the data's drawings");
    object.x = in.F32("x");
    object.y = in.F32("y");
    object.size = in.F32("size");
    object.direction = in.F32("direction");
    // Turrets and armour carry their unit's side; only filed objects must have one of the seven.
    object.side = static_cast<int>(in.Bounded("side", noSide));
    object.doomed = in.Flag("doomed flag");
    return serial;
}

void StateReader::UnfiledBase(Object& object) {
    if (ObjectBase(object) != 0)
        in.Fail("an object the world never files has a serial");
}

void StateReader::BrainBase(Brain& brain) {
    brain.thinkCountdown = in.I32("think countdown");
    brain.slowThinkCountdown = in.I32("slow think countdown");
    brain.slowThinkDue = in.Flag("slow think flag");
}

void StateReader::Reference(ObjectRef& reference, const char* what) {
    if (!in.Flag(what))
        return;
    const std::uint64_t serial = in.U64(what);
    Link([this, &reference, serial] { reference = ObjectRef::Restored(world.FindBySerial(serial), serial); });
}

Effect* StateReader::EffectOfNumber(const char* what) {
    const std::uint32_t number = in.U32(what);
    if (number == 0)
        return nullptr;
    if (number > effects.size()) {
        in.Fail(std::string(what) + " " + std::to_string(number) + " is not one of the " +
                std::to_string(effects.size()) + " effects");
        return nullptr;
    }
    return effects[number - 1];
}

Effect* StateReader::ListedEffect(const char* what) {
    Effect* effect = EffectOfNumber(what);
    if (effect == nullptr && !in.Failed())
        in.Fail(std::string(what) + " names no effect");
    return effect;
}

std::vector<Effect*> StateReader::EffectList(const char* what) {
    const std::size_t count = in.Count(what, SaveLimits::maxEffectsPerOwner, 4);
    std::vector<Effect*> list;
    for (std::size_t index = 0; index < count && !in.Failed(); ++index)
        if (Effect* effect = ListedEffect(what))
            list.push_back(effect);
    return list;
}

std::vector<AttachedEffect> StateReader::AttachedEffects(const char* what) {
    const std::size_t count = in.Count(what, SaveLimits::maxEffectsPerOwner, 12);
    std::vector<AttachedEffect> list;
    for (std::size_t index = 0; index < count && !in.Failed(); ++index) {
        Effect* effect = ListedEffect(what);
        const float offsetX = in.F32("effect offset x");
        const float offsetY = in.F32("effect offset y");
        if (effect != nullptr)
            list.push_back({effect, offsetX, offsetY});
    }
    return list;
}

void StateReader::ResolveLinks() {
    for (const auto& link : links)
        link();
    links.clear();
}

} // namespace Vorn

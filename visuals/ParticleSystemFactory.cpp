// Reading particles.xml, making the systems' sprites and creating running systems by name.
#include "visuals/ParticleSystemFactory.h"

#include "datafiles/ColourTable.h"
#include "datafiles/Node.h"
#include "random/Random.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

ParticleSystemFactory* particleSystemFactory = nullptr;

namespace {

// A missing parameter element or "value" attribute reads as 0, false or the empty string.
const Brisk::Attribute* ValueOf(const Brisk::Node& record, const char* parameter) {
    const Brisk::Node* element = record.FindChild(parameter);
    return element == nullptr ? nullptr : element->FindAttribute("value");
}

// Times and counts are unsigned; a negative number in the file means nothing sensible and reads as 0
// instead of wrapping to billions of milliseconds or particles.
std::uint32_t ReadCount(const Brisk::Node& record, const char* parameter) {
    const Brisk::Attribute* value = ValueOf(record, parameter);
    return value == nullptr ? 0 : std::uint32_t(std::max(0, Brisk::ToInt(*value)));
}

float ReadReal(const Brisk::Node& record, const char* parameter) {
    const Brisk::Attribute* value = ValueOf(record, parameter);
    return value == nullptr ? 0.0f : static_cast<float>(Brisk::ToFloat(*value));
}

bool ReadFlag(const Brisk::Node& record, const char* parameter) {
    const Brisk::Attribute* value = ValueOf(record, parameter);
    return value != nullptr && Brisk::ToBool(*value);
}

std::string ReadText(const Brisk::Node& record, const char* parameter) {
    const Brisk::Attribute* value = ValueOf(record, parameter);
    return value == nullptr ? std::string() : value->value;
}

ParticleBehavior ReadBehavior(const Brisk::Node& record) {
    ParticleBehavior behavior;
    behavior.lifeTime = ReadCount(record, "life_time");
    behavior.emitTime = ReadCount(record, "emit_time");
    behavior.emitNumber = ReadCount(record, "emit_number");
    behavior.sourceOffsetX = ReadReal(record, "source_offset_x");
    behavior.sourceOffsetY = ReadReal(record, "source_offset_y");
    behavior.sourceRadius = ReadReal(record, "source_radius");
    behavior.particleLifeTime = ReadCount(record, "particle_life_time");
    behavior.particleMoveTime = ReadCount(record, "particle_move_time");
    behavior.particleMoveTimeRandom = ReadCount(record, "particle_move_time_random");
    behavior.particleSpeed = ReadReal(record, "particle_speed");
    behavior.slowDown = ReadFlag(record, "particle_motion_slow_down");
    behavior.logSlowDown = ReadFlag(record, "particle_motion_log_slow_down");
    behavior.inverseSlowDown = ReadFlag(record, "particle_motion_inv_slow_down");
    behavior.fadeInBegin = ReadCount(record, "particle_fade_in_begin");
    behavior.fadeInEnd = ReadCount(record, "particle_fade_in_end");
    behavior.alphaLog = ReadFlag(record, "particle_alpha_log");
    return behavior;
}

std::unique_ptr<ParticleSystemFactory::CommonParticleFactory> ReadSystem(const Brisk::Node& record) {
    auto system = std::make_unique<ParticleSystemFactory::CommonParticleFactory>();
    system->particleSize = ReadReal(record, "particle_size");
    system->particleSizeEnd = ReadReal(record, "particle_size_end");
    system->scatterAngle = ReadReal(record, "scatter_angle");
    system->direction = ReadReal(record, "direction");
    system->focus = ReadFlag(record, "focus");
    system->rotationSpeed = ReadReal(record, "rotation_speed");
    system->behaviorName = ReadText(record, "behavior");
    system->textureName = ReadText(record, "texture");
    const std::uint8_t* colour = colourTable.ColourOf(ReadText(record, "color"));
    std::copy(colour, colour + 4, system->colour.begin());
    for (const Brisk::Node& element : record.children) {
        const Brisk::Attribute* value = element.FindAttribute("value");
        if (element.name == "layer" && value != nullptr) {
            system->layerNames.push_back(value->value);
        }
    }
    return system;
}

} // namespace

void ParticleSystemFactory::Load(const Brisk::Node& document) {
    if (const Brisk::Node* section = document.FindChild("behavior")) {
        for (const Brisk::Node& record : section->children) {
            behaviors[record.name] = ReadBehavior(record);
        }
    }
    if (const Brisk::Node* section = document.FindChild("system")) {
        for (const Brisk::Node& record : section->children) {
            systems[record.name] = ReadSystem(record);
        }
    }
}

std::optional<ParticleSystem> ParticleSystemFactory::MakeSystem(const std::string& systemName) {
    return MakeSystem(systemName, 0);
}

std::unique_ptr<ParticleSystem> ParticleSystemFactory::CreateSystem(const std::string& systemName) {
    std::optional<ParticleSystem> made = MakeSystem(systemName);
    return made ? std::make_unique<ParticleSystem>(std::move(*made)) : nullptr;
}

std::optional<ParticleSystem> ParticleSystemFactory::MakeSystem(const std::string& systemName, int depth) {
    const auto system = systems.find(systemName);
    if (system == systems.end()) {
        return std::nullopt;
    }
    const auto behavior = behaviors.find(system->second->behaviorName);
    if (behavior == behaviors.end()) {
        return std::nullopt;
    }
    CommonParticleFactory& record = *system->second;
    std::optional<ParticleSystem> made(std::in_place, record, behavior->second, record.direction,
                                       record.scatterAngle, record.focus);
    if (depth < maxLayerDepth) {
        made->ReserveLayers(record.layerNames.size());
        for (const std::string& layerName : record.layerNames) {
            if (auto layer = MakeSystem(layerName, depth + 1)) {
                made->AddLayer(std::move(*layer));
            }
        }
    }
    return made;
}

const ParticleBehavior* ParticleSystemFactory::BehaviorOf(const std::string& systemName) const {
    const auto system = systems.find(systemName);
    if (system == systems.end()) {
        return nullptr;
    }
    const auto behavior = behaviors.find(system->second->behaviorName);
    return behavior == behaviors.end() ? nullptr : &behavior->second;
}

void ParticleSystemFactory::Release() {
    systems.clear();
    behaviors.clear();
}

// The spin factor is the sprite's only random draw, made whether or not a window exists, so a run consumes
// the same random values with or without one.
Particle ParticleSystemFactory::CommonParticleFactory::Create() {
    return Particle{static_cast<float>(randomGenerator.Next() + 0.5)};
}

float ParticleSystemFactory::CommonParticleFactory::Scale(float size, float sizeEnd, float progress) {
    return progress * (sizeEnd / size - 1.0f) + 1.0f;
}

// A sprite that starts with no size cannot be scaled up from it; it grows to the end size directly.
float ParticleSystemFactory::CommonParticleFactory::HalfSide(float progress) const {
    return particleSize != 0.0f ? particleSize * Scale(particleSize, particleSizeEnd, progress)
                                : progress * particleSizeEnd;
}

} // namespace Vorn

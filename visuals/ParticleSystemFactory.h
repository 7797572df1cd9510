// The named particle behaviours and systems of particles.xml, and the creation of running systems by name.
#pragma once

#include "visuals/ParticleBehavior.h"
#include "visuals/ParticleFactory.h"
#include "visuals/ParticleSystem.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn {

// The file's name in the data folder, for the game, the tools and the checker alike.
inline constexpr const char* particlesFileName = "particles.xml";

// One global instance lives from the loading mode to shutdown; every running system points into its records,
// so it must be released only after the last system is gone.
class ParticleSystemFactory {
public:
    // One system record of particles.xml: where its sprites start and turn, the look they are drawn with
    // and the layers drawn over them.
    class CommonParticleFactory : public ParticleFactory, public ParticleLook {
    public:
        Particle Create() override;
        float HalfSide(float progress) const override;
        const ParticleLook& Look() const override { return *this; }

        // The uniform scale that grows the half side from the particle size to the end size over the move.
        static float Scale(float size, float sizeEnd, float progress);

        float scatterAngle = 0.0f;
        float direction = 0.0f;
        bool focus = false;
        std::string behaviorName;
        // Systems drawn over this one's particles, from the record's "layer" elements in file order.
        std::vector<std::string> layerNames;
    };

    // Fills both maps from the particles.xml document; later records replace earlier ones of the same name.
    void Load(const Brisk::Node& document);
    // A new system of that name, or none when the system or its behaviour is unknown. Layers whose names
    // are unknown, or that would nest deeper than maxLayerDepth (a record naming itself), are left out.
    std::optional<ParticleSystem> MakeSystem(const std::string& systemName);
    // The same system on the heap, or null: for the tools and tests that keep systems apart from effects.
    std::unique_ptr<ParticleSystem> CreateSystem(const std::string& systemName);
    void Release();

    const std::map<std::string, ParticleBehavior>& Behaviors() const { return behaviors; }
    const std::map<std::string, std::unique_ptr<CommonParticleFactory>>& Systems() const { return systems; }
    // The behaviour a system name would run with, or null.
    const ParticleBehavior* BehaviorOf(const std::string& systemName) const;

    static constexpr int maxLayerDepth = 4;

private:
    std::optional<ParticleSystem> MakeSystem(const std::string& systemName, int depth);

    std::map<std::string, ParticleBehavior> behaviors;
    std::map<std::string, std::unique_ptr<CommonParticleFactory>> systems;
};

// The game's factory, made by the loading mode and deleted at window destruction; null before and after.
extern ParticleSystemFactory* particleSystemFactory;

} // namespace Vorn

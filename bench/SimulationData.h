// The data a simulated battle reads, for the benchmarks that run one.
#pragma once

#include "datafiles/DataArchive.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "rules/ConstantsLoader.h"

#include <filesystem>

namespace Vorn::Bench {

// The shipped rules, drawings and particle systems, loaded from the source tree for one benchmark run and
// released at its end; the working folder stays the source tree's, so that the run can read a level too.
// The world must go first: declare this before the world it serves.
class SimulationData {
public:
    // Without the particle systems no effect is made, which leaves the simulation's own cost.
    explicit SimulationData(bool withParticles = true) {
        std::filesystem::current_path(SECTOR_CLASH_SOURCE_DIR);
        Constants::LoadConstants();
        drawingStore.Load();
        if (withParticles)
            factory.Load(dataArchive.ReadDocument(Vorn::particlesFileName));
        particleSystemFactory = &factory;
    }
    ~SimulationData() {
        particleSystemFactory = nullptr;
        drawingStore.Release();
        Constants::ReleaseConstants();
    }
    SimulationData(const SimulationData&) = delete;
    SimulationData& operator=(const SimulationData&) = delete;

private:
    ParticleSystemFactory factory;
};

} // namespace Vorn::Bench

// The data a battle reads besides its level: the particle systems, the drawings and the rules, loaded in
// the order the game loads them (loading draws from the random generator, so the order is part of a
// seeded game) and released in reverse. Battles must go before it.
//
//   testing_support::SimulationData data;    // for as long as any battle lives
#pragma once

#include "datafiles/DataArchive.h"
#include "rules/ConstantsLoader.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"

namespace testing_support {

class SimulationData {
public:
    SimulationData() {
        using namespace Vorn;
        particleSystemFactory = new ParticleSystemFactory;
        particleSystemFactory->Load(dataArchive.ReadDocument("particles.xml"));
        drawingStore.Load();
        Constants::LoadConstants();
    }
    ~SimulationData() {
        using namespace Vorn;
        drawingStore.Release();
        delete particleSystemFactory;
        particleSystemFactory = nullptr;
        Constants::ReleaseConstants();
    }
    SimulationData(const SimulationData&) = delete;
    SimulationData& operator=(const SimulationData&) = delete;
};

} // namespace testing_support

// A small battlefield for the combat tests: hand-made records, particle systems and drawings installed as
// the game's for the length of one test, and an empty world to fight in.
#pragma once

#include "TestRecords.h"
#include "datafiles/Node.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "rules/ArmorData.h"
#include "rules/BulletData.h"
#include "rules/TankData.h"
#include "rules/TurretData.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <map>
#include <memory>
#include <string>

namespace WorldTest {

// Every system lives 1 s and emits a particle every 10 ms.
inline std::string ParticleDocument(std::initializer_list<const char*> names) {
    std::string text = R"(<behavior><Steady><life_time value="1000"/><emit_time value="10"/>
        <emit_number value="1"/><particle_life_time value="200"/><particle_speed value="10"/></Steady></behavior>
        <system>)";
    for (const char* name : names)
        text += std::string("<") + name + "><behavior value=\"Steady\"/></" + name + ">";
    return text + "</system>";
}

class CombatWorld {
public:
    CombatWorld() {
        Vorn::particleSystemFactory = &factory;
        Vorn::drawingStore.Load(Brisk::Node(), [](const std::string&) { return Brisk::Node(); });
    }
    ~CombatWorld() {
        world.reset();
        Vorn::drawingStore.Release();
        Vorn::particleSystemFactory = nullptr;
    }

    // Makes these particle systems known; every other name is unknown.
    void KnowParticleSystems(std::initializer_list<const char*> names) {
        Brisk::Node document;
        document.LoadText(ParticleDocument(names).c_str());
        factory.Load(document);
    }
    // Installs drawings by name from their document texts.
    void UseDrawings(const std::map<std::string, std::string>& texts) {
        std::string indexText;
        for (const auto& [name, text] : texts)
            indexText += "<" + name + " src=\"" + name + "\"/>";
        Brisk::Node index;
        index.LoadText(indexText.c_str());
        Vorn::drawingStore.Load(index, [&](const std::string& path) {
            Brisk::Node document;
            document.LoadText(texts.at(path.substr(std::string("graphics/").size())).c_str());
            return document;
        });
    }
    // A turret record that fires one shot per serie, every shot at once, and gains no experience in a test.
    Vorn::Constants::TurretData& Turret(Vorn::TurretType type, Vorn::BulletType bullet) {
        auto& turret = records.Add<Vorn::Constants::TurretData>(type);
        turret.maxAmmo = 100;
        turret.roundsInSerie = 1;
        turret.nBullets = 1;
        turret.canShoot = 1;
        turret.rotationSpeed = 90;
        turret.engageRange = 300;
        turret.bullet = bullet;
        for (int step = 0; step < 3; ++step) {
            turret.experienceBodycount[step] = 100 * (step + 1);
            turret.experienceRotateMul[step] = 1;
            turret.experienceAccuracyMul[step] = 1;
            turret.experienceEffectMul[step] = 1;
        }
        return turret;
    }
    Vorn::Constants::BulletData& Bullet(Vorn::BulletType type) {
        auto& bullet = records.Add<Vorn::Constants::BulletData>(type);
        bullet.topSpeed = 1000;
        bullet.effectivity = 10;
        bullet.range = 1000;
        bullet.payload = true;
        return bullet;
    }
    // A tank of the side at (x, y) with 100 hit points, filed in the world.
    Vorn::Tank* AddTank(float x, float y, int side, Vorn::TurretType turret = Vorn::TurretType::Gun1,
                        float hitPoints = 100) {
        auto* tank =
            new Vorn::Tank(world.get(), Vorn::TankType::LightTank, side, 0, Vorn::ArmorType::NoArmor, turret);
        tank->x = x;
        tank->y = y;
        tank->size = 10;
        tank->armor->maxHitPoints = hitPoints;
        tank->armor->hitPoints = hitPoints;
        world->InsertObject(tank, Vorn::KindTank);
        return tank;
    }

    TestRecords records;
    Vorn::ParticleSystemFactory factory;
    std::unique_ptr<Vorn::World> world = std::make_unique<Vorn::World>(8192.0f, 8192.0f, 800, 600);
};

// A drawing with mouths at the given points (x across, y along the barrel).
inline std::string MouthDrawing(std::initializer_list<std::pair<float, float>> mouths,
                                const char* flash = "") {
    std::string text;
    for (auto [x, y] : mouths)
        text +=
            "<mouth x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" ps=\"" + flash + "\"/>";
    return text;
}

} // namespace WorldTest

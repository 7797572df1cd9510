// A base for the main panel tests: hand-made records for every product the panel orders, buildings made as
// the game makes them, and a stand-in map overlay that records placing and lets a test put a product down.
#pragma once

#include "../world/BaseWorld.h"
#include "command/CommandQueue.h"
#include "interface/MessageLine.h"
#include "interface/OrderIssuer.h"
#include "interface/PanelOverlay.h"
#include "interface/ProductionNews.h"
#include "interface/ToolbarPanel.h"
#include "rules/ObstacleData.h"
#include "world/Object.h"

#include <vector>

namespace PanelTest {

class FakeOverlay : public Vorn::PanelOverlay {
public:
    struct Start {
        float maxBaseDistance = 0, minEnemyDistance = 0, size = 0;
        bool areaMustBeSecured = false;
        int depositRequirement = 0;
    };

    const std::vector<Vorn::Object*>& Selection() const override { return selection; }
    void StartPlacement(float maxBaseDistance, float minEnemyDistance, float size, bool areaMustBeSecured,
                        int depositRequirement) override {
        starts.push_back({maxBaseDistance, minEnemyDistance, size, areaMustBeSecured, depositRequirement});
        placing = true;
        confirmed = false;
    }
    bool Placing() const override { return placing; }
    void StopPlacing() override { placing = false; }
    bool TakeConfirmed(float& x, float& y) override {
        if (!confirmed)
            return false;
        confirmed = false;
        x = pointX;
        y = pointY;
        return true;
    }
    int PlacementStatus() const override { return status; }

    // A left press with the product allowed under the cursor, as the overlay handles it.
    void PutDown(float x, float y) {
        if (!placing)
            return;
        placing = false;
        confirmed = true;
        pointX = x;
        pointY = y;
    }

    std::vector<Vorn::Object*> selection;
    std::vector<Start> starts;
    bool placing = false;
    bool confirmed = false;
    float pointX = 0, pointY = 0;
    int status = 0;
};

class PanelWorld : public WorldTest::BaseWorld {
public:
    static constexpr int side = 3;

    PanelWorld() {
        for (auto type : {Vorn::BuildingType::Base, Vorn::BuildingType::Outpost, Vorn::BuildingType::Defense,
                          Vorn::BuildingType::TankFactory, Vorn::BuildingType::Armory,
                          Vorn::BuildingType::PowerPlant, Vorn::BuildingType::Mine}) {
            auto& record = BuildingType(type);
            record.price = 100 * (static_cast<int>(type) + 1);
            record.buildTime = 1000;
            record.maxBaseDistance = 700;
            record.minEnemyDistance = 250;
        }
        // Towers carry up to 10; turrets weigh 4 (Gun1), 10 (Cannon1) and 25 (Cannon2).
        for (int t = 0; t < Vorn::towerTypeCount; ++t) {
            auto& tower = records.Add<Vorn::Constants::TowerData>(static_cast<Vorn::TowerType>(t));
            tower.size = 12;
            tower.armor = 300;
            tower.maxLoad = 10;
            tower.price = 200;
            tower.buildTime = 2000;
            tower.maxBaseDistance = 600;
        }
        auto& gun = Turret(Vorn::TurretType::Gun1, Vorn::BulletType::GunBullet);
        gun.weight = 4;
        gun.price = 40;
        gun.buildTime = 500;
        Turret(Vorn::TurretType::Cannon1, Vorn::BulletType::TankBullet).weight = 10;
        Turret(Vorn::TurretType::Cannon2, Vorn::BulletType::TankBullet).weight = 25;
        Bullet(Vorn::BulletType::GunBullet);
        Bullet(Vorn::BulletType::TankBullet);
        for (auto type : {Vorn::LandmineType::SmallLandmine, Vorn::LandmineType::LargeLandmine}) {
            auto& mine = records.Add<Vorn::Constants::LandmineData>(type);
            mine.size = 8;
            mine.maxBaseDistance = 700;
            mine.price = 30;
            mine.buildTime = 300;
        }
        for (auto type : {Vorn::ObstacleType::ConcreteBlock, Vorn::ObstacleType::AntitankBlock}) {
            auto& block = records.Add<Vorn::Constants::ObstacleData>(type);
            block.size = 10;
            block.maxBaseDistance = 700;
            block.price = 20;
            block.buildTime = 200;
        }
        // The scout carries 20: light armour (10) and a gun (4) fit, a cannon (10) only without armour.
        auto& scout = records.Add<Vorn::Constants::TankData>(Vorn::TankType::ScoutTank);
        scout.size = 10;
        scout.maxLoad = 20;
        records.Add<Vorn::Constants::TankData>(Vorn::TankType::HeavyTank).maxLoad = 100;
        records.Add<Vorn::Constants::ArmorData>(Vorn::ArmorType::NoArmor);
        records.Add<Vorn::Constants::ArmorData>(Vorn::ArmorType::LightArmor).weight = 10;
        records.Add<Vorn::Constants::ArmorData>(Vorn::ArmorType::HeavyArmor).weight = 30;
        world->sides.playerSide = side;
        Money(side) = 10000;
        // The simulation judges a put-down again: the ground around the buildings is explored.
        world->fog.Reset(side);
        world->fog.RevealFog(0, 0, 12000, side);
    }

    // One update of the panel, as the interface gives it after the world's tick; the commands it issued are
    // applied as the next step begins, and the panel's next update shows what they did.
    void Update(unsigned elapsedMs = 16) {
        panel.Update(elapsedMs, {});
        if (commands.Waiting().empty())
            return;
        commands.ApplyDue(*world);
        panel.Update(0, {});
    }
    // A left click at the centre of button index of the toolbar shown.
    bool ClickButton(int index) {
        Vorn::Toolbar* toolbar = panel.Shown();
        if (toolbar == nullptr)
            return false;
        const int x = toolbar->X() + Vorn::Toolbar::firstButtonOffset + Vorn::Toolbar::buttonPitch * index -
                      static_cast<int>(toolbar->Scroll()) + 32;
        return panel.Click(x, toolbar->Y() + 32, 0);
    }
    // Clicks the button and lets the panel act on it.
    void Press(int index) {
        ClickButton(index);
        Update();
    }
    void Select(Vorn::Object* object) { overlay.selection = {object}; }
    // One step of the world, whose production news reach the message line as the interface passes them.
    void Tick(unsigned elapsedMs) {
        world->Tick(elapsedMs);
        Vorn::TellProductionNews(world->StepEvents(), side, messages);
    }
    // Ticks the world until the condition holds, at most the given time.
    template <class Condition> void TickUntil(Condition condition, unsigned limitMs = 20000) {
        for (unsigned t = 0; t < limitMs && !condition(); t += 100) {
            Tick(100);
            Update(100);
        }
    }
    std::size_t Count(Vorn::ObjectKind kind, int ofSide = side) {
        return world->Objects(ofSide, kind).Count();
    }

    FakeOverlay overlay;
    Vorn::MessageLine messages;
    Vorn::CommandQueue commands;
    Vorn::OrderIssuer orders{commands};
    // A 1280-pixel screen with the shipped minimap: toolbars 865 wide from x 224.
    Vorn::PanelLayout layout{1280, 720, 200, 8};
    Vorn::ToolbarPanel panel{*world, overlay, messages, orders, layout};
};

} // namespace PanelTest

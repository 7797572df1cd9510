// The constants loader: which element fills which slot, how keys are read, and the shipped file.
#include "rules/ConstantsLoader.h"
#include "datafiles/Node.h"
#include "rules/RecordClass.h"

#include <gtest/gtest.h>

namespace Vorn::Constants {
namespace {

class Loading : public ::testing::Test {
protected:
    void Load(const char* xml) {
        Brisk::Node document;
        document.LoadText(xml);
        LoadConstantsFrom(document, table);
    }

    ConstantsTable table;
};

// Notes its own deletion, to show that a replaced record is released.
struct TrackedTurret : TurretData {
    explicit TrackedTurret(bool& deleted) : deleted(deleted) {}
    ~TrackedTurret() override { deleted = true; }
    bool& deleted;
};

TEST_F(Loading, LaterDuplicateReplacesAndReleasesEarlierRecord) {
    bool earlierDeleted = false;
    table.Replace(ConstantId::Gun1, std::make_unique<TrackedTurret>(earlierDeleted));
    Load("<Gun1><max_ammo value='10'/></Gun1><Gun1><max_ammo value='20'/></Gun1>");
    EXPECT_TRUE(earlierDeleted);
    const TurretData* gun = table.Find<TurretData>(ConstantId::Gun1);
    ASSERT_NE(gun, nullptr);
    EXPECT_EQ(gun->maxAmmo, 20);
}

TEST_F(Loading, NamesMatchExactlyAndCaseSensitively) {
    Load("<Radar/><gun1/><HEAVYTANK/><Defense/><NotAnEntry/>");
    EXPECT_EQ(ConstantIdOfName("Radar"), ConstantId(13));
    EXPECT_NE(table.Find<TurretData>(ConstantId(13)), nullptr);
    EXPECT_EQ(table[ConstantId::Gun1], nullptr);
    EXPECT_EQ(table[ConstantId::HeavyTank], nullptr);
    EXPECT_NE(table.Find<BuildingData>(ConstantId::Defense), nullptr);
    EXPECT_EQ(ConstantIdOfName("NotAnEntry"), ConstantId::None);
    EXPECT_EQ(table[ConstantId::None], nullptr);
}

TEST_F(Loading, EnclosingRootElementIsOneUnknownEntry) {
    Load("<constants><Gun1/></constants>");
    EXPECT_EQ(table.MissingEntries().size(), 78u);
}

TEST_F(Loading, BulletWordIsMatchedExactly) {
    Load("<Gun1><bullet value='Rocket'/></Gun1><Gun2><bullet value='rocketL'/></Gun2>"
         "<Gun3><bullet value='grenade'/></Gun3><Razor1/>");
    EXPECT_EQ(table.Find<TurretData>(ConstantId::Gun1)->bullet, BulletType::GunBullet);
    EXPECT_EQ(table.Find<TurretData>(ConstantId::Gun2)->bullet, BulletType::RocketL);
    EXPECT_EQ(table.Find<TurretData>(ConstantId::Gun3)->bullet, BulletType::GrenadeBullet);
    EXPECT_EQ(table.Find<TurretData>(ConstantId::Razor1)->bullet, BulletType::GunBullet);
}

TEST_F(Loading, MissingKeysAndValuesReadAsZero) {
    Load("<Cannon1><max_ammo/><reload_time value='0.5'/></Cannon1><GunBullet><payload "
         "value='yes'/></GunBullet>"
         "<RocketL><payload value='False'/><death_ps value='Smoke'/></RocketL>");
    const TurretData* cannon = table.Find<TurretData>(ConstantId::Cannon1);
    EXPECT_EQ(cannon->maxAmmo, 0);
    EXPECT_FLOAT_EQ(cannon->reloadTime, 0.5f);
    EXPECT_EQ(cannon->weight, 0);
    EXPECT_EQ(cannon->experienceEffectMul[2], 0.0f);
    EXPECT_TRUE(cannon->shellPs.empty());
    EXPECT_TRUE(table.Find<BulletData>(ConstantId::GunBullet)->payload);
    EXPECT_FALSE(table.Find<BulletData>(ConstantId::RocketL)->payload);
    EXPECT_EQ(table.Find<BulletData>(ConstantId::RocketL)->deathPs, "Smoke");
}

TEST_F(Loading, PlaceableKeysAreReadFromTheSameElement) {
    Load("<DefenseTower><size value='20'/><area_must_be_secured value='1'/><max_load "
         "value='50'/></DefenseTower>"
         "<ConcreteBlock><size value='16'/><price value='40'/></ConcreteBlock>"
         "<Mine><max_base_distance value='900'/><money_generated value='400'/></Mine>");
    const TowerData* tower = table.Find<TowerData>(ConstantId::DefenseTower);
    EXPECT_FLOAT_EQ(tower->size, 20);
    EXPECT_TRUE(tower->areaMustBeSecured);
    EXPECT_EQ(tower->maxLoad, 50);
    EXPECT_EQ(table.Find<PlaceableData>(ConstantId::ConcreteBlock)->price, 40);
    const BuildingData* mine = table.Find<BuildingData>(ConstantId::Mine);
    EXPECT_FLOAT_EQ(mine->maxBaseDistance, 900);
    EXPECT_EQ(mine->moneyGenerated, 400);
}

TEST_F(Loading, EachSlotHoldsTheRecordClassOfItsRange) {
    std::string xml;
    for (int index = 1; index <= 78; ++index)
        xml += "<" + std::string(ConstantName(ConstantIdFromIndex(index))) + "/>";
    Load(xml.c_str());
    EXPECT_TRUE(table.MissingEntries().empty());
    auto classOf = [&](int index) { return RecordClassOf(ConstantIdFromIndex(index)); };
    for (int index = 1; index <= 78; ++index) {
        ConstantId id = ConstantIdFromIndex(index);
        bool rightClass = WithRecordType(classOf(index), [&]<class Record>(std::type_identity<Record>) {
            if constexpr (std::is_void_v<Record>)
                return false;
            else
                return table.Find<Record>(id) != nullptr;
        });
        EXPECT_TRUE(rightClass) << ConstantName(id);
    }
    EXPECT_EQ(classOf(17), RecordClass::Turret);
    EXPECT_EQ(classOf(21), RecordClass::Armor);
    EXPECT_EQ(classOf(24), RecordClass::Tank);
    EXPECT_EQ(classOf(35), RecordClass::Fow);
    EXPECT_EQ(classOf(48), RecordClass::HqExtra);
    EXPECT_EQ(classOf(58), RecordClass::Explosion);
    EXPECT_EQ(classOf(74), RecordClass::Corpse);
    EXPECT_EQ(classOf(78), RecordClass::Obstacle);
    EXPECT_NE(table.Find<PlaceableData>(ConstantId::Recycler), nullptr);
    EXPECT_EQ(table.Find<PlaceableData>(ConstantId::HeavyTank), nullptr);
}

TEST(MissingEntries, MessageNamesEveryMissingElement) {
    ConstantsTable table;
    Brisk::Node document;
    std::string xml;
    for (int index = 1; index <= 78; ++index) {
        std::string_view name = ConstantName(ConstantIdFromIndex(index));
        if (name != "Radar" && name != "FOW")
            xml += "<" + std::string(name) + "/>";
    }
    document.LoadText(xml.c_str());
    LoadConstantsFrom(document, table);
    EXPECT_EQ(table.MissingEntries(), (std::vector<std::string>{"Radar", "FOW"}));
    std::string message = MissingConstantsMessage(table);
    EXPECT_NE(message.find("Radar, FOW"), std::string::npos) << message;

    // A file that gives nothing is named as such, not by 78 names.
    ConstantsTable empty;
    EXPECT_EQ(MissingConstantsMessage(empty).rfind("constants.xml gives none", 0), 0u);
    EXPECT_LT(MissingConstantsMessage(empty).size(), 160u);
    Brisk::Node most;
    std::string mostXml;
    for (int index = 11; index <= 78; ++index)
        mostXml += "<" + std::string(ConstantName(ConstantIdFromIndex(index))) + "/>";
    most.LoadText(mostXml.c_str());
    LoadConstantsFrom(most, empty);
    EXPECT_NE(MissingConstantsMessage(empty).find(" and 2 more; "), std::string::npos)
        << MissingConstantsMessage(empty);

    table.Replace(ConstantId::Radar, std::make_unique<TurretData>());
    table.Replace(ConstantId::FOW, std::make_unique<FowData>());
    EXPECT_EQ(MissingConstantsMessage(table), "");
}

// The game reads "data/constants.xml" from the working directory, which for the tests is the source tree.
TEST(ShippedConstants, FillEverySlotAndRelease) {
    LoadConstants();
    EXPECT_TRUE(constantsTable.MissingEntries().empty());
    EXPECT_EQ(MissingConstantsMessage(), "");
    const TurretData* cannon = constantsTable.Find<TurretData>(ConstantId::Cannon2);
    ASSERT_NE(cannon, nullptr);
    EXPECT_EQ(cannon->bullet, BulletType::TankBullet);
    ReleaseConstants();
    EXPECT_EQ(constantsTable.MissingEntries().size(), 78u);
}

} // namespace
} // namespace Vorn::Constants

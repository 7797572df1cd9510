// The rules of one turret type: ammunition, firing clock, turning, range, accuracy and experience.
#pragma once

#include "rules/ObjectData.h"
#include "rules/ObjectTypes.h"

#include <string>

namespace Vorn::Constants {

struct TurretData : virtual ObjectData {
    int maxAmmo = 0;           // a turret with no ammunition left cannot fire
    float reloadTime = 0;      // seconds between two shots of a series
    int roundsInSerie = 0;     // shots per series
    float serieReloadTime = 0; // seconds after a series
    int nBullets = 0;          // bullets spawned per shot
    float rotationSpeed = 0;   // degrees per second
    float punchBack = 0;       // recoil drawn when firing, world units
    float punchBackReturn = 0; // recoil return speed, world units per second
    int weight = 0;            // counts against the carrier's load
    BulletType bullet = BulletType::GunBullet;
    int canShoot = 0;        // 0 for turrets that never fire (radar, repairer)
    float idleRotate = 0;    // degrees per second while idle; 0 turns back to the hull's heading
    float seeMultiplier = 0; // factor on the carrier's sight
    float repairEffect = 0;  // hit points per second given to own tanks in range
    float repairRange = 0;
    float engageRange = 0;               // world units
    float accuracyAngle = 0;             // full width of the random spread, degrees
    int experienceBodycount[3] = {};     // kills for experience levels 1, 2, 3
    float experienceRotateMul[3] = {};   // turning factor at levels 1-3
    float experienceAccuracyMul[3] = {}; // spread factor at levels 1-3
    float experienceEffectMul[3] = {};   // damage factor at levels 1-3
    int price = 0;
    int buildTime = 0;        // milliseconds
    std::string shellPs;      // particle system of the spent shells, empty for none
    float shellDirection = 0; // degrees relative to the turret's heading
};

// The "bullet" key is a word; this answers the kind it names, GunBullet for anything else.
BulletType BulletTypeOfWord(const std::string& word);

template <class Visitor> void VisitFields(TurretData& d, Visitor&& visit) {
    static constexpr const char* bodycountKeys[3] = {
        "experience_step1_bodycount", "experience_step2_bodycount", "experience_step3_bodycount"};
    static constexpr const char* rotateKeys[3] = {
        "experience_step1_rotate_mul", "experience_step2_rotate_mul", "experience_step3_rotate_mul"};
    static constexpr const char* accuracyKeys[3] = {
        "experience_step1_accuracy_mul", "experience_step2_accuracy_mul", "experience_step3_accuracy_mul"};
    static constexpr const char* effectKeys[3] = {
        "experience_step1_effect_mul", "experience_step2_effect_mul", "experience_step3_effect_mul"};
    visit("max_ammo", d.maxAmmo);
    visit("reload_time", d.reloadTime);
    visit("rounds_in_serie", d.roundsInSerie);
    visit("serie_reload_time", d.serieReloadTime);
    visit("n_bullets", d.nBullets);
    visit("rotation_speed", d.rotationSpeed);
    visit("punch_back", d.punchBack);
    visit("punch_back_return", d.punchBackReturn);
    visit("weight", d.weight);
    visit("bullet", d.bullet);
    visit("can_shoot", d.canShoot);
    visit("idle_rotate", d.idleRotate);
    visit("see_multiplier", d.seeMultiplier);
    visit("repair_effect", d.repairEffect);
    visit("repair_range", d.repairRange);
    visit("engage_range", d.engageRange);
    visit("accuracy_angle", d.accuracyAngle);
    for (int step = 0; step < 3; ++step)
        visit(bodycountKeys[step], d.experienceBodycount[step]);
    for (int step = 0; step < 3; ++step)
        visit(rotateKeys[step], d.experienceRotateMul[step]);
    for (int step = 0; step < 3; ++step)
        visit(accuracyKeys[step], d.experienceAccuracyMul[step]);
    for (int step = 0; step < 3; ++step)
        visit(effectKeys[step], d.experienceEffectMul[step]);
    visit("price", d.price);
    visit("build_time", d.buildTime);
    visit("shell_ps", d.shellPs);
    visit("shell_direction", d.shellDirection);
}

} // namespace Vorn::Constants

// Health bars and hit flashes over the map.
#include "interface/HealthBars.h"

#include "scene/Camera.h"
#include "world/Object.h"
#include "world/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// A bar spans the unit's body, but stays readable on a small tank zoomed out and modest on a large base.
constexpr float narrowestBar = 14;
constexpr float widestBar = 56;
constexpr float barHeight = 4;
// Pixels between the body's top and the bar.
constexpr float barLift = 5;
// A fraction this close to 1 counts as whole: repairs end in rounding.
constexpr float wholeHealth = 0.999f;
constexpr float flashStrongest = 0.6f;
constexpr int flashSegments = 14;
constexpr ObjectKind barKinds[] = {KindTank, KindTower, KindBuilding};

bool OnScreen(const ScreenPoint& at, float reach, int screenWidth, int screenHeight) {
    return at.x + reach >= 0 && at.x - reach < screenWidth && at.y + reach >= 0 &&
           at.y - reach < screenHeight;
}

void DrawBar(const HealthBars::Bar& bar) {
    const float left = std::round(bar.x - bar.width / 2);
    const float right = left + std::round(bar.width);
    const float bottom = std::round(bar.y);
    glColor4f(0, 0, 0, 0.75f);
    glVertex2f(left - 1, bottom - 1);
    glVertex2f(right + 1, bottom - 1);
    glVertex2f(right + 1, bottom + barHeight + 1);
    glVertex2f(left - 1, bottom + barHeight + 1);
    const float filled = left + std::round(bar.width * std::clamp(bar.fraction, 0.0f, 1.0f));
    glColor4f(bar.red, bar.green, bar.blue, 1);
    glVertex2f(left, bottom);
    glVertex2f(filled, bottom);
    glVertex2f(filled, bottom + barHeight);
    glVertex2f(left, bottom + barHeight);
}

} // namespace

void HealthBars::TakeEvents(const WorldEvents& events) {
    for (const WorldEvent& event : events) {
        const bool struck =
            event.kind == WorldEventKind::Impact && event.detail != static_cast<int>(ImpactTarget::Ground);
        if ((struck || event.kind == WorldEventKind::UnderAttack) && event.subject != 0)
            StartFlash(event.subject);
    }
}

void HealthBars::StartFlash(std::uint64_t serial) {
    if (flashes.size() >= mostFlashes && flashes.find(serial) == flashes.end()) {
        const auto oldest = std::min_element(
            flashes.begin(), flashes.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        flashes.erase(oldest);
    }
    flashes[serial] = flashMs;
}

void HealthBars::Age(unsigned elapsedMs) {
    for (auto entry = flashes.begin(); entry != flashes.end();) {
        entry->second -= std::min(entry->second, elapsedMs);
        entry = entry->second == 0 ? flashes.erase(entry) : std::next(entry);
    }
}

std::vector<HealthBars::Bar> HealthBars::Bars(World& world, const Camera& camera, bool showAll,
                                              int screenWidth, int screenHeight) const {
    std::vector<Bar> bars;
    const float scale = camera.Scale();
    const float reach = 0.5f * std::hypot(static_cast<float>(screenWidth), static_cast<float>(screenHeight)) /
                        std::max(scale, 1e-3f);
    for (ObjectKind kind : barKinds)
        for (int side = 0; side < sideCount; ++side)
            for (const Object* object :
                 world.Objects(side, kind).QueryRange(camera.CentreX(), camera.CentreY(), reach + 512)) {
                const std::optional<HitPoints> health = object->Health();
                if (!health || health->current <= 0 || (!showAll && health->Fraction() >= wholeHealth))
                    continue;
                const float radius = std::max(object->size, 0.0f) * scale;
                const ScreenPoint at = camera.WorldToScreen(object->x, object->y);
                if (!OnScreen(at, radius + widestBar, screenWidth, screenHeight) ||
                    !world.fog.IsVisible(object->x, object->y, object->size))
                    continue;
                const SideColour colour = SideColourOf(object->side);
                bars.push_back({static_cast<float>(at.x),
                                static_cast<float>(screenHeight - at.y) + radius + barLift,
                                std::clamp(2 * radius, narrowestBar, widestBar), health->Fraction(),
                                colour.red, colour.green, colour.blue});
            }
    return bars;
}

std::vector<HealthBars::Flash> HealthBars::Flashes(const World& world, const Camera& camera, int screenWidth,
                                                   int screenHeight) const {
    std::vector<Flash> shown;
    for (const auto& [serial, remainingMs] : flashes) {
        const Object* object = world.FindBySerial(serial);
        if (object == nullptr || !world.fog.IsVisible(object->x, object->y, object->size))
            continue;
        const ScreenPoint at = camera.WorldToScreen(object->x, object->y);
        const float radius = std::max(object->size * camera.Scale(), 3.0f);
        if (OnScreen(at, radius, screenWidth, screenHeight))
            shown.push_back({static_cast<float>(at.x), static_cast<float>(screenHeight - at.y), radius,
                             static_cast<float>(remainingMs) / flashMs});
    }
    return shown;
}

// The flashes add light, so a hit brightens whatever colour the unit has; the bars go on top of them.
void HealthBars::Draw(World& world, const Camera& camera, bool showAll, int screenWidth,
                      int screenHeight) const {
    const std::vector<Flash> shown = Flashes(world, camera, screenWidth, screenHeight);
    if (!shown.empty()) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        for (const Flash& flash : shown) {
            glBegin(GL_TRIANGLE_FAN);
            glColor4f(1, 1, 0.9f, flashStrongest * flash.strength);
            glVertex2f(flash.x, flash.y);
            glColor4f(1, 1, 0.9f, 0);
            for (int i = 0; i <= flashSegments; ++i) {
                const float angle = 6.2831853f * static_cast<float>(i) / flashSegments;
                glVertex2f(flash.x + flash.radius * std::cos(angle),
                           flash.y + flash.radius * std::sin(angle));
            }
            glEnd();
        }
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    const std::vector<Bar> bars = Bars(world, camera, showAll, screenWidth, screenHeight);
    if (bars.empty())
        return;
    glBegin(GL_QUADS);
    for (const Bar& bar : bars)
        DrawBar(bar);
    glEnd();
}

} // namespace Vorn

// Keeping, fading and drawing the scars of battle.
#include "graphics/BattleScars.h"

#include "graphics/TextureStore.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

constexpr float radiansPerDegree = 3.14159265f / 180.0f;

// Scars are dark and laid on the ground; at full strength they would read as holes. Tracks are fainter
// still: a field crossed by an army should not turn brown.
constexpr float strongestAlpha = 0.85f;
constexpr float strongestTrackAlpha = 0.4f;

void Trim(std::deque<BattleScars::Scar>& scars, std::size_t most) {
    while (scars.size() > most)
        scars.pop_front();
}

// Ages every scar and drops those past their life; the oldest are at the front.
void AgeAll(std::deque<BattleScars::Scar>& scars, unsigned elapsedMs) {
    for (BattleScars::Scar& scar : scars)
        scar.ageMs += std::min(elapsedMs, ~0u - scar.ageMs);
    while (!scars.empty() && BattleScars::Opacity(scars.front()) <= 0)
        scars.pop_front();
}

bool Reaches(const BattleScars::Scar& scar, float centreX, float centreY, float radius) {
    const float reach = radius + scar.size * 1.5f;
    return std::abs(scar.x - centreX) < reach && std::abs(scar.y - centreY) < reach;
}

void AddQuad(const BattleScars::Scar& scar, std::vector<BattleScars::Corner>& corners) {
    const float u = static_cast<float>(scar.kind % 2) * 0.5f;
    // The atlas's first row of cells is the top of the picture, which the texture holds first.
    const float v = static_cast<float>(scar.kind / 2) * 0.5f;
    const float c = std::cos(scar.angle * radiansPerDegree) * scar.size;
    const float s = std::sin(scar.angle * radiansPerDegree) * scar.size;
    const float strongest = scar.kind == BattleScars::Track ? strongestTrackAlpha : strongestAlpha;
    const auto alpha = static_cast<std::uint8_t>(
        std::clamp(strongest * BattleScars::Opacity(scar) * 255.0f + 0.5f, 0.0f, 255.0f));
    constexpr float quad[4][4] = {{-1, -1, 0, 1}, {1, -1, 1, 1}, {1, 1, 1, 0}, {-1, 1, 0, 0}};
    for (const auto& corner : quad)
        corners.push_back({scar.x + corner[0] * c - corner[1] * s,
                           scar.y + corner[0] * s + corner[1] * c,
                           u + corner[2] * 0.5f,
                           v + corner[3] * 0.5f,
                           {255, 255, 255, alpha}});
}

} // namespace

void BattleScars::Add(Kind kind, float x, float y, float size, float angle) {
    if (!std::isfinite(x) || !std::isfinite(y) || !(size > 0) || kind < 0 || kind >= kindCount)
        return;
    std::deque<Scar>& list = kind == Track ? tracks : marks;
    list.push_back({kind, x, y, size, angle, 0});
    Trim(list, kind == Track ? mostTracks : mostMarks);
}

void BattleScars::Age(unsigned elapsedMs) {
    AgeAll(marks, elapsedMs);
    AgeAll(tracks, elapsedMs);
}

float BattleScars::Opacity(const Scar& scar) {
    const unsigned life = scar.kind == Track ? trackLifeMs : markLifeMs;
    return scar.ageMs >= life ? 0.0f : 1.0f - static_cast<float>(scar.ageMs) / static_cast<float>(life);
}

// Tracks first, so the craters and rubble of the fight lie over the ruts. One array for all: thousands of
// tracks one call each would cost more than filling them.
void BattleScars::Draw(float centreX, float centreY, float radius) const {
    corners.clear();
    for (const std::deque<Scar>* list : {&tracks, &marks})
        for (const Scar& scar : *list)
            if (Reaches(scar, centreX, centreY, radius))
                AddQuad(scar, corners);
    if (corners.empty())
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureStore.FindTexture("scars"));
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(Corner), &corners.data()->x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Corner), &corners.data()->u);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Corner), corners.data()->colour);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size()));
    glPopClientAttrib();
    // The colour array leaves the current colour undefined; what follows expects opaque white.
    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
}

} // namespace Vorn

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

void AddQuad(const BattleScars::Scar& scar) {
    const float u = static_cast<float>(scar.kind % 2) * 0.5f;
    // The atlas's first row of cells is the top of the picture, which the texture holds first.
    const float v = static_cast<float>(scar.kind / 2) * 0.5f;
    const float c = std::cos(scar.angle * radiansPerDegree) * scar.size;
    const float s = std::sin(scar.angle * radiansPerDegree) * scar.size;
    const float strongest = scar.kind == BattleScars::Track ? strongestTrackAlpha : strongestAlpha;
    glColor4f(1, 1, 1, strongest * BattleScars::Opacity(scar));
    const float corners[4][4] = {{-1, -1, 0, 1}, {1, -1, 1, 1}, {1, 1, 1, 0}, {-1, 1, 0, 0}};
    for (const auto& corner : corners) {
        glTexCoord2f(u + corner[2] * 0.5f, v + corner[3] * 0.5f);
        glVertex2f(scar.x + corner[0] * c - corner[1] * s, scar.y + corner[0] * s + corner[1] * c);
    }
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

// Tracks first, so the craters and rubble of the fight lie over the ruts.
void BattleScars::Draw(float centreX, float centreY, float radius) const {
    if (marks.empty() && tracks.empty())
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureStore.FindTexture("scars"));
    glBegin(GL_QUADS);
    for (const std::deque<Scar>* list : {&tracks, &marks})
        for (const Scar& scar : *list)
            if (Reaches(scar, centreX, centreY, radius))
                AddQuad(scar);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

} // namespace Vorn

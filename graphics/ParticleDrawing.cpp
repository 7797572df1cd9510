// Each particle's square from its record's look: scaled, spun counter-clockwise, turned clockwise by its
// heading and moved to the particle, in one batch or under its own matrix.
#include "graphics/ParticleDrawing.h"

#include "graphics/ParticleBatch.h"
#include "graphics/TextureStore.h"
#include "visuals/ParticleSystem.h"
#include "visuals/ParticleSystemFactory.h"

#include <GL/gl.h>

#include <cmath>

namespace Vorn {

std::uint32_t* drawnParticleCounter = nullptr;
bool particleBatchDrawing = true;

namespace {

constexpr double radiansToDegrees = 180.0 * 0.3183098861837907;

// Before the textures are created (headless runs) the store answers texture 0.
unsigned int TextureOf(const ParticleLook& look) {
    if (look.textureGeneration != textureStore.Generation()) {
        look.texture = textureStore.FindTexture(look.textureName);
        look.textureGeneration = textureStore.Generation();
    }
    return look.texture;
}

// The square of half side h round the origin, texture corners (0, 1) bottom left to (0, 0) top left.
void DrawQuad(unsigned int texture, float h) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-h, -h);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(h, -h);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(h, h);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-h, h);
    glEnd();
}

// The sprite's quad under the current matrix; the caller has translated and turned to the particle.
void DrawSprite(const ParticleLook& look, const Particle& sprite, float alpha, float progress) {
    glColor4ub(look.colour[0], look.colour[1], look.colour[2], static_cast<GLubyte>(alpha * 255.0f));
    const float spin = progress * look.rotationSpeed * sprite.spinFactor;
    if (look.particleSize != 0.0f) {
        const float scale = ParticleSystemFactory::CommonParticleFactory::Scale(
            look.particleSize, look.particleSizeEnd, progress);
        glScalef(scale, scale, 1.0f);
        glRotatef(spin, 0.0f, 0.0f, 1.0f);
        DrawQuad(TextureOf(look), look.particleSize);
        return;
    }
    glRotatef(spin, 0.0f, 0.0f, 1.0f);
    DrawQuad(TextureOf(look), progress * look.particleSizeEnd);
}

// The same quad as DrawSprite, its corners placed here at (x, y) and turned by heading (radians).
void AddSprite(const ParticleFactory& factory, const Particle& sprite, ParticleBatch& batch, float x, float y,
               float heading, float alpha, float progress) {
    const ParticleLook& look = factory.Look();
    const float halfSide = factory.HalfSide(progress);
    const std::uint8_t vertexColour[4] = {look.colour[0], look.colour[1], look.colour[2],
                                          static_cast<std::uint8_t>(alpha * 255.0f)};
    constexpr float cornerReach = 1.41421357f;
    if (batch.LeftOutWithin(TextureOf(look), x, y, std::abs(halfSide) * cornerReach, vertexColour))
        return;
    // Written out as the per-particle path's constants would round differently.
    const double degrees = progress * look.rotationSpeed * sprite.spinFactor -
                           static_cast<float>(heading * 180.0 * 0.3183098861837907);
    const double radians = degrees * 0.017453292519943295;
    const float c = static_cast<float>(std::cos(radians)) * halfSide;
    const float s = static_cast<float>(std::sin(radians)) * halfSide;
    const ParticleBatch::Corner corners[4] = {
        {x - c + s, y - s - c}, {x + c + s, y + s - c}, {x + c - s, y + s + c}, {x - c - s, y - s + c}};
    batch.AddQuad(TextureOf(look), corners, vertexColour);
}

void DrawParticle(const ParticleSystem& system, const ParticleSystem::ParticleRecord& particle,
                  ParticleBatch& batch, float originX, float originY) {
    const std::uint32_t age = system.AgeOf(particle);
    const float alpha = ParticleAlpha(system.Behavior(), age);
    const float progress = ParticleProgress(system.Behavior(), age);
    if (drawnParticleCounter != nullptr)
        ++*drawnParticleCounter;
    const float x = originX + system.XOf(particle);
    const float y = originY + system.YOf(particle);
    if (particleBatchDrawing) {
        AddSprite(system.Factory(), particle.sprite, batch, x, y, particle.heading, alpha, progress);
        return;
    }
    batch.Flush();
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glRotatef(static_cast<float>(particle.heading * radiansToDegrees), 0.0f, 0.0f, -1.0f);
    DrawSprite(system.Factory().Look(), particle.sprite, alpha, progress);
    glPopMatrix();
}

} // namespace

void DrawParticleSystem(const ParticleSystem& system) {
    // One batch serves every system drawn on its own: drawing happens on the main thread only.
    static ParticleBatch batch;
    DrawParticleSystemInto(system, batch, 0, 0);
    batch.Flush();
}

void DrawParticleSystemInto(const ParticleSystem& system, ParticleBatch& batch, float originX,
                            float originY) {
    for (const ParticleSystem::ParticleRecord& particle : system.Particles())
        DrawParticle(system, particle, batch, originX, originY);
    for (const ParticleSystem& layer : system.Layers())
        DrawParticleSystemInto(layer, batch, originX, originY);
}

} // namespace Vorn

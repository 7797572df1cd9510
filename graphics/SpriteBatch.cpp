// Small drawings as textured quads of their pictures.
#include "graphics/SpriteBatch.h"

#include "graphics/DrawingBatch.h"
#include "graphics/DrawingDisplay.h"
#include "platform/GlContext.h"
#include "visuals/Drawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace Vorn {

namespace {

// How far two lengths may differ and still be one scale: a stretched matrix draws itself.
constexpr float scaleTolerance = 1e-4f;

bool SameLength(float a, float b) {
    return std::abs(a - b) <= scaleTolerance * std::max(std::abs(a), std::abs(b));
}

// The colour's four channels as the atlas keys its pictures.
SpriteAtlas::ColourBytes ToBytes(const float* colour) {
    SpriteAtlas::ColourBytes bytes{};
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(std::lround(std::clamp(colour[i], 0.0f, 1.0f) * 255));
    return bytes;
}

// A matrix that keeps drawings in the window's plane, scaled alike along both axes and not sheared.
bool PlacesFlat(const float (&m)[16]) {
    const float across = std::hypot(m[0], m[1]);
    const bool flat = m[2] == 0 && m[3] == 0 && m[6] == 0 && m[7] == 0 && m[15] == 1;
    return flat && SameLength(across, std::hypot(m[4], m[5])) &&
           std::abs(m[0] * m[4] + m[1] * m[5]) <= scaleTolerance * across * across;
}

} // namespace

SpriteBatch::SpriteBatch() {
    if (!(threshold > 0) || active != nullptr || !platform::GlContext::IsAnyCurrent())
        return;
    float projection[16];
    GLint viewport[4];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float across = projection[0] * static_cast<float>(viewport[2]) / 2;
    const float up = projection[5] * static_cast<float>(viewport[3]) / 2;
    const bool flat = projection[1] == 0 && projection[4] == 0 && projection[3] == 0 && projection[7] == 0 &&
                      projection[15] == 1;
    if (!flat || !(across > 0) || !SameLength(across, up))
        return;
    pixelsPerUnit = across;
    windowOrigin[0] =
        (projection[12] + 1) / 2 * static_cast<float>(viewport[2]) + static_cast<float>(viewport[0]);
    windowOrigin[1] =
        (projection[13] + 1) / 2 * static_cast<float>(viewport[3]) + static_cast<float>(viewport[1]);
    glGetFloatv(GL_MODELVIEW_MATRIX, opening.m);
    opening.usable = PlacesFlat(opening.m);
    open = true;
    active = this;
    corners.clear();
}

SpriteBatch::~SpriteBatch() {
    if (!open)
        return;
    Flush();
    active = nullptr;
}

bool SpriteBatch::Add(const Drawing& drawing, float angle) {
    if (!open)
        return false;
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    if (!PlacesFlat(m))
        return false;
    float current[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    const SpriteAtlas::Sprite* sprite = Place(drawing, m, {m[12], m[13]}, angle, ToBytes(current));
    if (sprite == nullptr)
        return false;
    glColor4fv(sprite->colourAfter.data());
    return true;
}

bool SpriteBatch::AddAt(const Drawing& drawing, EyePoint at, float angle, const std::array<float, 4>& colour) {
    if (!open || !opening.usable)
        return false;
    return Place(drawing, opening.m, at, angle, ToBytes(colour.data())) != nullptr;
}

// The quad of the drawing's picture in the colour, placed by the matrix's turn and scale at the point.
const SpriteAtlas::Sprite* SpriteBatch::Place(const Drawing& drawing, const float (&m)[16], EyePoint at,
                                              float angle, SpriteAtlas::ColourBytes colour) {
    if (DrawingList(drawing) == 0)
        return nullptr;
    const float scale = std::hypot(m[0], m[1]) * pixelsPerUnit;
    if (!(2 * drawing.Reach() * scale <= threshold))
        return nullptr;
    if (atlas.UnavailableInCurrentContext())
        return nullptr;
    if (!SameLength(scale, atlas.Scale()) || !atlas.MadeInCurrentContext()) {
        Flush();
        if (!atlas.Prepare(scale))
            return nullptr;
    }
    const SpriteAtlas::Sprite* sprite = SpriteFor(drawing, colour);
    if (sprite == nullptr)
        return nullptr;

    // The drawing turns clockwise by the angle, as DrawDrawing turns it about (0, 0, -1).
    const double radians = angle * std::numbers::pi / 180.0;
    const auto s = static_cast<float>(std::sin(radians));
    const auto c = static_cast<float>(std::cos(radians));
    // Only the part of the picture the drawing colours: the rest of its square is blank.
    const SpriteAtlas::Box& texels = sprite->content;
    const SpriteAtlas::Box& units = sprite->contentUnits;
    const Corner local[4] = {{units.left, units.bottom, texels.left, texels.bottom},
                             {units.right, units.bottom, texels.right, texels.bottom},
                             {units.right, units.top, texels.right, texels.top},
                             {units.left, units.top, texels.left, texels.top}};
    const auto [originX, originY] = OnPixelCentre(at.x, at.y);
    for (const Corner& corner : local) {
        const float x = corner.x * c + corner.y * s;
        const float y = -corner.x * s + corner.y * c;
        corners.push_back({m[0] * x + m[4] * y + originX, m[1] * x + m[5] * y + originY, corner.u, corner.v});
    }
    ++spritesAdded;
    return sprite;
}

// The picture's origin is a texel's centre: put on a pixel's centre, an unturned picture shows its texels
// as they are, where anywhere else the filter would blur it by the fraction. The drawing moves by at most
// half a pixel, as its edges do where the triangles take or leave a pixel.
std::pair<float, float> SpriteBatch::OnPixelCentre(float eyeX, float eyeY) const {
    const float windowX = eyeX * pixelsPerUnit + windowOrigin[0];
    const float windowY = eyeY * pixelsPerUnit + windowOrigin[1];
    return {(std::floor(windowX) + 0.5f - windowOrigin[0]) / pixelsPerUnit,
            (std::floor(windowY) + 0.5f - windowOrigin[1]) / pixelsPerUnit};
}

// A picture not yet made is rendered; when the atlas is full, what was collected is drawn first, since
// emptying it overwrites the pictures those quads show.
const SpriteAtlas::Sprite* SpriteBatch::SpriteFor(const Drawing& drawing, SpriteAtlas::ColourBytes colour) {
    if (const SpriteAtlas::Sprite* found = atlas.Find(drawing, colour))
        return found;
    if (const SpriteAtlas::Sprite* made = atlas.Render(drawing, colour))
        return made;
    const float scale = atlas.Scale();
    Flush();
    atlas.Empty();
    atlas.Prepare(scale);
    return atlas.Render(drawing, colour);
}

void SpriteBatch::Flush() {
    if (!open)
        return;
    if (DrawingBatch* below = DrawingBatch::Active())
        below->Flush();
    if (corners.empty())
        return;
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, atlas.Texture());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_BLEND);
    // The pictures' colours are already multiplied by their coverage.
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(Corner), &corners[0].x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Corner), &corners[0].u);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size()));
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
    corners.clear();
}

} // namespace Vorn

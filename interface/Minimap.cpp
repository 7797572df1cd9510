// The minimap: painted in memory, one phase per frame.
#include "interface/Minimap.h"

#include "datafiles/ColourTable.h"
#include "graphics/DrawCounters.h"
#include "graphics/DrawingDisplay.h"
#include "interface/Interface.h"
#include "interface/InterfaceNames.h"
#include "interface/PanelLayout.h"
#include "platform/GlContext.h"
#include "scene/Camera.h"
#include "visuals/DrawingStore.h"
#include "world/Object.h"
#include "world/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// A square is at most this far from its centre texel; beyond it a point cannot touch the picture.
constexpr float reachOffPicture = 1024.0f;

// Side colours as bytes, the float colour times 255, truncated.
int ColourByte(float component) {
    return static_cast<int>(component * 255.0f);
}

} // namespace

Minimap::Minimap(Interface& owner, World& world, Camera* camera)
    : owner(owner), world(world), camera(camera),
      frame(drawingStore.FindFirstDrawing(InterfaceNames::infoFrameDrawing)) {
    const double size = owner.Values().ValueOf(InterfaceNames::minimapTextureSize);
    // A size the texture refuses leaves an empty picture: nothing is painted, the square stays black.
    if (size >= 1 && size <= PixelTexture::MaxSize && picture.Create(static_cast<int>(size))) {
        picture.Fill(0, 0, 0, 255);
        picture.Upload();
    }
}

void Minimap::Update() {
    switch (phase) {
    case Clear:
        if (ground.size() == picture.pixels.size())
            picture.pixels = ground;
        else
            picture.Fill(0, 0, 0, 255);
        break;
    case PaintTanks:
        PaintKind(KindTank, InterfaceNames::minimapTankSize);
        break;
    case PaintTowers:
        PaintKind(KindTower, InterfaceNames::minimapTowerSize);
        break;
    case PaintBuildings:
        PaintKind(KindBuilding, InterfaceNames::minimapBuildingSize);
        break;
    default:
        PaintMarks();
        picture.Upload();
        break;
    }
    phase = (phase + 1) % phaseCount;
}

unsigned Minimap::TakePaintedCount() {
    const unsigned count = paintedCount;
    paintedCount = 0;
    return count;
}

void Minimap::PaintKind(ObjectKind kind, const char* sizeKey) {
    const double size = owner.Values().ValueOf(sizeKey);
    // A square larger than the picture covers it whole; what is not a size paints one texel.
    const int squareSize = std::isfinite(size) ? static_cast<int>(std::clamp(size, 1.0, 4096.0)) : 1;
    for (int side = 0; side < sideCount; ++side) {
        for (const auto& [key, cell] : world.Objects(side, kind).Cells()) {
            for (const Object* object : cell) {
                Paint(*object, squareSize);
            }
        }
    }
}

void Minimap::Paint(const Object& object, int squareSize) {
    // What the fog hides never shows, not even as a square on the minimap.
    if (!world.fog.IsVisible(object.x, object.y, object.size)) {
        return;
    }
    int texelX = 0;
    int texelY = 0;
    if (!TexelOf(object.x, object.y, world.Width(), world.Height(), picture.size, texelX, texelY)) {
        return;
    }
    const SideColour colour = SideColourOf(object.side);
    const int corner = squareSize / -2;
    picture.FillBox(texelX + corner, texelY + corner, squareSize, squareSize, ColourByte(colour.red),
                    ColourByte(colour.green), ColourByte(colour.blue), 255);
    ++paintedCount;
    ++drawCounters[minimapObjectsCounter];
}

void Minimap::NoteAttacks(const WorldEvents& events, int side) {
    for (const WorldEvent& event : events) {
        if (event.kind != WorldEventKind::UnderAttack || event.side != side ||
            sinceLastMarkMs < markIntervalMs)
            continue;
        marks.push_back({event.x, event.y, markShowMs});
        sinceLastMarkMs = 0;
    }
}

void Minimap::Age(unsigned elapsedMs) {
    sinceLastMarkMs = std::min(markIntervalMs, sinceLastMarkMs + elapsedMs);
    for (AttackMark& mark : marks)
        mark.remainingMs -= std::min(mark.remainingMs, elapsedMs);
    std::erase_if(marks, [](const AttackMark& mark) { return mark.remainingMs == 0; });
}

// An outline, so the attacked unit's own square still shows inside it.
void Minimap::PaintMarks() {
    const int width = 2 * markReach + 1;
    for (const AttackMark& mark : marks) {
        int texelX = 0;
        int texelY = 0;
        if ((mark.remainingMs / markBlinkMs) % 2 == 1 ||
            !TexelOf(mark.x, mark.y, world.Width(), world.Height(), picture.size, texelX, texelY))
            continue;
        const int left = texelX - markReach;
        const int bottom = texelY - markReach;
        picture.FillBox(left, bottom, width, 1, 255, 255, 255, 255);
        picture.FillBox(left, texelY + markReach, width, 1, 255, 255, 255, 255);
        picture.FillBox(left, bottom, 1, width, 255, 255, 255, 255);
        picture.FillBox(texelX + markReach, bottom, 1, width, 255, 255, 255, 255);
    }
}

bool Minimap::TexelOf(float x, float y, float width, float height, int textureSize, int& texelX,
                      int& texelY) {
    if (!(width > 0) || !(height > 0) || textureSize <= 0) {
        return false;
    }
    const float t = static_cast<float>(textureSize);
    const float fx = t * x / width + t * 0.5f;
    const float fy = t * y / height + t * 0.5f;
    // Also refuses NaN; the picture's FillBox clips what is left.
    if (!(fx > -reachOffPicture && fx < t + reachOffPicture && fy > -reachOffPicture &&
          fy < t + reachOffPicture)) {
        return false;
    }
    texelX = static_cast<int>(fx);
    texelY = static_cast<int>(fy);
    return true;
}

int Minimap::ScreenSize() const {
    return static_cast<int>(
        std::lround(UsableMinimapSize(owner.Values().ValueOf(InterfaceNames::minimapSize))));
}

int Minimap::Offset() const {
    return static_cast<int>(UsableMinimapOffset(owner.Values().ValueOf(InterfaceNames::minimapOffset)));
}

bool Minimap::Click(int x, int y, int button) {
    const int size = ScreenSize();
    const int half = size / 2;
    const int offset = Offset();
    const int upY = owner.ScreenHeight() - y - 1;
    if (!(x > offset && upY > offset && x < offset + size && upY < offset + size)) {
        return false;
    }
    const float worldX = world.Width() * static_cast<float>(x - offset - half) / static_cast<float>(size);
    const float worldY = world.Height() * static_cast<float>(upY - offset - half) / static_cast<float>(size);
    if (button == 1) {
        if (camera != nullptr) {
            camera->SetCentre(worldX, worldY);
        }
    } else if (button == 0 || (button >= 2 && button <= 4)) {
        owner.MapClick(worldX, worldY, button);
    }
    return true;
}

void Minimap::Draw(float slide) const {
    const int size = ScreenSize();
    const int half = size / 2;
    const int offset = Offset();
    glTranslatef(static_cast<float>(offset + half), static_cast<float>(offset + half), 0.0f);
    DrawPicture(half);
    DrawFrame(half);
    DrawView(size, slide);
    glColor4ub(0, 0, 255, 255);
    const float scale = (static_cast<float>(offset) * 0.5f + static_cast<float>(half)) * 0.1f;
    glScalef(scale, scale, 1.0f);
    if (frame != nullptr) {
        DrawDrawing(*frame, 0.0f);
    }
}

void Minimap::DrawPicture(int half) const {
    const float h = static_cast<float>(half);
    glColor4ubv(colourTable.ColourOf("minimap_texture"));
    glEnable(GL_TEXTURE_2D);
    picture.Bind();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-h, -h);
    glTexCoord2f(1, 0);
    glVertex2f(h, -h);
    glTexCoord2f(1, 1);
    glVertex2f(h, h);
    glTexCoord2f(0, 1);
    glVertex2f(-h, h);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void Minimap::DrawFrame(int half) const {
    const float h = static_cast<float>(half);
    glColor4ubv(colourTable.ColourOf("minimap_frame"));
    glBegin(GL_LINE_LOOP);
    glVertex2f(-h, -h);
    glVertex2f(h, -h);
    glVertex2f(h, h);
    glVertex2f(-h, h);
    glEnd();
}

// The part of the map on screen, as the camera's four screen corners seen on the minimap.
void Minimap::DrawView(int size, float slide) const {
    if (camera == nullptr || !(world.Width() > 0) || !(world.Height() > 0)) {
        return;
    }
    const float width = static_cast<float>(owner.ScreenWidth());
    const float height = static_cast<float>(owner.ScreenHeight());
    const WorldPoint screenCorners[4] = {camera->ScreenToWorld(0, height - 1),
                                         camera->ScreenToWorld(width - 1, height - 1),
                                         camera->ScreenToWorld(width - 1, 0), camera->ScreenToWorld(0, 0)};
    // Drawn as a loop, so the corners go round: bottom left, bottom right, top right, top left.
    float corners[4][2];
    for (int index = 0; index < 4; ++index) {
        corners[index][0] = screenCorners[index].x * static_cast<float>(size) / world.Width();
        corners[index][1] = screenCorners[index].y * static_cast<float>(size) / world.Height();
    }
    const int offset = Offset();
    glEnable(GL_SCISSOR_TEST);
    // The scissor box is in window pixels: it follows the slide itself.
    glScissor(offset + 1 - static_cast<int>(slide), offset + 1, size, size);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor4ubv(colourTable.ColourOf("minimap_view"));
    glBegin(GL_QUADS);
    for (const auto& corner : corners) {
        glVertex2fv(corner);
    }
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4ubv(colourTable.ColourOf("minimap_view_frame"));
    glBegin(GL_LINE_LOOP);
    for (const auto& corner : corners) {
        glVertex2fv(corner);
    }
    glEnd();
    glDisable(GL_SCISSOR_TEST);
}

} // namespace Vorn

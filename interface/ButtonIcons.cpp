// The icons of the panel buttons, rendered from the game's drawings when a game starts.
#include "interface/ButtonIcons.h"

#include "graphics/DrawingDisplay.h"
#include "graphics/TextureStore.h"
#include "platform/DrawingDiscard.h"
#include "rules/TypeCatalogue.h"
#include "scene/ObjectDraw.h"
#include "visuals/DrawingStore.h"
#include "world/Object.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace Vorn {

namespace {

struct Bounds {
    float left = 0, bottom = 0, right = 0, top = 0;
};

template <class Type> void AddNames(std::vector<std::string>& names, int count) {
    for (int i = 0; i < count; ++i)
        names.push_back(TypeNameOf(static_cast<Type>(i)));
}

const Drawing* FirstVariant(const std::string& name) {
    const auto& drawings = drawingStore.Drawings();
    const auto found = drawings.find(name);
    return found == drawings.end() || found->second.empty() ? nullptr : found->second.front().get();
}

// The square around the drawing's vertices, centred on what it shows.
Bounds SquareAround(const Drawing& drawing) {
    Bounds box{1e9f, 1e9f, -1e9f, -1e9f};
    for (const DrawingStep& step : drawing.Steps()) {
        if (step.kind != DrawingStep::Kind::Vertex)
            continue;
        box.left = std::min(box.left, static_cast<float>(step.x));
        box.right = std::max(box.right, static_cast<float>(step.x));
        box.bottom = std::min(box.bottom, static_cast<float>(step.y));
        box.top = std::max(box.top, static_cast<float>(step.y));
    }
    if (box.left > box.right)
        return {-1, -1, 1, 1};
    const float cx = (box.left + box.right) * 0.5f;
    const float cy = (box.bottom + box.top) * 0.5f;
    // A margin of a tenth on each side keeps outlines off the button's frame.
    const float half = std::max({box.right - box.left, box.top - box.bottom, 0.01f}) * 0.6f;
    return {cx - half, cy - half, cx + half, cy + half};
}

std::vector<unsigned char> ReadSquare(int side) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(side * side * 4));
    glReadPixels(0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void ClearSquare(int side, float grey) {
    glScissor(0, 0, side, side);
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

// Draws the picture once over black and once over white: what blending let through of the white is the
// picture's transparency, so the icon keeps soft edges without the framebuffer having an alpha channel.
std::unique_ptr<PixelTexture> Capture(int side, const Bounds& view, const std::function<void()>& draw) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(view.left, view.right, view.bottom, view.top, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<unsigned char> overBlack;
    std::vector<unsigned char> overWhite;
    for (float grey : {0.0f, 1.0f}) {
        ClearSquare(side, grey);
        draw();
        (grey == 0.0f ? overBlack : overWhite) = ReadSquare(side);
    }
    auto texture = std::make_unique<PixelTexture>();
    texture->Create(side);
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const std::size_t at = static_cast<std::size_t>((row * side + column) * 4);
            int lightest = 0;
            for (int c = 0; c < 3; ++c)
                lightest = std::max(lightest, overWhite[at + c] - overBlack[at + c]);
            const int alpha = std::clamp(255 - lightest, 0, 255);
            auto channel = [&](int c) {
                return alpha == 0 ? 0 : std::min(255, overBlack[at + c] * 255 / alpha);
            };
            // Rows run from the top in the texture, as the buttons map it.
            texture->SetPixel(column, side - 1 - row, channel(0), channel(1), channel(2), alpha);
        }
    }
    texture->Upload();
    return texture;
}

void Line(float x0, float y0, float x1, float y1) {
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
}

// The plain icons, drawn in a square from -1 to 1.
void DrawPlain(const std::string& name) {
    glLineWidth(3);
    glBegin(GL_LINES);
    if (name == "new_tank") {
        Line(-0.5f, 0, 0.5f, 0);
        Line(0, -0.5f, 0, 0.5f);
    } else if (name == "group") {
        for (float y : {-0.5f, 0.0f, 0.5f})
            Line(-0.5f, y, 0.5f, y);
    } else if (name == "cancel_order" || name == "destroy") {
        Line(-0.5f, -0.5f, 0.5f, 0.5f);
        Line(-0.5f, 0.5f, 0.5f, -0.5f);
    } else if (name == "empty_queue") {
        Line(-0.6f, 0.4f, 0.6f, 0.4f);
        Line(-0.6f, -0.4f, -0.2f, -0.4f);
        Line(0.2f, -0.4f, 0.6f, -0.4f);
    } else if (name == "count") {
        for (float x : {-0.4f, 0.0f, 0.4f})
            Line(x, -0.5f, x, 0.5f);
    } else {
        Line(0, -0.5f, 0, 0.2f);
        Line(0, 0.4f, 0, 0.55f);
    }
    glEnd();
    glLineWidth(1);
}

} // namespace

std::string IconName(const std::string& picture) {
    return "icon_" + picture;
}

unsigned int IconTexture(const std::string& picture) {
    return textureStore.FindTexture(IconName(picture));
}

std::vector<std::string> IconDrawings() {
    std::vector<std::string> names;
    AddNames<TankType>(names, tankTypeCount);
    AddNames<ArmorType>(names, armorTypeCount);
    AddNames<TurretType>(names, turretTypeCount);
    AddNames<BuildingType>(names, buildingTypeCount);
    AddNames<TowerType>(names, towerTypeCount);
    AddNames<LandmineType>(names, landmineTypeCount);
    AddNames<ObstacleType>(names, obstacleTypeCount);
    AddNames<BulletType>(names, bulletTypeCount);
    return names;
}

std::vector<std::string> PlainIcons() {
    return {"new_tank", "group", "cancel_order", "empty_queue", "count", "destroy", "info"};
}

void RenderButtonIcons(int side, int iconSide) {
    const platform::PixelsNeeded readBack;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glViewport(0, 0, iconSide, iconSide);
    glEnable(GL_SCISSOR_TEST);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glReadBuffer(GL_BACK);
    for (const std::string& name : IconDrawings()) {
        const Drawing* drawing = FirstVariant(name);
        if (drawing == nullptr)
            continue;
        textureStore.Adopt(IconName(name), Capture(iconSide, SquareAround(*drawing), [&] {
                               SetSideColour(side);
                               DrawDrawing(*drawing, 0);
                           }));
    }
    for (const std::string& name : PlainIcons()) {
        textureStore.Adopt(IconName(name), Capture(iconSide, {-1, -1, 1, 1}, [&] {
                               glColor4ub(160, 200, 255, 255);
                               DrawPlain(name);
                           }));
    }
    ClearSquare(iconSide, 0);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

} // namespace Vorn

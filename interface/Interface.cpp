// Everything drawn over the map. For now a plain stand-in: the main panel's band and no panels, so every
// click goes to the map.
#include "interface/Interface.h"

#include "graphics/PanelBackground.h"
#include "platform/GlContext.h"
#include "shell/Configuration.h"

#include <GL/gl.h>

namespace Vorn {

Interface* interface = nullptr;

namespace {
constexpr int mainPanelHeight = 81;
} // namespace

Interface::Interface(World* world, Camera* camera)
    : world(world), camera(camera), overlay(this, world, camera) {
    if (platform::GlContext::IsAnyCurrent()) {
        panelBackground = BuildPanelBackground(Zelt::configuration.screenWidth, mainPanelHeight);
    }
}

Interface::~Interface() {
    if (panelBackground != 0 && platform::GlContext::IsAnyCurrent()) {
        glDeleteLists(panelBackground, 1);
    }
}

void Interface::Update(unsigned elapsedMs) {
    overlay.Update(elapsedMs);
}

void Interface::Draw(const SideTable&) {
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    overlay.Draw();
    if (panelBackground == 0) {
        return;
    }
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    glCallList(panelBackground);
}

bool Interface::Click(int, int, int) {
    return false;
}

void Interface::MapPress(int, int, float worldX, float worldY, int button) {
    overlay.PressAt(worldX, worldY, button);
}

void Interface::MapClick(float worldX, float worldY, int button) {
    overlay.PressAt(worldX, worldY, button);
}

} // namespace Vorn

// Everything drawn over the map: which panel is shown, updated, drawn and clicked.
#include "interface/Interface.h"

#include "interface/ProductionNews.h"

#include "datafiles/DataArchive.h"
#include "interface/ButtonIcons.h"
#include "interface/InterfaceNames.h"
#include "interface/RefusalReport.h"
#include "platform/GlContext.h"
#include "shell/Configuration.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"
#include "world/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

Interface* interface = nullptr;

namespace {

// A panel at or beyond this position is slid out and neither drawn, updated nor clicked.
constexpr float mainPanelOut = 80.9f;

InterfaceValues ValuesOf(const Brisk::Node& layout) {
    InterfaceValues values;
    values.Load(layout);
    return values;
}

float MinimapTravel(const InterfaceValues& values) {
    return static_cast<float>(values.ValueOf(InterfaceNames::minimapSize) +
                              values.ValueOf(InterfaceNames::minimapOffset));
}

PanelLayout LayoutOf(const InterfaceValues& values, int screenWidth, int screenHeight) {
    return {screenWidth, screenHeight, UsableMinimapSize(values.ValueOf(InterfaceNames::minimapSize)),
            UsableMinimapOffset(values.ValueOf(InterfaceNames::minimapOffset))};
}

BuildInfoPositions PositionsOf(const InterfaceValues& values) {
    BuildInfoPositions positions;
    positions.titleX = values.ValueOf(InterfaceNames::buildinfoTitleX);
    positions.titleY = values.ValueOf(InterfaceNames::buildinfoTitleY);
    for (std::size_t i = 0; i < 3; ++i) {
        positions.lineX[i] = values.ValueOf(InterfaceNames::buildinfoLineX[i]);
        positions.lineY[i] = values.ValueOf(InterfaceNames::buildinfoLineY[i]);
    }
    return positions;
}

// The icons show the drawings in the player's colour; a headless game has no use for them.
bool RenderIconsWhenWindowed(int side) {
    if (!platform::GlContext::IsAnyCurrent())
        return false;
    RenderButtonIcons(side);
    return true;
}

// Where the news line stands: right of the build info box, just above the main panel.
constexpr double newsX = 660;
constexpr double newsY = Interface::mainPanelHeight + 8;

// Every step of the drawing starts here, so integer coordinates hit pixel centres.
void StartAtPixelCentres() {
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
}

} // namespace

Interface::Interface(World* world, Camera* camera, CommandQueue& commands)
    : Interface(world, camera, commands, dataArchive.ReadDocument(InterfaceNames::interfaceFile)) {}

Interface::Interface(World* world, Camera* camera, CommandQueue& commands, const Brisk::Node& layout)
    : world(world), camera(camera), screenWidth(Zelt::configuration.screenWidth),
      screenHeight(Zelt::configuration.screenHeight), values(ValuesOf(layout)), mainPanel(mainPanelHeight),
      minimapPanel(MinimapTravel(values)),
      infoBoxPanel(static_cast<float>(values.ValueOf(InterfaceNames::infoboxSize))), orders(commands),
      overlay(this, world, camera, orders), panelLink(overlay), minimap(*this, *world, camera),
      infoBox(*this, *world), iconsRendered(RenderIconsWhenWindowed(world->sides.playerSide)),
      toolbars(*world, panelLink, messages, orders, LayoutOf(values, screenWidth, screenHeight)),
      statusStrip(panelLink, messages, orders, screenWidth), buildInfo(PositionsOf(values)) {
    if (platform::GlContext::IsAnyCurrent()) {
        panelBand = std::make_unique<PanelBand>(screenWidth, static_cast<int>(mainPanelHeight));
        font.CreateDefault();
    }
}

Interface::~Interface() = default;

void Interface::AfterStep() {
    TellProductionNews(world->StepEvents(), playerSide, messages);
}

void Interface::Update(unsigned elapsedMs) {
    PanelSwitches switches;
    if (Zelt::keyboard != nullptr) {
        switches.mainPanelOff = Zelt::keyboard->ActionToggled(InterfaceNames::switchInterface);
        switches.minimapOff = Zelt::keyboard->ActionToggled(InterfaceNames::switchMinimap);
        switches.infoBoxOff = Zelt::keyboard->ActionToggled(InterfaceNames::switchInfobox);
        switches.messageLogShown = Zelt::keyboard->ActionToggled(InterfaceNames::switchMessageLog);
    }
    Update(elapsedMs, switches);
}

void Interface::Update(unsigned elapsedMs, const PanelSwitches& switches) {
    const float ms = static_cast<float>(elapsedMs);
    mainPanel.Update(switches.mainPanelOff, ms);
    minimapPanel.Update(switches.minimapOff, ms);
    infoBoxPanel.Update(switches.infoBoxOff, ms);
    messageLogShown = switches.messageLogShown;
    overlay.Update(elapsedMs);
    buildInfo.Update(elapsedMs);
    messages.Update(elapsedMs);
    minimap.Age(elapsedMs);
    healthBars.Age(elapsedMs);
    if (MainPanelShown()) {
        PanelPointer pointer;
        if (Zelt::mouse != nullptr) {
            pointer.x = Zelt::mouse->ClientX(nullptr);
            pointer.y = screenHeight - 1 - Zelt::mouse->ClientY(nullptr);
            pointer.leftDown = Zelt::mouse->IsDown(0);
        }
        toolbars.Update(elapsedMs, pointer);
        statusStrip.Update(elapsedMs, pointer);
    }
    buildInfo.SetOrder(toolbars.Order());
    if (minimapPanel.Position() < MinimapTravel(values)) {
        minimap.Update();
    }
}

void Interface::PostLevelMessage(const std::string& text) {
    messages.Post(text);
    messageLog.Add(text);
}

void Interface::TakeEvents(const WorldEvents& events) {
    ReportRefusals(events, playerSide, messages);
    losses.Take(events, playerSide, messages);
    minimap.NoteAttacks(events, playerSide);
    healthBars.TakeEvents(events);
}

bool Interface::MainPanelShown() const {
    return mainPanel.Position() < mainPanelOut;
}

// Whole rows only: a band part slid out leaves its last row partly showing the map.
int Interface::MapRowsHidden() const {
    if (!panelBand || !MainPanelShown())
        return 0;
    return std::max(0, static_cast<int>(std::floor(mainPanelHeight - mainPanel.Position())));
}

void Interface::Draw(const SideTable& sides) {
    StartAtPixelCentres();
    const bool allBars =
        Zelt::keyboard != nullptr && Zelt::keyboard->ActionDown(InterfaceNames::showHealthBars);
    healthBars.Draw(*world, *camera, allBars, screenWidth, screenHeight);
    overlay.Draw();
    if (MainPanelShown()) {
        DrawMainPanel();
    }
    if (minimapPanel.Position() < minimapPanel.Maximum()) {
        StartAtPixelCentres();
        glTranslatef(-minimapPanel.Position(), 0.0f, 0.0f);
        minimap.Draw(minimapPanel.Position());
    }
    if (infoBoxPanel.Position() < values.ValueOf(InterfaceNames::infoboxSize)) {
        StartAtPixelCentres();
        glTranslatef(infoBoxPanel.Position(), mainPanelHeight - mainPanel.Position(), 0.0f);
        infoBox.Draw(sides, overlay.Selection());
        // The box's drawing left the pen at its bottom-right corner.
        glTranslatef(0.0f, InterfaceNames::infoBoxHeight, 0.0f);
        objectives.Draw();
    }
    if (messageLogShown) {
        StartAtPixelCentres();
        messageLog.Draw(screenWidth, screenHeight);
    }
    // Last, so that nothing covers the news and the tooltip.
    if (MainPanelShown()) {
        DrawNews();
    }
}

void Interface::DrawMainPanel() {
    StartAtPixelCentres();
    if (panelBand) {
        panelBand->Draw(mainPanel.Position());
    }
    glTranslatef(0.0f, -mainPanel.Position(), 0.0f);
    toolbars.Draw(buildInfo);
    StartAtPixelCentres();
    glTranslatef(0.0f, -mainPanel.Position(), 0.0f);
    buildInfo.Draw();
    statusStrip.Draw();
}

void Interface::DrawNews() const {
    StartAtPixelCentres();
    glTranslatef(0.0f, -mainPanel.Position(), 0.0f);
    // Up to the info box, wherever its slide has taken it, or else to the screen's edge.
    const double boxLeft = screenWidth - values.ValueOf(InterfaceNames::infoboxSize) + infoBoxPanel.Position();
    constexpr double gap = 12;
    messages.Draw(newsX, newsY, std::max(boxLeft - gap - newsX, 120.0));
    toolbars.DrawTooltip();
}

bool Interface::Click(int x, int y, int button) {
    if (minimapPanel.FullyShown() && minimap.Click(x, y, button)) {
        return true;
    }
    // The box stands on the main panel and sinks with it, and so does the place it takes clicks.
    if (infoBoxPanel.FullyShown() && infoBox.Click(x, y, mainPanelHeight - mainPanel.Position())) {
        return true;
    }
    if (MainPanelShown()) {
        const int upY = screenHeight - 1 - y;
        if (toolbars.Click(x, upY, button) || statusStrip.Click(x, upY, button)) {
            return true;
        }
    }
    // Nothing behind the panel's band reaches the map.
    return static_cast<float>(y) > mainPanel.Position() + static_cast<float>(screenHeight) - mainPanelHeight;
}

void Interface::MapPress(int, int, float worldX, float worldY, int button) {
    overlay.PressAt(worldX, worldY, button);
}

void Interface::MapClick(float worldX, float worldY, int button) {
    overlay.PressAt(worldX, worldY, button);
}

} // namespace Vorn

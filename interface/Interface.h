// Everything drawn over the map in a game: the map overlay, the main panel along the bottom with its
// toolbars, status strip and build info panel, the minimap in the bottom-left corner and the info box above
// the right end of the main panel. The main panel, the minimap and the info box slide out on their keys.
#pragma once

#include "interface/MapOverlay.h"
#include "graphics/TextFont.h"
#include "interface/BuildInfoPanel.h"
#include "interface/InfoBox.h"
#include "interface/InterfaceValues.h"
#include "interface/LossReport.h"
#include "interface/MessageLine.h"
#include "interface/HealthBars.h"
#include "interface/MessageLog.h"
#include "interface/Minimap.h"
#include "interface/ObjectivesPanel.h"
#include "interface/OrderIssuer.h"
#include "interface/OverlayPanelLink.h"
#include "interface/PanelBand.h"
#include "interface/SlidingPanel.h"
#include "interface/StatusStrip.h"
#include "interface/ToolbarPanel.h"

#include <memory>

namespace Brisk {
class Node;
}

namespace Vorn {

class Camera;
class SideTable;
class World;

// Which panels the player has switched off.
struct PanelSwitches {
    bool mainPanelOff = false;
    bool minimapOff = false;
    bool infoBoxOff = false;
    bool messageLogShown = false;
};

class Interface {
public:
    // The main panel's height, which is also how far it slides.
    static constexpr float mainPanelHeight = 81.0f;

    // Reads "interface.xml" through the data archive. The screen size is the configuration's. The panel
    // band, the default font and the minimap's texture are made only with a current GL context. The
    // player's orders become commands in `commands`, which must outlive the interface.
    Interface(World* world, Camera* camera, CommandQueue& commands);
    // The same with the layout given as a document.
    Interface(World* world, Camera* camera, CommandQueue& commands, const Brisk::Node& layout);
    ~Interface();
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    // Slides the panels as the keyboard's switches say (all shown without a keyboard) and updates what
    // is not slid out entirely.
    void Update(unsigned elapsedMs);
    void Update(unsigned elapsedMs, const PanelSwitches& switches);
    // Reads the events of the step just taken: the player's refused orders and losses for the message
    // line, attacks on the player's units for the minimap. Called once per step.
    void TakeEvents(const WorldEvents& events);
    // Needs a GL context.
    void Draw(const SideTable& sides);
    // True when a panel takes the click at window coordinates (y down). Button -1 only asks whether the
    // cursor is over a panel, and nothing acts on it.
    bool Click(int x, int y, int button);
    // A press on the map at window coordinates and at the world point under them.
    void MapPress(int x, int y, float worldX, float worldY, int button);
    // A click at a world point, as the minimap gives one.
    void MapClick(float worldX, float worldY, int button);
    // After each step of the world: tells the player what the step reported about their production.
    void AfterStep();

    int PlayerSide() const { return playerSide; }
    void SetPlayerSide(int side) {
        playerSide = side;
        orders.SetSide(side);
        overlay.SetPlayerSide(side);
    }
    // Presses that reached the map, from the game mode or the minimap.
    unsigned MapPresses() const { return overlay.Presses(); }

    const InterfaceValues& Values() const { return values; }
    int ScreenWidth() const { return screenWidth; }
    int ScreenHeight() const { return screenHeight; }
    const SlidingPanel& MainPanel() const { return mainPanel; }
    // The window's rows, counted from the bottom, that the main panel's band hides this frame: the band
    // replaces every pixel it covers, so nothing of the map drawn there is ever seen.
    int MapRowsHidden() const;
    const SlidingPanel& MinimapPanel() const { return minimapPanel; }
    const SlidingPanel& InfoBoxPanel() const { return infoBoxPanel; }
    MapOverlay& Overlay() { return overlay; }
    Minimap& GetMinimap() { return minimap; }
    InfoBox& GetInfoBox() { return infoBox; }
    BuildInfoPanel& BuildInfo() { return buildInfo; }
    ToolbarPanel& Toolbars() { return toolbars; }
    StatusStrip& Status() { return statusStrip; }
    MessageLine& Messages() { return messages; }
    // The level's own lines: said on the message line and kept in the log.
    void PostLevelMessage(const std::string& text);
    const MessageLog& LevelMessages() const { return messageLog; }
    ObjectivesPanel& Objectives() { return objectives; }
    bool MessageLogShown() const { return messageLogShown; }
    OrderIssuer& Orders() { return orders; }
    // The player's energy and ammunition as the info box last worked them out.
    const SideTotals& Totals() const { return infoBox.Content().Totals(); }

private:
    bool MainPanelShown() const;
    void DrawMainPanel();
    void DrawNews() const;

    World* world;
    Camera* camera;
    int screenWidth;
    int screenHeight;
    std::unique_ptr<PanelBand> panelBand;
    TextFont font;
    InterfaceValues values;
    SlidingPanel mainPanel;
    SlidingPanel minimapPanel;
    SlidingPanel infoBoxPanel;
    OrderIssuer orders;
    MapOverlay overlay;
    OverlayPanelLink panelLink;
    MessageLine messages;
    MessageLog messageLog;
    bool messageLogShown = false;
    ObjectivesPanel objectives;
    LossReport losses;
    Minimap minimap;
    HealthBars healthBars;
    InfoBox infoBox;
    // Made before the toolbars, which take their icons from the texture store.
    bool iconsRendered;
    ToolbarPanel toolbars;
    StatusStrip statusStrip;
    BuildInfoPanel buildInfo;
    int playerSide = 3;
};

// The interface of the running game; set by the game mode while a game runs, null otherwise.
extern Interface* interface;

} // namespace Vorn

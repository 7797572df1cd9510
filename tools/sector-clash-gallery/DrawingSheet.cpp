// The drawing sheet: every drawing and variant on a grid with its points marked, then assembled units.
#include "tools/sector-clash-gallery/DrawingSheet.h"

#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "graphics/DrawingCatalogue.h"
#include "graphics/DrawingDisplay.h"
#include "rules/ConstantsLoader.h"
#include "rules/ConstantsTable.h"
#include "tools/sector-clash-gallery/GallerySheet.h"
#include "tools/sector-clash-gallery/LabelFont.h"
#include "visuals/DrawingStore.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

namespace gallery {

namespace {

constexpr int cellWidth = 220;
constexpr int cellHeight = 250;
constexpr int labelHeight = 40;
constexpr int columns = 8;
constexpr float margin = 14;
// Small objects are not blown up beyond this, so units of one kind compare at one scale.
constexpr float largestScale = 6;

constexpr float sideColours[7][3] = {{1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                     {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
const char* const sideNames[7] = {"Neutral", "Red", "Green", "Blue", "Yellow", "Aqua", "Magenta"};

// What one cell shows: a drawing variant, or a unit assembled from a body and a turret.
struct Cell {
    std::string title;
    const Vorn::Drawing* body = nullptr;
    const Vorn::Drawing* turret = nullptr;
    float size = 0;
    // How many world units one unit of the drawing is in the game: the placement shadow is scaled by
    // the placement size, panel frames are in pixels (0).
    float gameScale = 1;
    // The colour the game calls the drawing in, when it is not the side's.
    bool sideColoured = true;
    float colour[4] = {1, 1, 1, 1};
};

struct Box {
    float left = 0, bottom = 0, right = 0, top = 0;
    void Add(float x, float y) {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
};

Box BoundsOf(const Cell& cell) {
    Box box; // always holds the origin, so the object's centre stays in view
    for (const Vorn::Drawing* drawing : {cell.body, cell.turret}) {
        if (drawing == nullptr) {
            continue;
        }
        for (const Vorn::DrawingStep& step : drawing->Steps()) {
            if (step.kind == Vorn::DrawingStep::Kind::Vertex) {
                box.Add(static_cast<float>(step.x), static_cast<float>(step.y));
            }
        }
        for (const auto& point : drawing->Mouths()) {
            box.Add(point.x, point.y);
        }
        for (const auto& point : drawing->ParticleSystemPoints()) {
            box.Add(point.x, point.y);
        }
    }
    box.Add(-cell.size, -cell.size);
    box.Add(cell.size, cell.size);
    return box;
}

void DrawCross(float x, float y, float arm) {
    glBegin(GL_LINES);
    glVertex2f(x - arm, y - arm);
    glVertex2f(x + arm, y + arm);
    glVertex2f(x - arm, y + arm);
    glVertex2f(x + arm, y - arm);
    glEnd();
}

void DrawDiamond(float x, float y, float arm) {
    glBegin(GL_LINE_LOOP);
    glVertex2f(x, y + arm);
    glVertex2f(x + arm, y);
    glVertex2f(x, y - arm);
    glVertex2f(x - arm, y);
    glEnd();
}

void DrawSizeRing(float radius) {
    glColor4f(1, 1, 1, 0.35f);
    glBegin(GL_LINES);
    for (int i = 0; i < 64; ++i) {
        const float angle = static_cast<float>(i) * 2 * 3.14159265f / 64;
        glVertex2f(std::sin(angle) * radius, std::cos(angle) * radius);
    }
    glEnd();
}

// Marks in screen pixels on top of the picture: red crosses at mouths (numbered in firing order), cyan
// diamonds at particle-system points.
void DrawPoints(const Vorn::Drawing& drawing, float scale) {
    glLineWidth(1.5f);
    glColor4f(1, 0.25f, 0.25f, 1);
    int number = 1;
    for (const auto& mouth : drawing.Mouths()) {
        DrawCross(mouth.x * scale, mouth.y * scale, 3);
        DrawLabel(mouth.x * scale + 4, mouth.y * scale + 2, std::to_string(number++));
    }
    glColor4f(0.3f, 1, 1, 1);
    for (const auto& point : drawing.ParticleSystemPoints()) {
        DrawDiamond(point.x * scale, point.y * scale, 3.5f);
    }
}

float LineWidthFor(const Cell& cell, float scale) {
    if (cell.gameScale <= 0) {
        return 1;
    }
    // The game draws its map with lines one world unit wide.
    GLfloat range[2] = {1, 1};
    glGetFloatv(GL_SMOOTH_LINE_WIDTH_RANGE, range);
    return std::clamp(scale / cell.gameScale, 1.0f, range[1]);
}

std::string Joined(const std::vector<std::string>& names) {
    std::map<std::string, int> counts;
    for (const std::string& name : names) {
        ++counts[name.empty() ? "-" : name];
    }
    std::string text;
    for (const auto& [name, count] : counts) {
        text += (text.empty() ? "" : " ") + name + (count > 1 ? " x" + std::to_string(count) : "");
    }
    return text;
}

void DrawCaption(const Cell& cell, float scale) {
    glColor4f(0.93f, 0.93f, 0.88f, 1);
    DrawLabel(6, 28, cell.title);
    glColor4f(0.7f, 0.75f, 0.7f, 1);
    char detail[64];
    std::snprintf(detail, sizeof detail, "x%.1f%s", scale,
                  cell.size > 0 ? (" size " + std::to_string(static_cast<int>(cell.size + 0.5f))).c_str()
                                : "");
    DrawLabel(cellWidth - 6 - LabelWidth(detail), 28, detail);
    const Vorn::Drawing& drawing = *cell.body;
    if (!drawing.Mouths().empty()) {
        glColor4f(1, 0.5f, 0.5f, 1);
        DrawLabel(6, 16,
                  std::to_string(drawing.Mouths().size()) + "m " + Joined(drawing.MouthParticleSystems()));
    }
    if (!drawing.ParticleSystemNames().empty()) {
        glColor4f(0.5f, 1, 1, 1);
        DrawLabel(6, 4, "ps " + Joined(drawing.ParticleSystemNames()));
    }
}

void DrawPicture(const Cell& cell, int side, float scale) {
    glPushMatrix();
    glScalef(scale, scale, 1);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(LineWidthFor(cell, scale));
    if (cell.sideColoured) {
        glColor3fv(sideColours[side]);
    } else {
        glColor4fv(cell.colour);
    }
    DrawDrawing(*cell.body, 0);
    if (cell.turret != nullptr) {
        glColor3fv(sideColours[side]);
        DrawDrawing(*cell.turret, 0);
    }
    glDisable(GL_LINE_SMOOTH);
    glPopMatrix();
}

// The object as the map shows it at the starting zoom, one pixel per world unit, in the top-right corner.
void DrawActualSize(const Cell& cell, const Box& box, int side) {
    glPushMatrix();
    glTranslatef(std::round(cellWidth - 8 - box.right), std::round(cellHeight - 8 - box.top), 0);
    DrawPicture(cell, side, 1);
    glPopMatrix();
    glColor4f(0.6f, 0.65f, 0.6f, 1);
    DrawLabel(cellWidth - 8 - (box.right - box.left) * 0.5f - LabelWidth("1:1") * 0.5f -
                  0.5f * (box.right + box.left),
              cellHeight - 20 - (box.top - box.bottom), "1:1");
}

// Pixels per unit that fit the box into the area, but small objects no larger than the common scale.
float ScaleFor(const Cell& cell, const Box& box, float areaWidth, float areaHeight) {
    const float fit = std::min(areaWidth / std::max(box.right - box.left, 0.01f),
                               areaHeight / std::max(box.top - box.bottom, 0.01f));
    return cell.gameScale <= 0 ? fit : std::min(fit, largestScale * cell.gameScale);
}

void DrawCell(const Cell& cell, int side) {
    const Box box = BoundsOf(cell);
    float areaWidth = cellWidth - 2 * margin;
    const float areaHeight = cellHeight - labelHeight - 2 * margin;
    // Objects shown much larger than on the map get a 1:1 picture too, in a column of its own.
    const bool actualSize = cell.gameScale == 1 && ScaleFor(cell, box, areaWidth, areaHeight) > 3;
    if (actualSize) {
        areaWidth -= box.right - box.left + 8;
    }
    const float scale = ScaleFor(cell, box, areaWidth, areaHeight);
    const float centreX = margin + areaWidth * 0.5f - (box.left + box.right) * 0.5f * scale;
    const float centreY = labelHeight + margin + areaHeight * 0.5f - (box.bottom + box.top) * 0.5f * scale;
    glTranslatef(0.375f, 0.375f, 0);
    DrawCaption(cell, scale);
    if (actualSize) {
        DrawActualSize(cell, box, side);
    }
    glTranslatef(std::round(centreX), std::round(centreY), 0);
    if (cell.size > 0) {
        glPushMatrix();
        glScalef(scale, scale, 1);
        glLineWidth(1);
        DrawSizeRing(cell.size);
        glPopMatrix();
    }
    DrawPicture(cell, side, scale);
    DrawPoints(*cell.body, scale);
    if (cell.turret != nullptr) {
        DrawPoints(*cell.turret, scale);
    }
}

float GameScaleOf(const std::string& name) {
    if (name == "InfoBox" || name == "BuildInfo") {
        return 0;
    }
    // The shadow spans radius 1 and is scaled by a building's size when placing.
    return name == "BuildingShadow" ? 30.0f : 1.0f;
}

void SetColourByName(Cell& cell, const std::string& colourName, float alpha = -1) {
    const std::uint8_t* bytes = colourTable.ColourOf(colourName);
    for (int i = 0; i < 4; ++i) {
        cell.colour[i] = bytes[i] / 255.0f;
    }
    if (alpha >= 0) {
        cell.colour[3] = alpha;
    }
    cell.sideColoured = false;
}

// Bullets, obstacles and remains belong to side 0 and are drawn white; the interface marks come in the
// colours the overlay sets for them.
void ChooseColour(Cell& cell, const std::string& name, const Vorn::DrawnName* drawn) {
    using Kind = Vorn::DrawnName::Kind;
    if (drawn == nullptr) {
        return;
    }
    if (drawn->kind == Kind::Bullet || drawn->kind == Kind::Obstacle || drawn->kind == Kind::Remains) {
        cell.sideColoured = false;
    } else if (name == "BuildingShadow") {
        SetColourByName(cell, "buildshadow_ok");
    } else if (name == "Waypoint") {
        SetColourByName(cell, "waypoint_new");
    } else if (name == "InfoFrame") {
        const float statusGreen[4] = {0.5f, 1, 0, 0.6f};
        std::copy(statusGreen, statusGreen + 4, cell.colour);
        cell.sideColoured = false;
    }
}

void AddVariants(std::vector<Cell>& cells, const std::string& name, float size,
                 const Vorn::DrawnName* drawn = nullptr) {
    const auto found = Vorn::drawingStore.Drawings().find(name);
    if (found == Vorn::drawingStore.Drawings().end()) {
        Cell missing;
        missing.title = name + " MISSING";
        missing.body = Vorn::drawingStore.DefaultDrawing();
        cells.push_back(missing);
        return;
    }
    const auto& variants = found->second;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        Cell cell;
        cell.title =
            name +
            (variants.size() > 1 ? " " + std::to_string(i + 1) + "/" + std::to_string(variants.size()) : "");
        cell.body = variants[i].get();
        cell.size = size;
        cell.gameScale = GameScaleOf(name);
        ChooseColour(cell, name, drawn);
        cells.push_back(cell);
    }
}

const Vorn::Drawing* First(const std::string& name) {
    const auto found = Vorn::drawingStore.Drawings().find(name);
    return found == Vorn::drawingStore.Drawings().end() ? Vorn::drawingStore.DefaultDrawing()
                                                        : found->second.front().get();
}

float SizeOfName(const std::string& name) {
    for (const Vorn::DrawnName& drawn : Vorn::DrawnNames()) {
        if (drawn.name == name) {
            return Vorn::ObjectSizeOf(drawn, Vorn::Constants::constantsTable);
        }
    }
    return 0;
}

// Units as the map shows them: each chassis and tower with turrets it is likely to carry.
void AddAssembled(std::vector<Cell>& cells) {
    const std::pair<const char*, const char*> units[] = {
        {"ScoutTank", "Gun1"},         {"ScoutTank", "Radar"},        {"LightTank", "Gun2"},
        {"LightTank", "Rockets1"},     {"LightTank", "Repairer"},     {"MediumTank", "Cannon1"},
        {"MediumTank", "Razor2"},      {"MediumTank", "Gauss"},       {"MediumTank", "Grenade"},
        {"HeavyTank", "Cannon2"},      {"HeavyTank", "RocketsL"},     {"HeavyTank", "Rockets2"},
        {"HeavyTank", "Gun3"},         {"SurveilanceTower", "Radar"}, {"SurveilanceTower", "Razor1"},
        {"SupportTower", "Rockets2R"}, {"SupportTower", "Razor2R"},   {"DefenseTower", "Cannon2R"},
    };
    for (const auto& [body, turret] : units) {
        Cell cell;
        cell.title = std::string(body) + "+" + turret;
        cell.body = First(body);
        cell.turret = First(turret);
        cell.size = SizeOfName(body);
        cells.push_back(cell);
    }
}

std::vector<Cell> CellsOfStore() {
    std::vector<Cell> cells;
    std::set<std::string> listed;
    for (const Vorn::DrawnName& drawn : Vorn::DrawnNames()) {
        AddVariants(cells, drawn.name, Vorn::ObjectSizeOf(drawn, Vorn::Constants::constantsTable), &drawn);
        listed.insert(drawn.name);
    }
    for (const auto& [name, variants] : Vorn::drawingStore.Drawings()) {
        if (listed.count(name) == 0) {
            AddVariants(cells, name, 0);
        }
    }
    AddAssembled(cells);
    return cells;
}

void DrawHeader(const std::string& sideName, std::size_t drawings) {
    glTranslatef(0.375f, 0.375f, 0);
    glColor4f(1, 1, 1, 1);
    DrawLabel(10, 14, "Sector Clash drawings", 2);
    glColor4f(0.75f, 0.8f, 0.75f, 1);
    DrawLabel(300, 18,
              std::to_string(drawings) + " cells in side " + sideName +
                  ".  ring: size from constants.xml.  xN: pixels per world unit.");
    glColor4f(1, 0.5f, 0.5f, 1);
    DrawLabel(300, 6,
              "red cross: mouth, numbered in firing order (Nm: how many, with their particle systems)");
    glColor4f(0.5f, 1, 1, 1);
    DrawLabel(900, 6, "cyan diamond: particle-system point (ps: names)");
}

void LoadGameData() {
    if (colourTable.Colours().empty()) {
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
    }
    Vorn::Constants::LoadConstants();
    Vorn::drawingStore.Load();
}

} // namespace

std::string MakeDrawingSheet(GalleryWindow& window, const DrawingSheetOptions& options) {
    const int side = std::clamp(options.side, 0, 6);
    LoadGameData();
    const std::vector<Cell> cells = CellsOfStore();
    Sheet sheet(columns, static_cast<int>(cells.size()), cellWidth, cellHeight, 32);
    sheet.RenderHeader(window, [&] { DrawHeader(sideNames[side], cells.size()); });
    for (std::size_t i = 0; i < cells.size(); ++i) {
        sheet.RenderCell(window, static_cast<int>(i), [&] { DrawCell(cells[i], side); });
    }
    Vorn::drawingStore.Release();
    Vorn::Constants::ReleaseConstants();
    return sheet.Save(options.output);
}

} // namespace gallery

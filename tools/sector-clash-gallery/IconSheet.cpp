// The icon sheet: every button icon of the main panel on a panel button.
#include "tools/sector-clash-gallery/IconSheet.h"

#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "visuals/DrawingStore.h"
#include "graphics/TextureStore.h"
#include "interface/ButtonIcons.h"
#include "interface/ToolbarButton.h"
#include "rules/ConstantsLoader.h"
#include "tools/sector-clash-gallery/GallerySheet.h"
#include "tools/sector-clash-gallery/LabelFont.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

namespace gallery {

namespace {

constexpr int cellWidth = 120;
constexpr int cellHeight = 100;
constexpr int columns = 8;

void DrawIconCell(const std::string& name) {
    Vorn::ToolbarButton button;
    button.texture = Vorn::IconTexture(name);
    glPushMatrix();
    glTranslatef((cellWidth - 64) / 2 + 0.375f, 26.375f, 0);
    button.Draw();
    glPopMatrix();
    glColor4f(0.93f, 0.93f, 0.88f, 1);
    DrawLabel(std::max(2.0f, (cellWidth - LabelWidth(name)) / 2), 8, name);
}

} // namespace

std::string MakeIconSheet(GalleryWindow& window, const IconSheetOptions& options) {
    if (colourTable.Colours().empty())
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
    Vorn::Constants::LoadConstants();
    Vorn::drawingStore.Load();
    Vorn::RenderButtonIcons(std::clamp(options.side, 0, 6));
    std::vector<std::string> names = Vorn::IconDrawings();
    for (const std::string& plain : Vorn::PlainIcons())
        names.push_back(plain);
    Sheet sheet(columns, static_cast<int>(names.size()), cellWidth, cellHeight, 0);
    for (std::size_t i = 0; i < names.size(); ++i)
        sheet.RenderCell(window, static_cast<int>(i), [&] { DrawIconCell(names[i]); });
    Vorn::textureStore.Release();
    Vorn::drawingStore.Release();
    Vorn::Constants::ReleaseConstants();
    return sheet.Save(options.output);
}

} // namespace gallery

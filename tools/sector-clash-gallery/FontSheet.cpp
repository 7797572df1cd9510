// The font sheet: every font of "fonts.xml" built as the loading mode builds it, drawn on the panel
// background.
#include "tools/sector-clash-gallery/FontSheet.h"

#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "graphics/FontNames.h"
#include "graphics/FontStore.h"
#include "graphics/PanelBackground.h"
#include "tools/sector-clash-gallery/GallerySheet.h"
#include "tools/sector-clash-gallery/LabelFont.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace gallery {

namespace {

constexpr int cellWidth = 1000;
constexpr int margin = 10;
constexpr int lineCount = 4;

// Texts in the game's code page (Windows-1252), as "texts.xml" delivers them.
const char* const pangram = "Sphinx of black quartz, judge my vow. PACK MY BOX WITH FIVE DOZEN JUGS";
const char* const figures = "0123456789  +-*/=%()[]  $1,250  12:45:07  Units: 256, Bullets: 003";
const char* const accented =
    "Gr\xfcn T\xfcrkis Au\xdf"
    "enposten Geb\xe4ude Sp\xe4her St\xfctze T\xfcrme  "
    "\xc4\xd6\xdc \xe4\xf6\xfc \xdf \xe9\xe8\xea\xe0\xe7\xf1 \x80 \x96 \x84quoted\x93";

struct FontRow {
    std::string name;
    Vorn::FontEntry entry;
};

std::string Describe(const Vorn::FontEntry& entry) {
    std::string text = entry.face + ", size " + std::to_string(entry.size);
    text += entry.bold ? ", bold" : "";
    text += entry.italic ? ", italic" : "";
    text += entry.underline ? ", underlined" : "";
    text += entry.shadow ? ", shadow" : "";
    return text;
}

int LineHeight(int size) {
    return size + 6;
}

void DrawRow(Vorn::TextFont& font, const FontRow& row, int cellHeight, unsigned int background) {
    glCallList(background);
    glColor4f(1, 1, 1, 1);
    DrawLabel(margin, cellHeight - 20, row.name, 2.0f);
    glColor4f(0.7f, 0.8f, 0.7f, 1);
    DrawLabel(margin + LabelWidth(row.name, 2.0f) + 16, cellHeight - 18, Describe(row.entry));
    const int step = LineHeight(row.entry.size);
    double y = cellHeight - 30 - step;
    for (const char* line : {pangram, figures, accented}) {
        font.DrawText(margin, y, line);
        y -= step;
    }
    const bool shadow = font.shadow;
    const bool underline = font.underline;
    double x = font.DrawText(margin, y, "As set  ");
    font.shadow = true;
    x = font.DrawText(x, y, "with shadow  ");
    font.shadow = shadow;
    font.underline = true;
    font.DrawText(x, y, "underlined");
    font.underline = underline;
}

} // namespace

std::string MakeFontSheet(GalleryWindow& window, const FontSheetOptions& options) {
    if (colourTable.Colours().empty()) {
        LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
    }
    Vorn::FontStore store;
    store.Load(dataArchive.ReadDocument(Vorn::FontNames::fontsFile));
    std::vector<FontRow> rows;
    int largest = 0;
    for (const Brisk::Node& element : store.Description().children) {
        if (std::optional<Vorn::FontEntry> entry = Vorn::FontStore::ReadEntry(element)) {
            largest = std::max(largest, entry->size);
            rows.push_back({element.name, *entry});
        }
    }
    if (rows.empty()) {
        return "fonts.xml describes no usable font";
    }
    const auto start = std::chrono::steady_clock::now();
    store.OpenInstaller(Vorn::FontNames::fontsDirectory);
    for (const std::string& family : store.Families()) {
        if (!store.EnsureFamily(family)) {
            std::fprintf(stderr, "sector-clash-gallery: family \"%s\" is neither installed nor shipped\n",
                         family.c_str());
        }
    }
    store.Create();
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "sector-clash-gallery: %zu fonts of %zu families made in %.1f ms\n", rows.size(),
                 store.Families().size(), milliseconds);

    const int cellHeight = 34 + lineCount * LineHeight(std::min(largest, Vorn::TextFont::MaxSize)) + margin;
    const unsigned int background = Vorn::BuildPanelBackground(cellWidth, cellHeight);
    Sheet sheet(1, static_cast<int>(rows.size()), cellWidth, cellHeight, 0);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        Vorn::TextFont& font = store.FindFont(rows[index].name);
        sheet.RenderCell(window, static_cast<int>(index),
                         [&] { DrawRow(font, rows[index], cellHeight, background); });
    }
    glDeleteLists(background, 1);
    store.Release();
    store.ReleaseInstaller();
    return sheet.Save(options.output);
}

} // namespace gallery

// The outcome screen.
#include "game/OutcomeScreen.h"

#include "datafiles/ColourTable.h"
#include "datafiles/SideNames.h"
#include "datafiles/TextTable.h"
#include "game/Outcome.h"
#include "graphics/FontStore.h"

#include <GL/gl.h>

#include <string>

namespace Vorn {

namespace {

constexpr int boxWidth = 520;
constexpr int sideRowHeight = 24;
constexpr int destroyedColumn = 260;
constexpr int lostColumn = 390;

// Nearly opaque: a bright building under the panel would otherwise swallow its figures.
void DrawBox(int left, int bottom, int width, int height) {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 224);
    glBegin(GL_QUADS);
    glVertex2i(left, bottom);
    glVertex2i(left + width, bottom);
    glVertex2i(left + width, bottom + height);
    glVertex2i(left, bottom + height);
    glEnd();
    glColor4ubv(colourTable.ColourOf("white"));
    glBegin(GL_LINE_LOOP);
    glVertex2i(left, bottom);
    glVertex2i(left + width, bottom);
    glVertex2i(left + width, bottom + height);
    glVertex2i(left, bottom + height);
    glEnd();
}

int PresentSides(const Outcome& outcome) {
    int count = 0;
    for (const SideOutcome& side : outcome.sides)
        count += side.present ? 1 : 0;
    return count;
}

// The player's side is marked, so the table reads from the player's point of view.
void DrawSideLines(const Outcome& outcome, int playerSide, double left, double& y) {
    const TextFont& text = fontStore.FindFont("info_text");
    text.DrawText(left + destroyedColumn, y, textTable.TextOf("outcome_destroyed").c_str());
    text.DrawText(left + lostColumn, y, textTable.TextOf("outcome_lost_units").c_str());
    for (std::size_t side = 0; side < outcome.sides.size(); ++side) {
        const SideOutcome& entry = outcome.sides[side];
        if (!entry.present)
            continue;
        y -= sideRowHeight;
        std::string name = textTable.TextOf(std::string(sideNames[side]));
        if (static_cast<int>(side) == playerSide)
            name += " *";
        text.DrawText(left, y, name.c_str());
        text.PrintText(left + destroyedColumn, y, "%d", entry.destroyed);
        text.PrintText(left + lostColumn, y, "%d", entry.lost);
    }
}

} // namespace

void DrawOutcome(const Outcome& outcome, int playerSide, int screenWidth, int screenHeight, bool replay) {
    const int height = 150 + sideRowHeight * PresentSides(outcome);
    const int left = (screenWidth - boxWidth) / 2;
    const int bottom = (screenHeight - height) / 2;
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    DrawBox(left, bottom, boxWidth, height);

    const double textLeft = left + 24;
    double y = bottom + height - 44;
    const TextFont& title = fontStore.FindFont("info_title");
    const char* titleKey = !outcome.finished ? "outcome_replay_ended"
                           : outcome.won     ? "outcome_won"
                                             : "outcome_lost";
    title.DrawText(textLeft, y, textTable.TextOf(titleKey).c_str());
    y -= 30;
    const unsigned seconds = outcome.gameMs / 1000;
    // The label comes from the data, the figures from here: a text file never supplies a format.
    fontStore.FindFont("default").PrintText(
        textLeft, y, "%s %u:%02u", textTable.TextOf("outcome_time").c_str(), seconds / 60, seconds % 60);
    y -= 30;
    DrawSideLines(outcome, playerSide, textLeft, y);
    fontStore.FindFont("default").DrawText(
        textLeft, bottom + 14, textTable.TextOf(replay ? "outcome_replay_keys" : "outcome_keys").c_str());
}

} // namespace Vorn

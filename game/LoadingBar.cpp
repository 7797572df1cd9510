// The progress bar the loading mode draws at the bottom-left of the screen.
#include "game/LoadingBar.h"

#include "datafiles/ColourTable.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

void Vertex(int x, int y, const char* colour) {
    glColor4ubv(colourTable.ColourOf(colour));
    glVertex2i(x, y);
}

} // namespace

void DrawLoadingBar(int loadingStep) {
    int end = 32 + (loadingStep * 128) / 9;
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    glBegin(GL_QUADS);
    Vertex(32, 32, "loading_bar_1");
    Vertex(32, 40, "loading_bar_2");
    Vertex(end, 40, "loading_bar_3");
    Vertex(end, 32, "loading_bar_4");
    glEnd();
    glBegin(GL_LINE_LOOP);
    Vertex(32, 32, "loading_frame_1");
    Vertex(32, 40, "loading_frame_2");
    Vertex(160, 40, "loading_frame_3");
    Vertex(160, 32, "loading_frame_4");
    glEnd();
}

} // namespace Vorn

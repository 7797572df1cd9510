// The menus' panels, buttons and texts.
#include "menu/MenuDrawing.h"

#include "datafiles/ColourTable.h"
#include "graphics/FontStore.h"
#include "graphics/PanelBackground.h"
#include "interface/TextWrap.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

constexpr int buttonTextInset = 12;

void Quad(const MenuBox& box, GLenum mode) {
    glBegin(mode);
    glVertex2i(box.left, box.bottom);
    glVertex2i(box.left + box.width, box.bottom);
    glVertex2i(box.left + box.width, box.bottom + box.height);
    glVertex2i(box.left, box.bottom + box.height);
    glEnd();
}

} // namespace

void MenuPanel::Draw(const MenuBox& box) {
    if (list == 0 || width != box.width || height != box.height) {
        Release();
        list = BuildPanelBackground(box.width, box.height);
        width = box.width;
        height = box.height;
    }
    glPushMatrix();
    glTranslatef(static_cast<float>(box.left), static_cast<float>(box.bottom), 0.0f);
    glCallList(list);
    glPopMatrix();
}

void MenuPanel::Release() {
    if (list != 0)
        glDeleteLists(list, 1);
    list = 0;
}

MenuBox PageBox(int screenWidth, int screenHeight) {
    constexpr int margin = 48;
    return {margin, margin, screenWidth - 2 * margin, screenHeight - 2 * margin};
}

void DrawScreenShade(int screenWidth, int screenHeight) {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(0, 0, 0, 150);
    Quad(MenuBox{0, 0, screenWidth, screenHeight}, GL_QUADS);
}

void DrawFramedBox(const MenuBox& box, const char* fill, const char* frame) {
    glDisable(GL_TEXTURE_2D);
    glColor4ubv(colourTable.ColourOf(fill));
    Quad(box, GL_QUADS);
    glColor4ubv(colourTable.ColourOf(frame));
    Quad(box, GL_LINE_LOOP);
}

void DrawMenuButtons(const MenuList& list, bool active) {
    const TextFont& enabled = fontStore.FindFont("toolbar_button_text");
    const TextFont& disabled = fontStore.FindFont("toolbar_button_text_disabled");
    for (std::size_t index = 0; index < list.Items().size(); ++index) {
        const MenuItem& item = list.Items()[index];
        const MenuBox& box = list.Boxes()[index];
        const bool focused = active && static_cast<int>(index) == list.FocusedIndex();
        DrawFramedBox(box, focused ? "drawing_panel_title" : "drawing_panel",
                      focused ? "drawing_panel_light" : "drawing_panel_frame");
        (item.enabled ? enabled : disabled)
            .DrawText(box.left + buttonTextInset, box.bottom + box.height / 2 - 5, item.label.c_str());
    }
}

double DrawMenuText(const char* font, double x, double y, const std::string& text) {
    return fontStore.FindFont(font).DrawText(x, y, text.c_str());
}

double DrawWrappedText(const char* font, double x, double y, double width, double lineHeight,
                       const std::string& text) {
    const TextFont& face = fontStore.FindFont(font);
    const auto measure = [&face](const std::string& line) { return face.Advance(line.c_str()); };
    if (text.empty())
        return y;
    for (const std::string& line : WrapText(text, width, measure)) {
        face.DrawText(x, y, line.c_str());
        y -= lineHeight;
    }
    return y;
}

} // namespace Vorn

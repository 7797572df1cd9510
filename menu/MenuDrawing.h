// Drawing the menus in the game's look: the main panel's background behind every page, buttons in the
// panel colours, texts in the interface's fonts. Screen pixels, y up; needs the GL context and the fonts.
#pragma once

#include "menu/MenuList.h"

#include <string>

namespace Vorn {

// The panel background of one size, recorded once and drawn at any place.
class MenuPanel {
public:
    MenuPanel() = default;
    ~MenuPanel() { Release(); }
    MenuPanel(const MenuPanel&) = delete;
    MenuPanel& operator=(const MenuPanel&) = delete;

    void Draw(const MenuBox& box);
    void Release();

private:
    unsigned int list = 0;
    int width = 0;
    int height = 0;
};

// The box every full-screen page fills: the screen less a margin all round.
MenuBox PageBox(int screenWidth, int screenHeight);
// Darkens the whole screen, so a menu over the map reads as being in front of it.
void DrawScreenShade(int screenWidth, int screenHeight);
// A filled box with a frame in named colours of the colour table.
void DrawFramedBox(const MenuBox& box, const char* fill, const char* frame);
// The list's buttons; the focused one is lit while the list has the keys, disabled ones are drawn in the
// disabled font.
void DrawMenuButtons(const MenuList& list, bool active = true);
// One line of text in a named font; answers the pen's x after it.
double DrawMenuText(const char* font, double x, double y, const std::string& text);
// The text broken at spaces into lines no wider than `width`; answers the baseline below the last line.
double DrawWrappedText(const char* font, double x, double y, double width, double lineHeight,
                       const std::string& text);

} // namespace Vorn

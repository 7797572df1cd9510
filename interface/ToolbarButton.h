// One square button of a toolbar or of the status strip: its size, icon, state and the clicks it has
// counted for the panel logic.
#pragma once

namespace Vorn {

enum class ButtonState : int { Normal = 0, Disabled = 1, Hover = 2, Pressed = 3 };

struct ToolbarButton {
    int width = 64;
    int height = 64;
    // OpenGL texture name of the icon.
    unsigned int texture = 0;
    int iconX = 0;
    int iconY = 0;
    // -1 takes the button's width or height.
    int iconWidth = -1;
    int iconHeight = -1;
    ButtonState state = ButtonState::Normal;
    // Clicks not yet taken by the panel logic.
    int clicks = 0;

    bool Disabled() const { return state == ButtonState::Disabled; }
    // Hovered or pressed while the pointer is over it, normal otherwise; a disabled button keeps its state.
    void Point(bool over, bool leftDown);
    // Draws at the current origin: a dark square, the icon, the outline and the hover or press frame.
    // Needs a GL context.
    void Draw() const;
};

} // namespace Vorn

// A strip of square buttons along the main panel.
#include "interface/Toolbar.h"

#include "datafiles/TextTable.h"
#include "graphics/FontStore.h"
#include "graphics/TextureStore.h"
#include "shell/Configuration.h"
#include "sound/SoundSystem.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Vorn {

namespace {

constexpr int arrowWidth = 16;
constexpr int buttonSide = 64;

ToolbarButton Arrow(const char* textureName) {
    ToolbarButton arrow;
    arrow.width = arrowWidth;
    arrow.height = buttonSide;
    arrow.texture = textureStore.FindTexture(textureName);
    arrow.iconX = 0;
    arrow.iconY = 24;
    arrow.iconWidth = 16;
    arrow.iconHeight = 16;
    return arrow;
}

bool Inside(int px, int py, int left, int bottom, int w, int h) {
    return px >= left && px < left + w && py >= bottom && py < bottom + h;
}

} // namespace

std::string Text(const std::string& key) {
    return textTable.TextOf(key);
}

std::string PriceText(int price) {
    char text[64];
    std::snprintf(text, sizeof text, "%d", price);
    // The format belongs to the data; only one integer conversion is trusted in it.
    const std::string format = Text("Price");
    const auto conversion = format.find("%d");
    if (conversion == std::string::npos || format.find('%', conversion + 2) != std::string::npos)
        return text;
    return format.substr(0, conversion) + text + format.substr(conversion + 2);
}

Toolbar::Toolbar(int width, int x, int y)
    : scrollSpeed(Zelt::configuration.interfaceScrollX), width(width), x(x), y(y),
      leftArrow(Arrow("arrow_left")), rightArrow(Arrow("arrow_right")) {}

void Toolbar::AddButton(unsigned int texture) {
    ToolbarButton button;
    button.texture = texture;
    buttons.push_back(button);
}

int Toolbar::ScrollLimit() const {
    return std::max(0, buttonPitch * ButtonCount() + 41 - width);
}

void Toolbar::SetScroll(float value) {
    scroll = std::clamp(value, 0.0f, static_cast<float>(ScrollLimit()));
}

int Toolbar::ButtonLeft(int index) const {
    return x + firstButtonOffset + buttonPitch * index - static_cast<int>(scroll);
}

bool Toolbar::InButtonBand(int px, int py, int bandHeight) const {
    return px >= x + firstButtonOffset && px < x + width - firstButtonOffset && py >= y &&
           py < y + bandHeight;
}

void Toolbar::Update(unsigned elapsedMs, const PanelPointer& pointer) {
    UpdateArrows(elapsedMs, pointer);
    UpdateButtons(pointer);
}

void Toolbar::UpdateArrows(unsigned elapsedMs, const PanelPointer& pointer) {
    const int limit = ScrollLimit();
    if (buttonPitch * ButtonCount() + 41 <= width) {
        leftArrow.state = rightArrow.state = ButtonState::Disabled;
        scroll = 0;
        return;
    }
    const float step = scrollSpeed * 0.001f * static_cast<float>(elapsedMs);
    if (scroll == 0.0f) {
        leftArrow.state = ButtonState::Disabled;
    } else {
        leftArrow.state = ButtonState::Normal;
        const bool over = Inside(pointer.x, pointer.y, x, y, arrowWidth, buttonSide);
        leftArrow.Point(over, pointer.leftDown);
        if (over && pointer.leftDown)
            scroll -= step;
    }
    if (static_cast<int>(scroll) == limit) {
        rightArrow.state = ButtonState::Disabled;
    } else {
        rightArrow.state = ButtonState::Normal;
        const bool over = Inside(pointer.x, pointer.y, x + width - arrowWidth, y, arrowWidth, buttonSide);
        rightArrow.Point(over, pointer.leftDown);
        if (over && pointer.leftDown)
            scroll += step;
    }
    scroll = std::clamp(scroll, 0.0f, static_cast<float>(limit));
}

void Toolbar::UpdateButtons(const PanelPointer& pointer) {
    // The band test is inclusive at the top, as a pointer on the strip's upper edge still hovers.
    const bool inBand = InButtonBand(pointer.x, pointer.y, buttonSide + 1);
    for (int i = 0; i < ButtonCount(); ++i) {
        const bool over = inBand && Inside(pointer.x, pointer.y, ButtonLeft(i), y, buttonSide, buttonSide);
        ToolbarButton& button = buttons[static_cast<std::size_t>(i)];
        const bool wasPointed = button.state == ButtonState::Hover || button.state == ButtonState::Pressed;
        button.Point(over, pointer.leftDown);
        // A tick as the pointer comes onto an enabled button, not while it rests there.
        if (!wasPointed && button.state == ButtonState::Hover)
            PlayInterfaceSound(InterfaceCue::Hover);
    }
}

bool Toolbar::Click(int cx, int cy) {
    if (!InButtonBand(cx, cy, buttonSide + 1))
        return false;
    for (int i = 0; i < ButtonCount(); ++i) {
        ToolbarButton& button = buttons[static_cast<std::size_t>(i)];
        if (!button.Disabled() && Inside(cx, cy, ButtonLeft(i), y, buttonSide, buttonSide)) {
            ++button.clicks;
            PlayInterfaceSound(InterfaceCue::Click);
        }
    }
    return true;
}

int Toolbar::TakeClicks(int index) {
    if (index < 0 || index >= ButtonCount())
        return 0;
    const int clicks = buttons[static_cast<std::size_t>(index)].clicks;
    buttons[static_cast<std::size_t>(index)].clicks = 0;
    return clicks;
}

void Toolbar::DropClicks() {
    for (ToolbarButton& button : buttons)
        button.clicks = 0;
}

void Toolbar::SetEnabled(int index, bool enabled) {
    if (index < 0 || index >= ButtonCount())
        return;
    ToolbarButton& button = buttons[static_cast<std::size_t>(index)];
    if (enabled && button.Disabled())
        button.state = ButtonState::Normal;
    else if (!enabled)
        button.state = ButtonState::Disabled;
}

bool Toolbar::IsEnabled(int index) const {
    return index >= 0 && index < ButtonCount() && !Button(index).Disabled();
}

int Toolbar::PointedButton() const {
    for (int i = 0; i < ButtonCount(); ++i) {
        const ButtonState state = Button(i).state;
        if (state == ButtonState::Hover || state == ButtonState::Pressed)
            return i;
    }
    return -1;
}

void Toolbar::Draw() const {
    glPushMatrix();
    glTranslatef(0.375f, 0.375f, 0);
    leftArrow.Draw();
    // The scissor box is in window pixels, so it follows wherever the panel has slid to.
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    glEnable(GL_SCISSOR_TEST);
    glScissor(static_cast<GLint>(std::floor(matrix[12])) + 23, static_cast<GLint>(std::floor(matrix[13])),
              std::max(0, width - 47), 65);
    glTranslatef(static_cast<float>(firstButtonOffset - static_cast<int>(scroll)), 0, 0);
    for (int i = 0; i < ButtonCount(); ++i) {
        DrawButton(i);
        glTranslatef(buttonPitch, 0, 0);
    }
    glDisable(GL_SCISSOR_TEST);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(static_cast<float>(width - 17), 0, 0);
    rightArrow.Draw();
    glPopMatrix();
}

void Toolbar::DrawButton(int index) const {
    Button(index).Draw();
}

void Toolbar::DrawTexts(int index, const std::string& label, const std::string& info,
                        bool disabledFonts) const {
    const bool disabled = disabledFonts && Button(index).Disabled();
    fontStore.FindFont(disabled ? "toolbar_button_text_disabled" : "toolbar_button_text")
        .DrawText(6, 0, label.c_str());
    DrawInfo(6, 46, info, Button(index).Disabled(), disabledFonts);
}

void Toolbar::DrawInfo(double px, double py, const std::string& text, bool disabled,
                       bool disabledFonts) const {
    if (text.empty())
        return;
    fontStore.FindFont(disabled && disabledFonts ? "toolbar_button_info_disabled" : "toolbar_button_info")
        .DrawText(px, py, text.c_str());
}

} // namespace Vorn

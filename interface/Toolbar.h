// A strip of square buttons along the main panel, scrolled by an arrow at each end when it holds more than
// fits. Buttons count clicks; the panel logic takes them in its next update.
#pragma once

#include "interface/PanelPointer.h"
#include "interface/ToolbarButton.h"

#include <string>
#include <vector>

namespace Vorn {

class Building;

class Toolbar {
public:
    // Buttons stand this far apart: 64 wide with a gap of 8.
    static constexpr int buttonPitch = 72;
    // The first button starts this far right of the strip's left edge, past the left arrow.
    static constexpr int firstButtonOffset = 24;

    // width, x and y: the strip's size and its screen position (origin bottom left). The arrows take
    // their textures from the texture store when it has them.
    Toolbar(int width, int x, int y);
    virtual ~Toolbar() = default;
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // A 64 x 64 button whose icon fills it.
    void AddButton(unsigned int texture);
    // Hover, press and scrolling for the pointer; the arrows scroll at scrollSpeed pixels per second.
    void Update(unsigned elapsedMs, const PanelPointer& pointer);
    // True when the point lies in the strip's button band; then every enabled button under it counts a
    // click. Between buttons the click is taken and counts for none.
    bool Click(int x, int y);
    // The button's pending clicks, which are then forgotten; 0 for an index out of range.
    int TakeClicks(int index);
    // Forgets every pending click, so that clicks on a strip that is no longer shown act nowhere later.
    void DropClicks();
    void SetEnabled(int index, bool enabled);
    bool IsEnabled(int index) const;
    // Needs a GL context.
    void Draw() const;
    // The base draws the frame and the icon; the toolbars add their texts.
    virtual void DrawButton(int index) const;
    // What the player reads about a hovered button: what it does, its price, why it is disabled.
    virtual std::string Tooltip(int /*index*/) const { return {}; }

    // The building the strip is shown for, which its texts describe; the panel sets it every update.
    void SetSubject(Building* building) { subject = building; }
    Building* Subject() const { return subject; }

    int ButtonCount() const { return static_cast<int>(buttons.size()); }
    const ToolbarButton& Button(int index) const { return buttons[static_cast<std::size_t>(index)]; }
    void SetButtonTexture(int index, unsigned int texture) {
        buttons[static_cast<std::size_t>(index)].texture = texture;
    }
    const ToolbarButton& LeftArrow() const { return leftArrow; }
    const ToolbarButton& RightArrow() const { return rightArrow; }
    // The hovered or pressed button, or -1.
    int PointedButton() const;
    float Scroll() const { return scroll; }
    void SetScroll(float value);
    int ScrollLimit() const;
    int Width() const { return width; }
    int X() const { return x; }
    int Y() const { return y; }

    float scrollSpeed;

protected:
    // The label at (6, 0) and the info text at (6, 46) with the toolbar fonts, or their disabled forms.
    void DrawTexts(int index, const std::string& label, const std::string& info, bool disabledFonts) const;
    void DrawInfo(double x, double y, const std::string& text, bool disabled, bool disabledFonts) const;

    Building* subject = nullptr;

private:
    void UpdateArrows(unsigned elapsedMs, const PanelPointer& pointer);
    void UpdateButtons(const PanelPointer& pointer);
    bool InButtonBand(int px, int py, int bandHeight) const;
    int ButtonLeft(int index) const;

    int width;
    int x;
    int y;
    float scroll = 0;
    ToolbarButton leftArrow;
    ToolbarButton rightArrow;
    std::vector<ToolbarButton> buttons;
};

// A text key's text, or the key itself.
std::string Text(const std::string& key);
// The text "Price" used as a format with one integer.
std::string PriceText(int price);

} // namespace Vorn

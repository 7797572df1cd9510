// The main panel's band: its background recorded once and, where the window can hold it, copied into a
// texture on first use, so every later frame draws one textured quad instead of hundreds of grid lines
// (which software renderers spend milliseconds on).
#pragma once

namespace Vorn {

class PanelBand {
public:
    // Needs a current GL context; without one the band draws nothing.
    PanelBand(int width, int height);
    ~PanelBand();
    PanelBand(const PanelBand&) = delete;
    PanelBand& operator=(const PanelBand&) = delete;

    // Draws the band with its bottom `drop` pixels below the screen's bottom edge. The background does not
    // blend with what lies under it, so the copy is the same picture as the lines.
    void Draw(float drop);
    bool Cached() const { return texture != 0; }

private:
    void Capture();
    void DrawCopy(float drop) const;

    int width;
    int height;
    unsigned int list = 0;
    unsigned int texture = 0;
    int textureWidth = 0;
    int textureHeight = 0;
    bool captureTried = false;
};

} // namespace Vorn

// The gallery's drawing surface: a window with the game's GL context in which sheet cells are drawn one
// at a time, copied into one large image and saved as a PNG. Shared by every sheet the gallery makes.
#pragma once

#include "platform/PngFile.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {
class Window;
}
namespace Zelt {
class RenderContext;
}

namespace gallery {

class GalleryWindow {
public:
    // Opens a window with the game's pixel-exact projection (origin bottom left, one unit per pixel) and
    // blending on; null, with the reason, when there is no display.
    static std::unique_ptr<GalleryWindow> Open(int width, int height, std::string& reason);
    ~GalleryWindow();

    int Width() const;
    int Height() const;
    // Clears the back buffer, draws with draw() and reads the rectangle (0, 0) to (width, height) back.
    platform::RgbaImage Render(int width, int height, const std::function<void()>& draw,
                               const float background[3]);

private:
    GalleryWindow() = default;
    std::unique_ptr<platform::Window> window;
    Zelt::RenderContext* context = nullptr;
};

// A grid of equal cells below a header strip, filled cell by cell.
class Sheet {
public:
    Sheet(int columns, int cellCount, int cellWidth, int cellHeight, int headerHeight);

    int CellWidth() const { return cellWidth; }
    int CellHeight() const { return cellHeight; }
    int HeaderHeight() const { return headerHeight; }
    int Width() const { return image.width; }

    // Renders cell `index` through the window: draw gets the cell as the area (0, 0)-(cell width, cell
    // height).
    void RenderCell(GalleryWindow& window, int index, const std::function<void()>& draw);
    // Renders the header strip, in slices as wide as the window; draw is called once per slice with the
    // slice's left edge already translated away.
    void RenderHeader(GalleryWindow& window, const std::function<void()>& draw);
    // Answers an empty string on success, else the reason.
    std::string Save(const std::string& path) const;

private:
    void Paste(const platform::RgbaImage& part, int left, int top);

    int columns;
    int cellWidth;
    int cellHeight;
    int headerHeight;
    platform::RgbaImage image;
};

// The ground the sheets draw on: a dark olive close to the map's.
extern const float groundColour[3];

} // namespace gallery

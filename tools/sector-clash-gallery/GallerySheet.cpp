// The gallery's drawing surface: cells drawn in a window with the game's GL context and pasted into a sheet.
#include "tools/sector-clash-gallery/GallerySheet.h"

#include "platform/Window.h"
#include "shell/RenderContext.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

namespace gallery {

const float groundColour[3] = {0.2f, 0.23f, 0.17f};

std::unique_ptr<GalleryWindow> GalleryWindow::Open(int width, int height, std::string& reason) {
    platform::WindowStyle style;
    style.title = "Sector Clash gallery";
    style.width = width;
    style.height = height;
    std::unique_ptr<GalleryWindow> gallery(new GalleryWindow);
    gallery->window = platform::Window::Create(style,
                                               [](platform::Window&, std::uint32_t, platform::WParam,
                                                  platform::LParam) -> platform::LParam { return 0; });
    if (!gallery->window) {
        reason = platform::LastErrorText();
        return nullptr;
    }
    gallery->context = Zelt::RenderContext::Create(*gallery->window);
    if (gallery->context == nullptr) {
        reason = "no GL context";
        return nullptr;
    }
    gallery->context->Resize(width, height);
    // The game draws with blending on, and several drawings shade with translucent colours.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return gallery;
}

GalleryWindow::~GalleryWindow() {
    Zelt::RenderContext::Destroy(context);
    window.reset();
}

int GalleryWindow::Width() const {
    return context->width;
}

int GalleryWindow::Height() const {
    return context->height;
}

platform::RgbaImage GalleryWindow::Render(int width, int height, const std::function<void()>& draw,
                                          const float background[3]) {
    glClearColor(background[0], background[1], background[2], 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    draw();
    glPopAttrib();
    glLoadIdentity();
    const platform::RgbaImage whole = context->ReadBackBuffer();
    platform::RgbaImage part;
    part.width = std::min(width, whole.width);
    part.height = std::min(height, whole.height);
    part.pixels.resize(static_cast<std::size_t>(part.width) * part.height * 4);
    // The part is the bottom-left corner of the window, and image rows run from the top.
    const int skippedRows = whole.height - part.height;
    for (int row = 0; row < part.height; ++row) {
        std::memcpy(&part.pixels[static_cast<std::size_t>(row) * part.width * 4],
                    &whole.pixels[static_cast<std::size_t>(row + skippedRows) * whole.width * 4],
                    static_cast<std::size_t>(part.width) * 4);
    }
    return part;
}

Sheet::Sheet(int columns, int cellCount, int cellWidth, int cellHeight, int headerHeight)
    : columns(std::max(columns, 1)), cellWidth(cellWidth), cellHeight(cellHeight),
      headerHeight(headerHeight) {
    const int rows = (std::max(cellCount, 1) + this->columns - 1) / this->columns;
    image.width = this->columns * cellWidth;
    image.height = headerHeight + rows * cellHeight;
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height * 4, 255);
}

void Sheet::RenderCell(GalleryWindow& window, int index, const std::function<void()>& draw) {
    const float cellBackground[3] = {groundColour[0], groundColour[1], groundColour[2]};
    platform::RgbaImage cell = window.Render(cellWidth, cellHeight, draw, cellBackground);
    Paste(cell, (index % columns) * cellWidth, headerHeight + (index / columns) * cellHeight);
}

void Sheet::RenderHeader(GalleryWindow& window, const std::function<void()>& draw) {
    const float headerBackground[3] = {0.08f, 0.09f, 0.1f};
    for (int left = 0; left < image.width; left += window.Width()) {
        const int width = std::min(window.Width(), image.width - left);
        platform::RgbaImage slice = window.Render(
            width, headerHeight,
            [&] {
                glTranslatef(static_cast<float>(-left), 0, 0);
                draw();
            },
            headerBackground);
        Paste(slice, left, 0);
    }
}

void Sheet::Paste(const platform::RgbaImage& part, int left, int top) {
    for (int row = 0; row < part.height && top + row < image.height; ++row) {
        const int width = std::min(part.width, image.width - left);
        if (width <= 0) {
            return;
        }
        std::memcpy(&image.pixels[(static_cast<std::size_t>(top + row) * image.width + left) * 4],
                    &part.pixels[static_cast<std::size_t>(row) * part.width * 4],
                    static_cast<std::size_t>(width) * 4);
    }
}

std::string Sheet::Save(const std::string& path) const {
    return platform::WritePng(path, image);
}

} // namespace gallery

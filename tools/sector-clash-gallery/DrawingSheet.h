// The drawing sheet: every drawing and variant in a side colour on a grid, with its name, its mouths and
// particle-system points marked, the object's size as a ring, and assembled tanks and towers at the end.
#pragma once

#include <string>

namespace gallery {

class GalleryWindow;

struct DrawingSheetOptions {
    std::string output;
    int side = 1; // 0 neutral ... 6 magenta
};

// Answers an empty string on success, else the reason.
std::string MakeDrawingSheet(GalleryWindow& window, const DrawingSheetOptions& options);

} // namespace gallery

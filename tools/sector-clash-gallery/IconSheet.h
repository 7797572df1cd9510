// The icon sheet: every button icon of the main panel as the game renders it, on a panel button.
#pragma once

#include <string>

namespace gallery {

class GalleryWindow;

struct IconSheetOptions {
    std::string output;
    int side = 3;
};

// One cell per icon (the drawings' icons in the side's colour, then the plain ones): the icon on a
// button as the toolbars draw it, and its name. Answers an empty string on success, else the reason.
std::string MakeIconSheet(GalleryWindow& window, const IconSheetOptions& options);

} // namespace gallery

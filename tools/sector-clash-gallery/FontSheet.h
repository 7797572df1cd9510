// The font sheet: every font of "fonts.xml" on the panel background, to judge them at a glance.
#pragma once

#include <string>

namespace gallery {

class GalleryWindow;

struct FontSheetOptions {
    std::string output;
};

// One row per font of fonts.xml, in file order: its name and description, a pangram, figures, the
// German and accented letters of the game's texts, and the font with its shadow and underline turned on.
// Answers an empty string on success, else the reason.
std::string MakeFontSheet(GalleryWindow& window, const FontSheetOptions& options);

} // namespace gallery

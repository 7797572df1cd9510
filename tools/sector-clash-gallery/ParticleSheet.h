// The particle sheet: every particle system the game names as a film strip of frames at growing ages.
#pragma once

#include <string>

namespace gallery {

class GalleryWindow;

struct ParticleSheetOptions {
    std::string output;
};

// One row per system of particles.xml that is not only another system's layer, in file order: a caption
// cell, then frames from the first moments to the last particles. Answers an empty string on success,
// else the reason.
std::string MakeParticleSheet(GalleryWindow& window, const ParticleSheetOptions& options);

} // namespace gallery

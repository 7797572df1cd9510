// What the scenery costs a frame, measured within one run: the whole scenery and none of it drawn in turn.
//
// Separate runs drift apart by more than the scenery costs (the host's speed changes from one run to the
// next), so the driver alternates in one run: two frames with every layer, two with none, and so on. Only
// each pair's second frame is counted, so work the renderer finishes a frame late is billed to frames of
// its own kind.
#pragma once

#include "shell/DurationQuantiles.h"

#include <cstdint>
#include <string>

namespace autoplay {

class SceneryPairs {
public:
    // Sets the layers of the first frames.
    SceneryPairs();
    // After every game frame, with that frame's time (negative when there is none yet) and whether it
    // counts; sets the layers the next frame draws.
    void AfterGameFrame(double frameMs, bool counted);
    // One JSON line: the median and mean frame with the whole scenery, with none, and their difference.
    std::string Json() const;

private:
    struct Times {
        Zelt::DurationQuantiles quantiles;
        double sum = 0;
        double Mean() const { return quantiles.Count() == 0 ? 0 : sum / double(quantiles.Count()); }
    };

    std::uint64_t frame = 0;
    bool drawingAll = true;
    Times all;
    Times none;
};

} // namespace autoplay

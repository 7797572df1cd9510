// Frames whose pixels nobody looks at: the renderer runs every draw call of them and rasterizes none.
#pragma once

namespace platform {

// While on, the current GL context rasterizes nothing: draw calls and clears cost their vertices only, and
// every piece of GL state they set is set as ever. A context before GL 3.0 without the transform-feedback
// extension cannot, and keeps drawing. The headless driver turns it on for the frames no screenshot takes,
// so long test runs pay for the game's work without the software renderer's fill.
void DiscardDrawing(bool discard);
bool DrawingDiscarded();

// Drawing that is read back (a picture copied into a texture, pixels read to make an icon) needs its
// pixels in any frame: within this scope the context rasterizes again. Caches filled during a discarded
// frame are the same as those of a drawn one only where every such drawing holds one.
class PixelsNeeded {
public:
    PixelsNeeded();
    ~PixelsNeeded();
    PixelsNeeded(const PixelsNeeded&) = delete;
    PixelsNeeded& operator=(const PixelsNeeded&) = delete;

private:
    bool resumeDiscarding;
};

} // namespace platform

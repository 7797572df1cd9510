// Collects the drawings of many objects and draws them with a few vertex-array calls.
//
//   {
//       DrawingBatch batch;          // drawings drawn from here on add themselves to it
//       ... glTranslatef, glColor, DrawDrawing(drawing, heading) for every object ...
//   }                                // drawn here, in an order that gives the same pixels
//
// A drawing's display list costs the software driver far more per call (and per matrix change) than the
// few vertices it holds. While a batch is open, DrawDrawing places the drawing's vertices on the CPU with
// the current matrix and colour instead, and the batch draws them as lines and triangles. A primitive
// moves earlier only past primitives it cannot touch: a grid over the window remembers, for every cell,
// the last call anything drawn there went into, and the primitive joins the first call of its mode from
// there on, so what overlaps keeps its order and the blending stays the same.
//
// Triangles whose box on the window holds no pixel centre are left out (see PixelCentres.h).
//
// Only the matrix and the colour may change while a batch is open; everything else (blending, smoothing,
// line width, texturing) is the state the batch is drawn with.
#pragma once

#include "visuals/DrawingStep.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace Vorn {

class DrawingBatch {
public:
    // Opens a batch when batching is on, a GL context is current and no other batch is open; otherwise
    // drawings keep drawing themselves.
    DrawingBatch();
    ~DrawingBatch();
    DrawingBatch(const DrawingBatch&) = delete;
    DrawingBatch& operator=(const DrawingBatch&) = delete;

    // The open batch, or null.
    static DrawingBatch* Active() { return active; }
    // Off, every drawing goes through its display list as before: the picture the batch must equal.
    static void SetEnabled(bool on) { enabled = on; }
    static bool Enabled() { return enabled; }
    // Off, every triangle goes to the driver: the picture leaving out those between the centres must equal.
    static void SetLeavingOut(bool on) { leavingOut = on; }

    // Places one drawing's steps with the current matrix, rotated clockwise by angle degrees, starting in
    // the current colour; the current colour afterwards is the one the steps leave, as after a list call.
    // False (after drawing what was collected, so the order holds) when the matrix is not one the batch
    // can place with: the caller draws the drawing itself.
    bool Add(const std::vector<DrawingStep>& steps, float angle);
    // Off, every call goes to the driver whole and unflushed: the picture drawing in parts must equal.
    static void SetDrawnInParts(bool on) { inParts = on; }
    // Draws what has been collected, in parts with a flush after each, and empties the batch.
    void Flush();

    // Draw calls made by the last Flush (what batching saved is visible in tests and benchmarks).
    std::size_t CallsFlushed() const { return callsFlushed; }
    // Parts the last Flush handed to the driver with a flush of their own (the last part, if not full,
    // goes with whatever follows).
    std::size_t PartsFlushed() const { return partsFlushed; }
    // Triangles left out since the batch opened because they cover no pixel centre.
    std::size_t TrianglesLeftOut() const { return trianglesLeftOut; }

private:
    using Colour = std::array<float, 4>;
    struct Placed {
        float x, y, z;
    };
    struct WindowPoint {
        float x, y;
    };
    struct Vertex {
        Placed at;
        Colour colour;
    };
    // Each primitive's vertices once, and the lines or triangles it is cut into as indices, so the
    // driver transforms a fan's centre once, not once per triangle.
    struct Call {
        unsigned mode = 0; // GL_LINES or GL_TRIANGLES
        std::vector<Vertex> vertices;
        std::vector<unsigned> indices;
    };

    struct Primitive {
        DrawingPrimitive kind;
        std::size_t first;
        std::size_t count;
    };

    void Place(const std::vector<DrawingStep>& steps, const float (&matrix)[16], Colour colour);
    int LevelOf(int left, int bottom, int right, int top) const;
    void Mark(int left, int bottom, int right, int top, int call);
    bool LeaveOutTrianglesBetweenCentres(const WindowPoint* window);
    void KeepOnlyUsedVertices(std::size_t first, std::size_t count);
    void CellBox(std::span<const WindowPoint> window, int& left, int& bottom, int& right, int& top) const;
    int CallFor(unsigned mode, int earliest);
    Call& CallCovering(unsigned mode, std::span<const WindowPoint> window);
    static void AddCorners(Call& into, unsigned base);
    void DrawInParts(const Call& call, std::size_t& indicesSinceFlush);
    void Emit(DrawingPrimitive kind, std::size_t first, std::size_t count);

    static inline DrawingBatch* active = nullptr;
    static inline bool enabled = true;
    static inline bool leavingOut = true;
    static inline bool inParts = true;

    bool open = false;
    // The drawing matrix's parts that take eye coordinates to window pixels, from the projection and the
    // viewport when the batch opened; false when the projection is not affine (then nothing moves).
    bool screenKnown = false;
    float toWindow[6] = {};
    float pad = 0;
    int columns = 1;
    int rows = 1;
    std::size_t callsUsed = 0;
    std::size_t callsFlushed = 0;
    std::size_t partsFlushed = 0;
    std::size_t trianglesLeftOut = 0;
    // Kept from batch to batch (only the open batch uses them): a zoomed-out battle fills megabytes of
    // vertices every frame, which would otherwise be allocated and faulted in anew each time.
    static inline std::vector<int> cells;
    static inline std::vector<Call> calls;
    static inline std::vector<int> lineCalls;
    static inline std::vector<int> triangleCalls;
    // The drawing being added: its vertices placed, with the colour each was given, and on the window.
    static inline std::vector<Vertex> placed;
    static inline std::vector<WindowPoint> windowPoints;
    static inline std::vector<Primitive> primitives;
    // The primitive being emitted: its lines or triangles as indices of its own vertices; once triangles
    // are left out, which of the placed vertices the call receives, their window points, and the new
    // number of each of the primitive's own.
    static inline std::vector<unsigned> corners;
    static inline std::vector<std::size_t> used;
    static inline std::vector<WindowPoint> onWindow;
    static inline std::vector<unsigned> renumbered;
    // The colours its PushColour steps saved.
    static inline std::vector<Colour> colourStack;
};

} // namespace Vorn

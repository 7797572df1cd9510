// One recorded command of a vector drawing: what its display list replays, kept as plain data so that the
// game and the tools read drawings without a GL context.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Vorn {

// The primitives of the drawing language; the values are OpenGL's, so compiling passes them straight on.
enum class DrawingPrimitive : unsigned {
    Lines = 1,
    LineLoop = 2,
    LineStrip = 3,
    Triangles = 4,
    TriangleStrip = 5,
    TriangleFan = 6,
    Quads = 7,
    QuadStrip = 8,
};

struct DrawingStep {
    enum class Kind : std::uint8_t {
        SetColour,  // colour (and the name it was looked up by)
        PushColour, // saves the current colour
        PopColour,  // restores the colour saved last
        Begin,      // primitive
        Vertex,     // x, y
        End,
    };

    Kind kind = Kind::End;
    DrawingPrimitive primitive = DrawingPrimitive::Lines;
    double x = 0;
    double y = 0;
    std::array<std::uint8_t, 4> colour{};
    std::string colourName;
};

} // namespace Vorn

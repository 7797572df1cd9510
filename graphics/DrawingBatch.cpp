// Drawings placed on the CPU and drawn together, in an order that keeps every overlap as it was.
#include "graphics/DrawingBatch.h"

#include "graphics/PixelCentres.h"
#include "platform/GlContext.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <span>

namespace Vorn {

namespace {

// Small enough that units a few pixels apart on a zoomed-out map fall in cells of their own: at 8 pixels
// the thousand-tank view needed 297 calls a frame, at 4 it needs 155, and each call costs the driver the
// set-up of its smoothed lines.
constexpr int cellPixels = 4;

// A software driver rasterizes on its own threads only what a flush has handed it, or else everything at
// the frame's end, after it has set up every line and triangle on the game's thread. A zoomed-out battle
// goes to the driver in parts of about this many indices with a flush after each, so its threads fill one
// part while it sets up the next. The thousand-tank view draws about 260,000 indices a frame: in parts of
// 24,000 the frame's wait for the threads at its end fell from 12 to 5 ms; parts of 6,000 flush so often
// that the game's thread loses more than the wait saves.
constexpr std::size_t partIndices = 24000;

bool IsAffine(const float (&m)[16]) {
    return m[3] == 0 && m[7] == 0 && m[11] == 0 && m[15] == 1;
}

// The matrix glRotatef(angle, 0, 0, -1) multiplies on, in single precision as the driver keeps it, so the
// placed vertices fall where the list's would within rounding.
void Rotate(float (&m)[16], float angle) {
    const double radians = angle * std::numbers::pi / 180.0;
    const auto s = static_cast<float>(-std::sin(radians));
    const auto c = static_cast<float>(std::cos(radians));
    for (int row = 0; row < 4; ++row) {
        const float first = m[row];
        const float second = m[4 + row];
        m[row] = first * c + second * s;
        m[4 + row] = first * -s + second * c;
    }
}

} // namespace

DrawingBatch::DrawingBatch() {
    if (!enabled || active != nullptr || !platform::GlContext::IsAnyCurrent())
        return;
    open = true;
    active = this;
    float projection[16];
    GLint viewport[4];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    float lineWidth = 1;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    // Smoothed lines spread a pixel beyond their width; one more covers the rounding of the corners.
    pad = std::ceil(lineWidth / 2) + 2;
    screenKnown = IsAffine(projection) && projection[8] == 0 && projection[9] == 0 && viewport[2] > 0 &&
                  viewport[3] > 0;
    columns = 1;
    rows = 1;
    if (screenKnown) {
        MapToWindow(projection, viewport[2], viewport[3], toWindow);
        columns = (viewport[2] + cellPixels - 1) / cellPixels;
        rows = (viewport[3] + cellPixels - 1) / cellPixels;
    }
    cells.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
}

DrawingBatch::~DrawingBatch() {
    if (!open)
        return;
    Flush();
    active = nullptr;
}

bool DrawingBatch::Add(const std::vector<DrawingStep>& steps, float angle) {
    float matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    if (!IsAffine(matrix)) {
        Flush();
        return false;
    }
    if (angle != 0.0f)
        Rotate(matrix, angle);
    Colour start;
    glGetFloatv(GL_CURRENT_COLOR, start.data());
    Place(steps, matrix, start);
    for (const Primitive& primitive : primitives)
        Emit(primitive.kind, primitive.first, primitive.count);
    return true;
}

// Walks the steps as the list would replay them: every vertex placed with the colour current at it, the
// primitives noted, and the colour left current afterwards.
void DrawingBatch::Place(const std::vector<DrawingStep>& steps, const float (&m)[16], Colour colour) {
    placed.clear();
    windowPoints.clear();
    primitives.clear();
    colourStack.clear();
    const Colour start = colour;
    for (const DrawingStep& step : steps) {
        switch (step.kind) {
        case DrawingStep::Kind::SetColour:
            for (int i = 0; i < 4; ++i)
                colour[i] = static_cast<float>(step.colour[i]) / 255.0f;
            break;
        case DrawingStep::Kind::PushColour:
            colourStack.push_back(colour);
            break;
        case DrawingStep::Kind::PopColour:
            // An unmatched pop changes nothing, as the driver refuses it.
            if (!colourStack.empty()) {
                colour = colourStack.back();
                colourStack.pop_back();
            }
            break;
        case DrawingStep::Kind::Begin:
            primitives.push_back({step.primitive, placed.size(), 0});
            break;
        case DrawingStep::Kind::Vertex: {
            const Placed at{static_cast<float>(m[0] * step.x + m[4] * step.y + m[12]),
                            static_cast<float>(m[1] * step.x + m[5] * step.y + m[13]),
                            static_cast<float>(m[2] * step.x + m[6] * step.y + m[14])};
            placed.push_back({at, colour});
            windowPoints.push_back({toWindow[0] * at.x + toWindow[1] * at.y + toWindow[2],
                                    toWindow[3] * at.x + toWindow[4] * at.y + toWindow[5]});
            if (!primitives.empty())
                ++primitives.back().count;
            break;
        }
        case DrawingStep::Kind::End:
            break;
        }
    }
    if (colour != start)
        glColor4fv(colour.data());
}

// Drops the triangles (of corners) whose box on the window holds no pixel centre, and says whether it
// dropped any. Only done when the window is known; otherwise every triangle stays.
bool DrawingBatch::LeaveOutTrianglesBetweenCentres(const WindowPoint* window) {
    if (!screenKnown || !leavingOut)
        return false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
        const WindowPoint& a = window[corners[i]];
        const WindowPoint& b = window[corners[i + 1]];
        const WindowPoint& c = window[corners[i + 2]];
        if (!BoxHoldsAPixelCentre(std::min({a.x, b.x, c.x}), std::max({a.x, b.x, c.x}),
                                  std::min({a.y, b.y, c.y}), std::max({a.y, b.y, c.y}))) {
            ++trianglesLeftOut;
            continue;
        }
        std::copy_n(corners.begin() + static_cast<std::ptrdiff_t>(i), 3,
                    corners.begin() + static_cast<std::ptrdiff_t>(kept));
        kept += 3;
    }
    const bool any = kept < corners.size();
    corners.resize(kept);
    return any;
}

// The cells the primitive's vertices cover on the window, widened by the pad. Whatever lies off the window,
// or is not finite, or cannot be placed on it, takes the border cells or all of them, which only makes
// the order stricter.
void DrawingBatch::CellBox(std::span<const WindowPoint> window, int& left, int& bottom, int& right,
                           int& top) const {
    float minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (const WindowPoint& at : window) {
        minX = std::min(minX, at.x);
        maxX = std::max(maxX, at.x);
        minY = std::min(minY, at.y);
        maxY = std::max(maxY, at.y);
    }
    left = bottom = 0;
    right = columns - 1;
    top = rows - 1;
    if (!screenKnown || !std::isfinite(minX) || !std::isfinite(minY) || !std::isfinite(maxX) ||
        !std::isfinite(maxY))
        return;
    const auto cell = [](float pixels, int cellCount) {
        const float index = std::floor(pixels / cellPixels);
        return static_cast<int>(std::clamp(index, 0.0f, static_cast<float>(cellCount - 1)));
    };
    left = cell(minX - pad, columns);
    right = cell(maxX + pad, columns);
    bottom = cell(minY - pad, rows);
    top = cell(maxY + pad, rows);
}

int DrawingBatch::LevelOf(int left, int bottom, int right, int top) const {
    int level = 0;
    for (int row = bottom; row <= top; ++row)
        for (int column = left; column <= right; ++column)
            level = std::max(level, cells[static_cast<std::size_t>(row * columns + column)]);
    return level;
}

void DrawingBatch::Mark(int left, int bottom, int right, int top, int call) {
    for (int row = bottom; row <= top; ++row)
        for (int column = left; column <= right; ++column)
            cells[static_cast<std::size_t>(row * columns + column)] = call;
}

// The first call of the mode at or after earliest, or a new one at the end.
int DrawingBatch::CallFor(unsigned mode, int earliest) {
    std::vector<int>& ofMode = mode == GL_LINES ? lineCalls : triangleCalls;
    const auto found = std::lower_bound(ofMode.begin(), ofMode.end(), earliest);
    if (found != ofMode.end())
        return *found;
    const int index = static_cast<int>(callsUsed++);
    if (calls.size() < callsUsed)
        calls.emplace_back();
    Call& call = calls[static_cast<std::size_t>(index)];
    call.mode = mode;
    call.vertices.clear();
    call.indices.clear();
    ofMode.push_back(index);
    return index;
}

namespace {

bool IsLines(DrawingPrimitive kind) {
    return kind == DrawingPrimitive::Lines || kind == DrawingPrimitive::LineStrip ||
           kind == DrawingPrimitive::LineLoop;
}

// How many vertices the primitive needs before it draws anything.
std::size_t Least(DrawingPrimitive kind) {
    if (IsLines(kind))
        return 2;
    return kind == DrawingPrimitive::Quads || kind == DrawingPrimitive::QuadStrip ? 4 : 3;
}

// The separate lines or triangles the driver would cut a strip, loop, fan or quad into, as indices of
// the primitive's count vertices.
void CutInto(DrawingPrimitive kind, unsigned count, std::vector<unsigned>& corners) {
    const auto line = [&](unsigned a, unsigned b) {
        corners.push_back(a);
        corners.push_back(b);
    };
    const auto triangle = [&](unsigned a, unsigned b, unsigned c) {
        corners.push_back(a);
        corners.push_back(b);
        corners.push_back(c);
    };
    switch (kind) {
    case DrawingPrimitive::Lines:
        for (unsigned i = 0; i + 1 < count; i += 2)
            line(i, i + 1);
        break;
    case DrawingPrimitive::LineStrip:
    case DrawingPrimitive::LineLoop:
        for (unsigned i = 0; i + 1 < count; ++i)
            line(i, i + 1);
        if (kind == DrawingPrimitive::LineLoop)
            line(count - 1, 0);
        break;
    case DrawingPrimitive::Triangles:
        for (unsigned i = 0; i + 2 < count; i += 3)
            triangle(i, i + 1, i + 2);
        break;
    case DrawingPrimitive::TriangleStrip:
        for (unsigned i = 0; i + 2 < count; ++i)
            if (i % 2 == 0)
                triangle(i, i + 1, i + 2);
            else
                triangle(i + 1, i, i + 2);
        break;
    case DrawingPrimitive::TriangleFan:
        for (unsigned i = 1; i + 1 < count; ++i)
            triangle(i, i + 1, 0);
        break;
    case DrawingPrimitive::Quads:
        for (unsigned i = 0; i + 3 < count; i += 4) {
            triangle(i, i + 1, i + 3);
            triangle(i + 1, i + 2, i + 3);
        }
        break;
    case DrawingPrimitive::QuadStrip:
        for (unsigned i = 0; i + 3 < count; i += 2) {
            triangle(i, i + 1, i + 2);
            triangle(i + 1, i + 3, i + 2);
        }
        break;
    }
}

} // namespace

// The primitive's lines or triangles go into the first call of their mode after every call that drew
// where they draw. A primitive that draws nothing takes no call and no cell.
void DrawingBatch::Emit(DrawingPrimitive kind, std::size_t first, std::size_t count) {
    if (count < Least(kind))
        return;
    corners.clear();
    CutInto(kind, static_cast<unsigned>(count), corners);
    const bool lines = IsLines(kind);
    const WindowPoint* window = windowPoints.data() + first;
    if (lines || !LeaveOutTrianglesBetweenCentres(window)) {
        Call& into = CallCovering(lines ? GL_LINES : GL_TRIANGLES, {window, count});
        const auto base = static_cast<unsigned>(into.vertices.size());
        into.vertices.insert(into.vertices.end(), placed.begin() + static_cast<std::ptrdiff_t>(first),
                             placed.begin() + static_cast<std::ptrdiff_t>(first + count));
        AddCorners(into, base);
        return;
    }
    if (corners.empty())
        return;
    KeepOnlyUsedVertices(first, count);
    Call& into = CallCovering(GL_TRIANGLES, onWindow);
    const auto base = static_cast<unsigned>(into.vertices.size());
    for (const std::size_t vertex : used)
        into.vertices.push_back(placed[vertex]);
    AddCorners(into, base);
}

// The call of the mode that something drawn over these window points joins, its cells marked for it.
DrawingBatch::Call& DrawingBatch::CallCovering(unsigned mode, std::span<const WindowPoint> window) {
    int left = 0, bottom = 0, right = 0, top = 0;
    CellBox(window, left, bottom, right, top);
    const int call = CallFor(mode, LevelOf(left, bottom, right, top));
    Mark(left, bottom, right, top, call);
    return calls[static_cast<std::size_t>(call)];
}

void DrawingBatch::AddCorners(Call& into, unsigned base) {
    for (const unsigned corner : corners)
        into.indices.push_back(base + corner);
}

// After triangles were left out: lists in used the vertices the rest still use, in their order, with
// their window points in onWindow, and renumbers the corners to match, so the driver copies no vertex
// nothing draws.
void DrawingBatch::KeepOnlyUsedVertices(std::size_t first, std::size_t count) {
    constexpr unsigned unused = ~0u;
    renumbered.assign(count, unused);
    for (const unsigned corner : corners)
        renumbered[corner] = 0;
    used.clear();
    onWindow.clear();
    for (std::size_t vertex = 0; vertex < count; ++vertex)
        if (renumbered[vertex] != unused) {
            renumbered[vertex] = static_cast<unsigned>(used.size());
            used.push_back(first + vertex);
            onWindow.push_back(windowPoints[first + vertex]);
        }
    for (unsigned& corner : corners)
        corner = renumbered[corner];
}

// Draws the call's lines or triangles in order, each whole, with a flush whenever a part is full. The same
// primitives in the same order give the same pixels in one call or in several.
void DrawingBatch::DrawInParts(const Call& call, std::size_t& indicesSinceFlush) {
    const std::size_t part = inParts ? partIndices : std::numeric_limits<std::size_t>::max();
    const std::size_t perPrimitive = call.mode == GL_LINES ? 2 : 3;
    const std::size_t total = call.indices.size();
    for (std::size_t first = 0; first < total;) {
        const std::size_t room = (part - indicesSinceFlush) / perPrimitive * perPrimitive;
        const std::size_t count = std::min(total - first, room);
        glDrawElements(call.mode, static_cast<GLsizei>(count), GL_UNSIGNED_INT, call.indices.data() + first);
        first += count;
        indicesSinceFlush += count;
        // Whatever the next call's primitive, a part with less room than a triangle is full.
        if (part - indicesSinceFlush < 3) {
            glFlush();
            ++partsFlushed;
            indicesSinceFlush = 0;
        }
    }
}

void DrawingBatch::Flush() {
    callsFlushed = 0;
    partsFlushed = 0;
    if (callsUsed == 0)
        return;
    Colour current;
    glGetFloatv(GL_CURRENT_COLOR, current.data());
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    std::size_t indicesSinceFlush = 0;
    for (std::size_t i = 0; i < callsUsed; ++i) {
        const Call& call = calls[i];
        glVertexPointer(3, GL_FLOAT, sizeof(Vertex), &call.vertices.data()->at);
        glColorPointer(4, GL_FLOAT, sizeof(Vertex), call.vertices.data()->colour.data());
        DrawInParts(call, indicesSinceFlush);
    }
    glPopClientAttrib();
    glPopMatrix();
    glColor4fv(current.data());
    callsFlushed = callsUsed;
    callsUsed = 0;
    lineCalls.clear();
    triangleCalls.clear();
    std::fill(cells.begin(), cells.end(), 0);
}

} // namespace Vorn

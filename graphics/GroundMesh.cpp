// Colouring and drawing the ground's grid.
#include "graphics/GroundMesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// Grid lines are counted from the map's origin; far beyond any map, a count would overflow.
constexpr double mostLines = 1 << 20;

int LineAtOrBelow(float coordinate, float spacing) {
    return static_cast<int>(std::clamp(std::floor(double(coordinate) / spacing), -mostLines, mostLines));
}

int LineAtOrAbove(float coordinate, float spacing) {
    return static_cast<int>(std::clamp(std::ceil(double(coordinate) / spacing), -mostLines, mostLines));
}

// The detail between its four nearest texels: its blotches are many grid points wide when zoomed in.
float DetailAt(const GroundImage& detail, float x, float y, float tile, int channel) {
    const float u = x / tile * static_cast<float>(detail.width) - 0.5f;
    const float v = y / tile * static_cast<float>(detail.height) - 0.5f;
    const float column = std::floor(u);
    const float row = std::floor(v);
    const float across = u - column;
    const float up = v - row;
    const auto texel = [&](float c, float r) {
        const auto wrap = [](float value, int size) {
            const int whole = static_cast<int>(std::fmod(value, static_cast<float>(size)));
            return whole < 0 ? whole + size : whole;
        };
        const std::size_t index = (std::size_t(wrap(r, detail.height)) * std::size_t(detail.width) +
                                   std::size_t(wrap(c, detail.width))) *
                                  4;
        return static_cast<float>(detail.rgba[index + std::size_t(channel)]);
    };
    const float below = texel(column, row) * (1 - across) + texel(column + 1, row) * across;
    const float above = texel(column, row + 1) * (1 - across) + texel(column + 1, row + 1) * across;
    return below * (1 - up) + above * up;
}

double SnapToBlock(double pixels) {
    return GroundMesh::blockPixels * std::round(pixels / GroundMesh::blockPixels);
}

// The colour two triangles split from lower left to upper right give a point `across` and `up` of the way
// over the quad with these corners' colours: below the diagonal the lower right triangle's, above it the
// upper left's.
float Interpolated(const std::uint8_t* lowerLeft, const std::uint8_t* lowerRight, const std::uint8_t* upperRight,
                   const std::uint8_t* upperLeft, float across, float up, int channel) {
    const float lowLeft = lowerLeft[channel];
    const float lowRight = lowerRight[channel];
    const float highRight = upperRight[channel];
    const float highLeft = upperLeft[channel];
    return across >= up ? lowLeft + across * (lowRight - lowLeft) + up * (highRight - lowRight)
                        : lowLeft + up * (highLeft - lowLeft) + across * (highRight - highLeft);
}

} // namespace

const std::uint8_t* GroundImage::TexelAt(float x, float y, float tile) const {
    const float u = x / tile - std::floor(x / tile);
    const float v = y / tile - std::floor(y / tile);
    const int column = std::clamp(static_cast<int>(u * static_cast<float>(width)), 0, width - 1);
    const int row = std::clamp(static_cast<int>(v * static_cast<float>(height)), 0, height - 1);
    return &rgba[(std::size_t(row) * std::size_t(width) + std::size_t(column)) * 4];
}

void GroundMesh::Choose(GroundColours chosen) {
    colours = std::move(chosen);
    std::erase_if(colours.levels, [](const GroundImage& image) { return image.Empty(); });
    if (colours.detail.Empty())
        colours.detail = {};
    built = {};
}

GroundMesh::Spacing GroundMesh::SpacingFor(float pixelsPerUnit) const {
    const float tile = colours.groundTile;
    if (colours.levels.empty())
        return {-1, tile};
    const int last = static_cast<int>(colours.levels.size()) - 1;
    const float closest = ClosestPointsPixels(pixelsPerUnit);
    for (int level = 0; level < last; ++level) {
        const float units = tile / static_cast<float>(colours.levels[std::size_t(level)].width);
        if (units * pixelsPerUnit >= closest)
            return {level, units};
    }
    // The smallest levels' texels span a whole repeat: space the points by the screen instead.
    const float units = tile / static_cast<float>(colours.levels[std::size_t(last)].width);
    const float wanted = closest / std::max(pixelsPerUnit, 1e-6f);
    return {last, std::max(units, std::exp2(std::ceil(std::log2(wanted))))};
}

// The ground's texel, tinted, times twice the detail: mid-grey detail leaves the ground as it is.
void GroundMesh::ColourAt(int level, float x, float y, std::uint8_t (&colour)[4]) const {
    float value[3] = {colours.plain[0], colours.plain[1], colours.plain[2]};
    if (level >= 0 && level < static_cast<int>(colours.levels.size())) {
        const std::uint8_t* texel = colours.levels[std::size_t(level)].TexelAt(x, y, colours.groundTile);
        for (int c = 0; c < 3; ++c)
            value[c] = texel[c];
    }
    for (int c = 0; c < 3; ++c) {
        const float shade =
            colours.detail.Empty() ? 1.0f : DetailAt(colours.detail, x, y, colours.detailTile, c) / 127.5f;
        colour[c] =
            static_cast<std::uint8_t>(std::clamp(value[c] * colours.tint[c] * shade + 0.5f, 0.0f, 255.0f));
    }
    colour[3] = 255;
}

void GroundMesh::Build(const Spacing& spacing, int firstColumn, int firstRow, int lastColumn, int lastRow,
                       const Box& map) {
    const int columns = lastColumn - firstColumn + 1;
    const int rows = lastRow - firstRow + 1;
    vertices.clear();
    vertices.reserve(std::size_t(columns) * std::size_t(rows));
    for (int row = firstRow; row <= lastRow; ++row) {
        const float y = std::clamp(static_cast<float>(row) * spacing.units, map.bottom, map.top);
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const float x = std::clamp(static_cast<float>(column) * spacing.units, map.left, map.right);
            Vertex vertex{x, y, {}};
            ColourAt(spacing.level, x, y, vertex.colour);
            vertices.push_back(vertex);
        }
    }
}

// Whether the points of the block `size.across` squares wide and `size.up` high whose lower left corner is at
// (row, column) lie evenly spaced (no map edge squeezes them) and within the tolerance of the colours the
// block's two triangles would give them; and, for a block wider than high or higher than wide, whether its
// diagonal is: the squares drawn one by one crease where their sides and diagonals cross it, a strip has no
// grid point inside to show that crease, and on the shipped grounds it reaches 13 levels. A square block's
// diagonal runs along its squares' own.
bool GroundMesh::Flat(int row, int column, Span size) const {
    const int columns = built.lastColumn - built.firstColumn + 1;
    const auto at = [&](int r, int c) -> const Vertex& {
        return vertices[std::size_t(row + r) * std::size_t(columns) + std::size_t(column + c)];
    };
    const std::uint8_t* lowerLeft = at(0, 0).colour;
    const std::uint8_t* lowerRight = at(0, size.across).colour;
    const std::uint8_t* upperRight = at(size.up, size.across).colour;
    const std::uint8_t* upperLeft = at(size.up, 0).colour;
    const float width = at(0, size.across).x - at(0, 0).x;
    const float height = at(size.up, 0).y - at(0, 0).y;
    const auto near = [&](const float (&drawn)[3], float across, float up) {
        for (int channel = 0; channel < 3; ++channel)
            if (std::abs(drawn[channel] -
                         Interpolated(lowerLeft, lowerRight, upperRight, upperLeft, across, up, channel)) >
                mergeLevels)
                return false;
        return true;
    };
    for (int r = 0; r <= size.up; ++r)
        for (int c = 0; c <= size.across; ++c) {
            const Vertex& point = at(r, c);
            const float across = static_cast<float>(c) / static_cast<float>(size.across);
            const float up = static_cast<float>(r) / static_cast<float>(size.up);
            if (std::abs(point.x - at(0, 0).x - across * width) > 1e-3f * width ||
                std::abs(point.y - at(0, 0).y - up * height) > 1e-3f * height)
                return false;
            const float colour[3] = {static_cast<float>(point.colour[0]), static_cast<float>(point.colour[1]),
                                     static_cast<float>(point.colour[2])};
            if (!near(colour, across, up))
                return false;
        }
    if (size.across == size.up)
        return true;
    // A point `along` the block's diagonal, as the squares one by one colour it.
    const auto onDiagonalNear = [&](float along) {
        const float x = along * static_cast<float>(size.across);
        const float y = along * static_cast<float>(size.up);
        const int c = std::clamp(static_cast<int>(std::floor(x)), 0, size.across - 1);
        const int r = std::clamp(static_cast<int>(std::floor(y)), 0, size.up - 1);
        float drawn[3];
        for (int channel = 0; channel < 3; ++channel)
            drawn[channel] = Interpolated(at(r, c).colour, at(r, c + 1).colour, at(r + 1, c + 1).colour,
                                          at(r + 1, c).colour, x - static_cast<float>(c),
                                          y - static_cast<float>(r), channel);
        return near(drawn, along, along);
    };
    // It crosses the columns' lines, the rows' lines and the squares' diagonals (x - y whole).
    const int skew = std::abs(size.across - size.up);
    for (const int steps : {int(size.across), int(size.up), skew})
        for (int step = 1; step < steps; ++step)
            if (!onDiagonalNear(static_cast<float>(step) / static_cast<float>(steps)))
                return false;
    return true;
}

// Blocks start on grid lines counted from the map's origin, so a block is the same wherever the view is
// and the ground does not shimmer as the camera moves. The largest flat block wins. Blocks may be longer
// than high: a smooth stretch is often smooth along one axis only, and a strip of two or four squares still
// saves triangles where no square block is flat (a third of the grass's triangles, a quarter of the earth's).
void GroundMesh::ChooseSpans() {
    const int columns = built.lastColumn - built.firstColumn + 1;
    const int rows = built.lastRow - built.firstRow + 1;
    const int squareColumns = std::max(columns - 1, 0);
    const int squareRows = std::max(rows - 1, 0);
    spans.assign(std::size_t(squareColumns) * std::size_t(squareRows), Span{1, 1});
    if (mergeLevels < 0)
        return;
    const auto spanAt = [&](int row, int column) -> Span& {
        return spans[std::size_t(row) * std::size_t(squareColumns) + std::size_t(column)];
    };
    const auto firstOf = [](int firstLine, int squares) {
        return ((-firstLine) % squares + squares) % squares;
    };
    const auto uncovered = [&](int row, int column, Span size) {
        for (int r = 0; r < size.up; ++r)
            for (int c = 0; c < size.across; ++c)
                if (!(spanAt(row + r, column + c) == Span{1, 1}))
                    return false;
        return true;
    };
    // Largest first, so that a flat stretch takes the fewest triangles.
    constexpr Span blocks[] = {{4, 4}, {4, 2}, {2, 4}, {2, 2}, {4, 1}, {1, 4}, {2, 1}, {1, 2}};
    for (const Span size : blocks) {
        for (int row = firstOf(built.firstRow, size.up); row + size.up <= squareRows; row += size.up)
            for (int column = firstOf(built.firstColumn, size.across); column + size.across <= squareColumns;
                 column += size.across) {
                if (!uncovered(row, column, size) || !Flat(row, column, size))
                    continue;
                for (int r = 0; r < size.up; ++r)
                    for (int c = 0; c < size.across; ++c)
                        spanAt(row + r, column + c) = Span{0, 0};
                spanAt(row, column) = size;
            }
    }
}

// Every square of the grid, merged where flat, but those nobody sees; the vertices stay, so a fog that lifts
// costs no rebuild.
void GroundMesh::ChooseSquares(const Hidden& hidden) {
    const int columns = built.lastColumn - built.firstColumn + 1;
    const int rows = built.lastRow - built.firstRow + 1;
    indices.clear();
    for (int row = 0; row + 1 < rows; ++row)
        for (int column = 0; column + 1 < columns; ++column) {
            const Span span = spans[std::size_t(row) * std::size_t(columns - 1) + std::size_t(column)];
            if (span.across == 0)
                continue;
            const auto corner = static_cast<std::uint32_t>(row * columns + column);
            const auto right = corner + span.across;
            const auto above = corner + static_cast<std::uint32_t>(span.up * columns);
            const auto aboveRight = above + span.across;
            if (hidden && hidden({vertices[corner].x, vertices[corner].y, vertices[aboveRight].x,
                                  vertices[aboveRight].y}))
                continue;
            for (std::uint32_t index : {corner, right, aboveRight, corner, aboveRight, above})
                indices.push_back(index);
        }
}

// Each line of the grid inside the map moves to the nearest block edge of the window (at most two pixels), so
// the edges along rows and columns leave the blocks beside them whole: a fifth less shading at the opening
// zoom. A point's colour moves with it, read between it and the neighbour it moved towards, so the ground
// stays where the world is and glides with the camera instead of jumping a block at a time. The map's own
// edges stay where they are.
void GroundMesh::Place(const WindowMap& window, float spacingUnits) {
    const int columns = built.lastColumn - built.firstColumn + 1;
    const int rows = built.lastRow - built.firstRow + 1;
    const Box& map = built.map;
    const auto snap = [&](double world, double scale, double offset, float low, float high, double& moved) {
        const double pixels = world * scale + offset;
        if (world <= low || world >= high) {
            moved = 0;
            return pixels;
        }
        const double snapped = SnapToBlock(pixels);
        moved = (snapped - pixels) / (scale * spacingUnits);
        return snapped;
    };
    placed.resize(vertices.size());
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const std::size_t index = std::size_t(row) * std::size_t(columns) + std::size_t(column);
            const Vertex& point = vertices[index];
            double acrossMoved = 0;
            double upMoved = 0;
            const double x = snap(point.x, window.scaleX, window.offsetX, map.left, map.right, acrossMoved);
            const double y = snap(point.y, window.scaleY, window.offsetY, map.bottom, map.top, upMoved);
            const int besideColumn = std::clamp(column + (acrossMoved < 0 ? -1 : 1), 0, columns - 1);
            const int besideRow = std::clamp(row + (upMoved < 0 ? -1 : 1), 0, rows - 1);
            const auto at = [&](int r, int c) {
                return vertices[std::size_t(r) * std::size_t(columns) + std::size_t(c)].colour;
            };
            const double across = std::min(std::abs(acrossMoved), 1.0);
            const double up = std::min(std::abs(upMoved), 1.0);
            Vertex& vertex = placed[index];
            vertex.x = static_cast<float>(x);
            vertex.y = static_cast<float>(y);
            for (int c = 0; c < 4; ++c) {
                const double below = at(row, column)[c] * (1 - across) + at(row, besideColumn)[c] * across;
                const double above =
                    at(besideRow, column)[c] * (1 - across) + at(besideRow, besideColumn)[c] * across;
                vertex.colour[c] = static_cast<std::uint8_t>(std::lround(below * (1 - up) + above * up));
            }
        }
}

void GroundMesh::DrawArrays(const void* first) const {
    const auto* vertex = static_cast<const Vertex*>(first);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &vertex->x);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), vertex->colour);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
    glPopClientAttrib();
}

void GroundMesh::Draw(const Box& view, const Box& map, float pixelsPerUnit, const Hidden& hidden,
                      const WindowMap* window) {
    const Box part{std::max(view.left, map.left), std::max(view.bottom, map.bottom),
                   std::min(view.right, map.right), std::min(view.top, map.top)};
    indices.clear();
    if (!(part.left < part.right && part.bottom < part.top) || !(pixelsPerUnit > 0))
        return;
    const Spacing spacing = SpacingFor(pixelsPerUnit);
    const Built wanted{spacing.level,
                       LineAtOrBelow(part.left, spacing.units),
                       LineAtOrBelow(part.bottom, spacing.units),
                       LineAtOrAbove(part.right, spacing.units),
                       LineAtOrAbove(part.top, spacing.units),
                       map};
    // A grid over a screen is some thousands of points; one far larger means a wrong zoom, not a view.
    constexpr long mostPoints = 1 << 20;
    const long points =
        long(wanted.lastColumn - wanted.firstColumn + 1) * long(wanted.lastRow - wanted.firstRow + 1);
    if (points > mostPoints)
        return;
    if (!(wanted == built)) {
        Build(spacing, wanted.firstColumn, wanted.firstRow, wanted.lastColumn, wanted.lastRow, map);
        built = wanted;
        ChooseSpans();
        placedCurrent = false;
    }
    ChooseSquares(hidden);
    if (indices.empty())
        return;
    if (window == nullptr) {
        DrawArrays(vertices.data());
        return;
    }
    if (!placedCurrent || !(placedWindow == *window)) {
        Place(*window, spacing.units);
        placedCurrent = true;
        placedWindow = *window;
    }
    // Window pixels for coordinates, so the snapped corners reach the renderer exactly.
    GLint matrixMode = GL_MODELVIEW;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const int* viewport = window->viewport;
    glOrtho(viewport[0], viewport[0] + viewport[2], viewport[1], viewport[1] + viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    DrawArrays(placed.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(static_cast<GLenum>(matrixMode));
}

} // namespace Vorn

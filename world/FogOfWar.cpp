// The fog over the map.
#include "world/FogOfWar.h"

#include "rules/FowData.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
// A grid finer than this (134 MB) would come only from broken data; it is coarsened to fit instead.
constexpr double maxGridPoints = 1 << 24;
constexpr float visibleBelow = 0.99f;
constexpr float drawnAbove = 0.01f;

int PointsAlong(float size, float granularity) {
    return static_cast<int>(size / granularity) + 1;
}

// Converts without overflow: positions far off the map land far outside the grid, then get clamped.
int TruncateToIndex(double value) {
    return static_cast<int>(std::clamp(value, -1e9, 1e9));
}
} // namespace

FogOfWar::FogOfWar(const Constants::FowData* record, float halfWidth, float halfHeight)
    : record(record), halfWidth(std::max(halfWidth, 0.0f)), halfHeight(std::max(halfHeight, 0.0f)) {
    const float width = 2 * this->halfWidth;
    const float height = 2 * this->halfHeight;
    granularity = record ? record->granularity : 0;
    if (!(granularity > 0) || !std::isfinite(granularity))
        granularity = std::max({width, height, 1.0f});
    const double points = (double(width) / granularity + 1) * (double(height) / granularity + 1);
    if (points > maxGridPoints)
        granularity *= static_cast<float>(std::sqrt(points / maxGridPoints)) * 1.01f;
    columns = PointsAlong(width, granularity);
    rows = PointsAlong(height, granularity);
    grid.resize(static_cast<std::size_t>(columns) * rows);
}

void FogOfWar::Reset(int side) {
    this->side = side;
    std::fill(grid.begin(), grid.end(), GridPoint{1, 0});
}

void FogOfWar::Update(unsigned elapsedMs) {
    if (!record)
        return;
    const float seconds = elapsedMs * 0.001f;
    const float fogGain = seconds / record->fadeBackTime;
    for (GridPoint& point : grid) {
        point.age += seconds;
        if (point.age > record->beforeFadeBackTime)
            point.fog += fogGain;
    }
}

int FogOfWar::GridIndex(float coordinate, float halfSize) const {
    return TruncateToIndex((double(coordinate) + halfSize) / granularity);
}

void FogOfWar::RevealFog(float x, float y, float r, int side) {
    if (side != this->side || !(r > 0))
        return;
    const int firstRow = std::max(GridIndex(y - r, halfHeight), 0);
    const int lastRow = std::min(GridIndex(y + r, halfHeight), rows - 1);
    const int firstColumn = std::max(GridIndex(x - r, halfWidth), 0);
    const int lastColumn = std::min(GridIndex(x + r, halfWidth), columns - 1);
    const float rSquared = r * r;
    for (int row = firstRow; row <= lastRow; ++row) {
        const float dy = row * granularity - halfHeight - y;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const float dx = column * granularity - halfWidth - x;
            const float dSquared = dx * dx + dy * dy;
            if (dSquared >= rSquared)
                continue;
            GridPoint& point = grid[Index(column, row)];
            const float ratio = dSquared / rSquared;
            point.fog = std::min(point.fog, ratio * ratio);
            point.age = 0;
        }
    }
}

bool FogOfWar::IsVisible(float x, float y, float r) const {
    const int firstRow = std::max(GridIndex(y - r, halfHeight), 0);
    const int lastRow = std::min(GridIndex(y + r, halfHeight) + 1, rows - 1);
    const int firstColumn = std::max(GridIndex(x - r, halfWidth), 0);
    const int lastColumn = std::min(GridIndex(x + r, halfWidth) + 1, columns - 1);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            if (grid[Index(column, row)].fog < visibleBelow)
                return true;
    return false;
}

bool FogOfWar::Hides(float left, float bottom, float right, float top) const {
    if (!record || !(left <= right && bottom <= top))
        return false;
    const int firstColumn = TruncateToIndex(std::floor((double(left) + halfWidth) / granularity));
    const int lastColumn = TruncateToIndex(std::floor((double(right) + halfWidth) / granularity)) + 1;
    const int firstRow = TruncateToIndex(std::floor((double(bottom) + halfHeight) / granularity));
    const int lastRow = TruncateToIndex(std::floor((double(top) + halfHeight) / granularity)) + 1;
    // Points off the grid are fully fogged; only those on it can be clear.
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, rows - 1); ++row)
        for (int column = std::max(firstColumn, 0); column <= std::min(lastColumn, columns - 1); ++column)
            if (grid[Index(column, row)].fog < 1)
                return false;
    return true;
}

float FogOfWar::FogAtOrFull(int column, int row) const {
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return 1;
    return std::max(grid[Index(column, row)].fog, 0.0f);
}

namespace {

// The fog's quads, kept from frame to frame: a zoomed-out view holds hundreds of thousands of corners.
struct FogCorner {
    float x, y;
    float colour[4];
};
std::vector<FogCorner> fogCorners;

} // namespace

void FogOfWar::AddQuad(int firstColumn, int firstRow, int lastColumn, int lastRow,
                       const float (&alphas)[4]) const {
    const int corners[4][2] = {{firstColumn, firstRow},
                               {lastColumn + 1, firstRow},
                               {lastColumn + 1, lastRow + 1},
                               {firstColumn, lastRow + 1}};
    for (int i = 0; i < 4; ++i)
        fogCorners.push_back({corners[i][0] * granularity - halfWidth, corners[i][1] * granularity - halfHeight,
                              {record->colorR, record->colorG, record->colorB, alphas[i]}});
}

void FogOfWar::AddSquare(int column, int row) const {
    const int corners[4][2] = {{column, row}, {column + 1, row}, {column + 1, row + 1}, {column, row + 1}};
    float alphas[4];
    bool anyFog = false;
    for (int i = 0; i < 4; ++i) {
        alphas[i] = FogAtOrFull(corners[i][0], corners[i][1]);
        anyFog = anyFog || alphas[i] > drawnAbove;
    }
    if (anyFog)
        AddQuad(column, row, column, row, alphas);
}

// A block of squares whose corners all lie off the grid is fully fogged throughout: one quad with the same
// outline covers exactly the pixels its squares would, in the same colour.
void FogOfWar::AddFullFog(int firstColumn, int firstRow, int lastColumn, int lastRow) const {
    if (firstColumn <= lastColumn && firstRow <= lastRow)
        AddQuad(firstColumn, firstRow, lastColumn, lastRow, {1, 1, 1, 1});
}

// Squares from column -1 to columns - 1 (and likewise rows) touch the grid; those further out are drawn
// as four bands round them.
void FogOfWar::Draw(float centreX, float centreY, float r) const {
    if (!record)
        return;
    // Floor rather than truncate, so the squares just off the map's lower left are drawn fogged too.
    const int firstColumn = TruncateToIndex(std::floor((double(centreX) - r + halfWidth) / granularity));
    const int lastColumn = TruncateToIndex(std::floor((double(centreX) + r + halfWidth) / granularity));
    const int firstRow = TruncateToIndex(std::floor((double(centreY) - r + halfHeight) / granularity));
    const int lastRow = TruncateToIndex(std::floor((double(centreY) + r + halfHeight) / granularity));
    const int nearFirstColumn = std::max(firstColumn, -1);
    const int nearLastColumn = std::min(lastColumn, columns - 1);
    const int nearFirstRow = std::max(firstRow, -1);
    const int nearLastRow = std::min(lastRow, rows - 1);

    fogCorners.clear();
    // Below, left, the squares near the grid, right, above: the last corner is the one drawing square by
    // square would end on, so the colour left current is the same.
    AddFullFog(firstColumn, firstRow, lastColumn, std::min(lastRow, -2));
    AddFullFog(firstColumn, nearFirstRow, std::min(lastColumn, -2), nearLastRow);
    for (int row = nearFirstRow; row <= nearLastRow; ++row)
        for (int column = nearFirstColumn; column <= nearLastColumn; ++column)
            AddSquare(column, row);
    AddFullFog(std::max(firstColumn, columns), nearFirstRow, lastColumn, nearLastRow);
    AddFullFog(firstColumn, std::max(firstRow, rows), lastColumn, lastRow);
    if (fogCorners.empty())
        return;

    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(FogCorner), &fogCorners.data()->x);
    glColorPointer(4, GL_FLOAT, sizeof(FogCorner), fogCorners.data()->colour);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(fogCorners.size()));
    glPopClientAttrib();
    // Arrays leave the current colour undefined; drawing corner by corner left the last one's.
    glColor4fv(fogCorners.back().colour);
}

} // namespace Vorn

// The fog over the map.
#include "world/FogOfWar.h"

#include "rules/FowData.h"

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

bool FogOfWar::Restore(int savedSide, const std::vector<GridPoint>& points) {
    if (points.size() != grid.size())
        return false;
    side = savedSide;
    grid = points;
    return true;
}

} // namespace Vorn

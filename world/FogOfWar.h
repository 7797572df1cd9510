// The fog over the map: a grid of points that one side's sight clears and that fogs over again with time.
#pragma once

#include <vector>

namespace Vorn {

namespace Constants {
struct FowData;
}

class FogOfWar {
public:
    struct GridPoint {
        // 1 is fully fogged, 0 clear; it grows past 1 when left alone long enough.
        float fog = 1;
        // Seconds since the point was last cleared.
        float age = 0;
    };

    // The grid spans the map, one point every "granularity" units from the lower left corner. Without a
    // record, or with a granularity that is not positive, the grid is a single point.
    FogOfWar(const Constants::FowData* record, float halfWidth, float halfHeight);

    // Fogs every point and makes `side` the one whose sight clears it.
    void Reset(int side);
    void Update(unsigned elapsedMs);
    // Clears the fog within r of (x, y) when `side` is the fog's side: nearer points clear more.
    void RevealFog(float x, float y, float r, int side);
    // True when some grid point around the box of half side r around (x, y) is less than nearly fogged.
    bool IsVisible(float x, float y, float r) const;
    // The fog of a grid point, between 0 and 1; 1 for a point off the grid, which is never cleared.
    float FogAtOrFull(int column, int row) const;
    // True when the fog hides the box completely: every square it touches is opaque fog at all its
    // corners, so anything drawn there under the fog is never seen.
    bool Hides(float left, float bottom, float right, float top) const;

    int Side() const { return side; }
    int Columns() const { return columns; }
    int Rows() const { return rows; }
    float Granularity() const { return granularity; }
    // Grid point (0, 0) lies at (-HalfWidth, -HalfHeight).
    float HalfWidth() const { return halfWidth; }
    float HalfHeight() const { return halfHeight; }
    // The fog's colour and timings; null for a fog without a record, which is never drawn.
    const Constants::FowData* Record() const { return record; }
    const GridPoint& PointAt(int column, int row) const { return grid[Index(column, row)]; }

    // Every grid point, row by row from the lower left; what a save holds of the fog with its side.
    const std::vector<GridPoint>& Points() const { return grid; }
    // Takes a saved fog: false, with nothing changed, when the grid is not this one's size.
    bool Restore(int savedSide, const std::vector<GridPoint>& points);

private:
    int Index(int column, int row) const { return row * columns + column; }
    // The grid index of a map coordinate along one axis, by truncation after adding the half size.
    int GridIndex(float coordinate, float halfSize) const;

    const Constants::FowData* record;
    float granularity;
    float halfWidth;
    float halfHeight;
    int columns;
    int rows;
    int side = 0;
    std::vector<GridPoint> grid;
};

} // namespace Vorn

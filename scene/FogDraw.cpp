// The fog of war over the map.
#include "scene/FogDraw.h"

#include "rules/FowData.h"
#include "world/FogOfWar.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Vorn {

namespace {
constexpr float drawnAbove = 0.01f;

// Converts without overflow: positions far off the map land far outside the grid, then get clamped.
int TruncateToIndex(double value) {
    return static_cast<int>(std::clamp(value, -1e9, 1e9));
}

struct FogCorner {
    float x, y;
    float colour[4];
};
// The fog's quads, kept from frame to frame (drawing happens on the main thread only): a zoomed-out view
// holds hundreds of thousands of corners.
std::vector<FogCorner> fogCorners;
bool beyondMapCovered = false;

// Adds the quads of grid squares to fogCorners.
class FogQuads {
public:
    explicit FogQuads(const FogOfWar& fog) : fog(fog), record(*fog.Record()) {}

    void AddQuad(int firstColumn, int firstRow, int lastColumn, int lastRow, const float (&alphas)[4]) {
        const int corners[4][2] = {{firstColumn, firstRow},
                                   {lastColumn + 1, firstRow},
                                   {lastColumn + 1, lastRow + 1},
                                   {firstColumn, lastRow + 1}};
        const float granularity = fog.Granularity();
        FogCorner quad[4];
        for (int i = 0; i < 4; ++i)
            quad[i] = {corners[i][0] * granularity - fog.HalfWidth(),
                       corners[i][1] * granularity - fog.HalfHeight(),
                       {record.colorR, record.colorG, record.colorB, alphas[i]}};
        // Collapsed to a point rather than removed: the software renderer cuts the array into batches by
        // position in it, and rounds the quads on the map exactly as before only when none moves.
        if (beyondMapCovered && WhollyBeyondMap(quad[0], quad[2]))
            for (FogCorner& corner : quad) {
                corner.x = quad[0].x;
                corner.y = quad[0].y;
            }
        fogCorners.insert(fogCorners.end(), std::begin(quad), std::end(quad));
    }

    void AddSquare(int column, int row) {
        const int corners[4][2] = {
            {column, row}, {column + 1, row}, {column + 1, row + 1}, {column, row + 1}};
        float alphas[4];
        bool anyFog = false;
        for (int i = 0; i < 4; ++i) {
            alphas[i] = fog.FogAtOrFull(corners[i][0], corners[i][1]);
            anyFog = anyFog || alphas[i] > drawnAbove;
        }
        if (anyFog)
            AddQuad(column, row, column, row, alphas);
    }

    // A block of squares whose corners all lie off the grid is fully fogged throughout: one quad with the
    // same outline covers exactly the pixels its squares would, in the same colour.
    void AddFullFog(int firstColumn, int firstRow, int lastColumn, int lastRow) {
        if (firstColumn <= lastColumn && firstRow <= lastRow)
            AddQuad(firstColumn, firstRow, lastColumn, lastRow, {1, 1, 1, 1});
    }

private:
    // Whether the quad between two opposite corners has no pixel on the map.
    bool WhollyBeyondMap(const FogCorner& lowerLeft, const FogCorner& upperRight) const {
        return upperRight.x <= -fog.HalfWidth() || lowerLeft.x >= fog.HalfWidth() ||
               upperRight.y <= -fog.HalfHeight() || lowerLeft.y >= fog.HalfHeight();
    }

    const FogOfWar& fog;
    const Constants::FowData& record;
};
} // namespace

// Squares from column -1 to columns - 1 (and likewise rows) touch the grid; those further out are drawn
// as four bands round them.
void DrawFog(const FogOfWar& fog, float centreX, float centreY, float r) {
    if (!fog.Record())
        return;
    const double granularity = fog.Granularity();
    // Floor rather than truncate, so the squares just off the map's lower left are drawn fogged too.
    const int firstColumn =
        TruncateToIndex(std::floor((double(centreX) - r + fog.HalfWidth()) / granularity));
    const int lastColumn = TruncateToIndex(std::floor((double(centreX) + r + fog.HalfWidth()) / granularity));
    const int firstRow = TruncateToIndex(std::floor((double(centreY) - r + fog.HalfHeight()) / granularity));
    const int lastRow = TruncateToIndex(std::floor((double(centreY) + r + fog.HalfHeight()) / granularity));
    const int nearFirstColumn = std::max(firstColumn, -1);
    const int nearLastColumn = std::min(lastColumn, fog.Columns() - 1);
    const int nearFirstRow = std::max(firstRow, -1);
    const int nearLastRow = std::min(lastRow, fog.Rows() - 1);

    FogQuads quads(fog);
    std::vector<FogCorner>& corners = fogCorners;
    corners.clear();
    // Below, left, the squares near the grid, right, above: the last corner is the one drawing square by
    // square would end on, so the colour left current is the same.
    quads.AddFullFog(firstColumn, firstRow, lastColumn, std::min(lastRow, -2));
    quads.AddFullFog(firstColumn, nearFirstRow, std::min(lastColumn, -2), nearLastRow);
    for (int row = nearFirstRow; row <= nearLastRow; ++row)
        for (int column = nearFirstColumn; column <= nearLastColumn; ++column)
            quads.AddSquare(column, row);
    quads.AddFullFog(std::max(firstColumn, fog.Columns()), nearFirstRow, lastColumn, nearLastRow);
    quads.AddFullFog(firstColumn, std::max(firstRow, fog.Rows()), lastColumn, lastRow);
    if (corners.empty())
        return;

    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(FogCorner), &corners.data()->x);
    glColorPointer(4, GL_FLOAT, sizeof(FogCorner), corners.data()->colour);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size()));
    glPopClientAttrib();
    // Arrays leave the current colour undefined; drawing corner by corner left the last one's.
    glColor4fv(corners.back().colour);
}

void SetFogBeyondMapCovered(bool covered) {
    beyondMapCovered = covered;
}

} // namespace Vorn

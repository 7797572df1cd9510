// A hash grid of pointers in 512-unit cells: every container of the world, and every range query, goes
// through it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

namespace Vorn {

// The cell index of one coordinate: the nearest integer to coordinate / 512, ties to the even one.
// Values that do not fit (infinities, NaN, far beyond any map) are pinned to a large finite index, so
// that a corrupt position cannot turn into an unbounded loop.
int SpatialCellIndex(float coordinate);
// Cell (cx, cy) is keyed (cx << 16) | (cy & 0xFFFF); keys order as unsigned 32-bit integers.
std::uint32_t SpatialCellKey(int cx, int cy);
std::uint32_t SpatialCellKeyOf(float x, float y);

// The cells a square of half side r around (x, y) touches, as index bounds; empty for a negative or
// not-a-number r. Queries over many maps with the same square work it out once.
struct SpatialCellSpan {
    int firstColumn = 0;
    int lastColumn = -1;
    int firstRow = 0;
    int lastRow = -1;

    static SpatialCellSpan Around(float x, float y, float r) {
        if (!(r >= 0))
            return {};
        return {SpatialCellIndex(x - r), SpatialCellIndex(x + r), SpatialCellIndex(y - r),
                SpatialCellIndex(y + r)};
    }
    // The cells of the box around the segment from (x1, y1) to (x2, y2), widened by r on every side: what
    // a sweep along the segment can meet lies there, wherever the segment crosses a cell border.
    static SpatialCellSpan AroundSegment(float x1, float y1, float x2, float y2, float r) {
        if (!(r >= 0))
            return {};
        return {SpatialCellIndex(std::min(x1, x2) - r), SpatialCellIndex(std::max(x1, x2) + r),
                SpatialCellIndex(std::min(y1, y2) - r), SpatialCellIndex(std::max(y1, y2) + r)};
    }
};

// Cells keep their pointers in insertion order and are never removed once created. The map owns nothing.
template <typename T> class SpatialMap {
public:
    using Cell = std::vector<T*>;
    static constexpr float cellSize = 512.0f;

    SpatialMap() { scratch.reserve(512 / sizeof(T*)); }

    void Insert(float x, float y, T* item) {
        const int cx = SpatialCellIndex(x);
        const int cy = SpatialCellIndex(y);
        Cell* cell = CellAt(cx, cy);
        if (!cell)
            cell = CellFor(cx, cy);
        cell->push_back(item);
    }

    // Removes the pointer from the cell of (x, y), keeping the order of the others. False, with nothing
    // changed, when it is not there: callers delete an object only after a successful erase.
    bool Erase(float x, float y, T* item) {
        Cell* cell = CellAt(SpatialCellIndex(x), SpatialCellIndex(y));
        if (!cell)
            return false;
        const auto found = std::find(cell->begin(), cell->end(), item);
        if (found == cell->end())
            return false;
        cell->erase(found);
        return true;
    }

    // Everything filed in the cells that the square of half side r around (x, y) touches, column by column.
    // It is the caller's job to check the exact distance. The result is this map's scratch array: it stays
    // valid only until the next query on the same map.
    const Cell& QueryRange(float x, float y, float r) {
        scratch.clear();
        ForEachCellInRange(
            x, y, r, [this](const Cell& cell) { scratch.insert(scratch.end(), cell.begin(), cell.end()); });
        return scratch.empty() ? empty : scratch;
    }

    // Visits the same cells as QueryRange, in the same order, without copying; visit(cell) must not add to
    // or remove from this map.
    template <typename Visit> void ForEachCellInRange(float x, float y, float r, Visit&& visit) const {
        ForEachCellInSpan(SpatialCellSpan::Around(x, y, r), visit);
    }
    // The same for a span worked out once for several maps.
    template <typename Visit> void ForEachCellInSpan(const SpatialCellSpan& span, Visit&& visit) const {
        ForEachExistingCellInSpan(span, [&](const Cell* cell) {
            if (!cell->empty())
                visit(*cell);
        });
    }

    // Visits every cell the span touches that exists, empty or not, without reading it: a caller that
    // looks through many maps asks for all their cells first and reads them once they have arrived.
    template <typename Visit>
    void ForEachExistingCellInSpan(const SpatialCellSpan& span, Visit&& visit) const {
        if (cells.empty())
            return;
        const int firstColumn = std::max(span.firstColumn, minColumn);
        const int lastColumn = std::min(span.lastColumn, maxColumn);
        const int firstRow = std::max(span.firstRow, minRow);
        const int lastRow = std::min(span.lastRow, maxRow);
        for (int cx = firstColumn; cx <= lastColumn; ++cx)
            for (int cy = firstRow; cy <= lastRow; ++cy)
                if (const Cell* cell = CellAt(cx, cy))
                    visit(cell);
    }

    const Cell* FindCell(float x, float y) const { return CellAt(SpatialCellIndex(x), SpatialCellIndex(y)); }

    // All cells in key order, for the tick's walks and the whole-map searches. Empty a cell's array if need
    // be, but never remove a cell.
    std::map<std::uint32_t, Cell>& Cells() { return cells; }
    const std::map<std::uint32_t, Cell>& Cells() const { return cells; }
    // The same cells in the same order, without the tree: the tick walks every cell of several maps at
    // every step, and stepping through the tree's nodes cost more than the cells' contents.
    const std::vector<Cell*>& CellsInOrder() const { return cellsInOrder; }
    // Visits every cell in key order like a walk of Cells(): visit(cell) may add to the map, and a cell it
    // creates is met later when its key follows the current one.
    template <typename Visit> void ForEachCellInOrder(Visit&& visit) {
        for (std::size_t i = 0; i < cellsInOrder.size(); ++i) {
            const std::uint32_t key = cellKeys[i];
            visit(*cellsInOrder[i]);
            if (cellKeys[i] != key)
                i = static_cast<std::size_t>(std::lower_bound(cellKeys.begin(), cellKeys.end(), key) -
                                             cellKeys.begin());
        }
    }

    bool Contains(const T* item) const {
        for (const auto& [key, cell] : cells)
            if (std::find(cell.begin(), cell.end(), item) != cell.end())
                return true;
        return false;
    }

    std::size_t Count() const {
        std::size_t count = 0;
        for (const Cell* cell : cellsInOrder)
            count += cell->size();
        return count;
    }

private:
    // Cells are found through a dense table over the span of used indices while that span is at most this
    // many cells (a map of half a million units square); beyond it, through the ordered map.
    static constexpr long long maxIndexedCells = 1 << 20;

    Cell* CellAt(int cx, int cy) const {
        if (indexed) {
            if (cx < minColumn || cx > maxColumn || cy < minRow || cy > maxRow)
                return nullptr;
            return index[IndexOf(cx, cy)];
        }
        const auto cell = cells.find(SpatialCellKey(cx, cy));
        return cell == cells.end() ? nullptr : const_cast<Cell*>(&cell->second);
    }

    // The cell filed under the key of (cx, cy), made if there is none. Indices 65,536 apart share a key (its
    // halves wrap), and such a place shares the cell already there: the cell is listed once, and the span
    // grown to hold both places turns the dense table off, so that both are found by key from then on.
    Cell* CellFor(int cx, int cy) {
        const std::uint32_t key = SpatialCellKey(cx, cy);
        const auto [found, created] = cells.try_emplace(key);
        Cell* cell = &found->second;
        Widen(cx, cy, cell);
        if (created) {
            const auto next = std::lower_bound(cellKeys.begin(), cellKeys.end(), key);
            cellsInOrder.insert(cellsInOrder.begin() + (next - cellKeys.begin()), cell);
            cellKeys.insert(next, key);
        }
        return cell;
    }

    std::size_t IndexOf(int cx, int cy) const {
        return static_cast<std::size_t>(cx - minColumn) * static_cast<std::size_t>(maxRow - minRow + 1) +
               static_cast<std::size_t>(cy - minRow);
    }

    // The span of cell indices ever used bounds a query, so a huge radius costs no more than the map is
    // wide and no cell is visited twice through the 16-bit wrap of its key.
    void Widen(int cx, int cy, Cell* created) {
        const bool grows = cx < minColumn || cx > maxColumn || cy < minRow || cy > maxRow;
        minColumn = std::min(minColumn, cx);
        maxColumn = std::max(maxColumn, cx);
        minRow = std::min(minRow, cy);
        maxRow = std::max(maxRow, cy);
        if (grows)
            RebuildIndex();
        else if (indexed)
            index[IndexOf(cx, cy)] = created;
    }

    // Within an indexed span no two cells share a key, so each key names exactly one column and row.
    void RebuildIndex() {
        const long long span = (static_cast<long long>(maxColumn) - minColumn + 1) *
                               (static_cast<long long>(maxRow) - minRow + 1);
        indexed = span <= maxIndexedCells && maxColumn - minColumn < 65536 && maxRow - minRow < 65536;
        index.clear();
        if (!indexed)
            return;
        index.assign(static_cast<std::size_t>(span), nullptr);
        for (auto& [key, cell] : cells) {
            const int cx =
                minColumn + static_cast<std::uint16_t>(static_cast<std::uint16_t>(key >> 16) - minColumn);
            const int cy = minRow + static_cast<std::uint16_t>(static_cast<std::uint16_t>(key) - minRow);
            index[IndexOf(cx, cy)] = &cell;
        }
    }

    std::map<std::uint32_t, Cell> cells;
    // The keys of cells and the cells themselves, in key order; a map's nodes never move.
    std::vector<std::uint32_t> cellKeys;
    std::vector<Cell*> cellsInOrder;
    Cell scratch;
    const Cell empty;
    int minColumn = std::numeric_limits<int>::max();
    int maxColumn = std::numeric_limits<int>::min();
    int minRow = std::numeric_limits<int>::max();
    int maxRow = std::numeric_limits<int>::min();
    bool indexed = false;
    std::vector<Cell*> index;
};

} // namespace Vorn

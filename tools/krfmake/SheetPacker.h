// SheetPacker arranges glyph cells on a glyph sheet: every cell is one line
// tall and as wide as its glyph's advance; cells stand in rows with `padding`
// empty pixels between neighbours and between rows, so that linear filtering of
// a scaled glyph never picks up its neighbour. The first row and column touch
// the sheet's edges: the texture is clamped there, so no neighbour lies beyond.
#pragma once

#include <vector>

struct CellPlace {
    int x = 0; // column of the cell's left edge, from 0
    int y = 0; // row of the cell's top edge, from 0
};

struct PackResult {
    bool fits = false;
    int rowsNeeded = 0;            // rows of the tightest arrangement found
    int cellsLeftOver = 0;         // cells that find no room, when the cells do not fit
    std::vector<CellPlace> places; // one per cell, in the order given; set when fits
};

class SheetPacker {
public:
    SheetPacker(int sheetWidth, int sheetHeight, int lineHeight, int padding);

    // Rows of cells the sheet has room for.
    int RowsAvailable() const;

    // Places cells of the given widths. Cells keep their order, row by row,
    // when that fits; otherwise the widest cells are placed first, each in the
    // first row with room, and each row then lists its cells in their order.
    // A cell wider than the sheet never fits.
    PackResult Pack(const std::vector<int>& widths) const;

private:
    using Rows = std::vector<std::vector<int>>; // cell indices per row

    Rows FillInOrder(const std::vector<int>& widths) const;
    Rows FillWidestFirst(const std::vector<int>& widths) const;
    std::vector<CellPlace> Place(const Rows& rows, const std::vector<int>& widths) const;
    int CellsLeftOver(const Rows& rows) const;

    int sheetWidth_;
    int sheetHeight_;
    int lineHeight_;
    int padding_;
};

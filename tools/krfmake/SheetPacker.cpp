#include "SheetPacker.h"

#include <algorithm>
#include <numeric>

SheetPacker::SheetPacker(int sheetWidth, int sheetHeight, int lineHeight, int padding)
    : sheetWidth_(sheetWidth), sheetHeight_(sheetHeight), lineHeight_(lineHeight), padding_(padding) {}

int SheetPacker::RowsAvailable() const {
    return (sheetHeight_ + padding_) / (lineHeight_ + padding_);
}

PackResult SheetPacker::Pack(const std::vector<int>& widths) const {
    PackResult result;
    // Cells wider than the sheet are left over; the rest are packed to count what else is.
    std::vector<int> spans;
    for (const int width : widths) {
        if (width > sheetWidth_) {
            ++result.cellsLeftOver;
        } else {
            // A cell of width 0 still takes a column, so that it starts inside the sheet.
            spans.push_back(std::max(width, 1));
        }
    }

    Rows rows = FillInOrder(spans);
    if (static_cast<int>(rows.size()) > RowsAvailable()) {
        Rows tighter = FillWidestFirst(spans);
        if (tighter.size() < rows.size()) {
            rows = std::move(tighter);
        }
    }
    result.rowsNeeded = static_cast<int>(rows.size());
    result.cellsLeftOver += CellsLeftOver(rows);
    result.fits = result.cellsLeftOver == 0;
    if (result.fits) {
        result.places = Place(rows, spans);
    }
    return result;
}

// The cells of the rows beyond the sheet's room, when the fullest rows are the ones kept.
int SheetPacker::CellsLeftOver(const Rows& rows) const {
    std::vector<int> sizes;
    for (const auto& row : rows) {
        sizes.push_back(static_cast<int>(row.size()));
    }
    std::sort(sizes.begin(), sizes.end());
    const std::size_t over = sizes.size() - std::min(sizes.size(), static_cast<std::size_t>(RowsAvailable()));
    return std::accumulate(sizes.begin(), sizes.begin() + static_cast<long>(over), 0);
}

SheetPacker::Rows SheetPacker::FillInOrder(const std::vector<int>& widths) const {
    Rows rows;
    int used = 0;
    for (int cell = 0; cell < static_cast<int>(widths.size()); ++cell) {
        if (rows.empty() || used + padding_ + widths[cell] > sheetWidth_) {
            rows.emplace_back();
            used = -padding_;
        }
        rows.back().push_back(cell);
        used += padding_ + widths[cell];
    }
    return rows;
}

SheetPacker::Rows SheetPacker::FillWidestFirst(const std::vector<int>& widths) const {
    std::vector<int> order(widths.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&widths](int a, int b) { return widths[a] > widths[b]; });

    Rows rows;
    std::vector<int> used;
    for (const int cell : order) {
        std::size_t row = 0;
        while (row < rows.size() && used[row] + padding_ + widths[cell] > sheetWidth_) {
            ++row;
        }
        if (row == rows.size()) {
            rows.emplace_back();
            used.push_back(-padding_);
        }
        rows[row].push_back(cell);
        used[row] += padding_ + widths[cell];
    }
    for (auto& row : rows) {
        std::sort(row.begin(), row.end());
    }
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.front() < b.front(); });
    return rows;
}

std::vector<CellPlace> SheetPacker::Place(const Rows& rows, const std::vector<int>& widths) const {
    std::vector<CellPlace> places(widths.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        int x = 0;
        for (const int cell : rows[row]) {
            places[cell].x = x;
            places[cell].y = static_cast<int>(row) * (lineHeight_ + padding_);
            x += widths[cell] + padding_;
        }
    }
    return places;
}

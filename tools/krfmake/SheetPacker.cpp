#include "SheetPacker.h"

#include <algorithm>
#include <numeric>

SheetPacker::SheetPacker(int sheetWidth, int sheetHeight, int lineHeight, int gap)
    : sheetWidth_(sheetWidth), sheetHeight_(sheetHeight), lineHeight_(lineHeight), gap_(gap) {}

int SheetPacker::RowsAvailable() const {
    return (sheetHeight_ + gap_) / (lineHeight_ + gap_);
}

PackResult SheetPacker::Pack(const std::vector<int>& widths) const {
    PackResult result;
    if (std::any_of(widths.begin(), widths.end(), [this](int w) { return w > sheetWidth_; })) {
        return result;
    }
    // A cell of width 0 still takes a column, so that it starts inside the sheet.
    std::vector<int> spans(widths.size());
    std::transform(widths.begin(), widths.end(), spans.begin(), [](int w) { return std::max(w, 1); });

    Rows rows = FillInOrder(spans);
    if (static_cast<int>(rows.size()) > RowsAvailable()) {
        Rows tighter = FillWidestFirst(spans);
        if (tighter.size() < rows.size()) {
            rows = std::move(tighter);
        }
    }
    result.rowsNeeded = static_cast<int>(rows.size());
    result.fits = result.rowsNeeded <= RowsAvailable();
    if (result.fits) {
        result.places = Place(rows, spans);
    }
    return result;
}

SheetPacker::Rows SheetPacker::FillInOrder(const std::vector<int>& widths) const {
    Rows rows;
    int used = 0;
    for (int cell = 0; cell < static_cast<int>(widths.size()); ++cell) {
        if (rows.empty() || used + gap_ + widths[cell] > sheetWidth_) {
            rows.emplace_back();
            used = -gap_;
        }
        rows.back().push_back(cell);
        used += gap_ + widths[cell];
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
        while (row < rows.size() && used[row] + gap_ + widths[cell] > sheetWidth_) {
            ++row;
        }
        if (row == rows.size()) {
            rows.emplace_back();
            used.push_back(-gap_);
        }
        rows[row].push_back(cell);
        used[row] += gap_ + widths[cell];
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
            places[cell].y = static_cast<int>(row) * (lineHeight_ + gap_);
            x += widths[cell] + gap_;
        }
    }
    return places;
}

#include "plugin/frame/result_grid.h"

#include <algorithm>

namespace vamo::plugin {
namespace {

const std::string kEmpty;

bool inside(int column, int row, int rowCount) {
    return column >= 0 && column < ResultGrid::kColumns && row >= 0 && row < rowCount;
}

} // namespace

const std::string& ResultGrid::cell(int column, int row) const {
    if (!inside(column, row, rowCount())) {
        return kEmpty;
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ResultGrid::setCell(int column, int row, std::string text) {
    if (inside(column, row, rowCount())) {
        rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
    }
}

void ResultGrid::reset(int rows) {
    rows_.assign(static_cast<std::size_t>(std::max(rows, 1)), {});
}

} // namespace vamo::plugin

#pragma once

#include <array>
#include <string>
#include <vector>

namespace vamo::plugin {

// The panel's result grid: three columns, row 0 and column 0 fixed (titles and row labels).
class ResultGrid {
public:
    static constexpr int kColumns = 3;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // "" outside the grid.
    const std::string& cell(int column, int row) const;
    // Ignored outside the grid, as the grid keeps only its own cells.
    void setCell(int column, int row, std::string text);
    // Empties every cell and gives the grid `rows` rows (at least 1).
    void reset(int rows);

private:
    std::vector<std::array<std::string, kColumns>> rows_{1};
};

} // namespace vamo::plugin

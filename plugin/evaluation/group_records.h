#pragma once

// Where an evaluated group's values go: the rows appended to the group record's test_set table and
// the result grid cells. The summary row takes validForce as yxlz and validStrength as yxqd.

#include "plugin/evaluation/rule_types.h"

#include <string>
#include <vector>

namespace vamo::rules {

struct NamedValue {
    std::string name;
    std::string value;

    friend bool operator==(const NamedValue&, const NamedValue&) = default;
};

// Rows (name, str) to append to test_set, in order.
std::vector<NamedValue> groupTestSetRows(RuleFamily family, const GroupOutcome& outcome);

struct GridCell {
    int column;
    int row;
    std::string text;

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// Result grid cells to write, in order, for a panel set to `panelCount` specimens (the labelled rows
// follow the panel's count, also for a group ended early). Marks are not included: a marked
// specimen's cell (column 1, its row) gets "*" in front of its current text.
std::vector<GridCell> groupGridCells(RuleFamily family, const GroupOutcome& outcome, int panelCount);

} // namespace vamo::rules

#include "plugin/evaluation/group_records.h"

namespace vamo::rules {

std::vector<NamedValue> groupTestSetRows(RuleFamily family, const GroupOutcome& outcome) {
    if (family == RuleFamily::Modulus) {
        // The modulus rule records a second 有效力值 of 0 and the valid modulus under two names.
        return {{"有效力值", outcome.validForce},
                {"有效力值", "0"},
                {"有效强度", outcome.validStrength},
                {"弹性模量", outcome.validStrength}};
    }
    return {{"有效力值", outcome.validForce}, {"有效强度", outcome.validStrength}};
}

std::vector<GridCell> groupGridCells(RuleFamily family, const GroupOutcome& outcome, int panelCount) {
    if (family == RuleFamily::Modulus) {
        // Row N + 1 (labelled 弹性模量) ends up with the valid modulus; row N + 2 is left alone.
        return {{1, panelCount + 1, outcome.validForce}, {1, panelCount + 1, outcome.validStrength}};
    }
    return {{1, panelCount + 1, outcome.validForce}, {2, panelCount + 2, outcome.validStrength}};
}

} // namespace vamo::rules

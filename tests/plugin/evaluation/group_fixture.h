#pragma once

// Builders of evaluation inputs for the rule tests.

#include "plugin/evaluation/rule_types.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace vamo::rules {

inline void PrintTo(const GroupOutcome& outcome, std::ostream* out) {
    *out << "{force \"" << outcome.validForce << "\", strength \"" << outcome.validStrength << "\", marked [";
    for (int specimen : outcome.marked) {
        *out << ' ' << specimen;
    }
    *out << " ]}";
}

namespace test {

struct Specimens {
    int count = 0;
    std::vector<float> force;
    std::vector<float> second = {};
    int forceDecimals = 2;
    int strengthDecimals = 1;
    float strengthDivisor = 22.5f;
    float highFixedLoad = 0.0f;
};

inline GroupInput makeGroup(const Specimens& specimens) {
    GroupInput group;
    group.count = specimens.count;
    std::copy(specimens.force.begin(), specimens.force.end(), group.force.begin());
    std::copy(specimens.second.begin(), specimens.second.end(), group.second.begin());
    group.forceDecimals = specimens.forceDecimals;
    group.strengthDecimals = specimens.strengthDecimals;
    group.strengthDivisor = specimens.strengthDivisor;
    group.highFixedLoad = specimens.highFixedLoad;
    return group;
}

// A group read from its peak texts as the group record stores them: every "*" reads as "0", so
// "*30.00" is the force 30 of a specimen that broke outside the load lines.
inline GroupInput makePeakTextGroup(const std::vector<std::string>& peakTexts, float strengthDivisor,
                                    int count = 3) {
    GroupInput group;
    group.count = count;
    group.strengthDivisor = strengthDivisor;
    for (std::size_t index = 0; index < peakTexts.size(); ++index) {
        std::string number = peakTexts[index];
        std::replace(number.begin(), number.end(), '*', '0');
        group.peakTexts[index] = peakTexts[index];
        group.force[index] = std::strtof(number.c_str(), nullptr);
        group.second[index] = group.force[index] / strengthDivisor;
    }
    return group;
}

} // namespace test
} // namespace vamo::rules

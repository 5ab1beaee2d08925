#pragma once

#include <string>

namespace vamo::host {

// The manual scale of one chart axis.
struct AxisScale {
    double minimum = 0;
    double maximum = 0;
    double increment = 0;
    bool automaticMaximum = false;

    bool operator==(const AxisScale&) const = default;
};

// The axes of the load-time chart and the operations the run control and the method binding apply.
// The chart view copies this state onto its axes.
struct ChartAxes {
    AxisScale time{0, 20, 2, false};
    AxisScale force{0, 100, 15, false};
    std::string forceTitle = "载荷(kN)";

    // Every run start: 40 s in steps of 5, 1000 kN in steps of 100, automatic maximum off.
    void resetForRun();
    // Start-up with 量程显示 "sys".
    void applySystemRange();
    // The aerated-block method: 100 kN in steps of 10, 20 s in steps of 2, both minimums 0.
    void applyAeratedBlock();
    // One growth step per recorded point: an axis whose maximum the curve passed grows by 5 s or
    // 50 kN, and its increment becomes a tenth of the new maximum.
    void growFor(double largestTime, double largestForce);
};

} // namespace vamo::host

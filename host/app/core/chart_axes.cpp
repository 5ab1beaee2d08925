#include "host/app/core/chart_axes.h"

namespace vamo::host {

void ChartAxes::resetForRun() {
    time.maximum = 40;
    time.increment = 5;
    force.maximum = 1000;
    force.increment = 100;
    time.automaticMaximum = false;
    force.automaticMaximum = false;
}

void ChartAxes::applySystemRange() {
    time.maximum = 40;
    time.increment = 5;
    force.maximum = 1000;
    force.increment = 100;
}

void ChartAxes::applyAeratedBlock() {
    forceTitle = "载荷(kN)";
    time.minimum = 0;
    force.minimum = 0;
    force.maximum = 100;
    force.increment = 10;
    time.maximum = 20;
    time.increment = 2;
}

void ChartAxes::growFor(double largestTime, double largestForce) {
    time.automaticMaximum = false;
    force.automaticMaximum = false;
    if (largestTime > time.maximum) {
        time.maximum += 5;
        time.increment = time.maximum / 10;
    }
    if (largestForce > force.maximum) {
        force.maximum += 50;
        force.increment = force.maximum / 10;
    }
}

} // namespace vamo::host

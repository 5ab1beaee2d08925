#pragma once

#include <array>
#include <string>

namespace vamo::settings {

// Every value of the settings file that the host keeps in memory. The controller parameters are only
// carried: loaded and written back, used nowhere else. A default-constructed record holds the defaults.
struct SysSettings {
    SysSettings();

    // 标定点 and 标定ad: force (kN) and force code of the twelve calibration points.
    std::array<float, 12> calibrationForce{};
    std::array<float, 12> calibrationCode{};

    // 定荷控制参数: constant-load control gains of the three segments.
    float constantLoadKp1 = 0;
    float constantLoadKi1 = 0;
    float constantLoadKp2 = 0;
    float constantLoadKi2 = 0;
    float constantLoadKp3 = 0;
    float constantLoadKi3 = 0;

    // 控制参数:KY: normal load control.
    float segment12BoundaryForce = 0;
    float segment23BoundaryForce = 0;
    float maxControlOutput = 0;
    float normalKp1 = 0;
    float normalKi1 = 0;
    float normalKp2 = 0;
    float normalKi2 = 0;
    float normalKp3 = 0;
    float normalKi3 = 0;
    float valveInitialOpening = 0;
    float contactBackoff = 0;
    float valveMiddleOpening = 0;

    // 基本参数: carried controller values.
    float systemMaxForce = 0;
    float controlEntryForce = 0;
    float unloadDelay = 0;
    float controlCorrection1 = 0;
    float controlCorrection2 = 0; // always 1
    float maxValveOpening = 0;
    float speedLimit = 0;
    float breakJudgeMethod = 0;
    float breakJudgeValue = 0;
    float adProtectionValue = 0;
    int manualFunction = 0;

    // 基本参数: used by the host.
    float zeroForceThreshold = 0; // kN: a positive force below it counts as 0
    float recordThreshold = 0; // kN: above it curve points are recorded
    float startThreshold = 0; // kN: above it a run is loading; below half of it afterwards it ends
    int runWaitSeconds = 0;
    int forceDecimals = 0;
    int strengthDecimals = 0;
    int speedDecimals = 0;

    // 系统参数1
    int uploadEnabled = 0;
    std::string rangeCaption;

    bool operator==(const SysSettings&) const = default;
};

} // namespace vamo::settings

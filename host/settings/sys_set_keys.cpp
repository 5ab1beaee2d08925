#include "host/settings/sys_set_keys.h"

#include "host/settings/sys_set_names.h"

#include <array>

namespace vamo::settings {
namespace {

template <auto Member>
decltype(auto) field(SysSettings& settings) {
    return (settings.*Member);
}

template <auto Array, std::size_t Index>
float& element(SysSettings& settings) {
    return (settings.*Array)[Index];
}

constexpr auto kForce = &SysSettings::calibrationForce;
constexpr auto kCode = &SysSettings::calibrationCode;

// Save order; loading walks the same order (tables of calibration, constant-load and normal control,
// then the basic parameters, then 系统参数1). In 基本参数 破碎判断条件 comes before 破碎判断方法.
constexpr std::array kKeys = {
    SettingKey{kCalibrationForceSection, "1", FloatField{&element<kForce, 0>, 0.0f}, true},
    SettingKey{kCalibrationForceSection, "2", FloatField{&element<kForce, 1>, 50.0f}, true},
    SettingKey{kCalibrationForceSection, "3", FloatField{&element<kForce, 2>, 100.0f}, true},
    SettingKey{kCalibrationForceSection, "4", FloatField{&element<kForce, 3>, 150.0f}, true},
    SettingKey{kCalibrationForceSection, "5", FloatField{&element<kForce, 4>, 200.0f}, true},
    SettingKey{kCalibrationForceSection, "6", FloatField{&element<kForce, 5>, 250.0f}, true},
    SettingKey{kCalibrationForceSection, "7", FloatField{&element<kForce, 6>, 300.0f}, true},
    SettingKey{kCalibrationForceSection, "8", FloatField{&element<kForce, 7>, 350.0f}, true},
    SettingKey{kCalibrationForceSection, "9", FloatField{&element<kForce, 8>, 400.0f}, true},
    SettingKey{kCalibrationForceSection, "10", FloatField{&element<kForce, 9>, 450.0f}, true},
    SettingKey{kCalibrationForceSection, "11", FloatField{&element<kForce, 10>, 500.0f}, true},
    SettingKey{kCalibrationForceSection, "12", FloatField{&element<kForce, 11>, 550.0f}, true},

    SettingKey{kCalibrationCodeSection, "1", FloatField{&element<kCode, 0>, 1550.0f}, true},
    SettingKey{kCalibrationCodeSection, "2", FloatField{&element<kCode, 1>, 1650.0f}, true},
    SettingKey{kCalibrationCodeSection, "3", FloatField{&element<kCode, 2>, 1750.0f}, true},
    SettingKey{kCalibrationCodeSection, "4", FloatField{&element<kCode, 3>, 1850.0f}, true},
    SettingKey{kCalibrationCodeSection, "5", FloatField{&element<kCode, 4>, 1950.0f}, true},
    SettingKey{kCalibrationCodeSection, "6", FloatField{&element<kCode, 5>, 2050.0f}, true},
    SettingKey{kCalibrationCodeSection, "7", FloatField{&element<kCode, 6>, 2150.0f}, true},
    SettingKey{kCalibrationCodeSection, "8", FloatField{&element<kCode, 7>, 2250.0f}, true},
    SettingKey{kCalibrationCodeSection, "9", FloatField{&element<kCode, 8>, 2350.0f}, true},
    SettingKey{kCalibrationCodeSection, "10", FloatField{&element<kCode, 9>, 2450.0f}, true},
    SettingKey{kCalibrationCodeSection, "11", FloatField{&element<kCode, 10>, 2550.0f}, true},
    SettingKey{kCalibrationCodeSection, "12", FloatField{&element<kCode, 11>, 2650.0f}, true},

    SettingKey{kConstantLoadSection, "定荷控制的第一段kp",
               FloatField{&field<&SysSettings::constantLoadKp1>, 1500.0f}, true},
    SettingKey{kConstantLoadSection, "定荷控制的第一段ki",
               FloatField{&field<&SysSettings::constantLoadKi1>, 30000.0f}, true},
    SettingKey{kConstantLoadSection, "定荷控制的第二段kp",
               FloatField{&field<&SysSettings::constantLoadKp2>, 1500.0f}, true},
    SettingKey{kConstantLoadSection, "定荷控制的第二段ki",
               FloatField{&field<&SysSettings::constantLoadKi2>, 1000.0f}, true},
    SettingKey{kConstantLoadSection, "定荷控制的第三段kp",
               FloatField{&field<&SysSettings::constantLoadKp3>, 1500.0f}, true},
    SettingKey{kConstantLoadSection, "定荷控制的第三段ki",
               FloatField{&field<&SysSettings::constantLoadKi3>, 30000.0f}, true},

    SettingKey{kNormalControlSection, "区别12两端的力值",
               FloatField{&field<&SysSettings::segment12BoundaryForce>, 4.0f}, true},
    SettingKey{kNormalControlSection, "区别23两端的力值",
               FloatField{&field<&SysSettings::segment23BoundaryForce>, 5.0f}, true},
    SettingKey{kNormalControlSection, "最大输出控制量",
               FloatField{&field<&SysSettings::maxControlOutput>, 30.0f}, true},
    SettingKey{kNormalControlSection, "正常控制的第一段kp",
               FloatField{&field<&SysSettings::normalKp1>, 190.0f}, true},
    SettingKey{kNormalControlSection, "正常控制的第一段ki",
               FloatField{&field<&SysSettings::normalKi1>, 90000.0f}, true},
    SettingKey{kNormalControlSection, "正常控制的第二段kp",
               FloatField{&field<&SysSettings::normalKp2>, 190.0f}, true},
    SettingKey{kNormalControlSection, "正常控制的第二段ki",
               FloatField{&field<&SysSettings::normalKi2>, 90000.0f}, true},
    SettingKey{kNormalControlSection, "正常控制的第三段kp",
               FloatField{&field<&SysSettings::normalKp3>, 190.0f}, true},
    SettingKey{kNormalControlSection, "正常控制的第三段ki",
               FloatField{&field<&SysSettings::normalKi3>, 90000.0f}, true},
    SettingKey{kNormalControlSection, "阀口初始开度",
               FloatField{&field<&SysSettings::valveInitialOpening>, 30000.0f}, true},
    SettingKey{kNormalControlSection, "刚接触时的回退量",
               FloatField{&field<&SysSettings::contactBackoff>, 2000.0f}, true},
    SettingKey{kNormalControlSection, "阀口中位开度",
               FloatField{&field<&SysSettings::valveMiddleOpening>, 20000.0f}, true},

    SettingKey{kBasicSection, "系统最大力", FloatField{&field<&SysSettings::systemMaxForce>, 300.0f}, true},
    SettingKey{kBasicSection, "控制入口力", FloatField{&field<&SysSettings::controlEntryForce>, 0.98f}, true},
    SettingKey{kBasicSection, "卸载延时", FloatField{&field<&SysSettings::unloadDelay>, 5.0f}, true},
    SettingKey{kBasicSection, "控制量修正1", FloatField{&field<&SysSettings::controlCorrection1>, 1.9047f},
               true},
    SettingKey{kBasicSection, "控制量修正2", FloatField{&field<&SysSettings::controlCorrection2>, 1.0f, true},
               true},
    SettingKey{kBasicSection, "开度修正1", FloatField{&field<&SysSettings::maxValveOpening>, 19.092f}, true},
    SettingKey{kBasicSection, "速度限制", FloatField{&field<&SysSettings::speedLimit>, 5.862f}, true},
    SettingKey{kBasicSection, "破碎判断条件", FloatField{&field<&SysSettings::breakJudgeValue>, 2.0f}, true},
    SettingKey{kBasicSection, "破碎判断方法", FloatField{&field<&SysSettings::breakJudgeMethod>, 2.0f}, true},
    SettingKey{kBasicSection, "AD保护值", FloatField{&field<&SysSettings::adProtectionValue>, 7300000.0f},
               true},
    SettingKey{kBasicSection, kZeroForceThresholdKey,
               FloatField{&field<&SysSettings::zeroForceThreshold>, 0.5f}, true},
    SettingKey{kBasicSection, kRecordThresholdKey, FloatField{&field<&SysSettings::recordThreshold>, 5.0f},
               true},
    SettingKey{kBasicSection, kStartThresholdKey, FloatField{&field<&SysSettings::startThreshold>, 5.0f},
               true},
    SettingKey{kBasicSection, kRunWaitTimeKey, IntField{&field<&SysSettings::runWaitSeconds>, 100}, true},
    SettingKey{kBasicSection, "是否手动功能", IntField{&field<&SysSettings::manualFunction>, 0}, true},
    SettingKey{kBasicSection, kForceDecimalsKey,
               IntField{&field<&SysSettings::forceDecimals>, kDefaultDisplayDecimals}, true},
    SettingKey{kBasicSection, kStrengthDecimalsKey,
               IntField{&field<&SysSettings::strengthDecimals>, kDefaultDisplayDecimals}, true},
    SettingKey{kBasicSection, kSpeedDecimalsKey,
               IntField{&field<&SysSettings::speedDecimals>, kDefaultDisplayDecimals}, true},

    SettingKey{kSystemParams1Section, kUploadKey,
               IntField{&field<&SysSettings::uploadEnabled>, kDefaultUpload}, false},
    SettingKey{
        kSystemParams1Section, kRangeCaptionKey,
        TextField{&field<&SysSettings::rangeCaption>, kDefaultRangeCaption, kRangeCaptionMaxCharacters},
        false},
};

} // namespace

std::span<const SettingKey> sysSetKeys() {
    return kKeys;
}

SysSettings::SysSettings() {
    for (const SettingKey& key : kKeys) {
        if (const auto* number = std::get_if<FloatField>(&key.field)) {
            number->of(*this) = number->defaultValue;
        } else if (const auto* integer = std::get_if<IntField>(&key.field)) {
            integer->of(*this) = integer->defaultValue;
        } else if (const auto* text = std::get_if<TextField>(&key.field)) {
            text->of(*this) = std::string(text->defaultValue);
        }
    }
}

} // namespace vamo::settings

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// File, section and key names of the station's settings file that code outside this library uses.
namespace vamo::settings {

inline constexpr std::string_view kSysSetFileName = "sys_set.ini";

inline constexpr std::string_view kCalibrationForceSection = "标定点";
inline constexpr std::string_view kCalibrationCodeSection = "标定ad";
inline constexpr std::string_view kConstantLoadSection = "定荷控制参数";
inline constexpr std::string_view kNormalControlSection = "控制参数:KY";
inline constexpr std::string_view kBasicSection = "基本参数";
inline constexpr std::string_view kSerialSection = "串口设置";
inline constexpr std::string_view kSystemParams1Section = "系统参数1";

// 基本参数: thresholds, run wait time and display decimals.
inline constexpr std::string_view kZeroForceThresholdKey = "力值起限";
inline constexpr std::string_view kRecordThresholdKey = "起始力值";
inline constexpr std::string_view kStartThresholdKey = "破碎起判力值";
inline constexpr std::string_view kRunWaitTimeKey = "运行等待时间";
inline constexpr std::string_view kForceDecimalsKey = "压力小数位数";
inline constexpr std::string_view kStrengthDecimalsKey = "兆帕小数位数";
inline constexpr std::string_view kSpeedDecimalsKey = "加荷速度小数位数";

// 串口设置
inline constexpr std::string_view kPortKey = "COM";
inline constexpr std::string_view kBaudKey = "boud";
inline constexpr std::string_view kParityKey = "parity";
inline constexpr std::string_view kStopBitsKey = "stopbit";
inline constexpr std::string_view kDataBitsKey = "bit";

// 系统参数1
inline constexpr std::string_view kUploadKey = "数据上传";
inline constexpr std::string_view kRangeCaptionKey = "量程显示";

inline constexpr int kDefaultDisplayDecimals = 2;
inline constexpr int kDefaultUpload = 0;
inline constexpr std::string_view kDefaultRangeCaption = "0";
inline constexpr std::size_t kRangeCaptionMaxCharacters = 127;

// The settings file in the program folder.
inline std::filesystem::path sysSetPath(const std::filesystem::path& programFolder) {
    return programFolder / std::string(kSysSetFileName);
}

// The section in which a plug-in keeps its panel choices: "conccomp" -> "conccomp_menu".
inline std::string pluginSection(std::string_view pluginName) {
    return std::string(pluginName) + "_menu";
}

} // namespace vamo::settings

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What the settings dialogs of the main window do, without their widgets.
namespace vamo::host {

// The serial settings dialog 串口设置: five lists and the selected entries (-1: none selected, as for a
// hand-edited value outside the list).
struct SerialChoice {
    std::string portText = "COM1";
    int baud = 2;
    int parity = 0;
    int stopBits = 0;
    int dataBits = 0;
    bool operator==(const SerialChoice&) const = default;
};

struct SerialSettingsForm {
    static std::vector<std::string> portItems(); // "COM1" to "COM16"
    static std::vector<std::string> baudItems();
    static std::vector<std::string> parityItems();
    static std::vector<std::string> stopBitItems();
    static std::vector<std::string> dataBitItems();

    // The choices shown when the dialog opens, from section 串口设置.
    static SerialChoice load(const std::filesystem::path& settingsFile);
    // 默认值: COM1, 9600, 无校验, 1位, 8位.
    static SerialChoice defaults() { return {}; }
    // 确定: throws when the port text holds no digit (nothing is written then).
    static void confirm(const std::filesystem::path& settingsFile, const SerialChoice& choice);
};

// The parameter settings dialog 参数设置: the three thresholds ("%.3f") and the wait time.
struct ParameterTexts {
    std::string zeroThreshold; // 力值起限(kN)：
    std::string recordThreshold; // 曲线起始力值(kN)：
    std::string startThreshold; // 起判力值(kN)：
    std::string waitSeconds; // 运行等待时间(S)：
};

struct ParameterSettingsForm {
    static ParameterTexts load(const std::filesystem::path& settingsFile);
    // 确定: converts the fields (thresholds taken to three decimals), then writes every key with
    // save_sys_set. A field that is no number throws and nothing is written.
    static void confirm(const std::filesystem::path& settingsFile, const ParameterTexts& texts);
};

// The access codes of 系统参数 (and the factory code alone for the station configuration).
bool systemAccessCodeAccepted(std::string_view code);
inline constexpr std::string_view factoryAccessCode = "40963517";
inline constexpr std::string_view accessCodeCaption = " 输入密码   ";
inline constexpr std::string_view accessCodePrompt = "密码：        ";

} // namespace vamo::host

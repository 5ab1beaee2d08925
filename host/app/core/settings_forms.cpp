#include "host/app/core/settings_forms.h"

#include "host/app/core/run_control.h"
#include "host/controller/serial_settings.h"
#include "host/settings/single_settings.h"
#include "host/settings/sys_set_file.h"
#include "platform/number_text.h"

#include <stdexcept>

namespace vamo::host {

namespace {

int indexIn(int value, std::size_t count) {
    return value >= 0 && static_cast<std::size_t>(value) < count ? value : -1;
}

float threshold(std::string_view text, std::string_view field) {
    const auto value = platform::parseFloatingPoint(text);
    if (!value) {
        throw std::invalid_argument("'" + std::string(text) + "' is not a number (" + std::string(field)
                                    + ")");
    }
    return toThreeDecimals(static_cast<float>(*value));
}

} // namespace

std::vector<std::string> SerialSettingsForm::portItems() {
    std::vector<std::string> items;
    for (int port = 1; port <= 16; ++port) {
        items.push_back("COM" + std::to_string(port));
    }
    return items;
}

std::vector<std::string> SerialSettingsForm::baudItems() {
    return {"2400", "4800", "9600", "19200", "38400"};
}

std::vector<std::string> SerialSettingsForm::parityItems() {
    return {"无校验", "奇校验", "偶校验"};
}

std::vector<std::string> SerialSettingsForm::stopBitItems() {
    return {"1位", "1.5位", "2位"};
}

std::vector<std::string> SerialSettingsForm::dataBitItems() {
    return {"8位", "7位"};
}

SerialChoice SerialSettingsForm::load(const std::filesystem::path& settingsFile) {
    const auto serial = settings::readSerialSettings(settingsFile);
    SerialChoice choice;
    const int port = indexIn(serial.port, portItems().size());
    choice.portText = port >= 0 ? portItems()[static_cast<std::size_t>(port)] : "";
    choice.baud = indexIn(serial.baudIndex, baudItems().size());
    choice.parity = indexIn(serial.parity, parityItems().size());
    choice.stopBits = indexIn(serial.stopBits, stopBitItems().size());
    choice.dataBits = indexIn(serial.dataBits, dataBitItems().size());
    return choice;
}

void SerialSettingsForm::confirm(const std::filesystem::path& settingsFile, const SerialChoice& choice) {
    const int port = controller::portNumberFromText(choice.portText);
    settings::SerialSettings serial;
    serial.port = port - 1;
    serial.baudIndex = choice.baud;
    serial.parity = choice.parity;
    serial.stopBits = choice.stopBits;
    serial.dataBits = choice.dataBits;
    settings::writeSerialSettings(settingsFile, serial);
}

ParameterTexts ParameterSettingsForm::load(const std::filesystem::path& settingsFile) {
    const auto loaded = settings::load_sys_set(settingsFile);
    return {platform::formatFixed(loaded.zeroForceThreshold, 3),
            platform::formatFixed(loaded.recordThreshold, 3), platform::formatFixed(loaded.startThreshold, 3),
            std::to_string(loaded.runWaitSeconds)};
}

void ParameterSettingsForm::confirm(const std::filesystem::path& settingsFile, const ParameterTexts& texts) {
    auto loaded = settings::load_sys_set(settingsFile);
    loaded.zeroForceThreshold = threshold(texts.zeroThreshold, "力值起限");
    loaded.recordThreshold = threshold(texts.recordThreshold, "曲线起始力值");
    loaded.startThreshold = threshold(texts.startThreshold, "起判力值");
    const auto wait = platform::parseInteger(texts.waitSeconds);
    if (!wait) {
        throw std::invalid_argument("'" + texts.waitSeconds + "' is not a whole number (运行等待时间)");
    }
    loaded.runWaitSeconds = *wait;
    settings::save_sys_set(settingsFile, loaded);
}

bool systemAccessCodeAccepted(std::string_view code) {
    return code == "583" || code == factoryAccessCode;
}

} // namespace vamo::host

#include "host/settings/sys_set_file.h"

#include "host/settings/sys_set_keys.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/text_encoding.h"

#include <cmath>
#include <string>

namespace vamo::settings {
namespace {

using platform::IniFile;

float loadedFloat(const std::optional<std::string>& text, const FloatField& field) {
    if (field.alwaysDefault || !text) {
        return field.defaultValue;
    }
    const auto number = platform::parseFloatingPoint(*text);
    if (!number) {
        return field.defaultValue;
    }
    // A value beyond the range of a single would become infinite: treat it as unparsable.
    const auto narrowed = static_cast<float>(*number);
    return std::isfinite(narrowed) ? narrowed : field.defaultValue;
}

int loadedInt(const std::optional<std::string>& text, const IntField& field) {
    const auto number = text ? platform::parseInteger(*text) : std::nullopt;
    return number.value_or(field.defaultValue);
}

std::string loadedText(const std::optional<std::string>& text, const TextField& field) {
    return std::string(platform::utf8Prefix(text ? *text : field.defaultValue, field.maxCharacters));
}

} // namespace

SysSettings load_sys_set(const std::filesystem::path& path) {
    const IniFile file(path);
    SysSettings settings;
    for (const SettingKey& key : sysSetKeys()) {
        const auto text = file.value(key.section, key.key);
        if (const auto* number = std::get_if<FloatField>(&key.field)) {
            number->of(settings) = loadedFloat(text, *number);
        } else if (const auto* integer = std::get_if<IntField>(&key.field)) {
            integer->of(settings) = loadedInt(text, *integer);
        } else if (const auto* caption = std::get_if<TextField>(&key.field)) {
            caption->of(settings) = loadedText(text, *caption);
        }
    }
    return settings;
}

void save_sys_set(const std::filesystem::path& path, const SysSettings& settings) {
    IniFile file(path);
    SysSettings values = settings; // the field accessors work on a modifiable record
    for (const SettingKey& key : sysSetKeys()) {
        if (!key.writtenBySave) {
            continue;
        }
        if (const auto* number = std::get_if<FloatField>(&key.field)) {
            const float value = number->alwaysDefault ? number->defaultValue : number->of(values);
            file.setValue(key.section, key.key, platform::formatSingle(value));
        } else if (const auto* integer = std::get_if<IntField>(&key.field)) {
            file.setValue(key.section, key.key, std::to_string(integer->of(values)));
        } else if (const auto* caption = std::get_if<TextField>(&key.field)) {
            file.setValue(key.section, key.key, caption->of(values));
        }
    }
    file.save();
}

} // namespace vamo::settings

#pragma once

#include "host/settings/sys_settings.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vamo::settings {

// A float key: read as a double and narrowed to single precision.
struct FloatField {
    float& (*of)(SysSettings&);
    float defaultValue;
    bool alwaysDefault = false; // whatever the file holds, loaded and saved as the default
};

struct IntField {
    int& (*of)(SysSettings&);
    int defaultValue;
};

struct TextField {
    std::string& (*of)(SysSettings&);
    std::string_view defaultValue;
    std::size_t maxCharacters;
};

struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::variant<FloatField, IntField, TextField> field;
    bool writtenBySave; // false: only loaded (系统参数1)
};

// Every key of SysSettings in the order in which they are loaded and saved.
std::span<const SettingKey> sysSetKeys();

} // namespace vamo::settings

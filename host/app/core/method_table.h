#pragma once

#include <array>
#include <string_view>

namespace vamo::host {

// One entry of the 试验选择 menu: the menu item's name, its caption, the method name shown in the
// status bar, and the base name of the plug-in library in the dll folder.
struct MethodEntry {
    std::string_view menuItem;
    std::string_view caption;
    std::string_view methodName;
    std::string_view pluginName;
};

inline constexpr int methodCount = 17;

// Entries 0 to 7 form a radio group among themselves; binding one unticks the other seven.
inline constexpr int firstNonRadioEntry = 8;

// The aerated-block method sets its own chart axes before it binds.
inline constexpr int aeratedBlockEntry = 11;

const std::array<MethodEntry, methodCount>& methodTable();

} // namespace vamo::host

#pragma once

#include "plugin/frame/field_id.h"

#include <string_view>

namespace vamo::plugin {

inline constexpr char32_t kBackspaceKey = 0x08;
inline constexpr char32_t kEnterKey = 0x0D;

// Whether a field with `filter` whose text is `currentText` accepts the typed character; a refused
// character is discarded.
bool acceptsTypedCharacter(KeyFilter filter, std::string_view currentText, char32_t typed);

} // namespace vamo::plugin

#pragma once

#include <optional>
#include <string>

namespace vamo::evaluation {

// The message for a failed start of datasave by the start result code; none for success (above 32)
// and for the codes without a message.
std::optional<std::string> datasaveStartMessage(int code);

} // namespace vamo::evaluation

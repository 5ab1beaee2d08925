#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vamo::storage {

// One stored value: null, integer, real, or text/blob bytes.
using Cell = std::variant<std::monostate, std::int64_t, double, std::string>;

// A value as text: null as "", integers in decimal, reals as the shortest text that reads back
// as the same number (narrowed to a 32-bit float first for FLOAT32 columns), text and blob bytes unchanged.
std::string cellText(const Cell& cell, bool float32);

std::string float32Text(float value);
std::string doubleText(double value);

// The number a text spells (surrounding blanks allowed), or nullopt.
std::optional<double> parseNumber(std::string_view text);

} // namespace vamo::storage

#pragma once

#include <string>
#include <string_view>

namespace vamo::storage {

// A text as an SQL string literal: single quotes doubled, enclosed in single quotes.
// The overloads for std::string and C strings win over std::quoted, which argument-dependent
// lookup would otherwise pick for a std::string.
std::string quoted(std::string_view text);
std::string quoted(const std::string& text);
std::string quoted(const char* text);

// A name as an SQL identifier: double quotes doubled, enclosed in double quotes.
std::string quotedIdentifier(std::string_view name);

} // namespace vamo::storage

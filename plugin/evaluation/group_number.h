#pragma once

#include <string>
#include <string_view>

namespace vamo::evaluation {

// The group number of the next group: the number written by the last three characters (all of them
// when the text is shorter) plus one, padded to three digits. A text that does not end in a number, a
// number that outgrows three digits and an empty text stay as they are. The text is trimmed first.
// A009 -> A010, A099 -> A100, A999 -> A999, 2024-001 -> 2024-002, 12 -> 013, 5 -> 006, ABC -> ABC.
std::string nextGroupNumber(std::string_view groupNumber);

} // namespace vamo::evaluation

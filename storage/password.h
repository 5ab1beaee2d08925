#pragma once

#include <string>
#include <string_view>

namespace vamo::storage {

// The salted password hash of a protected database file; the form is described in database.h.
inline constexpr std::string_view passwordTable = "vamo_password";

std::string newPasswordSalt();
std::string passwordHash(std::string_view password, std::string_view saltHex);
bool passwordMatches(std::string_view password, std::string_view saltHex, std::string_view hashHex);

} // namespace vamo::storage

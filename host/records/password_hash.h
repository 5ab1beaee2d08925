#pragma once

#include <string>
#include <string_view>

namespace vamo::records {

// Passwords are kept as salted hashes (libsodium's crypto_pwhash_str, Argon2id) and checked by
// verification; the plain text is never stored.
std::string hashPassword(std::string_view password);
bool verifyPassword(std::string_view storedHash, std::string_view password);

} // namespace vamo::records

#include "host/records/password_hash.h"

#include <sodium.h>

#include <stdexcept>

namespace vamo::records {

namespace {
void initialiseSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready) {
        throw std::runtime_error("the password library could not be initialised");
    }
}
} // namespace

std::string hashPassword(std::string_view password) {
    initialiseSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0) {
        throw std::runtime_error("not enough memory to store a password");
    }
    return std::string(hash);
}

bool verifyPassword(std::string_view storedHash, std::string_view password) {
    initialiseSodium();
    // crypto_pwhash_str_verify needs a zero-terminated hash; a text that is no hash never verifies.
    const std::string hash(storedHash);
    if (hash.size() >= crypto_pwhash_STRBYTES) {
        return false;
    }
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

} // namespace vamo::records

#include "storage/password.h"

#include "storage/database_error.h"

#include <sodium.h>

#include <array>

namespace vamo::storage {
namespace {

constexpr std::size_t saltBytes = 16;
constexpr std::size_t hashBytes = 32;

void initialiseSodium() {
    // Safe to call again; it only does its work once.
    if (sodium_init() < 0) {
        throw DatabaseError("cannot initialise libsodium for the database password");
    }
}

std::string toHex(const unsigned char* bytes, std::size_t size) {
    std::string hex(size * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), bytes, size);
    hex.resize(size * 2);
    return hex;
}

} // namespace

std::string newPasswordSalt() {
    initialiseSodium();
    std::array<unsigned char, saltBytes> salt{};
    randombytes_buf(salt.data(), salt.size());
    return toHex(salt.data(), salt.size());
}

std::string passwordHash(std::string_view password, std::string_view saltHex) {
    initialiseSodium();
    std::array<unsigned char, saltBytes> salt{};
    std::size_t saltLength = 0;
    if (sodium_hex2bin(salt.data(), salt.size(), saltHex.data(), saltHex.size(), nullptr, &saltLength,
                       nullptr)
            != 0
        || saltLength != saltBytes) {
        throw DatabaseError("the password salt of the database is damaged");
    }
    std::array<unsigned char, hashBytes> hash{};
    crypto_generichash(hash.data(), hash.size(), reinterpret_cast<const unsigned char*>(password.data()),
                       password.size(), salt.data(), salt.size());
    return toHex(hash.data(), hash.size());
}

bool passwordMatches(std::string_view password, std::string_view saltHex, std::string_view hashHex) {
    const std::string expected = passwordHash(password, saltHex);
    return hashHex.size() == expected.size()
           && sodium_memcmp(expected.data(), hashHex.data(), expected.size()) == 0;
}

} // namespace vamo::storage

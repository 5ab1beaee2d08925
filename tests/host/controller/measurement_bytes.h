#pragma once

#include <cstdint>
#include <vector>

namespace vamo::controller::test {

using Bytes = std::vector<std::uint8_t>;

// A measurement frame as the controller sends it: A5 00 00 00 <type> 04 <v31-24> <v23-16> <v15-8> <v7-0> 5A.
inline Bytes measurementBytes(std::uint8_t type, std::uint8_t v0, std::uint8_t v1, std::uint8_t v2,
                              std::uint8_t v3) {
    return {0xA5, 0x00, 0x00, 0x00, type, 0x04, v0, v1, v2, v3, 0x5A};
}

inline Bytes measurementBytes(std::uint8_t type, std::int32_t value) {
    const auto raw = static_cast<std::uint32_t>(value);
    return measurementBytes(type, static_cast<std::uint8_t>(raw >> 24), static_cast<std::uint8_t>(raw >> 16),
                            static_cast<std::uint8_t>(raw >> 8), static_cast<std::uint8_t>(raw));
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace vamo::controller::test

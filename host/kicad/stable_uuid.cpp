#include "stable_uuid.h"

#include <cstdint>

namespace kicad {

namespace {

// FNV-1a over the key from a given basis, finished with a 64-bit mixer so that keys that differ
// in one byte differ in every output bit.
uint64_t Hash64(std::string_view key, uint64_t basis) {
    uint64_t h = basis;
    for (char c : key) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

}  // namespace

std::string StableUuid(std::string_view key) {
    const uint64_t high = Hash64(key, 0xcbf29ce484222325ULL);
    const uint64_t low = Hash64(key, 0x84222325cbf29ce4ULL);
    uint8_t bytes[16];
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<uint8_t>(high >> (56 - 8 * i));
        bytes[8 + i] = static_cast<uint8_t>(low >> (56 - 8 * i));
    }
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0f) | 0x40);
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3f) | 0x80);
    static const char* const kHex = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0f];
    }
    return text;
}

}  // namespace kicad

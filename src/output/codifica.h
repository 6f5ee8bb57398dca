#pragma once

// All byte-order code of the compiled files. Every multi-byte number leaves
// the program little-endian, byte by byte, whatever the machine's own order.

#include <bit>
#include <cstdint>
#include <string>

namespace scenario {

inline void metti_u8(std::string& uscita, uint8_t v) { uscita.push_back(static_cast<char>(v)); }

inline void metti_u16(std::string& uscita, uint16_t v) {
  uscita.push_back(static_cast<char>(v & 0xff));
  uscita.push_back(static_cast<char>(v >> 8));
}

inline void metti_i16(std::string& uscita, int16_t v) {
  metti_u16(uscita, static_cast<uint16_t>(v));
}

inline void metti_u32(std::string& uscita, uint32_t v) {
  for (int i = 0; i < 4; ++i) uscita.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

inline void metti_i32(std::string& uscita, int32_t v) {
  metti_u32(uscita, static_cast<uint32_t>(v));
}

inline void metti_u64(std::string& uscita, uint64_t v) {
  for (int i = 0; i < 8; ++i) uscita.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

// IEEE 754 binary64, its bits written as a little-endian 64-bit integer.
inline void metti_f64(std::string& uscita, double v) {
  metti_u64(uscita, std::bit_cast<uint64_t>(v));
}

}  // namespace scenario

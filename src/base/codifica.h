#pragma once

// All byte-order code of the compiled files. Every multi-byte number leaves
// the program little-endian, whatever the machine's own order. The scrivi_*
// functions store into a place of known size, the metti_* functions append to
// a buffer, the leggi_* functions read back what the scrivi_* ones stored.

#include <bit>
#include <cstdint>
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

namespace scenario {

// Byte i of the file holds bits 8i to 8i + 7 of the number, whatever the
// machine's own order. Written out byte by byte, unrolled: the compiler turns
// each into a single store or load where the machine allows it, which the
// track plan, millions of numbers, needs.
template <typename T, size_t... I>
inline void scrivi_byte(char* p, T v, std::index_sequence<I...>) {
  ((p[I] = static_cast<char>(static_cast<unsigned char>(v >> (8 * I)))), ...);
}

template <typename T, size_t... I>
inline T leggi_byte(const char* p, std::index_sequence<I...>) {
  return static_cast<T>(((T{static_cast<unsigned char>(p[I])} << (8 * I)) | ...));
}

template <typename T>
inline void scrivi_le(char* p, T v) {
  static_assert(std::is_unsigned_v<T>);
  scrivi_byte(p, v, std::make_index_sequence<sizeof(T)>{});
}

template <typename T>
inline T leggi_le(const char* p) {
  static_assert(std::is_unsigned_v<T>);
  return leggi_byte<T>(p, std::make_index_sequence<sizeof(T)>{});
}

inline void scrivi_u16(char* p, uint16_t v) { scrivi_le(p, v); }
inline void scrivi_u32(char* p, uint32_t v) { scrivi_le(p, v); }
inline void scrivi_u64(char* p, uint64_t v) { scrivi_le(p, v); }
inline void scrivi_i16(char* p, int16_t v) { scrivi_u16(p, static_cast<uint16_t>(v)); }
inline void scrivi_i32(char* p, int32_t v) { scrivi_u32(p, static_cast<uint32_t>(v)); }
// IEEE 754 binary64, its bits stored as a little-endian 64-bit integer.
inline void scrivi_f64(char* p, double v) { scrivi_u64(p, std::bit_cast<uint64_t>(v)); }

inline uint16_t leggi_u16(const char* p) { return leggi_le<uint16_t>(p); }
inline uint64_t leggi_u64(const char* p) { return leggi_le<uint64_t>(p); }
inline int16_t leggi_i16(const char* p) { return static_cast<int16_t>(leggi_u16(p)); }
inline double leggi_f64(const char* p) { return std::bit_cast<double>(leggi_u64(p)); }

inline void metti_u8(std::string& uscita, uint8_t v) { uscita.push_back(static_cast<char>(v)); }

inline void metti_u16(std::string& uscita, uint16_t v) {
  char b[2];
  scrivi_u16(b, v);
  uscita.append(b, sizeof b);
}

inline void metti_i16(std::string& uscita, int16_t v) {
  metti_u16(uscita, static_cast<uint16_t>(v));
}

inline void metti_u32(std::string& uscita, uint32_t v) {
  char b[4];
  scrivi_u32(b, v);
  uscita.append(b, sizeof b);
}

inline void metti_i32(std::string& uscita, int32_t v) {
  metti_u32(uscita, static_cast<uint32_t>(v));
}

inline void metti_f64(std::string& uscita, double v) {
  char b[8];
  scrivi_f64(b, v);
  uscita.append(b, sizeof b);
}

}  // namespace scenario

#include "common/Int64.h"

int64_t Int64FromHalves(int32_t low, int32_t high) {
  return static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32 |
                              static_cast<uint32_t>(low));
}

int64_t Int64Load(const unsigned char bytes[8]) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = v << 8 | bytes[i];
  return static_cast<int64_t>(v);
}

void Int64Store(int64_t value, unsigned char bytes[8]) {
  auto v = static_cast<uint64_t>(value);
  for (int i = 0; i < 8; ++i, v >>= 8) bytes[i] = static_cast<unsigned char>(v & 0xFF);
}

double MicrosToSeconds(int64_t micros) { return static_cast<double>(micros) / 1000000.0; }

double MicrosToSeconds(int32_t low, int32_t high) {
  return MicrosToSeconds(Int64FromHalves(low, high));
}

bool Int64IsPositive(int64_t value) { return value > 0; }

bool Int64IsPositive(int32_t low, int32_t high) {
  return Int64IsPositive(Int64FromHalves(low, high));
}

#pragma once
// 64-bit engine counts (microseconds, bytes) that travel as two 32-bit halves
// or as an 8-byte value, low half first.
#include <cstdint>

int64_t Int64FromHalves(int32_t low, int32_t high);
int64_t Int64Load(const unsigned char bytes[8]);
void Int64Store(int64_t value, unsigned char bytes[8]);
double MicrosToSeconds(int64_t micros);
double MicrosToSeconds(int32_t low, int32_t high);
bool Int64IsPositive(int64_t value);
bool Int64IsPositive(int32_t low, int32_t high);

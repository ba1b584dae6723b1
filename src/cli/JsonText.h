#pragma once
// Small JSON writing helpers for the --json event lines.
#include <string>

// A JSON string literal, quotes included. Bytes that are not UTF-8 become U+FFFD.
std::string JsonString(const std::string& text);
// A number with at most three decimals ("1.5", "12", "0.333").
std::string JsonNumber(double value);

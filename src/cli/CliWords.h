#pragma once
// Small tests on the words of a command line, shared by the option readers.
#include <algorithm>
#include <cctype>
#include <string>

namespace words {

// The text in lower case (ASCII letters only; option words are ASCII).
inline std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// True for a non-empty run of ASCII digits.
inline bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace words

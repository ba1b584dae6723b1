#include "cli/CliText.h"

#include <vector>

std::string CliFormat(const QString& pattern, std::initializer_list<std::string> args) {
  const std::string text = pattern.toStdString();
  const std::vector<std::string> values(args);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '0') : 0;
    if (text[i] == '%' && n >= 1 && n <= values.size()) {
      out += values[n - 1];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

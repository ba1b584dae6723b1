// Reading the values of single options: numbers, bitrates, sizes, rates, aspects
// and the elements of a -vf chain.
#include "engine/convert/OptionValues.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

namespace convert {

bool ParseInt(const std::string& text, int64_t min, int64_t max, int64_t* out) {
  if (text.empty() || text.size() > 18) return false;
  size_t i = 0;
  bool negative = false;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return false;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
  }
  if (negative) value = -value;
  if (value < min || value > max) return false;
  *out = value;
  return true;
}

namespace {

bool ParseNumber(const std::string& text, double min, double max, double* out) {
  if (text.empty() || text.size() > 32) return false;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return false;
  if (value < min || value > max) return false;
  *out = value;
  return true;
}

}  // namespace

// "128k", "2048K", "1.5M", "6700".
bool ParseBitrate(const std::string& text, int64_t* out) {
  if (text.empty()) return false;
  double scale = 1;
  std::string digits = text;
  const char last = text.back();
  if (last == 'k' || last == 'K') scale = 1e3;
  if (last == 'm' || last == 'M') scale = 1e6;
  if (scale != 1) digits.pop_back();
  double value = 0;
  if (!ParseNumber(digits, 0, 1e9, &value)) return false;
  value *= scale;
  // 0 (e.g. "0k" for a source without a picture) leaves the encoder's default.
  if (value < 0 || value > 1e9) return false;
  *out = static_cast<int64_t>(std::llround(value));
  return true;
}

bool ParseTime(const std::string& text, int64_t* out_us) {
  // Up to three parts split by ':', only the last with a fraction.
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t colon; (colon = text.find(':', from)) != std::string::npos; from = colon + 1)
    parts.push_back(text.substr(from, colon - from));
  parts.push_back(text.substr(from));
  if (parts.size() > 3) return false;
  double total = 0;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    const bool last = i + 1 == parts.size();
    if (part.empty() || !std::isdigit(static_cast<unsigned char>(part[0]))) return false;
    double value = 0;
    if (last) {
      if (!ParseNumber(part, 0, 360000, &value)) return false;
      if (parts.size() > 1 && value >= 60) return false;  // "1:75" is no time
    } else {
      int64_t whole = 0;
      if (!ParseInt(part, 0, i == 0 ? 100 * 60 : 59, &whole)) return false;
      value = static_cast<double>(whole);
    }
    total = total * 60 + value;
  }
  if (total > 100.0 * 3600) return false;
  *out_us = std::llround(total * 1e6);
  return true;
}

bool ParseSize(const std::string& text, int* w, int* h) {
  static const std::map<std::string, std::pair<int, int>> kNames = {
      {"sqcif", {128, 96}},     {"qcif", {176, 144}}, {"cif", {352, 288}},  {"4cif", {704, 576}},
      {"qvga", {320, 240}},     {"vga", {640, 480}},  {"svga", {800, 600}}, {"hd720", {1280, 720}},
      {"hd1080", {1920, 1080}}, {"ntsc", {720, 480}}, {"pal", {720, 576}}};
  if (auto it = kNames.find(text); it != kNames.end()) {
    *w = it->second.first;
    *h = it->second.second;
    return true;
  }
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  int64_t a = 0, b = 0;
  // Tiny sizes are fine here: the encoder's own smallest size is applied later.
  if (!ParseInt(text.substr(0, x), 1, 16384, &a) || !ParseInt(text.substr(x + 1), 1, 16384, &b)) return false;
  *w = static_cast<int>(a);
  *h = static_cast<int>(b);
  return true;
}

// Frame rates: NTSC's decimal spellings map to their exact fractions.
bool ParseRate(const std::string& text, Ratio* out) {
  static const std::map<std::string, Ratio> kExact = {
      {"29.97", {30000, 1001}}, {"23.976", {24000, 1001}}, {"59.94", {60000, 1001}}, {"23.98", {24000, 1001}},
      {"ntsc", {30000, 1001}},  {"pal", {25, 1}},          {"film", {24, 1}}};
  if (auto it = kExact.find(text); it != kExact.end()) {
    *out = it->second;
    return true;
  }
  const size_t slash = text.find('/');
  if (slash != std::string::npos) {
    int64_t n = 0, d = 0;
    if (!ParseInt(text.substr(0, slash), 1, 1000000, &n) || !ParseInt(text.substr(slash + 1), 1, 1000000, &d))
      return false;
    if (static_cast<double>(n) / d > 1000) return false;
    *out = {static_cast<int>(n), static_cast<int>(d)};
    return true;
  }
  double value = 0;
  if (!ParseNumber(text, 0.01, 1000, &value)) return false;
  *out = {static_cast<int>(std::llround(value * 1000)), 1000};
  return true;
}

// "4:3", "16/9" or "1.7778".
bool ParseAspect(const std::string& text, Ratio* out) {
  const size_t sep = text.find_first_of(":/");
  if (sep != std::string::npos) {
    int64_t a = 0, b = 0;
    if (!ParseInt(text.substr(0, sep), 1, 100000, &a) || !ParseInt(text.substr(sep + 1), 1, 100000, &b))
      return false;
    if (static_cast<double>(a) / b < 0.01 || static_cast<double>(a) / b > 100) return false;
    *out = {static_cast<int>(a), static_cast<int>(b)};
    return true;
  }
  double value = 0;
  if (!ParseNumber(text, 0.01, 100, &value)) return false;
  *out = {static_cast<int>(std::llround(value * 10000)), 10000};
  return true;
}

namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : text) {
    if (c == sep) {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  return parts;
}

std::string Trim(const std::string& text) {
  size_t a = 0, b = text.size();
  while (a < b && std::isspace(static_cast<unsigned char>(text[a])))
    ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1])))
    --b;
  return text.substr(a, b - a);
}

bool ParseFilterElement(const std::string& element, VideoFilter* out, std::string* error) {
  const size_t eq = element.find('=');
  const std::string name = Trim(element.substr(0, eq));
  const std::string args = eq == std::string::npos ? "" : Trim(element.substr(eq + 1));
  const std::vector<std::string> values = Split(args, ':');
  if (name == "vflip" || name == "hflip") {
    out->kind = name == "vflip" ? VideoFilter::Kind::VFlip : VideoFilter::Kind::HFlip;
    if (!args.empty()) *error = "The video filter '" + name + "' takes no value";
    return args.empty();
  }
  if (name == "crop") {
    int64_t v[4] = {0, 0, 0, 0};
    const bool ok = values.size() == 4 && ParseInt(values[0], 1, 16384, &v[0]) &&
                    ParseInt(values[1], 1, 16384, &v[1]) && ParseInt(values[2], 0, 16384, &v[2]) &&
                    ParseInt(values[3], 0, 16384, &v[3]);
    if (!ok) {
      // Margins larger than the picture leave a size of 0 or less: say so plainly.
      int64_t w = 0, h = 0;
      if (values.size() == 4 && ParseInt(values[0], INT32_MIN, 16384, &w) &&
          ParseInt(values[1], INT32_MIN, 16384, &h) && (w <= 0 || h <= 0))
        *error = "The crop margins are larger than the picture: nothing is left of it ('" + args + "')";
      else
        *error = "Bad crop values '" + args + "' (expected width:height:x:y, sizes above 0)";
      return false;
    }
    out->kind = VideoFilter::Kind::Crop;
    out->width = static_cast<int>(v[0]);
    out->height = static_cast<int>(v[1]);
    out->x = static_cast<int>(v[2]);
    out->y = static_cast<int>(v[3]);
    return true;
  }
  if (name == "scale") {
    int64_t w = 0, h = 0;
    if (values.size() != 2 || !ParseInt(values[0], 1, 16384, &w) || !ParseInt(values[1], 1, 16384, &h)) {
      *error = "Bad scale values '" + args + "' (expected width:height)";
      return false;
    }
    out->kind = VideoFilter::Kind::Scale;
    out->width = static_cast<int>(w);
    out->height = static_cast<int>(h);
    return true;
  }
  if (name == "rotate") {
    double degrees = 0;
    if (!ParseNumber(args, -360, 360, &degrees)) {
      *error = "Bad rotation '" + args + "' (expected degrees from -360 to 360)";
      return false;
    }
    out->kind = VideoFilter::Kind::Rotate;
    out->degrees = degrees;
    return true;
  }
  *error = "Unknown video filter '" + name + "'";
  return false;
}

}  // namespace

bool ParseFilterChain(const std::string& chain, std::vector<VideoFilter>* out, std::string* error) {
  out->clear();
  for (const std::string& element : Split(chain, ',')) {
    if (Trim(element).empty()) {
      *error = "Empty element in the video filter chain '" + chain + "'";
      return false;
    }
    VideoFilter filter;
    if (!ParseFilterElement(element, &filter, error)) return false;
    out->push_back(filter);
  }
  return true;
}

}  // namespace convert

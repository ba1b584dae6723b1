#pragma once
// Fuzzing the option parser and FFEncoder::SetOutput: one input is an option
// string (with a byte that picks the output's extension); the target checks that
// every answer is a success or a refusal with a message, never a crash.
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

class FFEncoder;

namespace fuzz {

class OptionTarget {
 public:
  // `folder` receives a small sound file used as a source; `video` may name a
  // video source to open too (empty: sound only).
  OptionTarget(const std::string& folder, const std::string& video);
  ~OptionTarget();

  // Runs one input; returns "" or a description of a broken promise.
  std::string Run(const uint8_t* data, size_t size);

 private:
  std::string folder_;
  std::unique_ptr<FFEncoder> encoder_;
  std::vector<int> tasks_;
};

// Option strings as the program builds them, for seeds and dictionaries.
std::vector<std::string> SeedOptions();

// A seeded mutation loop for machines without libFuzzer: byte edits, token
// insertions from the option vocabulary, splices of two seeds.
class Mutator {
 public:
  explicit Mutator(uint64_t seed) : rng_(seed) {}
  std::string Next(const std::vector<std::string>& seeds);

 private:
  size_t Pick(size_t n) { return n ? std::uniform_int_distribution<size_t>(0, n - 1)(rng_) : 0; }
  std::mt19937_64 rng_;
};

}  // namespace fuzz

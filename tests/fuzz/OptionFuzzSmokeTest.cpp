// A short run of the option fuzzer inside the normal suite. Longer runs:
// VELTRANE_FUZZ_ITERATIONS=200000 build-tests/bin/engine_option_fuzz_smoke
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "OptionFuzz.h"
#include "support/Fixtures.h"

TEST(OptionFuzzSmoke, SeededMutationsFindNoBrokenPromise) {
  QTemporaryDir dir;
  const QString video = dir.filePath("fuzz video.mp4");
  ASSERT_TRUE(Fixtures::VideoWithAudio(video, 0.2));
  fuzz::OptionTarget target(dir.path().toStdString(), video.toStdString());
  const std::vector<std::string> seeds = fuzz::SeedOptions();
  const char* env = std::getenv("VELTRANE_FUZZ_ITERATIONS");
  const long iterations = env ? std::atol(env) : 3000;
  fuzz::Mutator mutator(20261208);
  for (long i = 0; i < iterations; ++i) {
    const std::string input = mutator.Next(seeds);
    const std::string broken = target.Run(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    ASSERT_EQ(broken, "") << "input " << i << ": " << input.substr(1);
  }
  // The seeds themselves, as built by the program, all pass.
  for (const std::string& seed : seeds) {
    const std::string input = std::string(1, '\0') + seed;
    EXPECT_EQ(target.Run(reinterpret_cast<const uint8_t*>(input.data()), input.size()), "") << seed;
  }
}

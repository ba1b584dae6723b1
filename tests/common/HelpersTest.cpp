#include <gtest/gtest.h>

#include "common/Helpers.h"

TEST(FormatDuration, Placeholder) { EXPECT_EQ(FormatDuration(3725), "01:02:05"); }

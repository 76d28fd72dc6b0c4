#include <gtest/gtest.h>

#include "engine/Format.h"

using ferrolab::FormatNumber;

TEST(FormatNumber, Placeholder) { EXPECT_EQ(FormatNumber("%.2f", 1.0), "1.00"); }

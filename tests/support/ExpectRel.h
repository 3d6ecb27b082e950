// Relative closeness of a computed value to its expected one.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#define EXPECT_REL(actual, expected, rel) EXPECT_NEAR((actual), (expected), std::fabs(expected) * (rel))

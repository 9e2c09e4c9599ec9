#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "Errors.h"
#include "RuntimeError.h"
#include "Twips.h"

// The layout figures are listed to two decimals: a float placement matches within half a
// hundredth. Whole twips produced by rounding are compared exactly.
constexpr double Hundredth = 0.005;

struct ExpectedRect
{
    std::string name;
    TwipsRect actual;
    double left, top, width, height;
};

inline void ExpectNear(const ExpectedRect& e)
{
    SCOPED_TRACE(e.name);
    EXPECT_NEAR(e.actual.Left, e.left, Hundredth);
    EXPECT_NEAR(e.actual.Top, e.top, Hundredth);
    EXPECT_NEAR(e.actual.Width, e.width, Hundredth);
    EXPECT_NEAR(e.actual.Height, e.height, Hundredth);
}

struct ExpectedWhole
{
    std::string name;
    float actual;
    int expected;
};

inline void ExpectExact(const ExpectedWhole& e)
{
    EXPECT_EQ(e.actual, e.expected) << e.name;
}

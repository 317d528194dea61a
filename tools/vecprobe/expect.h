// Assertions shared by the programs' scenario tests: points read back from controls, and
// arrowheads checked by their geometry rather than by the formulas that placed them.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "kit/controls.h"

namespace probe {

// A point read back from a control, against where it should be.
inline void expectAt(float x, float y, double ex, double ey, double tolerance = 1e-3) {
  EXPECT_NEAR(x, ex, tolerance);
  EXPECT_NEAR(y, ey, tolerance);
}

// An arrow whose head lines start at the tip and reach `length` back along a slanted shaft, P
// turned `spreadDegrees` one way from the shaft and Q the other way.
inline void expectHead(const kit::Line& shaft, const kit::Line& p, const kit::Line& q,
                       double length = 30, double spreadDegrees = 25) {
  const double hx = shaft.X2, hy = shaft.Y2;
  const double back = std::atan2(double(shaft.Y1) - hy, double(shaft.X1) - hx);
  const double spread = spreadDegrees / 180.0 * 3.14159;
  const auto turn = [&](const kit::Line& line) {
    EXPECT_EQ(float(line.X1), float(hx)) << line.name();
    EXPECT_EQ(float(line.Y1), float(hy)) << line.name();
    EXPECT_NEAR(std::hypot(line.X2 - hx, line.Y2 - hy), length, length * 1e-4) << line.name();
    return std::remainder(std::atan2(line.Y2 - hy, line.X2 - hx) - back, 2 * std::numbers::pi);
  };
  EXPECT_NEAR(turn(p), spread, 1e-4) << p.name();
  EXPECT_NEAR(turn(q), -spread, 1e-4) << q.name();
}

}  // namespace probe

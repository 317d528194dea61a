// A started window of the addition lesson, driven by driver commands, for the scenario tests.
#pragma once

#include <cmath>
#include <string>

#include "tools/vecprobe/scenario.h"
#include "vecadd/form1.h"

class Scenario : public probe::ScenarioTest<vecadd::Form1> {
 protected:
  // The whole state as the driver prints it, to tell whether an event changed anything.
  std::string state() {
    out.str("");
    run("dump");
    return out.str();
  }
  // Plays the whole walk-through on the driver's clock (about 11.4 s).
  void walkThrough() {
    run("click Command1\nrun 12000");
    ASSERT_TRUE(form.Command2.Visible);
  }
};

// A point read back from a control, against where it should be.
inline void expectAt(float x, float y, double ex, double ey, double tolerance = 1e-3) {
  EXPECT_NEAR(x, ex, tolerance);
  EXPECT_NEAR(y, ey, tolerance);
}

// An arrow whose head lines start at the tip and reach L = 30 back along a slanted shaft,
// P turned 25 degrees one way from the shaft and Q the other way.
inline void expectHead(const kit::Line& shaft, const kit::Line& p, const kit::Line& q) {
  const double hx = shaft.X2, hy = shaft.Y2;
  const double back = std::atan2(double(shaft.Y1) - hy, double(shaft.X1) - hx);
  const double spread = 25 / 180.0 * 3.14159;
  const auto turn = [&](const kit::Line& line) {
    EXPECT_EQ(float(line.X1), float(hx));
    EXPECT_EQ(float(line.Y1), float(hy));
    EXPECT_NEAR(std::hypot(line.X2 - hx, line.Y2 - hy), 30, 1e-3);
    return std::remainder(std::atan2(line.Y2 - hy, line.X2 - hx) - back, 2 * M_PI);
  };
  EXPECT_NEAR(turn(p), spread, 1e-4);
  EXPECT_NEAR(turn(q), -spread, 1e-4);
}

// A started window of the coordinate lesson, driven by driver commands, for the scenario tests.
#pragma once

#include <string>
#include <vector>

#include "tools/vecprobe/expect.h"
#include "tools/vecprobe/scenario.h"
#include "veccoord/form1.h"

class Scenario : public probe::ScenarioTest<veccoord::Form1> {
 protected:
  void SetUp() override { run("run 20"); }  // the start-up tick draws a = (6, 2), b = (3, 5)
  void translate() {
    run("click Command1\ntick Timer2 120\ntick Timer3 4\ntick Timer4 120\ntick Timer5 4");
  }
  void drawSum() { run("click Command3\ntick Timer6 120\ntick Timer7 4"); }
  std::vector<std::string> takeMessages() { return form.takeMessageLog(); }
};

inline void expectAt(float x, float y, double ex, double ey, double tolerance = 1e-4) {
  EXPECT_NEAR(x, ex, tolerance);
  EXPECT_NEAR(y, ey, tolerance);
}

inline void expectLine(const kit::Line& line, float x1, float y1, float x2, float y2) {
  EXPECT_TRUE(line.X1 == x1 && line.Y1 == y1 && line.X2 == x2 && line.Y2 == y2)
      << line.name() << " runs (" << line.X1 << ", " << line.Y1 << ")-(" << line.X2 << ", "
      << line.Y2 << ")";
}

// Head lines that start at the tip and reach 0.3 back along a slanted shaft, turned 25 degrees
// to either side of it.
inline void expectHead(const kit::Line& shaft, const kit::Line& p, const kit::Line& q) {
  probe::expectHead(shaft, p, q, 0.3);
}

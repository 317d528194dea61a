// A loaded window of the cart lesson, driven by driver commands, for the scenario tests.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "kit/canvas.h"
#include "tools/vecprobe/scenario.h"
#include "vecintro/form1.h"

class Scenario : public probe::ScenarioTest<vecintro::Form1> {
 protected:
  // Both timers tick once on the driver's clock (they share the paced period), clock first.
  void stepBoth() { run("run 15.625"); }
  // Paced steps until the run ends, counted; stops at `limit` if it never does.
  int stepsUntilRunEnds(int limit = 5000) {
    int steps = 0;
    while (form.Timer1.Enabled() && steps < limit) stepBoth(), ++steps;
    return steps;
  }
  // The texts written on the window itself, oldest first.
  std::vector<const kit::DrawOp*> windowTexts() {
    std::vector<const kit::DrawOp*> texts;
    for (const kit::DrawOp& op : form.window().drawing())
      if (op.kind == kit::DrawOp::Kind::Text) texts.push_back(&op);
    return texts;
  }
  std::string clockReading() { return form.Text3.Text() + form.Text2.Text() + form.Text1.Text(); }
};

// The force angle for a pointer at (x, y) right of the hook point, as a press computes it.
inline double angleTowards(float x, float y) {
  return std::atan((vecintro::kHookY - y) / (x - vecintro::kHookX));
}

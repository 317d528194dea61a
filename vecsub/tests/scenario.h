// A started window of the subtraction lesson, driven by driver commands, for the scenario tests.
#pragma once

#include <cstdio>
#include <string>

#include "tools/vecprobe/expect.h"
#include "tools/vecprobe/scenario.h"
#include "vecsub/form1.h"

// Where start-up puts the points: the designed twips read in the 0..1000 units of the surface
// (5940 twips inside its border).
constexpr double kUnit = 5.94;
constexpr double kOx = 840 / kUnit, kOy = 1000 - 4080 / kUnit;
constexpr double kAx = 2280 / kUnit, kAy = 1000 - 1800 / kUnit;
constexpr double kBx = 4560 / kUnit, kBy = 1000 - 4080 / kUnit;

class Scenario : public probe::ScenarioTest<vecsub::Form1> {
 protected:
  // A driver position that lands exactly on a stored coordinate.
  static std::string at(float x, float y) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g %.9g", x, y);
    return text;
  }
  // Ticks a blink timer until it stops, and tells how many ticks that took.
  int ticksUntilStopped(kit::Timer& timer) {
    int ticks = 0;
    for (; timer.Enabled() && ticks < 100; ++ticks) run("tick " + timer.name());
    return ticks;
  }
  kit::Timer* runningTimer() {
    kit::Timer* running = nullptr;
    for (kit::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer4, &form.Timer5}) {
      if (!timer->Enabled()) continue;
      EXPECT_EQ(running, nullptr) << "two constructions run at once";
      running = timer;
    }
    return running;
  }
};

using probe::expectAt;
using probe::expectHead;

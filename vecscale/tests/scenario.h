// A started window of the lesson, driven by driver commands, for the scenario tests.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/vecprobe/script.h"
#include "vecscale/form2.h"

class Scenario : public ::testing::Test {
 protected:
  vecscale::Form2 form;
  std::ostringstream out;
  probe::Script script{form, out};

  void SetUp() override { run("run 20"); }  // the start-up tick draws a = (3, 2)
  void run(const std::string& lines) {
    std::istringstream in(lines);
    script.run(in);
  }
  std::vector<std::string> takeMessages() { return form.takeMessageLog(); }
};

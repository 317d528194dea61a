// A test fixture for scenario tests: a program's window, loaded, driven by driver commands.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "kit/scriptrunner.h"

namespace probe {

template <typename FormType>
class ScenarioTest : public ::testing::Test {
 protected:
  FormType form;
  std::ostringstream out;
  kit::script::Runner script{form, out};

  // Runs driver commands, one a line; a line the driver refuses fails the test.
  void run(const std::string& lines) {
    std::istringstream in(lines);
    if (const kit::script::Stop stop = script.run(in)) ADD_FAILURE() << stop->message;
  }
  // The whole state as the driver prints it, to tell whether an event changed anything.
  std::string state() {
    out.str("");
    run("dump");
    return out.str();
  }
};

}  // namespace probe

// Every animation of every program: the timer that drives it and a driver script that brings
// the window to the point where that timer runs, for the tick and repaint benchmarks.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/scriptrunner.h"
#include "lessons/lessons.h"

namespace bench {

struct Animation {
  std::string program;
  std::string timer;
  std::string setup;  // driver commands, one a line
};

const std::vector<Animation>& animations();

// A loaded window driven to an animation, ready to tick it again and again. A handler costs
// the same whether or not its timer has reached its end, so the ticks go on past it.
class Stage {
 public:
  explicit Stage(const Animation& animation);
  void tick() { form_->dispatch(timer_->onTick); }
  kit::Form& form() { return *form_; }
  // True when the set-up script did bring the animation's timer to run.
  bool ready() const { return ready_; }

 private:
  std::unique_ptr<kit::Form> form_;
  std::ostringstream out_;
  std::unique_ptr<kit::script::Runner> script_;
  kit::Timer* timer_ = nullptr;
  bool ready_ = false;
};

}  // namespace bench

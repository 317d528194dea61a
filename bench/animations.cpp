// The set-up scripts follow each lesson as a teacher would play it.
#include "animations.h"

namespace bench {

const std::vector<Animation>& animations() {
  static const std::vector<Animation> all = {
      {"vecadd", "Timer1", "click Command1"},
      {"vecadd", "Timer2", "click Command1\ntick Timer1 277"},
      {"vecadd", "Timer3", "click Command1\ntick Timer1 277\ntick Timer2 210"},
      {"vecadd", "Timer4", "click Command1\nrun 12000\ndown 1 0 300 700\nclick Command2"},
      {"vecadd", "Timer5", "click Command1\nrun 12000\nclick Command2\ntick Timer4 120"},
      {"veccoord", "Timer2", "run 20\nclick Command1"},
      {"veccoord", "Timer3", "run 20\nclick Command1\ntick Timer2 120"},
      {"veccoord", "Timer4", "run 20\nclick Command1\ntick Timer2 120\ntick Timer3 4"},
      {"veccoord", "Timer5",
       "run 20\nclick Command1\ntick Timer2 120\ntick Timer3 4\ntick Timer4 120"},
      {"veccoord", "Timer6", "run 20\nclick Command3"},
      {"veccoord", "Timer7", "run 20\nclick Command3\ntick Timer6 120"},
      {"veccoord", "Timer8", "run 20\nclick Command3\nrun 4000\nclick Command4"},
      {"veccoord", "Timer9", "run 20\nclick Command3\nrun 4000\nclick Command4\ntick Timer8 120"},
      {"veccoord", "Timer10", "run 20\nclick Command3\nrun 4000\nclick Command5"},
      {"veccoord", "Timer11", "run 20\nclick Command3\nrun 4000\nclick Command5\ntick Timer10 120"},
      {"vecintro", "Timer1", "down 1 0 2700 1200\nclick Command1"},
      {"vecintro", "Timer2", "down 1 0 2700 1200\nclick Command1"},
      {"vecscale", "Timer6", "run 20\nclick Command1"},
      {"vecscale", "Timer7", "run 20\nclick Command1\ntick Timer6 100"},
      {"vecscale", "Timer8", "run 20\nclick Command1\nrun 3000\nclick Command2"},
      {"vecscale", "Timer9", "run 20\nclick Command1\nrun 3000\nclick Command3"},
      {"vecsub", "Timer1", "click Command1"},
      {"vecsub", "Timer2", "click Command1\ntick Timer1 120"},
      {"vecsub", "Timer4", "click Command2"},
      {"vecsub", "Timer5", "click Command2\ntick Timer4 120"},
  };
  return all;
}

Stage::Stage(const Animation& animation) : form_(lessons::find(animation.program)->makeForm()) {
  script_ = std::make_unique<kit::script::Runner>(*form_, out_);
  std::istringstream lines(animation.setup);
  const bool setUp = !script_->run(lines);
  timer_ = static_cast<kit::Timer*>(form_->find(animation.timer));
  ready_ = setUp && timer_ && timer_->Enabled();
}

}  // namespace bench

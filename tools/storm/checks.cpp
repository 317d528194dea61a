// Window checks walk the control registry; program rules read the forms' own members.
#include "checks.h"

#include <cmath>
#include <initializer_list>
#include <map>
#include <variant>

#include "kit/controls.h"
#include "kit/form.h"
#include "vecadd/form1.h"
#include "veccoord/form1.h"
#include "vecintro/form1.h"
#include "vecscale/form2.h"
#include "vecsub/form1.h"

namespace storm {
namespace {

std::string finite(const kit::Control& control, std::initializer_list<double> values) {
  for (double value : values)
    if (!std::isfinite(value)) return control.name() + " holds a position that is not a number";
  return "";
}

std::string atMostOneRunning(std::initializer_list<const kit::Timer*> timers) {
  std::string running;
  for (const kit::Timer* timer : timers) {
    if (!timer->Enabled()) continue;
    if (!running.empty()) return running + " and " + timer->name() + " run together";
    running = timer->name();
  }
  return "";
}

std::string within(const char* name, int value, int low, int high) {
  if (value >= low && value <= high) return "";
  return std::string(name) + " is " + std::to_string(value) + ", outside " + std::to_string(low) +
         ".." + std::to_string(high);
}

std::string ranOnce(const kit::Timer& timer) {
  return timer.starts() == 1 ? "" : timer.name() + " was started again";
}

// The first rule that fails, or empty.
std::string first(std::initializer_list<std::string> results) {
  for (const std::string& result : results)
    if (!result.empty()) return result;
  return "";
}

std::string vecaddRules(const vecadd::Form1& f) {
  return first({atMostOneRunning({&f.Timer1, &f.Timer2, &f.Timer3}),
                atMostOneRunning({&f.Timer4, &f.Timer5}), within("n", f.n, 0, 119),
                within("k", f.k, 0, 5)});
}

std::string vecsubRules(const vecsub::Form1& f) {
  return first({atMostOneRunning({&f.Timer1, &f.Timer2, &f.Timer4, &f.Timer5}),
                f.Timer3.starts() == 0 ? "" : "Timer3 was started",
                within("count1", f.count1, 0, 119), within("count2", f.count2, 0, 5),
                within("count4", f.count4, 0, 119), within("count5", f.count5, 0, 5)});
}

std::string vecscaleRules(const vecscale::Form2& f) {
  return first({ranOnce(f.Timer1), within("count6", f.count6, 0, 99),
                within("count7", f.count7, 0, 3), within("count8", f.count8, 0, 99),
                within("count9", f.count9, 0, 99)});
}

std::string veccoordRules(const veccoord::Form1& f) {
  return first({ranOnce(f.Timer1), within("count2", f.count2, 0, 119),
                within("count3", f.count3, 0, 3), within("count4", f.count4, 0, 119),
                within("count5", f.count5, 0, 3), within("count6", f.count6, 0, 119),
                within("count7", f.count7, 0, 3), within("count8", f.count8, 0, 119),
                within("count9", f.count9, 0, 3), within("count10", f.count10, 0, 119),
                within("count11", f.count11, 0, 3)});
}

std::string vecintroRules(const vecintro::Form1& f) {
  // The start button switches motion and clock together and a run's end stops both; the
  // window grows by one result line per finished run.
  if (f.Timer1.Enabled() != f.Timer2.Enabled()) return "the cart and the clock run apart";
  const double growth = f.Height - 3135;
  if (growth < 0 || std::fmod(growth, 300) != 0) return "the window grew by a part of a line";
  if (!(f.tau >= 0)) return "the motion time went below zero";
  return within("ss", f.ss, 0, 58);
}

template <typename FormType>
Check rulesOf(std::string (*rules)(const FormType&)) {
  return [rules](const kit::Form& form) {
    const std::string window = checkWindow(form);
    return window.empty() ? rules(static_cast<const FormType&>(form)) : window;
  };
}

}  // namespace

std::string checkWindow(const kit::Form& form) {
  if (form.busy()) return "a handler is still running";
  if (form.nestedCalls() != 0) return "a handler ran inside another";
  if (!(form.Width > 0 && form.Height > 0 && std::isfinite(form.Width) &&
        std::isfinite(form.Height)))
    return "the window has no sensible size";
  for (const kit::Control* control : form.controls()) {
    std::string problem;
    switch (control->kind()) {
      case kit::Kind::Line: {
        const auto& line = static_cast<const kit::Line&>(*control);
        problem = finite(line, {line.X1, line.Y1, line.X2, line.Y2});
        break;
      }
      case kit::Kind::Label: {
        const auto& label = static_cast<const kit::Label&>(*control);
        problem = finite(label, {label.Left, label.Top});
        break;
      }
      case kit::Kind::Image:
      case kit::Kind::Shape: {
        const auto& box = static_cast<const kit::Box&>(*control);
        problem = finite(box, {box.Left, box.Top});
        break;
      }
      default:
        break;
    }
    if (!problem.empty()) return problem;
  }
  for (const kit::Form::Var& var : form.vars()) {
    const bool ok = std::visit([](auto* value) { return std::isfinite(double(*value)); }, var.ref);
    if (!ok) return "variable " + var.name + " is not a number";
  }
  return "";
}

Check checkFor(const std::string& program) {
  static const std::map<std::string, Check> rules = {
      {"vecadd", rulesOf(&vecaddRules)},     {"veccoord", rulesOf(&veccoordRules)},
      {"vecintro", rulesOf(&vecintroRules)}, {"vecsub", rulesOf(&vecsubRules)},
      {"vecscale", rulesOf(&vecscaleRules)},
  };
  const auto found = rules.find(program);
  return found != rules.end() ? found->second : Check(&checkWindow);
}

}  // namespace storm

// Presses and moves land mostly on the surface, sometimes far beyond it or exactly on a point
// of the figure (where ties and zero-length arrows hide); clicks go to visible buttons only.
#include "events.h"

#include <cfloat>
#include <cstdio>

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"

namespace storm {
namespace {

std::string number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

template <typename T>
std::vector<const T*> controlsOf(const kit::Form& form, kit::Kind kind) {
  std::vector<const T*> found;
  for (const kit::Control* control : form.controls())
    if (control->kind() == kind) found.push_back(static_cast<const T*>(control));
  return found;
}

double coordinate(Choices& choices, double low, double span) {
  switch (choices.below(20)) {
    case 16:
    case 17:
      return low + span * (choices.fraction() * 8 - 3.5);  // off the surface, within reach
    case 18: {
      double far = span;
      for (std::uint32_t i = choices.below(7); i > 0; --i) far *= 10;
      return choices.below(2) ? far : -far;
    }
    case 19: {
      const double extremes[] = {1e30, 3.4e38, FLT_MAX, 1e-30};
      const double value = extremes[choices.below(4)];
      return choices.below(2) ? value : -value;
    }
    default:
      return low + span * choices.fraction();
  }
}

// A position in the surface's units; now and then exactly on the end of a line.
std::string position(const kit::Form& form, Choices& choices) {
  const kit::Canvas* surface = form.findCanvas("Picture1");
  const auto lines = controlsOf<kit::Line>(form, kit::Kind::Line);
  if (!lines.empty() && choices.below(6) == 0) {
    const kit::Line* line = lines[choices.below(lines.size())];
    const bool tail = choices.below(2);
    double x = tail ? line->X1 : line->X2, y = tail ? line->Y1 : line->Y2;
    if (choices.below(3) == 0) y = coordinate(choices, surface->ScaleTop(), surface->ScaleHeight());
    return number(x) + " " + number(y);
  }
  return number(coordinate(choices, surface->ScaleLeft(), surface->ScaleWidth())) + " " +
         number(coordinate(choices, surface->ScaleTop(), surface->ScaleHeight()));
}

std::string mouse(const kit::Form& form, Choices& choices, bool down) {
  // A drag with the left button alone is what moves things; other states must be harmless.
  const std::uint32_t button = !down && choices.below(3) ? 1 : choices.below(8);
  return std::string(down ? "down " : "move ") + std::to_string(button) + " " +
         std::to_string(choices.below(8)) + " " + position(form, choices);
}

std::string click(const kit::Form& form, Choices& choices) {
  std::vector<std::string> targets = {"Picture1"};
  for (const kit::Button* button : controlsOf<kit::Button>(form, kit::Kind::Button))
    if (button->Visible) targets.push_back(button->name());
  return "click " + targets[choices.below(targets.size())];
}

std::string typing(const kit::TextBox& box, Choices& choices) {
  const std::string prefix = "type " + box.name() + " ";
  if (choices.below(2)) return prefix + hostileTexts()[choices.below(hostileTexts().size())];
  std::string text = box.Text();
  const std::uint32_t key = choices.below(20);
  if (key == 0) {
    if (!text.empty()) text.pop_back();  // a backspace, possibly through a multi-byte character
  } else {
    static const std::string keys[] = {
        "0", "1", "2", "5", "9", ".", "-", "e", " ", "+", "a", "\xef\xbc\x92", "3", "7", "E"};
    text += keys[choices.below(std::size(keys))];
  }
  return prefix + text;
}

std::string tick(const kit::Form& form, Choices& choices) {
  std::vector<const kit::Timer*> running;
  for (const kit::Control* control : form.controls())
    if (control->kind() == kit::Kind::Timer && static_cast<const kit::Timer*>(control)->Enabled())
      running.push_back(static_cast<const kit::Timer*>(control));
  if (running.empty() || choices.below(3) == 0) {
    const char* spans[] = {"1", "15.625", "16", "100", "300", "1000", "2500", "6000"};
    return std::string("run ") + spans[choices.below(std::size(spans))];
  }
  const std::uint32_t count = choices.below(4) ? choices.below(10) + 1 : choices.below(300) + 1;
  return "tick " + running[choices.below(running.size())]->name() + " " + std::to_string(count);
}

}  // namespace

const std::vector<std::string>& hostileTexts() {
  static const std::vector<std::string> texts = {
      "",
      "-",
      ".",
      "1e",
      "1e39",
      "1" + std::string(45, '0'),
      " 3 ",
      "inf",
      "nan",
      "0x10",
      "\xef\xbc\x92",  // a full-width 2
      "-2.5",
      "1e-3",
      "2",
      "0",
      "-0",
      "1e38",
      "-1e-45",
      "1e-400",
      "+5",
      "5.",
      ".5",
      "--1",
      "3 4",
      std::string(5000, '9'),
      std::string(2000, 'a'),
      "\xff\xfe\xfd",
      "\xe4\xb8",  // a character cut short
      "1\xc0\x80",
      "倍数",
  };
  return texts;
}

std::string nextEvent(const kit::Form& form, Choices& choices) {
  const std::uint32_t kind = choices.below(100);
  if (kind < 25) return mouse(form, choices, true);
  if (kind < 55) return mouse(form, choices, false);
  if (kind < 68) return click(form, choices);
  if (kind < 82) {
    std::vector<const kit::TextBox*> boxes;
    for (const kit::TextBox* box : controlsOf<kit::TextBox>(form, kit::Kind::TextBox))
      if (box->Visible && !box->readOnly) boxes.push_back(box);
    if (!boxes.empty()) {
      const kit::TextBox& box = *boxes[choices.below(boxes.size())];
      if (kind < 77) return typing(box, choices);
      const int code = choices.below(2) ? 13 : static_cast<int>(choices.below(256));
      return "key " + box.name() + " " + std::to_string(code);
    }
  }
  return tick(form, choices);
}

}  // namespace storm

// The keyboard pointer's rules: steps, keys, and the named points read from the surface's
// labels and lines.
#include "keypointer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas.h"
#include "controls.h"
#include "input.h"
#include "style.h"

namespace kit {

namespace {
constexpr double kStepTwips = 480;  // 32 pixels at the designed size
constexpr char kPointLetters[] = "ABCOM";

// The letter a point's caption names: "A" or "A(3,2)" name A.
char pointLetter(const std::string& caption) {
  if (caption.empty() || (caption.size() > 1 && caption[1] != '(')) return 0;
  for (const char* letter = kPointLetters; *letter; ++letter)
    if (caption[0] == *letter) return *letter;
  return 0;
}
}  // namespace

KeyPointer::KeyPointer(const Canvas& canvas) : canvas_(canvas) {}

void KeyPointer::place() {
  // The units are the lesson's only once Form_Load has set them: the middle is taken then.
  if (placed_) return;
  placed_ = true;
  x_ = middle(true);
  y_ = middle(false);
}

float KeyPointer::middle(bool across) const {
  return static_cast<float>(across ? canvas_.ScaleLeft() + canvas_.ScaleWidth() / 2
                                   : canvas_.ScaleTop() + canvas_.ScaleHeight() / 2);
}

double KeyPointer::step() const {
  const double units = std::abs(kStepTwips / canvas_.innerWidthTwips() * canvas_.ScaleWidth());
  const double power = std::pow(10.0, std::floor(std::log10(units)));
  const double mantissa = units / power;
  // Nearest of 1, 2, 5, 10 on a log scale.
  double nice = 10;
  if (mantissa < std::sqrt(2.0))
    nice = 1;
  else if (mantissa < std::sqrt(10.0))
    nice = 2;
  else if (mantissa < std::sqrt(50.0))
    nice = 5;
  return nice * power;
}

void KeyPointer::moveBy(double dx, double dy) {
  // Kept on the surface, whichever way its units run.
  const double left = canvas_.ScaleLeft(), right = left + canvas_.ScaleWidth();
  const double top = canvas_.ScaleTop(), bottom = top + canvas_.ScaleHeight();
  x_ = static_cast<float>(std::clamp(x_ + dx, std::min(left, right), std::max(left, right)));
  y_ = static_cast<float>(std::clamp(y_ + dy, std::min(top, bottom), std::max(top, bottom)));
}

KeyPointer::Event KeyPointer::event(Event::Kind kind, int shift) const {
  return {kind, kind == Event::Kind::Click ? 0 : buttons::kLeft, shift, x_, y_};
}

std::optional<std::pair<float, float>> KeyPointer::namedPoint(char letter) const {
  const Label* named = nullptr;
  for (const CanvasObject* object : canvas_.objects()) {
    if (object->kind() != Kind::Label) continue;
    const auto* label = static_cast<const Label*>(object);
    if (label->Visible && pointLetter(label->Caption) == letter) {
      named = label;
      break;
    }
  }
  if (!named) return std::nullopt;
  std::optional<std::pair<float, float>> best;
  double bestDistance = 0;
  const auto consider = [&](float px, float py) {
    const double distance = std::hypot(canvas_.toTwipsX(px) - canvas_.toTwipsX(named->Left),
                                       canvas_.toTwipsY(py) - canvas_.toTwipsY(named->Top));
    if (!best || distance < bestDistance) best = {{px, py}}, bestDistance = distance;
  };
  // Only ends that two lines share are points of the figure (a tip and its head, a common
  // tail); an arrowhead's free end never is.
  std::vector<std::pair<float, float>> ends;
  for (const CanvasObject* object : canvas_.objects()) {
    if (object->kind() != Kind::Line) continue;
    const auto* line = static_cast<const Line*>(object);
    if (!line->Visible) continue;
    ends.emplace_back(line->X1, line->Y1);
    ends.emplace_back(line->X2, line->Y2);
  }
  const double same = step() / 1000;
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const bool shared = std::any_of(ends.begin(), ends.end(), [&](const auto& other) {
      return &other != &ends[i] && (i ^ 1) != static_cast<std::size_t>(&other - ends.data()) &&
             std::hypot(other.first - ends[i].first, other.second - ends[i].second) <= same;
    });
    if (shared) consider(ends[i].first, ends[i].second);
  }
  return best;
}

KeyPointer::Outcome KeyPointer::key(int code, int shift) {
  place();
  const double step = (shift & shifts::kShift) ? this->step() / 10 : this->step();
  // The surface's y may run upwards: Up moves towards its top edge either way.
  const double up = canvas_.ScaleHeight() < 0 ? step : -step;
  const double right = canvas_.ScaleWidth() < 0 ? -step : step;
  Outcome out;
  switch (code) {
    case keys::kLeft:
      moveBy(-right, 0);
      break;
    case keys::kRight:
      moveBy(right, 0);
      break;
    case keys::kUp:
      moveBy(0, up);
      break;
    case keys::kDown:
      moveBy(0, -up);
      break;
    case keys::kSpace:
    case keys::kEnter:
      held_ = !held_;
      out.used = true;
      out.event = event(held_ ? Event::Kind::Down : Event::Kind::Click, shift);
      return out;
    case keys::kEscape:
      if (!held_) return out;  // the window's Esc (leaving full screen) stays the window's
      held_ = false;
      out.used = true;
      out.event = event(Event::Kind::Click, shift);
      return out;
    default: {
      const std::optional<std::pair<float, float>> point =
          code < 128 ? namedPoint(static_cast<char>(code)) : std::nullopt;
      if (!point) return out;
      x_ = point->first;
      y_ = point->second;
    }
  }
  // Moved: a mouse with its left button held drags; one with none held sends nothing the
  // lessons read (the surfaces follow the mouse only while a button is down).
  out.used = true;
  if (held_) out.event = event(Event::Kind::Move, shift);
  return out;
}

}  // namespace kit

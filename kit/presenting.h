// The teacher's control of a lesson's time as both front ends and both drivers offer it: the
// paces to choose from, how each is written, and the corner's note while paused or off pace.
#pragma once

#include <array>
#include <string>

namespace kit {

// Slowest first; 1 is the lesson's own pace.
inline constexpr std::array<double, 4> kSpeeds = {0.25, 0.5, 1.0, 2.0};

bool isSpeed(double speed);
// One pace slower (direction -1) or faster (+1); the slowest and fastest stay as they are, and
// a pace that is none of kSpeeds is kept.
double nextSpeed(double speed, int direction);
// "×¼", "×½", "×1" or "×2".
std::string speedLabel(double speed);
// The bar's buttons for one step back (F7, or Shift+Page Up, a presenter's "previous") and for
// the latest chain of animations again (F6): label, name for screen readers, keys.
struct BarButton {
  const char* label;
  const char* name;
  const char* keys;
};
inline constexpr BarButton kBackButton{"后退", "后退一步", "F7 或 Shift+Page Up"};
inline constexpr BarButton kReplayButton{"重放", "重放动画", "F6"};

// "已暂停", a pace's label, both with a blank between, or "" at the own pace and running.
std::string badgeText(bool paused, double speed);

}  // namespace kit

#include "presenting.h"

#include <algorithm>

namespace kit {

bool isSpeed(double speed) {
  return std::find(kSpeeds.begin(), kSpeeds.end(), speed) != kSpeeds.end();
}

double nextSpeed(double speed, int direction) {
  const auto at = std::find(kSpeeds.begin(), kSpeeds.end(), speed);
  if (at == kSpeeds.end()) return speed;
  const auto index = std::clamp<std::ptrdiff_t>(at - kSpeeds.begin() + direction, 0,
                                                static_cast<std::ptrdiff_t>(kSpeeds.size()) - 1);
  return kSpeeds[static_cast<std::size_t>(index)];
}

std::string speedLabel(double speed) {
  if (speed == 0.25) return "×¼";
  if (speed == 0.5) return "×½";
  if (speed == 2.0) return "×2";
  return "×1";
}

std::string badgeText(bool paused, double speed) {
  std::string text = paused ? "已暂停" : "";
  if (speed != 1.0) text += (text.empty() ? "" : " ") + speedLabel(speed);
  return text;
}

}  // namespace kit

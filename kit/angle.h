// The lessons' own angle constants: pi to five places and 57.3 degrees to the radian, as their
// figures and printed angles are worked out with them. Where the true pi is meant (a full
// circle), code uses std::numbers::pi instead.
#pragma once

namespace kit {

constexpr double kPi = 3.14159;
constexpr double degrees(double d) {
  return d / 180.0 * kPi;
}
constexpr double kDegreesPerRadian = 57.3;

}  // namespace kit

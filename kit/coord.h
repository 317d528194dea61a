// A single-precision coordinate property, as lines, labels, pictures and shapes store them.
// Geometry is worked out in double and stored here; a value that does not fit a float is
// never stored: overflow saturates at the largest float and NaN leaves the old value.
#pragma once

#include <cfloat>
#include <cmath>

namespace kit {

class Coord {
 public:
  Coord() = default;
  Coord(double v) { *this = v; }  // NOLINT: reads like the property it models
  Coord& operator=(double v) {
    if (std::isnan(v)) return *this;
    if (v > FLT_MAX) v = FLT_MAX;
    if (v < -FLT_MAX) v = -FLT_MAX;
    value_ = static_cast<float>(v);
    return *this;
  }
  operator float() const { return value_; }  // NOLINT: used as a plain number in handlers

 private:
  float value_ = 0.0f;
};

}  // namespace kit

// The distance is worked out in double from the single-precision pointer, as the handlers
// compare it with the distances to other points.
#include "pointer.h"

#include <cmath>

namespace kit {

double pointerDistance(float x, float y, double px, double py) {
  return std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
}

}  // namespace kit

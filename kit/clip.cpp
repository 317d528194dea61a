// Liang-Barsky clipping.
#include "clip.h"

#include <cmath>

namespace kit {

bool clipSegment(Segment& s, double left, double top, double right, double bottom) {
  if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) || !std::isfinite(s.y2))
    return false;
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  double from = 0.0, to = 1.0;
  int fromEdge = -1, toEdge = -1;  // the edge a cut end lies on, set exactly below
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - left, right - s.x1, s.y1 - top, bottom - s.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > to) return false;
      if (t > from) from = t, fromEdge = i;
    } else {
      if (t < from) return false;
      if (t < to) to = t, toEdge = i;
    }
  }
  const Segment whole = s;
  const double edges[4] = {left, right, top, bottom};
  auto cutAt = [&](double t, int edge, double& x, double& y) {
    x = whole.x1 + t * dx;
    y = whole.y1 + t * dy;
    // Far-away ends lose precision in the sum; the end lies on its edge exactly.
    if (edge == 0 || edge == 1) x = edges[edge];
    if (edge == 2 || edge == 3) y = edges[edge];
  };
  if (fromEdge >= 0) cutAt(from, fromEdge, s.x1, s.y1);
  if (toEdge >= 0) cutAt(to, toEdge, s.x2, s.y2);
  return true;
}

}  // namespace kit

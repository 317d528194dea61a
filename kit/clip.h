// Clipping a segment to a rectangle before it is stroked, so a line whose ends lie far away
// (1e30) costs no more than a short one.
#pragma once

namespace kit {

struct Segment {
  double x1, y1, x2, y2;
};

// Cuts the segment to the rectangle [left, right] x [top, bottom]; false when nothing of it
// lies inside (or a coordinate is not finite).
bool clipSegment(Segment& s, double left, double top, double right, double bottom);

}  // namespace kit

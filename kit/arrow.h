// Arrowheads and letters: the two short head lines at the head of a shaft, pointing back along
// it, and the places of the letters that name points and vectors.
#pragma once

#include "angle.h"
#include "controls.h"

namespace kit {

constexpr double kHeadHalfAngle = degrees(25);
constexpr double kVerticalHeadAngle = degrees(75);

// The slope angle of the shaft, between -90 and +90 degrees; 0 for a vertical shaft.
double shaftAngle(const Line& shaft);

// Moves the far ends (X2, Y2) of the head lines p and q for the shaft's current direction.
// The start points and the visibility of p and q are left to the caller; a zero-length shaft
// leaves them as they are.
void SetArrowHead(const Line& shaft, Line& p, Line& q, double length);
// The same with the shaft angle given (one that a handler keeps between ticks).
void SetArrowHead(const Line& shaft, Line& p, Line& q, double length, double theta);

// What a handler does once it has moved a shaft's tip: starts both head lines at the tip,
// then places the head. Returns the shaft angle it used.
double headAtTip(const Line& shaft, Line& p, Line& q, double length);
// The same for a handler that keeps the shaft angle in single precision: the head is turned by
// the angle as kept, not as worked out.
void headAtTip(const Line& shaft, Line& p, Line& q, double length, float& keptAngle);

// What a drag does to a vector's tip: puts it at (x, y) with the point's letter shown beside it
// and the head turned there.
void moveTip(Line& shaft, Line& p, Line& q, double headLength, Label& letter, double letterOffset,
             double x, double y);

// A point's letter hangs below and to the left of the point.
void placePointLetter(Label& letter, double x, double y, double offset);
// A vector's letter sits at the middle of its shaft.
void placeVectorLetter(Label& letter, const Line& shaft);

}  // namespace kit

// Head placement in five cases: right, left, straight up, straight down, and a point.
#include "arrow.h"

#include "trig.h"

#include <cmath>

namespace kit {

double shaftAngle(const Line& shaft) {
  if (shaft.X1 == shaft.X2) return 0.0;
  return kit::trig::atan((double(shaft.Y2) - shaft.Y1) / (double(shaft.X2) - shaft.X1));
}

void SetArrowHead(const Line& shaft, Line& p, Line& q, double length) {
  SetArrowHead(shaft, p, q, length, shaftAngle(shaft));
}

void SetArrowHead(const Line& s, Line& p, Line& q, double length, double theta) {
  const double plus = theta + kHeadHalfAngle, minus = theta - kHeadHalfAngle;
  if (s.X1 < s.X2) {
    p.X2 = s.X2 - length * kit::trig::cos(plus);
    p.Y2 = s.Y2 - length * kit::trig::sin(plus);
    q.X2 = s.X2 - length * kit::trig::cos(minus);
    q.Y2 = s.Y2 - length * kit::trig::sin(minus);
  } else if (s.X1 > s.X2) {
    p.X2 = s.X2 + length * kit::trig::cos(plus);
    p.Y2 = s.Y2 + length * kit::trig::sin(plus);
    q.X2 = s.X2 + length * kit::trig::cos(minus);
    q.Y2 = s.Y2 + length * kit::trig::sin(minus);
  } else if (s.Y1 < s.Y2) {
    p.X2 = s.X2 - length * kit::trig::cos(kVerticalHeadAngle);
    p.Y2 = s.Y2 - length * kit::trig::sin(kVerticalHeadAngle);
    q.X2 = s.X2 + length * kit::trig::cos(kVerticalHeadAngle);
    q.Y2 = s.Y2 - length * kit::trig::sin(kVerticalHeadAngle);
  } else if (s.Y1 > s.Y2) {
    p.X2 = s.X2 - length * kit::trig::cos(kVerticalHeadAngle);
    p.Y2 = s.Y2 + length * kit::trig::sin(kVerticalHeadAngle);
    q.X2 = s.X2 + length * kit::trig::cos(kVerticalHeadAngle);
    q.Y2 = s.Y2 + length * kit::trig::sin(kVerticalHeadAngle);
  }
}

double headAtTip(const Line& shaft, Line& p, Line& q, double length) {
  p.X1 = q.X1 = shaft.X2;
  p.Y1 = q.Y1 = shaft.Y2;
  const double theta = shaftAngle(shaft);
  SetArrowHead(shaft, p, q, length, theta);
  return theta;
}

void headAtTip(const Line& shaft, Line& p, Line& q, double length, float& keptAngle) {
  p.X1 = q.X1 = shaft.X2;
  p.Y1 = q.Y1 = shaft.Y2;
  keptAngle = static_cast<float>(shaftAngle(shaft));
  SetArrowHead(shaft, p, q, length, keptAngle);
}

void moveTip(Line& shaft, Line& p, Line& q, double headLength, Label& letter, double letterOffset,
             double x, double y) {
  shaft.X2 = x;
  shaft.Y2 = y;
  letter.Visible = true;
  placePointLetter(letter, x, y, letterOffset);
  headAtTip(shaft, p, q, headLength);
}

void placePointLetter(Label& letter, double x, double y, double offset) {
  letter.Left = x - offset;
  letter.Top = y;
}

void placeVectorLetter(Label& letter, const Line& s) {
  letter.Left = s.X1 + (double(s.X2) - s.X1) / 2;
  letter.Top = s.Y1 + (double(s.Y2) - s.Y1) / 2;
}

}  // namespace kit

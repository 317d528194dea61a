// Aiming the force: a press or a left-button drag right of H turns the force towards the
// pointer and marks its angle to the ground with an arc and "α=…°"; a press left of H puts the
// force back to horizontal. Every press also sends the cart back to the start.
#include <cmath>

#include "form1.h"
#include "kit/angle.h"
#include "kit/numtext.h"
#include "kit/pointer.h"
#include "kit/trig.h"

namespace vecintro {

namespace {
constexpr double kFullTurn = 2 * kit::kPi;  // the lesson's full turn, for the arc below the ground
constexpr double kArcRadius = 200;
constexpr double kHeadLength = 200;
// The tip runs on an ellipse round H: a horizontal force is drawn longer than a vertical one.
constexpr double kReachAcross = 1500, kReachUp = 1200;
constexpr double kLevelTipX = kHookX + kReachAcross;  // the tip of a level force
constexpr double kLevelHeadSpread = 110;  // a reset's head lines end this far off the shaft
}  // namespace

void Form1::aimForce() {
  const double tipX = kHookX + kReachAcross * kit::trig::cos(jiaodu);
  const double tipY = kHookY - kReachUp * kit::trig::sin(jiaodu);
  Line1.place(kHookX, kHookY, tipX, tipY);
  const double spread = kit::kPi / 7;  // the head's half-angle
  Line2.place(tipX, tipY, tipX - kHeadLength * kit::trig::cos(jiaodu - spread),
              tipY + kHeadLength * kit::trig::sin(jiaodu - spread));
  Line3.place(tipX, tipY, tipX - kHeadLength * kit::trig::cos(jiaodu + spread),
              tipY + kHeadLength * kit::trig::sin(jiaodu + spread));
  Label4.Left = tipX + 100;
  Label4.Top = tipY;
}

void Form1::resetForce() {
  Picture1.Cls();
  Image2.Left = 0;
  jiaodu = 0;
  Line1.place(kHookX, kHookY, kLevelTipX, kHookY);
  Line2.place(kLevelTipX, kHookY, kLevelTipX - kHeadLength, kHookY + kLevelHeadSpread);
  Line3.place(kLevelTipX, kHookY, kLevelTipX - kHeadLength, kHookY - kLevelHeadSpread);
  Text1.setText(" :00");
  Text2.setText("00");
  Text3.setText("00:");
  Label4.Top = kForceLabelTop;
  Label4.Left = kForceLabelLeft;
}

void Form1::markAngle(float y) {
  if (y < kHookY && jiaodu != 0) {  // pulling upwards: the arc rises from the ground direction
    Picture1.Cls();
    Picture1.Circle(kHookX, kHookY, kArcRadius, std::nullopt, 0, jiaodu);
    Picture1.PSet(kHookX + 300 * kit::trig::cos(2 * jiaodu / 3),
                  kHookY - 300 * kit::trig::sin(jiaodu), kit::colors::kWhite);
    Picture1.Print("α=" + kit::shortText(jiaodu * kit::kDegreesPerRadian) + "°");
  }
  if (y > kHookY && jiaodu != 0) {  // pulling downwards: the arc runs up to the ground direction
    Picture1.Cls();
    Picture1.Circle(kHookX, kHookY, kArcRadius, std::nullopt, jiaodu + kFullTurn, kFullTurn);
    Picture1.PSet(kHookX + 240 * kit::trig::cos(jiaodu / 3),
                  kHookY - 300 * kit::trig::sin(jiaodu / 2), kit::colors::kWhite);
    Picture1.Print("α=" + kit::shortText(std::abs(jiaodu * kit::kDegreesPerRadian)) + "°");
  }
}

void Form1::showReferenceLine() {
  Line4.place(kHookX, kHookY, kLevelTipX, kHookY);
  Line4.Visible = true;
}

void Form1::Picture1_MouseDown(int, int, float x, float y) {
  ss = 0;
  Text4.Visible = false;
  if (x < kHookX) resetForce();
  if (x > kHookX) {
    jiaodu = kit::trig::atan((kHookY - y) / (x - kHookX));
    Image2.Left = 0;
    aimForce();
  }
  // Exactly above or below H the press aims nowhere and the force keeps its angle; so does its
  // mark, which the pointer's side could otherwise put on the wrong side of the ground line.
  if (x != kHookX) markAngle(y);
  showReferenceLine();
}

void Form1::Picture1_MouseMove(int button, int, float x, float y) {
  if (x <= kHookX || button != kit::kLeftButton) return;  // a drag left of H leaves the force as is
  Text4.Visible = false;
  jiaodu = kit::trig::atan((kHookY - y) / (x - kHookX));
  Image2.Left = 0;
  aimForce();
  showReferenceLine();
  markAngle(y);
}

void Form1::Picture1_Click() {
  Image2.Left = 0;
}

}  // namespace vecintro

// The cart run: the start button starts and pauses the cart and the clock; every motion tick
// the cart, the force arrow and its label move on by the horizontal part of the pull, faster
// and faster; past the far end the run stops and its result line is written below the picture.
#include <cmath>

#include "form1.h"
#include "kit/angle.h"
#include "kit/numtext.h"
#include "kit/trig.h"

namespace vecintro {

namespace {
constexpr float kTimeStep = 0.07f;
constexpr double kFarEnd = 8200;  // the cart's left edge past this: its right edge is near the
                                  // right edge of the surface
constexpr double kLineHeight = 300;
// The first result line starts here on the window, just below the surface (3135 high).
constexpr double kResultLeft = 300, kFirstResultTop = 3200;
}  // namespace

void Form1::Command1_Click() {
  Timer1.setEnabled(!Timer1.Enabled());
  Timer2.setEnabled(!Timer2.Enabled());
  Text1.setText(":00");
  Text2.setText("00");
  Text3.setText("00:");
  n = n + 1;
}

void Form1::Timer1_Timer() {
  tau = tau + kTimeStep;
  const double d = 0.5 * double(tau) * double(tau) * kit::trig::cos(jiaodu);
  Image2.Left = Image2.Left + d;
  for (kit::Line* line : {&Line1, &Line2, &Line3}) {
    line->X1 = line->X1 + d;
    line->X2 = line->X2 + d;
  }
  Label4.Left = Label4.Left + d;
  if (Image2.Left > kHookX) Line4.Visible = false;
  if (Image2.Left > kFarEnd) endRun();
}

void Form1::endRun() {
  tau = 0;
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);
  Text4.Visible = true;
  Height = Height + kLineHeight;
  // Lines are placed by the count of presses, so a paused run leaves a gap above its line.
  window().PSet(kResultLeft, kFirstResultTop + kLineHeight * (n - 1), kit::colors::kRed);
  window().Print(resultLine());
}

std::string Form1::resultLine() const {
  const bool oneDigit = n < 10;
  // A level pull shows as the one character 0: more blanks line it up with four-character angles.
  const bool level = jiaodu == 0 && oneDigit;
  return "第" + kit::fullText(n) + "次:" + (oneDigit ? "     " : "    ") + "角度：" +
         kit::shortText(jiaodu * kit::kDegreesPerRadian) + (level ? "°    " : "° ") + "      " +
         "时间:" + Text3.Text() + Text2.Text() + Text1.Text();
}

}  // namespace vecintro

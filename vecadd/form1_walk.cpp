// The walk-through: the walker goes down from the house to the shop while a grows behind it,
// on to the school while b grows, then a second walker takes the direct way while a+b grows.
// The figure is fixed: every place is a constant or follows from a counter, and the heads sit
// at fixed offsets from the tips.
#include <cmath>

#include "form1.h"

namespace vecadd {

namespace {
// How far each fixed path rises for every step its counter takes: the sine of the path's angle,
// whose tangent the lesson gives.
const double kRiseOfB = std::sin(std::atan(0.157257994));
const double kRiseOfWalkToSchool = std::sin(std::atan(0.27));
const double kRiseOfSum = std::sin(std::atan(-1.5));
const double kRiseOfDirectWalk = std::sin(std::atan(-0.95));
constexpr double kEndOfRun = 776;  // the second and third legs end once the tip passes this x
}  // namespace

void Form1::Command1_Click() {
  if (Timer2.Enabled() || Timer3.Enabled()) return;  // the walk is past its first leg
  for (kit::Image* image : {&Image1, &Image2, &Image3, &Image4}) image->Visible = true;
  Image5.Visible = false;
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9})
    line->Visible = false;
  Line1.place(149, 818, 149, 818);
  for (kit::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6})
    label->Visible = false;
  if (!Timer1.Enabled()) {
    Timer1.setEnabled(true);
    Image4.Top = 980;
    Image4.Left = 83;
  } else {
    Timer1.setEnabled(false);  // a second press stops the walk where it is
  }
}

void Form1::Timer1_Timer() {
  Image4.Top = double(Image4.Top) - 3;
  if (Image4.Top < 800) {  // the walker has left the house: a comes into view
    Line1.Visible = Line2.Visible = Line3.Visible = true;
    Shape1.Visible = Label1.Visible = true;
    Label1.Left = 100;
    Label1.Top = 818;
    Shape1.Left = 142;
    Shape1.Top = 818;
  }
  if (Image4.Top > 150) {
    Line1.Y2 = double(Image4.Top) + 30;
    const double hx = Line1.X2, hy = Line1.Y2;
    Line2.place(hx - 7, hy + 33, hx, hy);
    Line3.place(hx + 7, hy + 33, hx, hy);
  }
  if (Image4.Top < 151) {
    Timer1.setEnabled(false);
    Timer2.setEnabled(true);
    Shape2.Visible = Label2.Visible = true;
  }
}

void Form1::Timer2_Timer() {
  s1 += 3;
  s2 += 3.5;
  Line4.Y1 = 188;
  Line4.X1 = 149;
  Line4.Y2 = 188 + s1 * kRiseOfB;
  Line4.X2 = 149 + s1;
  const double hx = Line4.X2, hy = Line4.Y2;
  Line5.X2 = hx, Line5.Y2 = hy;
  Line5.X1 = hx - 29, Line5.Y1 = hy + 3;
  Line6.X1 = hx - 27, Line6.Y1 = hy - 12;
  Line6.X2 = hx, Line6.Y2 = hy;
  Line4.Visible = Line5.Visible = Line6.Visible = true;
  Label2.Left = 100;
  Label2.Top = 230;
  Shape2.Left = 145;
  Shape2.Top = 200;
  Image4.Left = 80 + s2;
  Image4.Top = 150 + s2 * kRiseOfWalkToSchool;
  if (Line4.X2 > kEndOfRun) {
    s1 = 0;
    s2 = 0;
    Timer2.setEnabled(false);
    Timer3.setEnabled(true);
    Shape3.Visible = Label3.Visible = true;
  }
}

void Form1::Timer3_Timer() {
  Image5.Visible = true;
  s3 += 3;
  s4 += 3.2;
  Line7.Y1 = 810.6;
  Line7.X1 = 149;
  Line7.X2 = 149 + s3;
  Line7.Y2 = 810 + s3 * kRiseOfSum;
  const double hx = Line7.X2, hy = Line7.Y2;
  Line8.X2 = hx, Line8.Y2 = hy;
  Line8.X1 = hx - 10, Line8.Y1 = hy + 23;
  Line9.X1 = hx - 25, Line9.Y1 = hy + 5;
  Line9.X2 = hx, Line9.Y2 = hy;
  Line7.Visible = Line8.Visible = Line9.Visible = true;
  Label3.Left = 745;
  Label3.Top = 270;
  Shape3.Left = 768;
  Shape3.Top = 291;
  Image5.Left = 147 + s4;
  Image5.Top = 800 + s4 * kRiseOfDirectWalk;
  if (Line7.X2 > kEndOfRun) {
    Timer3.setEnabled(false);
    s3 = 0;
    s4 = 0;
    Command2.Visible = Text1.Visible = true;
  }
}

}  // namespace vecadd

// The walk-through: the walker goes down from the house to the shop while a grows behind it,
// on to the school while b grows, then a second walker takes the direct way while a+b grows.
// The figure is fixed: every place is a constant or follows from a counter, and the heads sit
// at fixed offsets from the tips.
#include <cmath>

#include "form1.h"
#include "kit/trig.h"

namespace vecadd {

namespace {
// Places on the surface, whose y grows upwards.
struct Point {
  double x, y;
};
constexpr Point kA{149, 818};  // the house: a starts here
constexpr Point kB{149, 188};  // the shop: b starts here
// Each point's letter and red mark, shown as the walk reaches the point.
constexpr Point kLetterOfA{100, 818}, kMarkOfA{142, 818};
constexpr Point kLetterOfB{100, 230}, kMarkOfB{145, 200};
constexpr Point kLetterOfC{745, 270}, kMarkOfC{768, 291};  // the school, where b and a+b end

// The first leg: the walker goes down from the house door, and a's tip trails its top edge.
constexpr Point kWalkerAtHome{83, 980};
constexpr double kOutOfTheHouse = 800;  // a shows once the walker's top is below this
constexpr double kAtTheShop = 150;      // and stops growing once the top comes down to this
constexpr double kTipAboveWalker = 30;
constexpr double kWalkerPace = 3;  // the walker's descent for every tick

// The second and third legs start from these, and every tick moves a counter on.
constexpr Point kWalkToSchool{80, 150};  // the walker's place at the shop
constexpr Point kDirectWalk{147, 800};   // the second walker's place at the house
constexpr double kSumTailY = 810.6;      // a+b starts just below A
constexpr double kSumTipStartY = 810;    // and its tip leaves from a little lower still
constexpr double kEndOfRun = 776;        // the second and third legs end once the tip passes this x

// How far each fixed path rises for every step its counter takes: the sine of the path's angle,
// whose tangent the lesson gives.
const double kRiseOfB = kit::trig::sin(kit::trig::atan(0.157257994));
const double kRiseOfWalkToSchool = kit::trig::sin(kit::trig::atan(0.27));
const double kRiseOfSum = kit::trig::sin(kit::trig::atan(-1.5));
const double kRiseOfDirectWalk = kit::trig::sin(kit::trig::atan(-0.95));

// The far ends of each vector's two head lines, from its tip; a head line runs from its far
// end to the tip. a points down, b to the right, a+b down to the right.
constexpr Point kHeadOfA[] = {{-7, 33}, {7, 33}};
constexpr Point kHeadOfB[] = {{-29, 3}, {-27, -12}};
constexpr Point kHeadOfSum[] = {{-10, 23}, {-25, 5}};

void placeHead(kit::Line& p, kit::Line& q, const Point (&head)[2], double tipX, double tipY) {
  p.place(tipX + head[0].x, tipY + head[0].y, tipX, tipY);
  q.place(tipX + head[1].x, tipY + head[1].y, tipX, tipY);
}

// A letter, a mark or a picture with its top-left corner at a place.
template <typename Control>
void placeAt(Control& control, Point at) {
  control.Left = at.x;
  control.Top = at.y;
}
}  // namespace

void Form1::Command1_Click() {
  if (Timer2.Enabled() || Timer3.Enabled()) return;  // the walk is past its first leg
  for (kit::Image* image : {&Image1, &Image2, &Image3, &Image4}) image->Visible = true;
  Image5.Visible = false;
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9})
    line->Visible = false;
  Line1.place(kA.x, kA.y, kA.x, kA.y);
  for (kit::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6})
    label->Visible = false;
  if (!Timer1.Enabled()) {
    Timer1.setEnabled(true);
    placeAt(Image4, kWalkerAtHome);
  } else {
    Timer1.setEnabled(false);  // a second press stops the walk where it is
  }
}

void Form1::Timer1_Timer() {
  Image4.Top = double(Image4.Top) - kWalkerPace;
  if (Image4.Top < kOutOfTheHouse) {  // the walker has left the house: a comes into view
    Line1.Visible = Line2.Visible = Line3.Visible = true;
    Shape1.Visible = Label1.Visible = true;
    placeAt(Label1, kLetterOfA);
    placeAt(Shape1, kMarkOfA);
  }
  if (Image4.Top > kAtTheShop) {
    Line1.Y2 = double(Image4.Top) + kTipAboveWalker;
    placeHead(Line2, Line3, kHeadOfA, Line1.X2, Line1.Y2);
  }
  if (Image4.Top < kAtTheShop + 1) {  // the walker is at the shop: on to the school
    Timer1.setEnabled(false);
    Timer2.setEnabled(true);
    Shape2.Visible = Label2.Visible = true;
  }
}

void Form1::Timer2_Timer() {
  s1 += 3;
  s2 += 3.5;
  Line4.place(kB.x, kB.y, kB.x + s1, kB.y + s1 * kRiseOfB);
  placeHead(Line5, Line6, kHeadOfB, Line4.X2, Line4.Y2);
  Line4.Visible = Line5.Visible = Line6.Visible = true;
  placeAt(Label2, kLetterOfB);
  placeAt(Shape2, kMarkOfB);
  placeAt(Image4, {kWalkToSchool.x + s2, kWalkToSchool.y + s2 * kRiseOfWalkToSchool});
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
  Line7.place(kA.x, kSumTailY, kA.x + s3, kSumTipStartY + s3 * kRiseOfSum);
  placeHead(Line8, Line9, kHeadOfSum, Line7.X2, Line7.Y2);
  Line7.Visible = Line8.Visible = Line9.Visible = true;
  placeAt(Label3, kLetterOfC);
  placeAt(Shape3, kMarkOfC);
  placeAt(Image5, {kDirectWalk.x + s4, kDirectWalk.y + s4 * kRiseOfDirectWalk});
  if (Line7.X2 > kEndOfRun) {
    Timer3.setEnabled(false);
    s3 = 0;
    s4 = 0;
    Command2.Visible = Text1.Visible = true;
  }
}

}  // namespace vecadd

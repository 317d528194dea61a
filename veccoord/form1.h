// The coordinate lesson: vectors a = OA and b = OB from the origin, the translation of each
// onto the other's tip, the sum a + b = OM, its coordinates read off both axes as sums of
// those of a and b, and a picture of the formula.
#pragma once

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/growblink.h"

namespace veccoord {

// What the window shows, for screen readers.
inline constexpr const char* kDescription =
    "向量的坐标运算：用坐标求两个向量的和，演示平移、作"
    "和向量、横纵坐标分解与公式。";

inline constexpr double kHead = 0.3;  // arrowhead length in surface units

class Form1 : public kit::Form {
 public:
  Form1();

  void Form_Load() override;
  void Timer1_Timer();
  void Picture1_MouseDown(int button, int shift, float x, float y);
  void Picture1_MouseMove(int button, int shift, float x, float y);
  void Command1_Click();
  void Timer2_Timer();
  void Timer3_Timer();
  void Command2_Click();
  void Timer4_Timer();
  void Timer5_Timer();
  void Command3_Click();
  void Timer6_Timer();
  void Timer7_Timer();
  void Command4_Click();
  void Timer8_Timer();
  void Timer9_Timer();
  void Command5_Click();
  void Timer10_Timer();
  void Timer11_Timer();
  void Command6_Click();

  kit::Canvas Picture1{*this, "Picture1", {120, 120, 7500, 6000}, 2};
  kit::Button Command1{*this, "Command1"};
  kit::Button Command3{*this, "Command3"};
  kit::Button Command4{*this, "Command4"};
  kit::Button Command5{*this, "Command5"};
  kit::Button Command6{*this, "Command6"};
  kit::Button Command2{*this, "Command2"};
  kit::TextBox Text1{*this, "Text1"};
  kit::Label Label10{window(), "Label10"};
  kit::Image Image1{window(), "Image1"};
  kit::Timer Timer1{*this, "Timer1", 1, true};
  kit::Timer Timer2{*this, "Timer2", 9, false};
  kit::Timer Timer3{*this, "Timer3", 300, false};
  kit::Timer Timer4{*this, "Timer4", 5, false};
  kit::Timer Timer5{*this, "Timer5", 300, false};
  kit::Timer Timer6{*this, "Timer6", 6, false};
  kit::Timer Timer7{*this, "Timer7", 300, false};
  kit::Timer Timer8{*this, "Timer8", 3, false};
  kit::Timer Timer9{*this, "Timer9", 1000, false};
  kit::Timer Timer10{*this, "Timer10", 1, false};
  kit::Timer Timer11{*this, "Timer11", 1000, false};
  kit::Line Line1{Picture1, "Line1"};  // b = OB and its head
  kit::Line Line2{Picture1, "Line2"};
  kit::Line Line3{Picture1, "Line3"};
  kit::Line Line4{Picture1, "Line4"};  // a = OA and its head
  kit::Line Line5{Picture1, "Line5"};
  kit::Line Line6{Picture1, "Line6"};
  kit::Line Line7{Picture1, "Line7"};  // a + b = OM and its head
  kit::Line Line8{Picture1, "Line8"};
  kit::Line Line9{Picture1, "Line9"};
  kit::Line Line10{Picture1, "Line10"};  // b moved to A
  kit::Line Line11{Picture1, "Line11"};
  kit::Line Line12{Picture1, "Line12"};
  kit::Line Line13{Picture1, "Line13"};  // a moved to B
  kit::Line Line14{Picture1, "Line14"};
  kit::Line Line15{Picture1, "Line15"};
  kit::Line Line16{Picture1, "Line16"};  // components on the x axis: b's, a's, M's
  kit::Line Line17{Picture1, "Line17"};
  kit::Line Line22{Picture1, "Line22"};
  kit::Line Line25{Picture1, "Line25"};  // components on the y axis: b's, a's, M's
  kit::Line Line24{Picture1, "Line24"};
  kit::Line Line23{Picture1, "Line23"};
  kit::Line Line18{Picture1, "Line18"};  // perpendiculars: A and M to x, B and M to y
  kit::Line Line19{Picture1, "Line19"};
  kit::Line Line20{Picture1, "Line20"};
  kit::Line Line21{Picture1, "Line21"};
  kit::Label Label1{Picture1, "Label1"};    // B(…)
  kit::Label Label2{Picture1, "Label2"};    // A(…)
  kit::Label Label3{Picture1, "Label3"};    // M
  kit::Label Label12{Picture1, "Label12"};  // a
  kit::Label Label13{Picture1, "Label13"};  // b
  kit::Label Label11{Picture1, "Label11"};  // a+b
  kit::Label Label5{Picture1, "Label5"};    // X1=
  kit::Label Label4{Picture1, "Label4"};    // X2=
  kit::Label Label6{Picture1, "Label6"};    // X=
  kit::Label Label8{Picture1, "Label8"};    // Y1=
  kit::Label Label9{Picture1, "Label9"};    // Y2=
  kit::Label Label7{Picture1, "Label7"};    // Y=

  double aa = 0, bb = 0, cc = 0;  // distances from the pointer to B and to A; cc is unused
  // Each timer's own tick count, set back to 0 only when that timer ends its run.
  int count2 = 0, count3 = 0, count4 = 0, count5 = 0, count6 = 0, count7 = 0;
  int count8 = 0, count9 = 0, count10 = 0, count11 = 0;
  float angle2 = 0, angle4 = 0;  // the angles of the copies that Timer2 and Timer4 move

 private:
  void describeWindow();
  void describeSurface();
  void connectHandlers();
  // True, after telling the pupil, while the sum a + b = OM is not drawn: hidden, or growing.
  bool refuseBeforeSum();
  // The captions B(…), A(…) and the letters a, b for the tips as they stand; the start-up, the
  // press and the drag share it, and the press and drag share the move of the nearer tip.
  void refreshLetters();
  void moveNearerTip(float x, float y);
  // The sum a + b = OM, grown by Timer6 and blinked by Timer7.
  kit::GrowThenBlink sum();
};

}  // namespace veccoord

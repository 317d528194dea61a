// The scalar-multiple lesson: a vector a = OA placed with the mouse, a multiple typed in the
// box, and the vector λa grown, blinked and projected onto the axes.
#pragma once

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/growblink.h"

namespace vecscale {

// What the window shows, for screen readers.
inline constexpr const char* kDescription =
    "数乘向量：输入倍数后画出 λa，再把点的坐标投到坐标"
    "轴上，并显示公式。";

inline constexpr double kHead = 0.3;  // arrowhead length in surface units

class Form2 : public kit::Form {
 public:
  Form2();

  void Form_Load() override;
  void Timer1_Timer();
  void Picture1_MouseDown(int button, int shift, float x, float y);
  void Picture1_MouseMove(int button, int shift, float x, float y);
  void Command1_Click();
  void Text1_KeyDown(int keyCode);
  void Text1_Change();
  void Timer6_Timer();
  void Timer7_Timer();
  void Command2_Click();
  void Timer8_Timer();
  void Command3_Click();
  void Timer9_Timer();
  void Command4_Click();

  kit::Canvas Picture1{*this, "Picture1", {120, 120, 7500, 6000}, 2};
  kit::Button Command1{*this, "Command1"};
  kit::TextBox Text1{*this, "Text1"};
  kit::Frame Frame1{*this, "Frame1"};
  kit::Button Command2{*this, "Command2"};
  kit::Button Command3{*this, "Command3"};
  kit::Button Command4{*this, "Command4"};
  kit::Image Image1{window(), "Image1"};
  kit::Timer Timer1{*this, "Timer1", 1, true};
  kit::Timer Timer6{*this, "Timer6", 1, false};
  kit::Timer Timer7{*this, "Timer7", 300, false};
  kit::Timer Timer8{*this, "Timer8", 1, false};
  kit::Timer Timer9{*this, "Timer9", 1, false};
  kit::Line Line1{Picture1, "Line1"};
  kit::Line Line2{Picture1, "Line2"};
  kit::Line Line3{Picture1, "Line3"};
  kit::Line Line7{Picture1, "Line7"};
  kit::Line Line8{Picture1, "Line8"};
  kit::Line Line9{Picture1, "Line9"};
  kit::Line Line18{Picture1, "Line18"};
  kit::Line Line19{Picture1, "Line19"};
  kit::Line Line20{Picture1, "Line20"};
  kit::Line Line21{Picture1, "Line21"};
  kit::Label Label1{Picture1, "Label1"};
  kit::Label Label8{Picture1, "Label8"};
  kit::Label Label3{Picture1, "Label3"};
  kit::Label Label9{Picture1, "Label9"};
  kit::Label Label5{Picture1, "Label5"};
  kit::Label Label4{Picture1, "Label4"};
  kit::Label Label7{Picture1, "Label7"};
  kit::Label Label6{Picture1, "Label6"};

  double beishu = 0;  // the multiple λ
  int count6 = 0, count7 = 0, count8 = 0, count9 = 0;

 private:
  void describeWindow();
  void describeSurface();
  void connectHandlers();
  // The press and the drag show a alone again and stop the projections.
  void showTipOnly(bool press);
  // Puts the tip A at (x, y) with its head and caption; the press and the drag share it.
  void moveTip(float x, float y);
  // True, after telling the pupil, when λ would carry λa beyond what a coordinate can hold.
  bool refuseHugeMultiple(double multiple);
  // The multiple λa, grown by Timer6 and blinked by Timer7.
  kit::GrowThenBlink multipleArrow();
};

}  // namespace vecscale

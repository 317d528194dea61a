// The subtraction lesson: two vectors a = OA and b = OB from a common tail O, which the pupil
// reshapes with the mouse, and two buttons that grow the red difference a-b (from B to A) or
// b-a (from A to B) and blink it.
#pragma once

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/growblink.h"

namespace vecsub {

// What the window shows, for screen readers.
inline constexpr const char* kDescription =
    "向量的减法：向量 a 与 b 有公共起点 O。拖动端点改变向"
    "量，点击按钮画出 a-b 或 b-a。";

inline constexpr double kHead = 30;  // arrowhead length in surface units

class Form1 : public kit::Form {
 public:
  Form1();

  void Form_Load() override;
  void Picture1_MouseDown(int button, int shift, float x, float y);
  void Picture1_MouseMove(int button, int shift, float x, float y);
  void Command1_Click();
  void Command2_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer4_Timer();
  void Timer5_Timer();

  kit::Canvas Picture1{*this, "Picture1", {120, 120, 6000, 6000}, 2};
  kit::Button Command1{*this, "Command1"};
  kit::Button Command2{*this, "Command2"};
  kit::Frame Frame1{*this, "Frame1"};
  kit::TextBox Text1{*this, "Text1"};
  kit::Timer Timer1{*this, "Timer1", 1, false};
  kit::Timer Timer2{*this, "Timer2", 300, false};
  kit::Timer Timer3{*this, "Timer3", 17, false};  // has no tick handler and never runs
  kit::Timer Timer4{*this, "Timer4", 1, false};
  kit::Timer Timer5{*this, "Timer5", 300, false};
  kit::Line Line1{Picture1, "Line1"};
  kit::Line Line2{Picture1, "Line2"};
  kit::Line Line3{Picture1, "Line3"};
  kit::Line Line4{Picture1, "Line4"};
  kit::Line Line5{Picture1, "Line5"};
  kit::Line Line6{Picture1, "Line6"};
  kit::Line Line7{Picture1, "Line7"};
  kit::Line Line8{Picture1, "Line8"};
  kit::Line Line9{Picture1, "Line9"};
  kit::Label Label1{Picture1, "Label1"};
  kit::Label Label2{Picture1, "Label2"};
  kit::Label Label3{Picture1, "Label3"};
  kit::Label Label4{Picture1, "Label4"};
  kit::Label Label5{Picture1, "Label5"};
  kit::Label Label6{Picture1, "Label6"};
  kit::Label Label7{Picture1, "Label7"};
  kit::Shape Shape1{Picture1, "Shape1"};
  kit::Shape Shape2{Picture1, "Shape2"};
  kit::Shape Shape3{Picture1, "Shape3"};

  double aa = 0, bb = 0, cc = 0;  // distances from the pointer to A, O and B
  float jiao = 0;                 // angle of the difference arrow's shaft
  int count1 = 0, count2 = 0;     // a-b: growth steps and blinks
  int count4 = 0, count5 = 0;     // b-a: growth steps and blinks

 private:
  void describeWindow();
  void describeSurface();
  void connectHandlers();
  // Press and drag share the reset of the scene and the move of the nearest point.
  void showEditingScene(bool press);
  void moveNearestPoint(float x, float y);
  void placeVectorLetters();
  // One construction: the difference arrow grows from `from` towards `to`, then blinks.
  struct Construction {
    kit::Line& from;  // shaft whose tip is the tail of the difference
    kit::Line& to;    // shaft whose tip the difference points at
    kit::Label& letter;
    kit::Label& otherLetter;
    kit::GrowThenBlink arrow;
  };
  kit::GrowThenBlink redArrow(kit::Timer& growth, kit::Timer& blink, int& grown, int& blinked);
  Construction aMinusB();
  Construction bMinusA();
  void start(const Construction& c, const kit::Timer& otherGrowth, const kit::Timer& otherBlink);
  void grow(const Construction& c);
  void blink(const Construction& c);
};

}  // namespace vecsub

// The addition lesson: a walker goes from the house A to the shop B and on to the school C, the
// vectors a and b grow behind it and a+b along the direct way; then the pupil reshapes the
// triangle with the mouse and has the sum vector drawn for it.
#pragma once

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/growblink.h"

namespace vecadd {

// What the window shows, for screen readers.
inline constexpr const char* kDescription =
    "向量加法：从家到商店再到学校，演示三角形法则。演示"
    "结束后拖动端点改变向量，点击“作和向量”画出 a+b。";

inline constexpr double kHead = 30;  // arrowhead length in surface units

class Form1 : public kit::Form {
 public:
  Form1();

  void Form_Load() override;
  void Picture1_MouseDown(int button, int shift, float x, float y);
  void Picture1_MouseMove(int button, int shift, float x, float y);
  void Command1_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Command2_Click();
  void Timer4_Timer();
  void Timer5_Timer();

  kit::Canvas Picture1{*this, "Picture1", {120, 120, 6000, 6000}, 2};
  kit::Button Command1{*this, "Command1"};
  kit::Button Command2{*this, "Command2"};
  kit::TextBox Text1{*this, "Text1"};
  kit::Timer Timer1{*this, "Timer1", 1, false};
  kit::Timer Timer2{*this, "Timer2", 17, false};
  kit::Timer Timer3{*this, "Timer3", 17, false};
  kit::Timer Timer4{*this, "Timer4", 1, false};
  kit::Timer Timer5{*this, "Timer5", 300, false};
  kit::Label Label1{Picture1, "Label1"};
  kit::Label Label2{Picture1, "Label2"};
  kit::Label Label3{Picture1, "Label3"};
  kit::Label Label4{Picture1, "Label4"};
  kit::Label Label5{Picture1, "Label5"};
  kit::Label Label6{Picture1, "Label6"};
  kit::Line Line1{Picture1, "Line1"};
  kit::Line Line2{Picture1, "Line2"};
  kit::Line Line3{Picture1, "Line3"};
  kit::Line Line4{Picture1, "Line4"};
  kit::Line Line5{Picture1, "Line5"};
  kit::Line Line6{Picture1, "Line6"};
  kit::Line Line7{Picture1, "Line7"};
  kit::Line Line8{Picture1, "Line8"};
  kit::Line Line9{Picture1, "Line9"};
  kit::Image Image1{Picture1, "Image1"};
  kit::Image Image2{Picture1, "Image2"};
  kit::Image Image3{Picture1, "Image3"};
  kit::Image Image4{Picture1, "Image4"};
  kit::Image Image5{Picture1, "Image5"};
  kit::Shape Shape1{Picture1, "Shape1"};
  kit::Shape Shape2{Picture1, "Shape2"};
  kit::Shape Shape3{Picture1, "Shape3"};

  double aa = 0, bb = 0, cc = 0;  // distances from the pointer to A, B and C
  float jiao = 0;                 // angle of the sum vector a+b
  int s1 = 0;                     // phase 2: run of vector b
  double s2 = 0;                  // phase 2: run of the walker
  int s3 = 0;                     // phase 3: run of vector a+b
  double s4 = 0;                  // phase 3: run of the second walker
  int n = 0;                      // growth steps of a+b
  int k = 0;                      // blinks of a+b

 private:
  void describeWindow();
  void describeSurface();
  void connectHandlers();
  // Press and drag share the reset of the scene and the move of the nearest point.
  bool canDrag() const;
  void showEditingScene(bool press);
  void moveNearestPoint(float x, float y);
  void placeVectorLetters();
  // The sum a+b, grown by Timer4 and blinked by Timer5.
  kit::GrowThenBlink sum();
};

}  // namespace vecadd

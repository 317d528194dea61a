// The opening lesson of the chapter: a force of 100 N pulls a cart along the ground. The pupil
// aims the force with the mouse, starts the cart and the clock, and compares the result lines
// that each run writes below the picture.
#pragma once

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"

namespace vecintro {

// What the window shows, for screen readers.
inline constexpr const char* kDescription =
    "向量导入：100牛的拉力拉动小车。在小车右侧按下或拖动"
    "鼠标可以改变拉力的方向，点击“启动”观察小车跑完全"
    "程所用的时间。";

// The hook point H, the middle of the cart's front face at the start, where the force acts;
// surface twips, y growing downwards.
inline constexpr double kHookX = 1200, kHookY = 1800;
// Where the label "F=100N" rests beside the level force, at the start and after a reset.
inline constexpr double kForceLabelLeft = 2880, kForceLabelTop = 1680;

class Form1 : public kit::Form {
 public:
  Form1();

  void Form_Load() override;
  void Picture1_MouseDown(int button, int shift, float x, float y);
  void Picture1_MouseMove(int button, int shift, float x, float y);
  void Picture1_Click();
  void Command1_Click();
  void Timer1_Timer();
  void Timer2_Timer();

  kit::Canvas Picture1{*this, "Picture1", {0, 0, 9560, 3135}, 2};
  kit::Button Command1{*this, "Command1"};
  kit::TextBox Text3{*this, "Text3"};
  kit::TextBox Text2{*this, "Text2"};
  kit::TextBox Text1{*this, "Text1"};
  // The clock is declared first: when both ticks fall due together, it counts the tick in
  // which the cart arrives before the motion tick stops it.
  kit::Timer Timer2{*this, "Timer2", 1, false};
  kit::Timer Timer1{*this, "Timer1", 1, false};
  kit::Image Image2{Picture1, "Image2"};
  kit::Image Image1{Picture1, "Image1"};
  kit::Line Line1{Picture1, "Line1"};
  kit::Line Line2{Picture1, "Line2"};
  kit::Line Line3{Picture1, "Line3"};
  kit::Line Line4{Picture1, "Line4"};
  kit::Label Label4{Picture1, "Label4"};
  kit::TextBox Text4{*this, "Text4"};

  double jiaodu = 0;  // force angle in radians from the ground direction, positive upwards
  int ss = 0;         // clock ticks in the last clock field
  double n = 0;       // presses of the start button since the window opened
  float tau = 0;      // motion time of the run, kept between motion ticks

 private:
  void describeWindow();
  void describeSurface();
  void connectHandlers();
  // Press and drag share the aim: the force turned to jiaodu, the cart back at the start.
  void aimForce();
  void resetForce();
  void markAngle(float y);
  void showReferenceLine();
  void endRun();
  std::string resultLine() const;
};

}  // namespace vecintro

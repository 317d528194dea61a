// The multiple λa: reading λ from the box, the growth and blink of λa, the projections of A
// and M onto the axes, and the formula picture.
#include <cfloat>
#include <cmath>

#include "form2.h"
#include "kit/arrow.h"
#include "kit/numeric.h"
#include "kit/numtext.h"

namespace vecscale {

namespace {
constexpr int kEnter = 13;
constexpr int kGrowthTicks = 100;
constexpr int kBlinkTicks = 4;
constexpr int kProjectionTicks = 100;
const char* const kNotReady = "请在做完向量后，再点击此按钮";
}  // namespace

bool Form2::refuseHugeMultiple(double multiple) {
  const double mx = double(Line1.X2) * multiple, my = double(Line1.Y2) * multiple;
  if (std::isfinite(multiple) && std::abs(mx) <= FLT_MAX && std::abs(my) <= FLT_MAX) return false;
  MsgBox("倍数太大，请输入较小的数");
  return true;
}

void Form2::Command1_Click() {
  const std::optional<double> multiple = kit::toNumber(Text1.Text());
  if (multiple && refuseHugeMultiple(*multiple)) return;  // nothing changes for such a λ

  Line7.place(0, 0, 0, 0);
  Label3.Visible = false;
  for (kit::Line* line : {&Line18, &Line19, &Line20, &Line21}) line->Visible = false;
  if (multiple) {
    beishu = *multiple;
    Timer6.setEnabled(true);
  } else if (!Text1.Text().empty()) {
    Text1.setText("");
    MsgBox("上面空格只能输入数字");
  } else {
    beishu = 0;
    Timer6.setEnabled(true);
  }
}

void Form2::Text1_KeyDown(int keyCode) {
  if (keyCode != kEnter) return;
  // Enter presses the button, which reads the box itself; only a text that is no number gets
  // a message of its own.
  if (!Text1.Text().empty() && !kit::isNumeric(Text1.Text())) {
    Text1.setText("");
    MsgBox("只能输入数字");
    return;
  }
  Command1_Click();
}

void Form2::Text1_Change() {
  if (kit::isNumeric(Text1.Text())) {
    Command1.Caption = "作" + Text1.Text() + "倍向量";
  } else if (!Text1.Text().empty()) {
    Text1.setText("");
  } else {
    Command1.Caption = std::string("作") + "0" + "倍向量";
  }
}

kit::GrowThenBlink Form2::multipleArrow() {
  return {Line7, Line8, Line9, Timer6, Timer7, count6, count7, kGrowthTicks, kBlinkTicks};
}

void Form2::Timer6_Timer() {
  const double dx = double(Line1.X2) * beishu / kGrowthTicks;
  const double dy = double(Line1.Y2) * beishu / kGrowthTicks;
  multipleArrow().growStep(dx, dy);
  Label3.Left = Line7.X2;
  Label3.Top = Line7.Y2;
  Label3.Visible = true;
  Label3.Caption = "M";
  Label9.Left = Line7.X2 / 2.0;
  Label9.Top = Line7.Y2 / 2.0;
  Label9.Caption = kit::fullText(beishu) + "a";
  Label9.Visible = true;
  Line7.Visible = Line8.Visible = Line9.Visible = true;  // again, should a press have hidden it
  kit::headAtTip(Line7, Line8, Line9, kHead);
}

void Form2::Timer7_Timer() {
  const double mx = double(Line1.X2) * beishu, my = double(Line1.Y2) * beishu;
  multipleArrow().blinkStep(mx, my);
  Label3.Caption = "M(" + kit::shortText(mx) + "," + kit::shortText(my) + ")";
  kit::headAtTip(Line7, Line8, Line9, kHead);
}

void Form2::Command2_Click() {
  if (!Line7.Visible || Timer7.Enabled()) {
    MsgBox(kNotReady);
    return;
  }
  Line18.place(Line1.X2, Line1.Y2, Line1.X2, Line1.Y2);
  Line19.place(Line7.X2, Line7.Y2, Line7.X2, Line7.Y2);
  Line18.Visible = Line19.Visible = true;
  Label5.Caption = kit::fullText(float(Line1.X2));
  Label4.Caption = kit::fullText(float(Line7.X2));
  Timer8.setEnabled(true);
}

void Form2::Timer8_Timer() {
  ++count8;
  Line18.Y2 = Line18.Y2 - Line1.Y2 / double(kProjectionTicks);
  Line19.Y2 = Line19.Y2 - Line7.Y2 / double(kProjectionTicks);
  if (count8 == kProjectionTicks) {
    Timer8.setEnabled(false);
    Label5.Left = Line1.X2 - 0.1;
    Label4.Left = Line7.X2 - 0.1;
    Label5.Top = Label4.Top = -0.5;
    Label4.Visible = Label5.Visible = true;
    count8 = 0;
  }
  Line19.Visible = Line18.Visible = true;
}

void Form2::Command3_Click() {
  if (!Line7.Visible || Timer7.Enabled()) {
    MsgBox(kNotReady);
    return;
  }
  Line20.place(Line1.X2, Line1.Y2, Line1.X2, Line1.Y2);
  Line21.place(Line7.X2, Line7.Y2, Line7.X2, Line7.Y2);
  Line20.Visible = Line21.Visible = true;
  Label6.Caption = kit::fullText(float(Line7.Y2));
  Label7.Caption = kit::fullText(float(Line1.Y2));
  Timer9.setEnabled(true);
}

void Form2::Timer9_Timer() {
  ++count9;
  Line20.X2 = Line20.X2 - Line1.X2 / double(kProjectionTicks);
  Line21.X2 = Line21.X2 - Line7.X2 / double(kProjectionTicks);
  if (count9 == kProjectionTicks) {
    Timer9.setEnabled(false);
    Label6.Top = Line7.Y2 + 0.2;
    Label7.Top = Line1.Y2 + 0.2;
    Label6.Left = Label7.Left = -0.7;
    Label6.Visible = Label7.Visible = true;
    count9 = 0;
  }
  Line20.Visible = Line21.Visible = true;
}

void Form2::Command4_Click() {
  Image1.Visible = !Image1.Visible;
}

}  // namespace vecscale

// Reading the sum off the axes: dotted perpendiculars drop from A and M onto the x axis (from
// B and M onto the y axis), then once a second the axis shows either the two components of a
// and b stacked one after the other or the single component of M, each with its value, until
// the surface is pressed. And the formula picture with its hint, shown and hidden in turn.
#include "form1.h"
#include "kit/numtext.h"

namespace veccoord {

namespace {
constexpr int kSteps = 120;
constexpr float kStepsF = 120.0f;
constexpr int kPictures = 4;  // the alternation counts 1 … 4 and starts again
constexpr float kLabelsLeftOfYAxis = -1.5f;
constexpr float kLabelsBelowXAxis = -0.5f;
const char* const kSumFirst = "请在做完和向量后，再点击此按钮";
const char* const kHint =
    "提示：在左侧窗口向量终点处，按住鼠标左键并拖动，可以改变向量位置,并重新演示.";
}  // namespace

bool Form1::refuseBeforeSum() {
  if (Line7.Visible && !Timer6.Enabled()) return false;
  MsgBox(kSumFirst);
  return true;
}

void Form1::Command4_Click() {
  if (refuseBeforeSum()) return;
  Line18.place(Line4.X2, Line4.Y2, Line4.X2, Line4.Y2);
  Line19.place(Line7.X2, Line7.Y2, Line7.X2, Line7.Y2);
  Timer8.setEnabled(true);
}

void Form1::Timer8_Timer() {
  ++count8;
  Line18.Y2 = Line18.Y2 - Line4.Y2 / kStepsF;
  Line19.Y2 = Line19.Y2 - Line7.Y2 / kStepsF;
  if (count8 == kSteps) {
    Timer8.setEnabled(false);
    Timer9.setEnabled(true);
    count8 = 0;
  }
  Line19.Visible = Line18.Visible = true;
}

void Form1::Timer9_Timer() {
  ++count9;
  const float x1 = Line4.X2, x2 = Line1.X2, mx = Line7.X2;
  Line16.place(x1, 0, mx, 0);
  Line17.place(0, 0, x1, 0);
  Line22.place(0, 0, mx, 0);
  Label4.Top = kLabelsBelowXAxis;
  Label4.Left = x2 / 2 + x1;
  Label5.Top = kLabelsBelowXAxis;
  Label5.Left = x1 / 2;
  Label6.Top = kLabelsBelowXAxis;
  Label6.Left = (Label5.Left + Label4.Left) / 2;
  Label4.Caption = "X2=" + kit::shortText(x2);
  Label5.Caption = "X1=" + kit::shortText(x1);
  Label6.Caption = "X=" + kit::shortText(mx);
  const bool components = count9 % 2 == 0;
  Line16.Visible = Line17.Visible = Label4.Visible = Label5.Visible = components;
  Line22.Visible = Label6.Visible = !components;
  if (count9 == kPictures) count9 = 0;
}

void Form1::Command5_Click() {
  if (refuseBeforeSum()) return;
  Line20.place(Line1.X2, Line1.Y2, Line1.X2, Line1.Y2);
  Line21.place(Line7.X2, Line7.Y2, Line7.X2, Line7.Y2);
  Timer10.setEnabled(true);
}

void Form1::Timer10_Timer() {
  ++count10;
  Line20.X2 = Line20.X2 - Line1.X2 / kStepsF;
  Line21.X2 = Line21.X2 - Line7.X2 / kStepsF;
  if (count10 == kSteps) {
    Timer10.setEnabled(false);
    Timer11.setEnabled(true);
    count10 = 0;
  }
  Line20.Visible = Line21.Visible = true;
}

void Form1::Timer11_Timer() {
  ++count11;
  const float y1 = Line4.Y2, y2 = Line1.Y2, my = Line7.Y2;
  Line25.place(0, 0, 0, y2);
  Line24.place(0, y2, 0, my);
  Line23.place(0, 0, 0, my);
  Label9.Top = y2 / 2;
  Label9.Left = kLabelsLeftOfYAxis;
  Label8.Top = (my - y2) / 2 + y2;
  Label8.Left = kLabelsLeftOfYAxis;
  Label7.Top = (Label9.Top + Label8.Top) / 2;
  Label7.Left = kLabelsLeftOfYAxis;
  const bool components = count11 % 2 == 0;
  Line24.Visible = Line25.Visible = Label8.Visible = Label9.Visible = components;
  Line23.Visible = Label7.Visible = !components;
  Label8.Caption = "Y1=" + kit::shortText(y1);
  Label9.Caption = "Y2=" + kit::shortText(y2);
  Label7.Caption = "Y=" + kit::shortText(my);
  if (count11 == kPictures) count11 = 0;
}

void Form1::Command6_Click() {
  if (!Image1.Visible) {
    Image1.Visible = Label10.Visible = true;
    Command6.Caption = "5.隐藏公式";
    Text1.Visible = true;
    Text1.setText(kHint);
  } else {
    Image1.Visible = Label10.Visible = false;
    Command6.Caption = "5.显示公式";
    Text1.Visible = false;
  }
}

}  // namespace veccoord

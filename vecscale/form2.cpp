// The window description of the scalar-multiple lesson and its start-up.
#include "form2.h"

#include "kit/arrow.h"
#include "kit/axes.h"
#include "kit/design.h"
#include "kit/numtext.h"

namespace vecscale {

using kit::colors::kDarkBlue;
using kit::colors::kRed;

Form2::Form2() : kit::Form("用向量的坐标进行向量的线性运算", 9405, 7305) {
  describeWindow();
  describeSurface();
  connectHandlers();
  expose("beishu", beishu);
  expose("count6", count6);
  expose("count7", count7);
  expose("count8", count8);
  expose("count9", count9);
}

void Form2::describeWindow() {
  const kit::Font song12{kit::faces::kSong, 12};
  Picture1.font = {kit::faces::kSong, 9};
  Picture1.BackColor = kit::colors::kTitleBarText;

  Command1.rect = {7680, 1800, 1500, 450};
  Command1.Caption = "作3倍向量";
  Command1.font = song12;
  Command1.tabIndex = 1;
  Text1.rect = {8040, 960, 735, 495};
  Text1.setDesignText("3");
  Text1.font = {kit::faces::kSong, 21.75};
  Text1.tabIndex = 3;
  Frame1.rect = {7800, 720, 1215, 855};
  Frame1.Caption = "模的倍数：";
  Frame1.font = {kit::faces::kSong, 10.5};
  Frame1.tabIndex = 4;
  Command2.rect = {7680, 2460, 1500, 450};
  Command2.Caption = "显示横坐标";
  Command2.font = song12;
  Command2.tabIndex = 6;
  Command3.rect = {7680, 3120, 1500, 450};
  Command3.Caption = "显示纵坐标";
  Command3.font = song12;
  Command3.tabIndex = 7;
  Command4.rect = {7680, 3720, 1500, 450};
  Command4.Caption = "显示公式";
  Command4.font = song12;
  Command4.tabIndex = 15;
  kit::describePicture(Image1, ":/vecscale/formula.png", 2400, 6120, 220, 80, false);
}

void Form2::describeSurface() {
  for (kit::Line* line : {&Line1, &Line2, &Line3}) {
    line->width = 2;
    line->color = kit::colors::kHighlight;
  }
  Line1.place(3000, 3960, 5280, 2520);
  Line2.place(3840, 2520, 4680, 2520);
  Line3.place(5280, 2880, 4680, 3840);
  for (kit::Line* line : {&Line7, &Line8, &Line9}) line->color = kRed;
  Line7.place(3840, 1800, 5040, 1200);
  Line8.place(4680, 1080, 5040, 1200);
  Line9.place(5040, 1320, 4800, 1560);
  for (kit::Line* line : {&Line18, &Line19, &Line20, &Line21}) line->dotted = true;
  Line18.place(4320, 3960, 4320, 5040);
  Line19.place(4920, 3960, 4920, 5040);
  Line20.place(5400, 3960, 5400, 5160);
  Line21.place(6000, 3960, 6000, 5280);

  const kit::Font small{kit::faces::kTimes, 12, true}, large{kit::faces::kTimes, 15, true};
  kit::describeLabel(Label1, "A", small, kDarkBlue, 5520, 2280, true);
  kit::describeLabel(Label8, "a", large, kDarkBlue, 3720, 480, false);
  kit::describeLabel(Label3, "M", small, kRed, 5400, 1080, false);
  kit::describeLabel(Label9, "M", large, kRed, 4680, 240, false);
  kit::describeLabel(Label5, "A", small, kDarkBlue, 3240, 5040, false);
  kit::describeLabel(Label4, "M", small, kRed, 5160, 5040, false);
  kit::describeLabel(Label7, "A", small, kDarkBlue, 360, 1560, false);
  kit::describeLabel(Label6, "M", small, kRed, 1440, 480, false);
}

void Form2::connectHandlers() {
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer6.onTick = [this] { Timer6_Timer(); };
  Timer7.onTick = [this] { Timer7_Timer(); };
  Timer8.onTick = [this] { Timer8_Timer(); };
  Timer9.onTick = [this] { Timer9_Timer(); };
  Picture1.onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
  Picture1.onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Text1.onChange = [this] { Text1_Change(); };
  Text1.onKeyDown = [this](int code) { Text1_KeyDown(code); };
}

void Form2::Form_Load() {
  Picture1.Scale(-2, 10, 13, -2);
  beishu = 3;
}

void Form2::Timer1_Timer() {
  kit::drawCoordinateAxes(Picture1);
  Line1.place(0, 0, 3, 2);
  Label8.Left = 3.0 / 2;
  Label8.Top = 2.0 / 2;
  Label8.Visible = true;
  Line1.Visible = Line2.Visible = Line3.Visible = true;
  Label1.Left = Line1.X2 - 0.4;  // up and to the left of A
  Label1.Top = Line1.Y2 + 0.4;
  kit::headAtTip(Line1, Line2, Line3, kHead);
  Label1.Caption = kit::pointCaption("A", Line1.X2, Line1.Y2);
  Timer1.setEnabled(false);
}

}  // namespace vecscale

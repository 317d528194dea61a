// The window description of the coordinate lesson and its start-up.
#include "form1.h"

#include "kit/arrow.h"
#include "kit/axes.h"
#include "kit/design.h"

namespace veccoord {

using kit::colors::kDarkBlue;
using kit::colors::kRed;

namespace {
constexpr kit::Color kBlue = 0xFF0000;
constexpr kit::Color kMagenta = 0xFF00FF;
}  // namespace

Form1::Form1() : kit::Form("用向量的坐标进行向量的线性运算", 9015, 7440) {
  describeWindow();
  describeSurface();
  connectHandlers();
  expose("aa", aa);
  expose("bb", bb);
  expose("cc", cc);
  for (const auto& [name, counter] : {std::pair{"count2", &count2},
                                      {"count3", &count3},
                                      {"count4", &count4},
                                      {"count5", &count5},
                                      {"count6", &count6},
                                      {"count7", &count7},
                                      {"count8", &count8},
                                      {"count9", &count9},
                                      {"count10", &count10},
                                      {"count11", &count11}})
    expose(name, *counter);
  expose("angle2", angle2);
  expose("angle4", angle4);
}

void Form1::describeWindow() {
  Picture1.BackColor = kit::colors::kMenu;
  Picture1.font = font;

  struct ButtonDesign {
    kit::Button& button;
    double left, top, width, height;
    const char* caption;
    int tabIndex;
  };
  const ButtonDesign buttons[] = {
      {Command1, 7680, 240, 1250, 500, "1.向量平移", 4},
      {Command3, 7680, 930, 1250, 500, "2.作和向量", 6},
      {Command4, 7680, 1620, 1250, 500, "3.横坐标分解", 7},
      {Command5, 7680, 2310, 1250, 500, "4.纵坐标分解", 11},
      {Command6, 7680, 3000, 1250, 500, "5.显示公式", 17},
      {Command2, 7680, 7680, 975, 495, "Command2", 5},
  };
  for (const ButtonDesign& design : buttons) {
    design.button.rect = {design.left, design.top, design.width, design.height};
    design.button.Caption = design.caption;
    design.button.font = font;
    design.button.tabIndex = design.tabIndex;
  }
  Command2.Visible = false;  // pressed only by the program, between the two translations

  Text1.rect = {7680, 3720, 1335, 2295};
  Text1.setDesignText("Text1");
  Text1.font = {kit::faces::kKai, 12};
  Text1.multiLine = true;
  Text1.wordWrap = true;
  Text1.readOnly = true;  // a hint: typing in it would not be kept
  Text1.tabIndex = 16;
  Text1.Visible = false;

  Label10.Caption = "公式：";
  Label10.font = {kit::faces::kKai, 18, true};
  Label10.Left = 1080;
  Label10.Top = 6360;
  Label10.Visible = false;
  Image1.picture = ":/veccoord/formula.png";
  Image1.Left = 2040;
  Image1.Top = 6120;
  Image1.widthTwips = 4560;
  Image1.heightTwips = 1275;
  Image1.Visible = false;
}

void Form1::describeSurface() {
  struct LineDesign {
    kit::Line& line;
    kit::Color color;
    int width;
    bool visible;
    double x1, y1, x2, y2;
  };
  const LineDesign lines[] = {
      {Line1, kBlue, 1, true, 1200, 4920, 2400, 3480},
      {Line2, kBlue, 1, true, 2400, 3480, 1920, 3480},
      {Line3, kBlue, 1, true, 2400, 3960, 2400, 3480},
      {Line4, kMagenta, 1, true, 1440, 5280, 4080, 4560},
      {Line5, kMagenta, 1, true, 3720, 4200, 4080, 4320},
      {Line6, kMagenta, 1, true, 3960, 4920, 4200, 4680},
      {Line7, kRed, 1, false, 5160, 3360, 6360, 2760},
      {Line8, kRed, 1, false, 6000, 2640, 6360, 2760},
      {Line9, kRed, 1, false, 6360, 2880, 6120, 3120},
      {Line10, kBlue, 1, false, 960, 1320, 1920, 720},
      {Line11, kBlue, 1, false, 1920, 720, 1440, 720},
      {Line12, kBlue, 1, false, 1680, 1080, 1920, 720},
      {Line13, kMagenta, 1, false, 3120, 1920, 5040, 840},
      {Line14, kMagenta, 1, false, 4560, 720, 4920, 840},
      {Line15, kMagenta, 1, false, 4800, 1200, 5040, 840},
      {Line16, kBlue, 2, false, 5400, 1680, 6600, 240},
      {Line17, kMagenta, 2, false, 5280, 1800, 7920, 1080},
      {Line22, kRed, 2, false, 5760, 1680, 7200, 1680},
      {Line25, kBlue, 2, false, 5280, 4800, 6480, 3360},
      {Line24, kMagenta, 2, false, 5160, 4800, 7800, 4080},
      {Line23, kRed, 2, false, 5640, 4800, 7080, 4800},
      {Line18, kit::colors::kBlack, 1, false, 6840, 360, 6840, 1080},
      {Line19, kit::colors::kBlack, 1, false, 7080, 360, 7080, 1200},
      {Line20, kit::colors::kBlack, 1, false, 7200, 360, 7200, 1080},
      {Line21, kit::colors::kBlack, 1, false, 7320, 360, 7320, 1080},
  };
  for (const LineDesign& design : lines) {
    design.line.color = design.color;
    design.line.width = design.width;
    design.line.Visible = design.visible;
    design.line.place(design.x1, design.y1, design.x2, design.y2);
  }
  for (kit::Line* line : {&Line18, &Line19, &Line20, &Line21}) line->dotted = true;

  const kit::Font small{kit::faces::kTimes, 12, true}, large{kit::faces::kTimes, 14.25, true};
  kit::describeLabel(Label1, "A", small, kDarkBlue, 1560, 2280, true);
  kit::describeLabel(Label2, "P", small, kMagenta, 5400, 3960, true);
  kit::describeLabel(Label3, "M", small, kRed, 6720, 2640, false);
  kit::describeLabel(Label12, "a", large, kMagenta, 1920, 0, true);
  kit::describeLabel(Label13, "b", large, kDarkBlue, 600, 0, true);
  kit::describeLabel(Label11, "a+b", large, kRed, 2640, 0, false);
  kit::describeLabel(Label5, "P", small, kMagenta, 3600, 5520, false);
  kit::describeLabel(Label4, "A", small, kDarkBlue, 1200, 5520, false);
  kit::describeLabel(Label6, "M", small, kRed, 5880, 5520, false);
  kit::describeLabel(Label8, "P", small, kMagenta, 6960, 5280, false);
  kit::describeLabel(Label9, "A", small, kDarkBlue, 6600, 5280, false);
  kit::describeLabel(Label7, "M", small, kRed, 7080, 5280, false);
}

void Form1::connectHandlers() {
  Picture1.onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
  Picture1.onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  Timer6.onTick = [this] { Timer6_Timer(); };
  Timer7.onTick = [this] { Timer7_Timer(); };
  Timer8.onTick = [this] { Timer8_Timer(); };
  Timer9.onTick = [this] { Timer9_Timer(); };
  Timer10.onTick = [this] { Timer10_Timer(); };
  Timer11.onTick = [this] { Timer11_Timer(); };
}

void Form1::Form_Load() {
  Picture1.Scale(-2, 10, 13, -2);
}

void Form1::Timer1_Timer() {
  kit::drawCoordinateAxes(Picture1);

  Line1.place(0, 0, 3, 5);       // b = (3, 5)
  Line4.place(0, 0, 6, 2);       // a = (6, 2)
  Label1.Left = Line1.X2 - 0.4;  // up and to the left of B
  Label1.Top = Line1.Y2 + 0.4;
  Label2.Left = Line4.X2;  // just below A
  Label2.Top = Line4.Y2 - 0.2;
  kit::headAtTip(Line1, Line2, Line3, kHead);
  kit::headAtTip(Line4, Line5, Line6, kHead);
  refreshLetters();
  Timer1.setEnabled(false);
}

}  // namespace veccoord

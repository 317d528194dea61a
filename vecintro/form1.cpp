// The window description of the cart lesson and its start-up.
#include "form1.h"

namespace vecintro {

using kit::colors::kRed;

namespace {
const char* const kHint =
    "提示：用鼠标左键在窗口空白处点击或拖动，\r\n"
    "可以使小车复位，并改变拉力方向，再试一次";
constexpr double kSurfaceBorderTwips = 2 * kit::kTwipsPerPixel;
}  // namespace

Form1::Form1() : kit::Form("向量导入", 9585, 3135) {
  describeWindow();
  describeSurface();
  connectHandlers();
  expose("jiaodu", jiaodu);
  expose("ss", ss);
  expose("n", n);
  expose("tau", tau);
}

void Form1::describeWindow() {
  // Result lines are written in red on the window itself, below the surface.
  BackColor = kit::colors::kTitleBarText;
  font = {kit::faces::kSong, 10.5};
  window().BackColor = BackColor;
  window().font = font;
  window().ForeColor = kRed;

  Command1.rect = {120, 240, 855, 375};
  Command1.Caption = "启  动";
  Command1.font = {kit::faces::kSong, 9};
  Command1.tabIndex = 1;

  struct ClockField {
    kit::TextBox& box;
    const char* text;
    double left, width;
    int tabIndex;
  };
  const ClockField clock[] = {
      {Text3, "00:", 7920, 495, 4}, {Text2, "00", 8415, 375, 2}, {Text1, ":00", 8760, 735, 3}};
  for (const ClockField& field : clock) {
    field.box.rect = {field.left, 240, field.width, 495};
    field.box.setDesignText(field.text);
    field.box.font = {kit::faces::kSong, 15.75};
    field.box.BackColor = kit::colors::kWhite;
    field.box.ForeColor = kRed;
    field.box.tabIndex = field.tabIndex;
    field.box.readOnly = true;  // a clock: the ticks write it, the pupil only reads it
    // Read as one time, not as three boxes.
    field.box.readingLead = "用时";
  }

  // The hint lies on the surface, at (2040, 120) inside its border.
  Text4.rect = {2040 + kSurfaceBorderTwips, 120 + kSurfaceBorderTwips, 4935, 495};
  Text4.setDesignText(kHint);
  Text4.font = {kit::faces::kKai, 12};
  Text4.multiLine = true;
  Text4.readOnly = true;  // a fixed hint: typing in it would not be kept
  Text4.border = false;
  Text4.tabIndex = 8;
  Text4.Visible = false;
}

void Form1::describeSurface() {
  Picture1.BackColor = kit::colors::kTitleBarText;
  Picture1.font = {kit::faces::kSong, 9};

  Image2.picture = ":/vecintro/cart.png";
  Image2.Left = 0;
  Image2.Top = 1560;
  Image2.widthTwips = 80 * kit::kTwipsPerPixel;
  Image2.heightTwips = 61 * kit::kTwipsPerPixel;
  Image1.picture = ":/vecintro/ground.png";
  Image1.Left = 0;
  Image1.Top = 2475;
  Image1.widthTwips = 692 * kit::kTwipsPerPixel;
  Image1.heightTwips = 41 * kit::kTwipsPerPixel;

  Line1.place(kHookX, kHookY, 2640, kHookY);
  Line2.place(2680, 1805, 2520, 1725);
  Line3.place(2680, kHookY, 2520, 1880);
  for (kit::Line* line : {&Line1, &Line2, &Line3}) {
    line->color = kRed;
    line->Visible = true;
  }
  Line4.place(kHookX, kHookY, 2520, kHookY);
  Line4.dotted = true;
  Line4.Visible = false;

  Label4.Caption = "F=100N";
  Label4.Left = kForceLabelLeft;
  Label4.Top = kForceLabelTop;
  Label4.font = {kit::faces::kSong, 9};
  Label4.color = kit::colors::kWindowText;
}

void Form1::connectHandlers() {
  Picture1.onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
  Picture1.onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
  Picture1.onClick = [this] { Picture1_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
}

void Form1::Form_Load() {
  jiaodu = 0;
}

}  // namespace vecintro

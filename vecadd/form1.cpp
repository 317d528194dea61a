// The window description of the addition lesson and its start-up.
#include "form1.h"

#include "kit/design.h"

namespace vecadd {

namespace {
// The hint beside the surface, one short line per row of the narrow box.
const char* const kHint =
    "在向量的一\r\n"
    "个端点附近,\r\n"
    "用左键点击\r\n"
    "并拖动鼠标\r\n"
    "，可以改变\r\n"
    "该端点位置\r\n"
    "，然后点击\r\n"
    "“作和向量\r\n"
    "”按钮。\r\n";
}  // namespace

Form1::Form1() : kit::Form("向量加法", 7650, 6285) {
  describeWindow();
  describeSurface();
  connectHandlers();
  expose("aa", aa);
  expose("bb", bb);
  expose("cc", cc);
  expose("jiao", jiao);
  expose("s1", s1);
  expose("s2", s2);
  expose("s3", s3);
  expose("s4", s4);
  expose("n", n);
  expose("k", k);
}

void Form1::describeWindow() {
  BackColor = kit::colors::kInactiveBorder;
  window().BackColor = BackColor;
  Picture1.BackColor = kit::colors::kTitleBarText;

  Command1.rect = {6240, 480, 1335, 495};
  Command1.Caption = "向量加法演示";
  Command1.tabIndex = 1;
  Command2.rect = {6240, 1440, 1335, 495};
  Command2.Caption = "作和向量";
  Command2.tabIndex = 5;
  Command2.Visible = false;
  Text1.rect = {6240, 2160, 1335, 2175};
  Text1.font = {kit::faces::kKai, 12};
  Text1.multiLine = true;
  Text1.readOnly = true;  // a fixed hint: typing in it would not be kept
  Text1.tabIndex = 9;
  Text1.Visible = false;
  Text1.setDesignText(kHint);
}

void Form1::describeSurface() {
  using kit::colors::kBlack;
  const kit::Font song{kit::faces::kSong, 14.25};
  const kit::Font times{kit::faces::kTimes, 14.25, true};
  kit::describeLabel(Label1, "A", song, kBlack, 600, 1080, false);
  kit::describeLabel(Label2, "B", song, kBlack, 600, 4680, false);
  kit::describeLabel(Label3, "C", song, kBlack, 4440, 4440, false);
  kit::describeLabel(Label4, "a", times, kBlack, 720, 2280, false);
  kit::describeLabel(Label5, "b", times, kBlack, 2640, 4200, false);
  kit::describeLabel(Label6, "a+b", times, kBlack, 2760, 2040, false);

  Line1.place(885, 1080, 885, 4080);
  Line2.place(840, 4080, 720, 3840);
  Line3.place(840, 4080, 960, 3840);
  Line4.place(840, 4080, 4560, 4080);
  Line5.place(4560, 4080, 4320, 3960);
  Line6.place(4560, 4080, 4320, 4200);
  Line7.place(1320, 1200, 3720, 3240);
  Line8.place(3720, 3240, 3480, 3120);
  Line9.place(3720, 3240, 3600, 3000);
  for (kit::Line* line : {&Line7, &Line8, &Line9}) line->color = kit::colors::kRed;

  kit::describePicture(Image1, ":/vecadd/house.png", 360, 120, 76, 58, true);
  kit::describePicture(Image2, ":/vecadd/shop.png", 360, 5040, 71, 71, true);
  kit::describePicture(Image3, ":/vecadd/school.png", 4680, 3840, 81, 66, true);
  kit::describePicture(Image4, ":/vecadd/walker.png", 480, 120, 55, 57, true);
  kit::describePicture(Image5, ":/vecadd/walker.png", 1200, 120, 55, 57, false);

  kit::describeMark(Shape1, 840, 1080, 100, kit::colors::kRed);
  kit::describeMark(Shape2, 840, 4800, 105, kit::colors::kRed);
  kit::describeMark(Shape3, 4560, 4200, 105, kit::colors::kRed);
}

void Form1::connectHandlers() {
  Picture1.onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
  Picture1.onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
}

void Form1::Form_Load() {
  Picture1.Scale(0, 1000, 1000, 0);
}

}  // namespace vecadd

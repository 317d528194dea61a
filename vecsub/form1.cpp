// The window description of the subtraction lesson and its start-up.
#include "form1.h"

#include "kit/design.h"

namespace vecsub {

namespace {
// The hint beside the surface, one short line per row of the narrow box.
const char* const kHint =
    "在左侧窗中\r\n"
    "，用左键在\r\n"
    "向量的一个\r\n"
    "端点附近点\r\n"
    "击并拖动鼠\r\n"
    "标，可以改\r\n"
    "变该端点位\r\n"
    "置，然后点\r\n"
    "击按钮可以\r\n"
    "做差向量。\r\n";
}  // namespace

Form1::Form1() : kit::Form("向量的减法 ", 7620, 6285) {
  describeWindow();
  describeSurface();
  connectHandlers();
  expose("aa", aa);
  expose("bb", bb);
  expose("cc", cc);
  expose("jiao", jiao);
  expose("count1", count1);
  expose("count2", count2);
  expose("count4", count4);
  expose("count5", count5);
}

void Form1::describeWindow() {
  BackColor = kit::colors::kInactiveBorder;
  window().BackColor = BackColor;
  Picture1.BackColor = kit::colors::kTitleBarText;

  const kit::Font times{kit::faces::kTimes, 10.5};
  Command1.rect = {6240, 480, 1335, 495};
  Command1.Caption = "作a-b";
  Command1.font = times;
  Command1.tabIndex = 1;
  Command2.rect = {6240, 1440, 1335, 495};
  Command2.Caption = "作 b-a";
  Command2.font = times;
  Command2.tabIndex = 5;
  Frame1.rect = {6120, 2280, 1455, 2775};
  Frame1.Caption = "提示：";
  Frame1.tabIndex = 11;
  Text1.rect = {6240, 2520, 1215, 2415};
  Text1.font = {kit::faces::kKai, 12};
  Text1.multiLine = true;
  Text1.readOnly = true;  // a fixed hint: nothing reads what is typed there
  Text1.tabIndex = 9;
  Text1.setDesignText(kHint);
}

void Form1::describeSurface() {
  // Positions are in twips from the surface's inner corner until Form_Load sets its units.
  Line1.place(840, 4080, 2280, 1800);
  Line2.place(2280, 1800, 2100, 1880);
  Line3.place(2280, 1800, 2280, 2000);
  Line4.place(840, 4080, 4560, 4080);
  Line5.place(4560, 4080, 4380, 4000);
  Line6.place(4560, 4080, 4380, 4170);
  Line7.place(1800, 960, 4200, 3000);
  Line8.place(3720, 3240, 3480, 3120);
  Line9.place(3720, 3240, 3600, 3000);
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6})
    line->color = kit::colors::kWindowText;
  for (kit::Line* line : {&Line7, &Line8, &Line9}) line->color = kit::colors::kRed;

  using kit::colors::kWindowText;
  const kit::Font song{kit::faces::kSong, 14.25};
  const kit::Font songBold{kit::faces::kSong, 14.25, true};
  const kit::Font times{kit::faces::kTimes, 14.25, true};
  kit::describeLabel(Label1, "A", song, kWindowText, 1920, 1560, false);
  kit::describeLabel(Label2, "O", song, kWindowText, 720, 4200, false);
  kit::describeLabel(Label3, "B", song, kWindowText, 4320, 4200, false);
  kit::describeLabel(Label4, "a", times, kWindowText, 1440, 2640, false);
  kit::describeLabel(Label5, "b", times, kWindowText, 2760, 4080, false);
  kit::describeLabel(Label6, "b-a", songBold, kWindowText, 3360, 1200, false);
  kit::describeLabel(Label7, "a-b", songBold, kWindowText, 4200, 3000, false);

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
  Timer4.onTick = [this] { Timer4_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
}

void Form1::Form_Load() {
  Picture1.Scale(0, 1000, 1000, 0);
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->Visible = true;
  Line7.Visible = Line8.Visible = Line9.Visible = false;
  for (kit::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5}) label->Visible = true;
  Label6.Visible = false;
}

}  // namespace vecsub

// The window description of the addition lesson and its start-up.
#include "form1.h"

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
  struct LabelDesign {
    kit::Label& label;
    const char* caption;
    kit::Font font;
    double left, top;
  };
  const kit::Font song{kit::faces::kSong, 14.25};
  const kit::Font times{kit::faces::kTimes, 14.25, true};
  const LabelDesign labels[] = {
      {Label1, "A", song, 600, 1080},   {Label2, "B", song, 600, 4680},
      {Label3, "C", song, 4440, 4440},  {Label4, "a", times, 720, 2280},
      {Label5, "b", times, 2640, 4200}, {Label6, "a+b", times, 2760, 2040},
  };
  for (const LabelDesign& design : labels) {
    design.label.Caption = design.caption;
    design.label.font = design.font;
    design.label.Left = design.left;
    design.label.Top = design.top;
    design.label.Visible = false;
  }

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

  struct PictureDesign {
    kit::Image& image;
    const char* picture;
    double left, top;
    int widthPixels, heightPixels;
    bool visible;
  };
  const PictureDesign pictures[] = {
      {Image1, ":/vecadd/house.png", 360, 120, 76, 58, true},
      {Image2, ":/vecadd/shop.png", 360, 5040, 71, 71, true},
      {Image3, ":/vecadd/school.png", 4680, 3840, 81, 66, true},
      {Image4, ":/vecadd/walker.png", 480, 120, 55, 57, true},
      {Image5, ":/vecadd/walker.png", 1200, 120, 55, 57, false},
  };
  for (const PictureDesign& design : pictures) {
    design.image.picture = design.picture;
    design.image.Left = design.left;
    design.image.Top = design.top;
    design.image.widthTwips = design.widthPixels * kit::kTwipsPerPixel;
    design.image.heightTwips = design.heightPixels * kit::kTwipsPerPixel;
    design.image.Visible = design.visible;
  }

  struct MarkDesign {
    kit::Shape& shape;
    double left, top, size;
  };
  const MarkDesign marks[] = {
      {Shape1, 840, 1080, 100}, {Shape2, 840, 4800, 105}, {Shape3, 4560, 4200, 105}};
  for (const MarkDesign& design : marks) {
    design.shape.Left = design.left;
    design.shape.Top = design.top;
    design.shape.widthTwips = design.shape.heightTwips = design.size;
    design.shape.fillColor = kit::colors::kRed;
    design.shape.circle = true;
    design.shape.Visible = false;
  }
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

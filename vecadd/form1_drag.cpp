// Reshaping the triangle: a press, or a move with the left button alone, takes the nearest of
// A, B and C to the pointer. Nothing is remembered between events, so the nearest point is
// chosen afresh every time, and a tie moves nothing.
#include "form1.h"
#include "kit/arrow.h"
#include "kit/pointer.h"

namespace vecadd {

namespace {
constexpr double kLetterOffset = 50;  // a point's letter hangs this far to its left
}  // namespace

bool Form1::canDrag() const {
  // There is a triangle to drag once the walk-through has shown a, and while it is not running.
  return Line1.Visible && !Timer1.Enabled() && !Timer2.Enabled() && !Timer3.Enabled();
}

void Form1::showEditingScene(bool press) {
  for (kit::Image* image : {&Image1, &Image2, &Image3, &Image4, &Image5}) image->Visible = false;
  for (kit::Shape* shape : {&Shape1, &Shape2, &Shape3}) shape->Visible = false;
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->Visible = true;
  if (press) Line7.Visible = Line8.Visible = Line9.Visible = false;
  for (kit::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5}) label->Visible = true;
  Label6.Visible = false;
}

void Form1::placeVectorLetters() {
  kit::placeVectorLetter(Label4, Line1);
  kit::placeVectorLetter(Label5, Line4);
}

void Form1::moveNearestPoint(float x, float y) {
  aa = kit::pointerDistance(x, y, Line1.X1, Line1.Y1);
  bb = kit::pointerDistance(x, y, Line1.X2, Line1.Y2);
  cc = kit::pointerDistance(x, y, Line4.X2, Line4.Y2);

  if (aa < bb && aa < cc) {
    Line1.X1 = x;
    Line1.Y1 = y;
    Label1.Visible = true;
    kit::placePointLetter(Label1, x, y, kLetterOffset);
    Line4.X1 = Line1.X2, Line4.Y1 = Line1.Y2;  // b keeps its tail on B
    kit::headAtTip(Line1, Line2, Line3, kHead);
  }
  if (bb < aa && bb < cc) {
    kit::moveTip(Line1, Line2, Line3, kHead, Label2, kLetterOffset, x, y);
    Line4.X1 = Line1.X2, Line4.Y1 = Line1.Y2;  // b's tail goes with B
    // The walk-through leaves b's head lines drawn from their far ends towards C; put their
    // start back on C before turning the head, or it would hang loose behind C.
    kit::headAtTip(Line4, Line5, Line6, kHead);
  }
  if (cc < aa && cc < bb) kit::moveTip(Line4, Line5, Line6, kHead, Label3, kLetterOffset, x, y);
}

void Form1::Picture1_MouseDown(int, int, float x, float y) {
  if (!canDrag()) return;
  showEditingScene(true);
  moveNearestPoint(x, y);
  placeVectorLetters();
}

void Form1::Picture1_MouseMove(int button, int, float x, float y) {
  if (button != kit::kLeftButton || !canDrag()) return;
  showEditingScene(false);
  // The letters of a and b trail their shafts by one move: they go where the shafts stood.
  placeVectorLetters();
  moveNearestPoint(x, y);
}

}  // namespace vecadd

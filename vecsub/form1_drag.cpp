// Reshaping a and b: a press, or a move with the left button alone, takes the nearest of O, A
// and B to the pointer. Nothing is remembered between events, so the nearest point is chosen
// afresh every time, and a tie moves nothing.
#include "form1.h"
#include "kit/arrow.h"
#include "kit/pointer.h"

namespace vecsub {

namespace {
constexpr double kLetterOffset = 50;  // a point's letter hangs this far to its left
}  // namespace

void Form1::showEditingScene(bool press) {
  for (kit::Shape* shape : {&Shape1, &Shape2, &Shape3}) shape->Visible = false;
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->Visible = true;
  Line7.Visible = Line8.Visible = Line9.Visible = false;
  for (kit::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5}) label->Visible = true;
  Label6.Visible = false;
  if (press) Label7.Visible = false;  // a drag step leaves "a-b" to the press
}

void Form1::placeVectorLetters() {
  kit::placeVectorLetter(Label4, Line1);
  kit::placeVectorLetter(Label5, Line4);
}

void Form1::moveNearestPoint(float x, float y) {
  aa = kit::pointerDistance(x, y, Line1.X2, Line1.Y2);
  bb = kit::pointerDistance(x, y, Line4.X1, Line4.Y1);
  cc = kit::pointerDistance(x, y, Line4.X2, Line4.Y2);

  if (aa < bb && aa < cc)
    kit::moveTip(Line1, Line2, Line3, kHead, Label1, kLetterOffset, x, y);  // A
  if (bb < aa && bb < cc) {  // O: the tail of both, which move together
    Line1.X1 = x;
    Line1.Y1 = y;
    Label2.Visible = true;
    kit::placePointLetter(Label2, x, y, kLetterOffset);
    Line4.X1 = Line1.X1;
    Line4.Y1 = Line1.Y1;
    kit::headAtTip(Line1, Line2, Line3, kHead);
    kit::SetArrowHead(Line4, Line5, Line6, kHead);
  }
  if (cc < aa && cc < bb)
    kit::moveTip(Line4, Line5, Line6, kHead, Label3, kLetterOffset, x, y);  // B
}

void Form1::Picture1_MouseDown(int, int, float x, float y) {
  showEditingScene(true);
  moveNearestPoint(x, y);
  placeVectorLetters();
}

void Form1::Picture1_MouseMove(int button, int, float x, float y) {
  if (button != kit::kLeftButton) return;
  showEditingScene(false);
  // The letters of a and b trail their shafts by one move: they go where the shafts stood.
  placeVectorLetters();
  moveNearestPoint(x, y);
}

}  // namespace vecsub

// Changing a and b with the mouse: a press, or a move with the left button alone, takes the
// nearer of the tips A and B to the pointer; a tie moves neither. A press also clears what
// the demonstrations left on the surface and stops the decompositions; the translation and
// the sum run on with the vectors as they are at each tick.
#include "form1.h"
#include "kit/arrow.h"
#include "kit/numtext.h"
#include "kit/pointer.h"

namespace veccoord {

namespace {
constexpr double kLetterOffset = 0.4;  // a moved tip's caption hangs this far to its left

}  // namespace

// The captions and the letters of a and b read the tips as they stand after the move: a
// caption that lagged one step behind its tip would teach a wrong reading of the coordinates.
void Form1::refreshLetters() {
  Label1.Caption = kit::pointCaption("B", Line1.X2, Line1.Y2);
  Label2.Caption = kit::pointCaption("A", Line4.X2, Line4.Y2);
  Label12.Left = Line4.X2 / 2.0;
  Label12.Top = Line4.Y2 / 2.0;
  Label13.Left = Line1.X2 / 2.0;
  Label13.Top = Line1.Y2 / 2.0;
}

void Form1::moveNearerTip(float x, float y) {
  aa = kit::pointerDistance(x, y, Line1.X2, Line1.Y2);
  bb = kit::pointerDistance(x, y, Line4.X2, Line4.Y2);
  if (aa < bb) kit::moveTip(Line1, Line2, Line3, kHead, Label1, kLetterOffset, x, y);
  if (bb < aa) kit::moveTip(Line4, Line5, Line6, kHead, Label2, kLetterOffset, x, y);
}

void Form1::Picture1_MouseDown(int, int, float x, float y) {
  for (kit::Timer* timer : {&Timer8, &Timer9, &Timer10, &Timer11}) timer->setEnabled(false);
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->Visible = true;
  for (kit::Line* line :
       {&Line7, &Line8, &Line9, &Line10, &Line11, &Line12, &Line13, &Line14, &Line15, &Line16,
        &Line17, &Line18, &Line19, &Line20, &Line21, &Line22, &Line23, &Line24, &Line25})
    line->Visible = false;
  Label1.Visible = Label2.Visible = true;
  for (kit::Label* label :
       {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label11})
    label->Visible = false;
  if (Label10.Visible) Command6_Click();  // takes the formula away
  moveNearerTip(x, y);
  refreshLetters();
}

void Form1::Picture1_MouseMove(int button, int, float x, float y) {
  if (button != kit::kLeftButton) return;
  for (kit::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6}) line->Visible = true;
  Line7.Visible = Line8.Visible = Line9.Visible = false;
  Label1.Visible = Label2.Visible = true;
  Label3.Visible = false;
  moveNearerTip(x, y);
  refreshLetters();
}

}  // namespace veccoord

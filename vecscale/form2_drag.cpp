// Placing the tip A with the mouse: a press puts it at the pointer, a drag with the left button
// alone carries it; either one clears the multiple and the projections.
#include "form2.h"
#include "kit/arrow.h"
#include "kit/numtext.h"
#include "kit/pointer.h"

namespace vecscale {

namespace {
constexpr double kLetterOffset = 0.4;  // the caption of A hangs this far to its left
}

void Form2::moveTip(float x, float y) {
  Label1.Caption = kit::pointCaption("A", x, y);
  kit::moveTip(Line1, Line2, Line3, kHead, Label1, kLetterOffset, x, y);
}

void Form2::showTipOnly(bool press) {
  Timer8.setEnabled(false);
  Timer9.setEnabled(false);
  Line1.Visible = Line2.Visible = Line3.Visible = true;
  for (kit::Line* line : {&Line7, &Line8, &Line9, &Line18, &Line19, &Line20, &Line21})
    line->Visible = false;
  Label1.Visible = true;
  for (kit::Label* label : {&Label3, &Label4, &Label5, &Label6, &Label7}) label->Visible = false;
  if (press) Label9.Visible = false;  // a drag leaves it to the press that began it
}

void Form2::Picture1_MouseDown(int, int, float x, float y) {
  showTipOnly(true);
  moveTip(x, y);
  Label8.Left = Line1.X2 / 2.0;
  Label8.Top = Line1.Y2 / 2.0;
  Label8.Visible = true;
}

void Form2::Picture1_MouseMove(int button, int, float x, float y) {
  if (button != kit::kLeftButton) return;
  showTipOnly(false);
  // The letter goes to the middle of a as it stood before this move, trailing the tip.
  Label8.Left = Line1.X2 / 2.0;
  Label8.Top = Line1.Y2 / 2.0;
  Label8.Visible = true;
  moveTip(x, y);
}

}  // namespace vecscale

// Applies a window description's rows of letters.
#include "letterdesign.h"

namespace kit {

void describeLetters(std::initializer_list<LetterDesign> letters) {
  for (const LetterDesign& design : letters) {
    design.label.Caption = design.caption;
    design.label.font = {faces::kTimes, design.points, true};
    design.label.color = design.color;
    design.label.Visible = design.visible;
    design.label.Left = design.left;
    design.label.Top = design.top;
  }
}

}  // namespace kit

// The order of a window's own controls (buttons, text boxes and frames) as both front ends
// build them: stacked with the frames behind, so what lies inside a frame stays in front, and
// reached by Tab in the design's tab indexes, where they take the focus.
#pragma once

#include <vector>

namespace kit {

class Form;
class WindowControl;

// Frames first, then buttons and text boxes, each in declaration order.
std::vector<const WindowControl*> stackingOrder(const Form& form);
// The same controls by tab index; equal indexes keep their stacking order.
std::vector<const WindowControl*> tabOrder(const Form& form);
// Whether Tab stops at a control: buttons and the boxes a pupil types in. A read-only box (a
// clock, a hint) is read as text instead, and a frame only names what lies in it.
bool takesFocus(const WindowControl& control);

}  // namespace kit

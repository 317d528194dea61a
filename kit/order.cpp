#include "order.h"

#include <algorithm>

#include "controls.h"
#include "form.h"

namespace kit {

std::vector<const WindowControl*> stackingOrder(const Form& form) {
  std::vector<const WindowControl*> out;
  for (const Control* control : form.controls())
    if (control->kind() == Kind::Frame) out.push_back(static_cast<const WindowControl*>(control));
  for (const Control* control : form.controls())
    if (control->kind() == Kind::Button || control->kind() == Kind::TextBox)
      out.push_back(static_cast<const WindowControl*>(control));
  return out;
}

std::vector<const WindowControl*> tabOrder(const Form& form) {
  std::vector<const WindowControl*> out = stackingOrder(form);
  std::stable_sort(out.begin(), out.end(), [](const WindowControl* a, const WindowControl* b) {
    return a->tabIndex < b->tabIndex;
  });
  return out;
}

bool takesFocus(const WindowControl& control) {
  if (control.kind() == Kind::Button) return true;
  return control.kind() == Kind::TextBox && !static_cast<const TextBox&>(control).readOnly;
}

}  // namespace kit

// Names and readings of the window's own controls.
#include "names.h"

#include <algorithm>

#include "controls.h"
#include "form.h"
#include "order.h"

namespace kit {
namespace {

bool inside(const TwipRect& inner, const TwipRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

}  // namespace

std::vector<Reading> readings(const Form& form) {
  std::vector<Reading> out;
  for (const WindowControl* control : tabOrder(form)) {
    if (control->kind() != Kind::TextBox) continue;
    const auto* box = static_cast<const TextBox*>(control);
    if (!box->readOnly) continue;
    const auto same = std::find_if(out.begin(), out.end(), [box](const Reading& reading) {
      return !box->readingLead.empty() && reading.lead == box->readingLead;
    });
    if (same == out.end()) {
      out.push_back({box->readingLead, {box}});
    } else {
      same->boxes.push_back(box);
    }
  }
  for (Reading& reading : out)
    std::stable_sort(
        reading.boxes.begin(), reading.boxes.end(),
        [](const TextBox* a, const TextBox* b) { return a->rect.left < b->rect.left; });
  return out;
}

std::string readingText(const Reading& reading) {
  std::string words;
  for (const TextBox* box : reading.boxes) {
    if (!box->Visible) continue;
    for (char c : box->Text())
      if (c != '\r' && c != '\n') words += c;
  }
  if (words.empty() || reading.lead.empty()) return words;
  return reading.lead + " " + words;
}

const Frame* labelOf(const Form& form, const TextBox& box) {
  if (box.readOnly) return nullptr;
  for (const Control* control : form.controls())
    if (control->kind() == Kind::Frame &&
        inside(box.rect, static_cast<const Frame*>(control)->rect))
      return static_cast<const Frame*>(control);
  return nullptr;
}

}  // namespace kit

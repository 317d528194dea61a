// How screen readers meet the window's own controls beyond their captions: a box a pupil types
// in is named by the frame around it (模的倍数：), and read-only boxes are read as text, the
// boxes of one lead together in one reading (用时 00:3:42), never box by box.
#pragma once

#include <string>
#include <vector>

namespace kit {

class Form;
class Frame;
class TextBox;

// Read-only boxes read as one text: a lone box (a hint), or the boxes sharing a lead, left to
// right as the eye reads them.
struct Reading {
  std::string lead;
  std::vector<const TextBox*> boxes;
};
// Every read-only box in its reading, the readings in the window's tab order.
std::vector<Reading> readings(const Form& form);
// What a screen reader reads: the lead, a blank, then the shown boxes' texts run together, a
// box's lines joined; empty when no box is shown.
std::string readingText(const Reading& reading);

// The frame a box a pupil types in lies in, whose caption names it; null where there is none.
const Frame* labelOf(const Form& form, const TextBox& box);

}  // namespace kit

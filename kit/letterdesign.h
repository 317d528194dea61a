// The designed look of the letters and captions on a coordinate surface: Times New Roman
// bold in a size and colour, a design caption and place, shown or hidden at start.
#pragma once

#include <initializer_list>

#include "controls.h"

namespace kit {

struct LetterDesign {
  Label& label;
  const char* caption;
  double points;
  Color color;
  bool visible;
  double left, top;  // twips from the surface's inner corner, before its units are set
};

void describeLetters(std::initializer_list<LetterDesign> letters);

}  // namespace kit

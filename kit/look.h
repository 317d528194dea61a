// How the design's values appear on any screen: twips to pixels at a zoom, the system colours
// of the light scheme the lessons were drawn on, font faces mapped to installed families, and
// point sizes in pixels. Both front ends take these from here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "style.h"

namespace kit {

// Logical pixels for a length in twips at a zoom.
constexpr double pixels(double twips, double zoom) {
  return twips / kTwipsPerPixel * zoom;
}

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};
// A design colour (&H00BBGGRR, or &H800000nn for a system colour) as it is shown.
Rgb rgbOf(Color color);

// The families to try for a design face, best first; bare design names would fall back to
// the wrong style on machines without them.
std::vector<std::string> familiesFor(const std::string& face);
// The pixel size of a font at a zoom, from points through twips, so text keeps its place
// against the layout.
int fontPixels(const Font& font, double zoom);

}  // namespace kit

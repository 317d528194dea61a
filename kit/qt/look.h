// How the design's units, colours and faces appear on screen: twips to pixels at a zoom,
// system colours of the usual light scheme, and font faces mapped to installed families.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

#include "kit/style.h"

namespace kitqt {

// Logical pixels for a length in twips at the given zoom.
inline double pixels(double twips, double zoom) {
  return twips / kit::kTwipsPerPixel * zoom;
}
QRect pixelRect(const kit::TwipRect& rect, double zoom);

QColor qtColor(kit::Color color);

// The families to try for a design face, best first; bare design names would fall back to
// the wrong style on machines without them.
QStringList familiesFor(const std::string& face);
// A font sized from points through twips, so text keeps its place against the layout.
QFont qtFont(const kit::Font& font, double zoom);

}  // namespace kitqt

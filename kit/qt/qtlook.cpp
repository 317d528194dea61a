// Colours and fonts of the desktop front end.
#include "qtlook.h"

#include <cmath>

namespace kitqt {

QRect pixelRect(const kit::TwipRect& rect, double zoom) {
  return QRect(qRound(pixels(rect.left, zoom)), qRound(pixels(rect.top, zoom)),
               qRound(pixels(rect.width, zoom)), qRound(pixels(rect.height, zoom)));
}

QColor qtColor(kit::Color color) {
  const kit::Rgb rgb = kit::rgbOf(color);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QStringList familiesFor(const std::string& face) {
  QStringList families;
  for (const std::string& family : kit::familiesFor(face))
    families << QString::fromStdString(family);
  return families;
}

QFont qtFont(const kit::Font& font, double zoom) {
  QFont result;
  result.setFamilies(familiesFor(font.face));
  result.setPixelSize(kit::fontPixels(font, zoom));
  result.setBold(font.bold);
  result.setStyleStrategy(QFont::PreferAntialias);
  return result;
}

}  // namespace kitqt

// Colours and fonts of the front end.
#include "look.h"

#include <cmath>

namespace kitqt {

QRect pixelRect(const kit::TwipRect& rect, double zoom) {
  return QRect(qRound(pixels(rect.left, zoom)), qRound(pixels(rect.top, zoom)),
               qRound(pixels(rect.width, zoom)), qRound(pixels(rect.height, zoom)));
}

QColor qtColor(kit::Color color) {
  if (color & 0x80000000u) {
    switch (color & 0xFF) {
      case 0x04:
        // Menu background: white, as in the light scheme the lessons were drawn on, so the
        // white pixels that move the text position on a grid stay unseen.
        return QColor(255, 255, 255);
      case 0x05:
        return QColor(255, 255, 255);  // window background
      case 0x08:
        return QColor(0, 0, 0);  // window text
      case 0x09:
        return QColor(255, 255, 255);  // title-bar text
      case 0x0B:
        return QColor(212, 208, 200);  // inactive border
      case 0x0D:
        return QColor(0, 120, 215);  // selection highlight
      case 0x0F:
        return QColor(240, 240, 240);  // button face
      case 0x12:
        return QColor(0, 0, 0);  // button text
      default:
        return QColor(240, 240, 240);
    }
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QStringList familiesFor(const std::string& face) {
  const QStringList song = {"宋体", "SimSun", "AR PL UMing CN", "Noto Serif CJK SC"};
  const QString name = QString::fromStdString(face);
  if (name.compare("楷体_GB2312", Qt::CaseInsensitive) == 0)
    return {"楷体_GB2312", "KaiTi", "AR PL UKai CN", "AR PL UMing CN"};
  if (name.compare("Times New Roman", Qt::CaseInsensitive) == 0)
    return QStringList{"Times New Roman", "Liberation Serif"} + song;
  return song;
}

QFont qtFont(const kit::Font& font, double zoom) {
  QFont result;
  result.setFamilies(familiesFor(font.face));
  const double pixelSize = font.points * kit::kTwipsPerPoint / kit::kTwipsPerPixel * zoom;
  result.setPixelSize(std::max(1, qRound(pixelSize)));
  result.setBold(font.bold);
  result.setStyleStrategy(QFont::PreferAntialias);
  return result;
}

}  // namespace kitqt

// The kit's look (twips to pixels, system colours, face lists, point sizes) in Qt's types.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

#include "kit/look.h"

namespace kitqt {

using kit::pixels;
QRect pixelRect(const kit::TwipRect& rect, double zoom);

QColor qtColor(kit::Color color);

QStringList familiesFor(const std::string& face);
QFont qtFont(const kit::Font& font, double zoom);

}  // namespace kitqt

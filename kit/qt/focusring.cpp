// The focus ring's style.
#include "focusring.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace kitqt {
namespace {

constexpr int kRingWidth = 2;

class FocusRingStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    // Whenever a control has the focus, not only once the keyboard has moved it (Qt forgets
    // that again as a window comes up, so the first focused button would show none).
    if (element == PE_FrameFocusRect) {
      drawRing(option->rect, option, painter);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Fusion marks a focused button or box on its own panel or frame, faintly.
    const bool ringed = element == PE_PanelButtonCommand || element == PE_FrameLineEdit;
    if (ringed && (option->state & State_HasFocus)) drawRing(option->rect, option, painter);
  }

 private:
  // Dark blue on a light face (6:1 on the buttons' grey), light blue on a dark one.
  static void drawRing(const QRect& rect, const QStyleOption* option, QPainter* painter) {
    const bool darkFace = option->palette.color(QPalette::Button).lightness() < 128;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(darkFace ? QColor(0x6c, 0xb4, 0xff) : QColor(0x1a, 0x5f, 0xb4), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    // The pen straddles the path: a 2 px ring lies just inside the rectangle.
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
  }
};

}  // namespace

void useFocusRing() {
  if (!dynamic_cast<FocusRingStyle*>(QApplication::style()))
    QApplication::setStyle(new FocusRingStyle);
}

}  // namespace kitqt

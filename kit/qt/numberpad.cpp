// The number pad's keys, placement and dismissal.
#include "numberpad.h"

#include <algorithm>

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>

namespace kitqt {
namespace {

// A press by a finger or a pen, not by the mouse.
bool byTouch(QEvent* event) {
  if (event->type() == QEvent::TouchBegin) return true;
  if (event->type() != QEvent::MouseButtonPress) return false;
  const QPointingDevice* device = static_cast<QMouseEvent*>(event)->pointingDevice();
  return device && (device->type() == QInputDevice::DeviceType::TouchScreen ||
                    device->type() == QInputDevice::DeviceType::Stylus);
}

}  // namespace

void NumberPad::offer(QLineEdit& box) {
  box.installEventFilter(new NumberPad(box));
}

NumberPad::NumberPad(QLineEdit& box)
    : QWidget(&box, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), box_(box) {
  setObjectName(QStringLiteral("NumberPad"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAccessibleName(QStringLiteral("数字键盘"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setSpacing(4);
  struct Key {
    const char* label;
    int key;
  };
  const Key keys[] = {{"7", Qt::Key_7},         {"8", Qt::Key_8},        {"9", Qt::Key_9},
                      {"4", Qt::Key_4},         {"5", Qt::Key_5},        {"6", Qt::Key_6},
                      {"1", Qt::Key_1},         {"2", Qt::Key_2},        {"3", Qt::Key_3},
                      {"-", Qt::Key_Minus},     {"0", Qt::Key_0},        {".", Qt::Key_Period},
                      {"←", Qt::Key_Backspace}, {"确定", Qt::Key_Return}};
  int at = 0;
  for (const Key& key : keys) {
    auto* button = new QPushButton(QString::fromUtf8(key.label), this);
    button->setFocusPolicy(Qt::NoFocus);  // the box keeps the focus and its cursor
    button->setMinimumSize(44, 40);
    const bool typed = key.key != Qt::Key_Backspace && key.key != Qt::Key_Return;
    const QString text = typed ? QString::fromUtf8(key.label) : QString();
    connect(button, &QPushButton::clicked, this, [this, key = key.key, text] { press(key, text); });
    grid->addWidget(button, at / 3, at % 3, 1, key.key == Qt::Key_Return ? 2 : 1);
    ++at;
  }
  hide();
}

void NumberPad::press(int key, const QString& text) {
  if (QApplication::activeModalWidget()) return;  // a message box is answered first
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&box_, &down);
  QCoreApplication::sendEvent(&box_, &up);
}

void NumberPad::showBeside() {
  adjustSize();
  const QRect window = box_.window()->frameGeometry();
  const QScreen* screen = box_.screen();
  const QRect room =
      screen ? screen->availableGeometry() : window.adjusted(-width(), 0, width(), 0);
  const int top = std::clamp(box_.mapToGlobal(QPoint(0, box_.height())).y(), room.top(),
                             std::max(room.top(), room.bottom() - height()));
  QPoint place(window.right() + 8, top);
  if (place.x() + width() > room.right()) place.setX(window.left() - 8 - width());
  if (place.x() < room.left())  // no room on either side: below the window
    place = QPoint(
        std::clamp(window.left(), room.left(), std::max(room.left(), room.right() - width())),
        std::min(window.bottom() + 8, room.bottom() - height()));
  move(place);
  show();
  qApp->installEventFilter(this);
}

void NumberPad::dismiss() {
  qApp->removeEventFilter(this);
  hide();
}

bool NumberPad::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &box_) {
    if (byTouch(event) && !box_.isReadOnly()) showBeside();
    return false;
  }
  const bool pressed =
      event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin;
  if (pressed && isVisible() && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != &box_ && widget != this && !isAncestorOf(widget)) dismiss();
  }
  return false;
}

}  // namespace kitqt

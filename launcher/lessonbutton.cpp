// Painted by hand so that picture, number and two lines of text sit together as one button that
// a click, Enter or Space opens.
#include "lessonbutton.h"

#include <QKeyEvent>
#include <QPainter>

#include "kit/qt/qtlook.h"

namespace launcher {
namespace {

constexpr int kMargin = 8;
constexpr int kNumberWidth = 34;

QFont fontOf(const std::string& face, double points, bool bold = false) {
  return kitqt::qtFont({face, points, bold}, 1.0);
}

}  // namespace

QPixmap lessonPicture(const QString& program) {
  QPixmap picture(":/thumbnails/" + program + ".png");
  // The pictures are made at twice the size they are shown, to stay sharp on dense screens.
  if (!picture.isNull()) picture.setDevicePixelRatio(2.0);
  return picture;
}

LessonButton::LessonButton(int number, const lessons::Lesson& lesson, bool available,
                           QWidget* parent)
    : QAbstractButton(parent),
      number_(number),
      title_(QString::fromStdString(lesson.title)),
      summary_(QString::fromStdString(lesson.summary)) {
  const QString program = QString::fromStdString(lesson.name);
  picture_ = lessonPicture(program);
  setObjectName("lesson_" + program);
  setText(title_);
  setEnabled(available);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_Hover);
  setCursor(available ? Qt::PointingHandCursor : Qt::ArrowCursor);
  setToolTip(available ? QStringLiteral("打开“%1”（按 %2）").arg(title_).arg(number)
                       : QStringLiteral("没有找到程序 %1").arg(program));
}

QRect LessonButton::pictureBox() {
  return {kMargin + kNumberWidth + kMargin, kMargin, 132, 96};
}

QSize LessonButton::sizeHint() const {
  return {600, pictureBox().height() + 2 * kMargin};
}

// Wide enough for a title and a one-line summary beside the picture.
QSize LessonButton::minimumSizeHint() const {
  return {560, sizeHint().height()};
}

void LessonButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void LessonButton::paintPicture(QPainter& painter, const QRect& box) const {
  if (picture_.isNull()) {
    // A neutral stand-in until the lesson's picture is made.
    painter.fillRect(box, QColor(0xe4, 0xe7, 0xec));
    painter.setPen(QColor(0x9a, 0xa1, 0xab));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    return;
  }
  QSizeF shown = picture_.deviceIndependentSize();
  shown.scale(box.size(), Qt::KeepAspectRatio);
  const QRectF target(box.left() + (box.width() - shown.width()) / 2,
                      box.top() + (box.height() - shown.height()) / 2, shown.width(),
                      shown.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!isEnabled()) painter.setOpacity(0.35);
  painter.drawPixmap(target, picture_, picture_.rect());
  painter.setOpacity(1.0);
  painter.setPen(QColor(0x9a, 0xa1, 0xab));
  painter.drawRect(target.adjusted(0, 0, -1, -1));
}

void LessonButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  const QRect frame = rect().adjusted(1, 1, -2, -2);

  QColor background = colours.color(QPalette::Base);
  if (isEnabled() && isDown())
    background = colours.color(QPalette::Highlight).lighter(170);
  else if (isEnabled() && underMouse())
    background = colours.color(QPalette::Highlight).lighter(190);
  painter.fillRect(frame, background);
  painter.setPen(hasFocus() ? QPen(colours.color(QPalette::Highlight), 2)
                            : QPen(colours.color(QPalette::Mid), 1));
  painter.drawRect(frame);

  const QColor ink =
      colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
  const QRect numberBox(kMargin, 0, kNumberWidth, height());
  painter.setPen(isEnabled() ? colours.color(QPalette::Highlight) : ink);
  painter.setFont(fontOf(kit::faces::kTimes, 20, true));
  painter.drawText(numberBox, Qt::AlignCenter, QString::number(number_));

  paintPicture(painter, pictureBox());

  const int textLeft = pictureBox().right() + 2 * kMargin;
  const QRect textBox(textLeft, kMargin, width() - textLeft - kMargin, height() - 2 * kMargin);
  painter.setPen(ink);
  painter.setFont(fontOf(kit::faces::kKai, 16, true));
  const int titleHeight = painter.fontMetrics().height();
  painter.drawText(textBox.adjusted(0, 8, 0, 0), Qt::AlignLeft | Qt::AlignTop, title_);
  painter.setFont(fontOf(kit::faces::kSong, 11));
  const QRect summaryBox = textBox.adjusted(0, 8 + titleHeight + 6, 0, 0);
  QRect summaryDrawn;
  painter.drawText(summaryBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary_,
                   &summaryDrawn);
  if (!isEnabled()) {
    painter.setPen(QColor(0xb0, 0x30, 0x20));
    painter.drawText(summaryBox.adjusted(0, summaryDrawn.height() + 6, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("尚未安装，无法打开"));
  }
}

}  // namespace launcher

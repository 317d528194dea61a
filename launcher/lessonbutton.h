// One lesson in the launcher's list: its number, a small picture of its window, its title and
// what it shows. A lesson whose program is missing is greyed and says so.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "lessons/lessons.h"

namespace launcher {

class LessonButton : public QAbstractButton {
 public:
  LessonButton(int number, const lessons::Lesson& lesson, bool available,
               QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // Where the picture of the lesson's window is painted, whatever the size of its file.
  static QRect pictureBox();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void paintPicture(QPainter& painter, const QRect& box) const;

  int number_;
  QString title_, summary_;
  QPixmap picture_;  // null when the lesson has no picture yet
};

// The picture of a lesson's window embedded in the launcher, or a null pixmap.
QPixmap lessonPicture(const QString& program);

}  // namespace launcher

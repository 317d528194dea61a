// The teacher's control of the lesson's time on the desktop: keys that no lesson uses (F8 or
// Pause, F9 or Page Down, Shift+F8/F9, F4), the bar below the lesson (made only when first
// brought up, also from a small tab at the window's bottom edge), and the corner badge.
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>

class QPainter;
class QWidget;

namespace kitqt {

class LessonRunner;
class PresenterBar;

class PresenterControl {
 public:
  // `relayOut` runs when the bar comes or goes, so the window makes room for it or gives it
  // back.
  PresenterControl(QWidget& window, LessonRunner& runner, std::function<void()> relayOut);

  void togglePause();
  void stepOnce();
  void backOnce();
  void replay();
  void slower();
  void faster();
  void showBar(bool shown);
  // Asked for, even while the window itself is hidden.
  bool barShown() const;
  // The strip the bar takes below the lesson, 0 while it is away.
  int barHeight() const;
  // Along the window's bottom edge, full width.
  void placeBar();
  // The tab (while the bar is away) and the badge (while paused or off pace), over the lesson
  // of a running window.
  void paintMarks(QPainter& painter);
  // A press on the tab brings the bar up; true when it did.
  bool pressTab(QPoint at);

 private:
  void changeSpeed(int direction);
  void afterChange();
  QRect tab() const;
  QRect corner() const;
  void paintTab(QPainter& painter);
  void paintBadge(QPainter& painter);

  QWidget& window_;
  LessonRunner& runner_;
  std::function<void()> relayOut_;
  PresenterBar* bar_ = nullptr;  // made when first brought up
};

}  // namespace kitqt

// The presenter's bar, a slim dark strip below the lesson: pause or go on, one step, slower,
// the pace, faster, and put the bar away. Its buttons never take the keyboard from the
// lesson's own.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace kitqt {

class PresenterControl;

class PresenterBar : public QWidget {
 public:
  PresenterBar(PresenterControl& presenter, QWidget& window);
  // Shows whether the lesson is paused and at which pace it runs.
  void reflect(bool paused, double speed);

 private:
  QPushButton* pause_;
  QLabel* speed_;
};

}  // namespace kitqt

// A number pad for a line box on a board without a keyboard: a touch or a pen on the box brings
// it up beside the window; each key reaches the box as the keyboard's would (so the box's change
// and key handlers run as for typing), 确定 is Enter, and a press anywhere else sends it away.
#pragma once

#include <QWidget>

class QLineEdit;

namespace kitqt {

class NumberPad : public QWidget {
 public:
  // Offers a pad on `box` (which owns it).
  static void offer(QLineEdit& box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit NumberPad(QLineEdit& box);
  void press(int key, const QString& text);
  void showBeside();
  void dismiss();

  QLineEdit& box_;
};

}  // namespace kitqt

// The window's own controls as Qt widgets, built from the form's description: push buttons,
// line and text edits, group boxes, stacked with the frames behind and reached by Tab in the
// design's order, with the design's fonts, colours and names for screen readers.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

#include "kit/names.h"

class QWidget;

namespace kit {
class Form;
class WindowControl;
}  // namespace kit

namespace kitqt {

class ControlWidgets : public QObject {
 public:
  using Deliver = std::function<void(const std::function<void()>&)>;
  // Builds the widgets as children of `window`; their events reach the form through `deliver`.
  ControlWidgets(kit::Form& form, QWidget& window, Deliver deliver);

  // Places every widget for a zoom, with the design's origin at `origin`, in its font.
  void place(double zoom, QPoint origin);
  // Brings captions, texts and visibility up to date from the model.
  void sync();

 protected:
  // Enter presses the focused button, as Space does; text boxes report their key-downs.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Bound {
    kit::WindowControl* control;
    QWidget* widget;
    QWidget* holder;   // the reading's holder it lies in, or null
    bool namedByText;  // a box that nothing else names
  };
  // Read-only boxes read as one text: their holder, a widget around them.
  struct Holder {
    QWidget* widget;
    kit::Reading reading;
  };
  QWidget* makeButton(kit::WindowControl& control, QWidget& window);
  QWidget* makeTextBox(kit::WindowControl& control, QWidget& window);
  void holdReading(const kit::Reading& reading, QWidget& window);
  void syncOne(const Bound& bound);

  Deliver deliver_;
  std::vector<Bound> bound_;  // in stacking order
  std::vector<Holder> holders_;
};

}  // namespace kitqt

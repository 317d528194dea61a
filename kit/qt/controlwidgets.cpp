// Buttons, text boxes and frames as widgets, and what a pupil does with them as the form's
// events.
#include "controlwidgets.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/input.h"
#include "kit/names.h"
#include "kit/order.h"
#include "numberpad.h"
#include "qtlook.h"
#include "readastext.h"

namespace kitqt {
namespace {

// The design's code of a key.
int keyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kit::keys::kEnter;
    case Qt::Key_Escape:
      return kit::keys::kEscape;
    case Qt::Key_Backspace:
      return kit::keys::kBackspace;
    case Qt::Key_Tab:
      return kit::keys::kTab;
    case Qt::Key_Delete:
      return kit::keys::kDelete;
    case Qt::Key_Shift:
      return kit::keys::kShift;
    case Qt::Key_Control:
      return kit::keys::kControl;
    case Qt::Key_Alt:
      return kit::keys::kAlt;
    default:
      // Qt codes a printable key as its character, letters in upper case.
      return kit::characterKeyCode(static_cast<char32_t>(event.key()));
  }
}

// A text box's own colours and border.
void dressTextBox(QWidget& widget, const kit::TextBox& box) {
  QPalette colours = widget.palette();
  colours.setColor(QPalette::Base, qtColor(box.BackColor));
  colours.setColor(QPalette::Text, qtColor(box.ForeColor));
  widget.setPalette(colours);
  if (auto* line = qobject_cast<QLineEdit*>(&widget)) line->setFrame(box.border);
  if (auto* edit = qobject_cast<QTextEdit*>(&widget))
    edit->setFrameShape(box.border ? QFrame::StyledPanel : QFrame::NoFrame);
}

// Lines a font's height apart, as the design's boxes space them; the fallback faces would
// otherwise add leading and push the last line out of the box.
void showLines(QTextEdit& edit, const QString& text) {
  edit.setPlainText(text);
  QTextBlockFormat pitch;
  pitch.setLineHeight(edit.font().pixelSize(), QTextBlockFormat::FixedHeight);
  QTextCursor all(edit.document());
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(pitch);
}

// A caption is also what screen readers say; both change only when it does.
void showCaption(QPushButton& push, const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  if (push.text() == text) return;
  push.setText(text);
  push.setAccessibleName(text);
}

void showCaption(QGroupBox& group, const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  if (group.title() == text) return;
  group.setTitle(text);
  group.setAccessibleName(text);
}

// A box named by nothing else is named by its text; a labelled or read-only one is not, so that
// a clock's ticks raise no events.
void showText(QLineEdit& line, const QString& text, bool namedByText) {
  if (line.text() != text) {
    line.setText(text);
    line.setCursorPosition(0);  // a text set by the program shows from its start
  }
  if (namedByText && line.accessibleName() != text) line.setAccessibleName(text);  // typed, too
}

void showText(QTextEdit& edit, const QString& text, bool visible, bool namedByText) {
  // A hidden box is laid out only once it is shown: its face (a second Chinese font) is then
  // not opened at start-up for nothing.
  const QString plain = QString(text).replace("\r\n", "\n");
  if (visible && edit.toPlainText() != plain) {
    showLines(edit, plain);
    if (namedByText) edit.setAccessibleName(QString(plain).replace('\n', ""));
  }
}

}  // namespace

ControlWidgets::ControlWidgets(kit::Form& form, QWidget& window, Deliver deliver)
    : QObject(&window), deliver_(std::move(deliver)) {
  for (const kit::WindowControl* placed : kit::stackingOrder(form)) {
    // The order only reads the form; its controls are this window's to change.
    auto& control = const_cast<kit::WindowControl&>(*placed);
    QWidget* widget = nullptr;
    if (control.kind() == kit::Kind::Button) {
      widget = makeButton(control, window);
    } else if (control.kind() == kit::Kind::TextBox) {
      widget = makeTextBox(control, window);
    } else {
      widget = new QGroupBox(&window);
    }
    widget->setObjectName(QString::fromStdString(control.name()));
    if (!kit::takesFocus(control)) widget->setFocusPolicy(Qt::NoFocus);
    bool namedByText = control.kind() == kit::Kind::TextBox;
    if (namedByText) {
      const auto& box = static_cast<const kit::TextBox&>(control);
      if (const kit::Frame* label = kit::labelOf(form, box))
        widget->setAccessibleName(QString::fromStdString(label->Caption));
      namedByText = !box.readOnly && !kit::labelOf(form, box);
    }
    bound_.push_back({&control, widget, nullptr, namedByText});
  }
  for (const kit::Reading& reading : kit::readings(form)) holdReading(reading, window);
  const std::vector<const kit::WindowControl*> order = kit::tabOrder(form);
  const auto widgetOf = [this](const kit::WindowControl* control) {
    for (const Bound& bound : bound_)
      if (bound.control == control) return bound.widget;
    return static_cast<QWidget*>(nullptr);
  };
  std::vector<QWidget*> stops;
  for (const kit::WindowControl* control : order)
    if (kit::takesFocus(*control)) stops.push_back(widgetOf(control));
  for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void ControlWidgets::holdReading(const kit::Reading& reading, QWidget& window) {
  auto* holder = new QWidget(&window);
  std::vector<QWidget*> boxes;
  for (Bound& bound : bound_) {
    for (const kit::TextBox* box : reading.boxes) {
      if (bound.control != box) continue;
      bound.widget->setParent(holder);
      bound.holder = holder;
      boxes.push_back(bound.widget);
    }
  }
  holders_.push_back({holder, reading});
  readAsText(
      *holder,
      [this, holder] {
        for (const Holder& held : holders_)
          if (held.widget == holder) return QString::fromStdString(kit::readingText(held.reading));
        return QString();
      },
      boxes);
}

QWidget* ControlWidgets::makeButton(kit::WindowControl& control, QWidget& window) {
  auto* button = static_cast<kit::Button*>(&control);
  auto* push = new QPushButton(&window);
  connect(push, &QPushButton::clicked, this, [this, button] { deliver_(button->onClick); });
  push->installEventFilter(this);
  return push;
}

QWidget* ControlWidgets::makeTextBox(kit::WindowControl& control, QWidget& window) {
  auto* box = static_cast<kit::TextBox*>(&control);
  QWidget* widget = nullptr;
  if (box->multiLine) {
    auto* edit = new QTextEdit(&window);
    edit->setReadOnly(box->readOnly);
    edit->setAcceptRichText(false);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(box->wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    edit->document()->setDocumentMargin(1);
    widget = edit;
  } else {
    auto* edit = new QLineEdit(&window);
    edit->setReadOnly(box->readOnly);
    edit->setTextMargins(0, 0, 0, 0);
    connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
      deliver_([box, value = text.toStdString()] { box->type(value); });
    });
    edit->installEventFilter(this);
    if (!box->readOnly) NumberPad::offer(*edit);  // numbers typed on a board without keys
    widget = edit;
  }
  dressTextBox(*widget, *box);
  return widget;
}

void ControlWidgets::place(double zoom, QPoint origin) {
  // A reading's holder takes the room of its boxes; they lie inside it.
  for (const Holder& holder : holders_) {
    QRect room;
    for (const kit::TextBox* box : holder.reading.boxes) room |= pixelRect(box->rect, zoom);
    holder.widget->setGeometry(room.translated(origin));
  }
  for (const Bound& bound : bound_) {
    const QPoint corner = bound.holder ? origin - bound.holder->pos() : origin;
    bound.widget->setGeometry(pixelRect(bound.control->rect, zoom).translated(corner));
    bound.widget->setFont(qtFont(bound.control->font, zoom));
    if (auto* edit = qobject_cast<QTextEdit*>(bound.widget))
      showLines(*edit, edit->toPlainText());  // the line pitch follows the font
  }
}

void ControlWidgets::sync() {
  for (const Bound& bound : bound_) syncOne(bound);
  for (const Holder& holder : holders_) {
    bool shown = false;
    for (const kit::TextBox* box : holder.reading.boxes) shown = shown || box->Visible;
    holder.widget->setVisible(shown);
  }
}

void ControlWidgets::syncOne(const Bound& bound) {
  bound.widget->setVisible(bound.control->Visible);
  switch (bound.control->kind()) {
    case kit::Kind::Button:
      showCaption(*static_cast<QPushButton*>(bound.widget),
                  static_cast<kit::Button*>(bound.control)->Caption);
      break;
    case kit::Kind::TextBox: {
      const QString text =
          QString::fromStdString(static_cast<kit::TextBox*>(bound.control)->Text());
      if (auto* line = qobject_cast<QLineEdit*>(bound.widget))
        showText(*line, text, bound.namedByText);
      if (auto* edit = qobject_cast<QTextEdit*>(bound.widget))
        showText(*edit, text, bound.control->Visible, bound.namedByText);
      break;
    }
    case kit::Kind::Frame:
      showCaption(*static_cast<QGroupBox*>(bound.widget),
                  static_cast<kit::Frame*>(bound.control)->Caption);
      break;
    default:
      break;
  }
}

bool ControlWidgets::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  for (const Bound& bound : bound_) {
    if (bound.widget != watched) continue;
    if (bound.control->kind() == kit::Kind::Button &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      static_cast<QPushButton*>(bound.widget)->animateClick();
      return true;
    }
    if (bound.control->kind() != kit::Kind::TextBox) continue;
    auto* box = static_cast<kit::TextBox*>(bound.control);
    const int code = keyCode(*key);
    if (box->onKeyDown) deliver_([box, code] { box->onKeyDown(code); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kitqt

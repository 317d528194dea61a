// Widgets for buttons, text boxes and frames; the drawing surfaces; timers and message boxes.
#include "formwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "firstframe.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/input.h"
#include "look.h"
#include "surfacewidget.h"

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
      return event.key() < 128 ? event.key() : 0;  // Qt codes letters in upper case
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

}  // namespace

FormWindow::FormWindow(kit::Form& form, double zoom, QWidget* parent)
    : QWidget(parent),
      form_(form),
      zoom_(zoom),
      askedZoom_(zoom),
      designed_(pixels(form.Width, 1), pixels(form.Height, 1)),
      windowPainter_(form.window(), zoom),
      session_(form, kit::Session::Lateness::SkipMissed) {
  setWindowTitle(QString::fromStdString(form.Caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, qtColor(form.BackColor));
  setPalette(colours);
  setAutoFillBackground(true);
  build();
  addShortcuts();
  addPresenterKeys();
  watchWheel();
  resize(qRound(designed_.width() * zoom), qRound(designed_.height() * zoom));
  fitToForm();
  layOut();
  syncWidgets();
  tickTimer_.setSingleShot(true);
  tickTimer_.setTimerType(Qt::PreciseTimer);
  connect(&tickTimer_, &QTimer::timeout, this, [this] { onTick(); });
}

FormWindow::~FormWindow() = default;

void FormWindow::build() {
  auto deliverer = [this](std::function<void()> handler) { deliver(handler); };
  for (kit::Canvas* canvas : form_.canvases()) {
    if (canvas == &form_.window()) continue;
    auto* surface = new SurfaceWidget(*canvas, zoom_, deliverer, this);
    surface->setAccessibleName(QStringLiteral("绘图区"));
    surfaces_.push_back(surface);
  }

  // Frames first, so that what lies inside them stays in front.
  std::vector<kit::WindowControl*> controls;
  for (kit::Control* control : form_.controls())
    if (control->kind() == kit::Kind::Frame)
      controls.push_back(static_cast<kit::WindowControl*>(control));
  for (kit::Control* control : form_.controls())
    if (control->kind() == kit::Kind::Button || control->kind() == kit::Kind::TextBox)
      controls.push_back(static_cast<kit::WindowControl*>(control));

  for (kit::WindowControl* control : controls) {
    QWidget* widget = nullptr;
    if (control->kind() == kit::Kind::Button) {
      auto* button = static_cast<kit::Button*>(control);
      auto* push = new QPushButton(this);
      connect(push, &QPushButton::clicked, this, [this, button] { deliver(button->onClick); });
      push->installEventFilter(this);  // Enter presses the focused button, as Space does
      widget = push;
    } else if (control->kind() == kit::Kind::TextBox) {
      auto* box = static_cast<kit::TextBox*>(control);
      if (box->multiLine) {
        auto* edit = new QTextEdit(this);
        edit->setReadOnly(box->readOnly);
        edit->setAcceptRichText(false);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(box->wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        edit->document()->setDocumentMargin(1);
        widget = edit;
      } else {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(box->readOnly);
        edit->setTextMargins(0, 0, 0, 0);
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
          deliver([box, value = text.toStdString()] { box->type(value); });
        });
        edit->installEventFilter(this);
        widget = edit;
      }
      dressTextBox(*widget, *box);
    } else {
      widget = new QGroupBox(this);
    }
    widget->setObjectName(QString::fromStdString(control->name()));
    bound_.push_back({control, widget});
  }

  // Tab order follows the design's tab indexes.
  std::vector<Bound> order = bound_;
  std::stable_sort(order.begin(), order.end(), [](const Bound& a, const Bound& b) {
    return a.control->tabIndex < b.control->tabIndex;
  });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].widget, order[i].widget);
}

void FormWindow::setDescription(const std::string& description) {
  for (SurfaceWidget* surface : surfaces_)
    surface->setAccessibleDescription(QString::fromStdString(description));
}

void FormWindow::layOut() {
  setFont(qtFont(form_.font, zoom_));
  for (SurfaceWidget* surface : surfaces_) surface->place(zoom_, origin_);
  for (const Bound& bound : bound_) {
    bound.widget->setGeometry(pixelRect(bound.control->rect, zoom_).translated(origin_));
    bound.widget->setFont(qtFont(bound.control->font, zoom_));
    if (auto* edit = qobject_cast<QTextEdit*>(bound.widget))
      showLines(*edit, edit->toPlainText());  // the line pitch follows the font
  }
  windowPainter_.setZoom(zoom_);
  windowPainter_.limitTo(size() - QSize(origin_.x(), origin_.y()));
  update();
}

void FormWindow::syncWidgets() {
  for (const Bound& bound : bound_) {
    bound.widget->setVisible(bound.control->Visible);
    switch (bound.control->kind()) {
      case kit::Kind::Button: {
        auto* push = static_cast<QPushButton*>(bound.widget);
        const QString caption =
            QString::fromStdString(static_cast<kit::Button*>(bound.control)->Caption);
        if (push->text() != caption) {
          push->setText(caption);
          push->setAccessibleName(caption);
        }
        break;
      }
      case kit::Kind::TextBox: {
        const QString text =
            QString::fromStdString(static_cast<kit::TextBox*>(bound.control)->Text());
        if (auto* line = qobject_cast<QLineEdit*>(bound.widget)) {
          if (line->text() != text) {
            line->setText(text);
            line->setCursorPosition(0);  // a text set by the program shows from its start
          }
          if (line->accessibleName() != text) line->setAccessibleName(text);  // typed, too
        } else if (auto* edit = qobject_cast<QTextEdit*>(bound.widget)) {
          // A hidden box is laid out only once it is shown: its face (a second Chinese font)
          // is then not opened at start-up for nothing.
          const QString plain = QString(text).replace("\r\n", "\n");
          if (bound.control->Visible && edit->toPlainText() != plain) {
            showLines(*edit, plain);
            edit->setAccessibleName(QString(plain).replace('\n', ""));
          }
        }
        break;
      }
      case kit::Kind::Frame: {
        auto* group = static_cast<QGroupBox*>(bound.widget);
        const QString caption =
            QString::fromStdString(static_cast<kit::Frame*>(bound.control)->Caption);
        if (group->title() != caption) {
          group->setTitle(caption);
          group->setAccessibleName(caption);
        }
        break;
      }
      default:
        break;
    }
  }
  for (SurfaceWidget* surface : surfaces_) surface->refresh();
  fitToForm();
  // The window itself repaints only when what is drawn on it has changed.
  if (windowPainter_.fingerprint() != windowShown_) update();
}

void FormWindow::fitToForm() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  QSize wanted(qRound(pixels(form_.Width, askedZoom_)),
               qRound(pixels(form_.Height, askedZoom_)) + presenterBarHeight());
  if (wanted == fitted_) return;
  fitted_ = wanted;
  // The window follows its form only as far as its screen has room for it.
  const QScreen* shown = isVisible() ? screen() : nullptr;
  const QRect room = shown ? shown->availableGeometry() : QRect();
  const int frame = frameGeometry().height() - height();
  if (shown && wanted.height() > room.height() - frame)
    wanted.setHeight(std::max(1, room.height() - frame));
  if (shown && wanted.width() > room.width()) wanted.setWidth(room.width());
  resize(wanted);
  if (shown) {
    // Grown past the bottom of the screen: lift it up until it fits.
    const QRect outer = frameGeometry();
    const int over = outer.top() + wanted.height() + frame - 1 - room.bottom();
    if (over > 0) move(outer.left(), std::max(room.top(), outer.top() - over));
  }
}

void FormWindow::paintEvent(QPaintEvent*) {
  noteFirstFrame();
  windowShown_ = windowPainter_.fingerprint();
  QPainter painter(this);
  const QSize content = contentSize();
  if (origin_ != QPoint() || content.width() < width() || content.height() < height()) {
    // Beyond the content (a maximised or full-screen window): a dark surround.
    QRegion around(rect());
    around -= QRect(origin_, content);
    for (const QRect& part : around) painter.fillRect(part, QColor(48, 48, 48));
  }
  if (!form_.window().drawing().empty() || !form_.window().objects().empty()) {
    painter.save();
    painter.translate(origin_);
    windowPainter_.paint(painter);
    painter.restore();
  }
  paintPresenterMarks(painter);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
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
    if (box->onKeyDown) deliver([box, code] { box->onKeyDown(code); });
  }
  return QWidget::eventFilter(watched, event);
}

void FormWindow::start() {
  elapsed_.start();
  session_.start(now());
  scheduleNextTick();
}

double FormWindow::now() const {
  return elapsed_.isValid() ? elapsed_.nsecsElapsed() / 1e6 : 0;
}

void FormWindow::deliver(const std::function<void()>& handler) {
  if (!session_.deliver(handler, now())) return;  // a message box is up, or a handler runs
  afterEvent();
}

void FormWindow::onTick() {
  if (session_.holding() || form_.busy()) return;
  session_.advance(now());
  afterEvent();
}

void FormWindow::afterEvent() {
  syncWidgets();
  showBoxes();
  if (session_.started()) scheduleNextTick();
}

void FormWindow::showBoxes() {
  // The lesson holds while a box is up: no handler runs inside the one that asked for it.
  std::vector<std::string> boxes = session_.takeBoxes(now());
  if (boxes.empty()) return;
  tickTimer_.stop();
  for (const std::string& text : boxes) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("提示"), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
  }
  session_.release(now());
}

void FormWindow::scheduleNextTick() {
  const std::optional<double> due = session_.nextDue();
  if (!due) {
    tickTimer_.stop();  // nothing moves: no work until the next event
    return;
  }
  const double wait = *due - now();
  tickTimer_.start(std::max(0, static_cast<int>(std::ceil(wait))));
}

int runProgram(int argc, char** argv, std::unique_ptr<kit::Form> form,
               const std::string& description) {
  QApplication app(argc, argv);
  app.setFont(qtFont(form->font, 1.0));
  FormWindow window(*form);
  window.setDescription(description);
  window.session().load();
  window.syncWidgets();
  window.show();
  window.start();
  return app.exec();
}

}  // namespace kitqt

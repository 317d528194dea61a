// The presenter's keys, bar, tab and badge, acting on the lesson's session.
#include "presentercontrol.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QWidget>

#include "kit/presenting.h"
#include "lessonrunner.h"
#include "presenterbar.h"

namespace kitqt {
namespace {

constexpr int kBarHeight = 30;
constexpr QSize kTabSize(22, 10);

}  // namespace

PresenterControl::PresenterControl(QWidget& window, LessonRunner& runner,
                                   std::function<void()> relayOut)
    : window_(window), runner_(runner), relayOut_(std::move(relayOut)) {
  const auto add = [this](const QKeySequence& keys, auto action) {
    QObject::connect(new QShortcut(keys, &window_), &QShortcut::activated, &window_, action);
  };
  add(QKeySequence(Qt::Key_F8), [this] { togglePause(); });
  add(QKeySequence(Qt::Key_Pause), [this] { togglePause(); });
  add(QKeySequence(Qt::Key_F9), [this] { stepOnce(); });
  add(QKeySequence(Qt::Key_PageDown), [this] { stepOnce(); });  // a presenter's "next"
  add(QKeySequence(Qt::Key_F7), [this] { backOnce(); });
  add(QKeySequence(Qt::SHIFT | Qt::Key_PageUp), [this] { backOnce(); });  // "previous"
  add(QKeySequence(Qt::Key_F6), [this] { replay(); });
  add(QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { slower(); });
  add(QKeySequence(Qt::SHIFT | Qt::Key_F9), [this] { faster(); });
  add(QKeySequence(Qt::Key_F4), [this] { showBar(!barShown()); });
}

void PresenterControl::togglePause() {
  kit::Session& session = runner_.session();
  if (session.paused()) {
    session.resume(runner_.now());
  } else {
    session.pause(runner_.now());
  }
  afterChange();
}

void PresenterControl::stepOnce() {
  kit::Session& session = runner_.session();
  if (!session.paused()) session.pause(runner_.now());
  session.step();
  afterChange();
}

void PresenterControl::backOnce() {
  runner_.session().back(runner_.now());
  afterChange();
}

void PresenterControl::replay() {
  runner_.session().replay(runner_.now());
  afterChange();
}

void PresenterControl::slower() {
  changeSpeed(-1);
}

void PresenterControl::faster() {
  changeSpeed(+1);
}

void PresenterControl::changeSpeed(int direction) {
  kit::Session& session = runner_.session();
  const double next = kit::nextSpeed(session.speed(), direction);
  if (next != session.speed()) session.setSpeed(next, runner_.now());
  afterChange();
}

void PresenterControl::afterChange() {
  const kit::Session& session = runner_.session();
  if (bar_) bar_->reflect(session.paused(), session.speed());
  runner_.settle();  // what a pause or a step delivered is shown, and the next tick is planned
  window_.update(corner());
}

bool PresenterControl::barShown() const {
  return bar_ && !bar_->isHidden();
}

int PresenterControl::barHeight() const {
  return barShown() ? kBarHeight : 0;
}

void PresenterControl::showBar(bool shown) {
  if (shown == barShown()) return;
  if (shown && !bar_) bar_ = new PresenterBar(*this, window_);
  bar_->reflect(runner_.session().paused(), runner_.session().speed());
  bar_->setVisible(shown);
  relayOut_();
}

void PresenterControl::placeBar() {
  if (barShown()) bar_->setGeometry(0, window_.height() - kBarHeight, window_.width(), kBarHeight);
}

QRect PresenterControl::tab() const {
  return QRect(QPoint(window_.width() - kTabSize.width() - 4, window_.height() - kTabSize.height()),
               kTabSize);
}

QRect PresenterControl::corner() const {
  return QRect(window_.width() - 140, window_.height() - 24 - barHeight(), 140, 24);
}

bool PresenterControl::pressTab(QPoint at) {
  if (barShown() || !tab().adjusted(-4, -6, 4, 0).contains(at)) return false;
  showBar(true);
  return true;
}

void PresenterControl::paintMarks(QPainter& painter) {
  if (!runner_.session().started()) return;  // only a running lesson has a presenter
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (!barShown()) paintTab(painter);
  paintBadge(painter);
  painter.restore();
}

void PresenterControl::paintTab(QPainter& painter) {
  // A small grey tongue at the bottom edge that brings the bar up.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(96, 96, 96, 150));
  painter.drawRoundedRect(tab().adjusted(0, 0, 0, 4), 3, 3);
  painter.setBrush(QColor(255, 255, 255, 220));
  const QPointF c = tab().center() + QPointF(0.5, 1);
  painter.drawPolygon(QPolygonF({c + QPointF(-4, 2), c + QPointF(4, 2), c + QPointF(0, -2)}));
}

void PresenterControl::paintBadge(QPainter& painter) {
  const kit::Session& session = runner_.session();
  const QString text = QString::fromStdString(kit::badgeText(session.paused(), session.speed()));
  if (text.isEmpty()) return;
  QFont small = window_.font();
  small.setPixelSize(12);
  painter.setFont(small);
  const QRect place = corner();
  const int textWidth = painter.fontMetrics().horizontalAdvance(text) + 10;
  const QRect box(place.right() - textWidth - kTabSize.width() - 8, place.top() + 4, textWidth, 17);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 140));
  painter.drawRoundedRect(box, 4, 4);
  painter.setPen(Qt::white);
  painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace kitqt

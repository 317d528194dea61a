// The teacher's control of the lesson's time on the desktop: keys that no lesson uses, a slim
// bar below the lesson (made only when first brought up, from a small tab at the window's
// bottom edge), and a badge that says when the lesson is paused or not at its own pace.
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <iterator>

#include "formwindow.h"

namespace kitqt {
namespace {

constexpr double kSpeeds[] = {0.25, 0.5, 1.0, 2.0};
constexpr int kBarHeight = 30;
constexpr QSize kTabSize(22, 10);

QString speedText(double speed) {
  if (speed == 0.25) return QStringLiteral("×¼");
  if (speed == 0.5) return QStringLiteral("×½");
  if (speed == 2.0) return QStringLiteral("×2");
  return QStringLiteral("×1");
}

}  // namespace

// The bar: pause or go on, one step, slower, faster, and put the bar away.
class PresenterBar : public QWidget {
 public:
  explicit PresenterBar(FormWindow& window) : QWidget(&window) {
    setObjectName("PresenterBar");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(64, 64, 64));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    const auto add = [&](const QString& text, const QString& name, auto action) {
      auto* button = new QPushButton(text, this);
      button->setAccessibleName(name);
      button->setFocusPolicy(Qt::NoFocus);  // the lesson's buttons keep the keyboard
      connect(button, &QPushButton::clicked, &window, action);
      row->addWidget(button);
      return button;
    };
    pause_ = add(QStringLiteral("暂停"), QStringLiteral("暂停或继续"),
                 [&window] { window.togglePause(); });
    add(QStringLiteral("单步"), QStringLiteral("单步"), [&window] { window.stepOnce(); });
    add(QStringLiteral("慢"), QStringLiteral("放慢"), [&window] { window.slower(); });
    speed_ = new QLabel(this);
    speed_->setMinimumWidth(28);
    speed_->setAlignment(Qt::AlignCenter);
    row->addWidget(speed_);
    add(QStringLiteral("快"), QStringLiteral("加快"), [&window] { window.faster(); });
    row->addStretch();
    add(QStringLiteral("收起"), QStringLiteral("收起演示控制"),
        [&window] { window.showPresenterBar(false); });
  }

  void reflect(bool paused, double speed) {
    pause_->setText(paused ? QStringLiteral("继续") : QStringLiteral("暂停"));
    speed_->setText(speedText(speed));
  }

 private:
  QPushButton* pause_;
  QLabel* speed_;
};

void FormWindow::addPresenterKeys() {
  const auto add = [this](const QKeySequence& keys, auto action) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  };
  add(QKeySequence(Qt::Key_F8), [this] { togglePause(); });
  add(QKeySequence(Qt::Key_Pause), [this] { togglePause(); });
  add(QKeySequence(Qt::Key_F9), [this] { stepOnce(); });
  add(QKeySequence(Qt::Key_PageDown), [this] { stepOnce(); });  // a presenter's "next"
  add(QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { slower(); });
  add(QKeySequence(Qt::SHIFT | Qt::Key_F9), [this] { faster(); });
  add(QKeySequence(Qt::Key_F4), [this] { showPresenterBar(!presenterBarShown()); });
}

void FormWindow::togglePause() {
  if (session_.paused()) {
    session_.resume(now());
  } else {
    session_.pause(now());
  }
  afterPresenterChange();
}

void FormWindow::stepOnce() {
  if (!session_.paused()) session_.pause(now());
  session_.step();
  afterPresenterChange();
}

void FormWindow::slower() {
  const double* at = std::find(std::begin(kSpeeds), std::end(kSpeeds), session_.speed());
  if (at != std::begin(kSpeeds) && at != std::end(kSpeeds)) session_.setSpeed(*(at - 1), now());
  afterPresenterChange();
}

void FormWindow::faster() {
  const double* at = std::find(std::begin(kSpeeds), std::end(kSpeeds), session_.speed());
  if (at != std::end(kSpeeds) && at + 1 != std::end(kSpeeds)) session_.setSpeed(*(at + 1), now());
  afterPresenterChange();
}

void FormWindow::afterPresenterChange() {
  if (bar_) bar_->reflect(session_.paused(), session_.speed());
  afterEvent();  // what a pause or a step delivered is shown, and the next tick is planned
  update(presenterCorner());
}

bool FormWindow::presenterBarShown() const {
  return bar_ && !bar_->isHidden();  // asked for, even while the window itself is hidden
}

int FormWindow::presenterBarHeight() const {
  return presenterBarShown() ? kBarHeight : 0;
}

void FormWindow::showPresenterBar(bool shown) {
  if (shown == presenterBarShown()) return;
  if (shown && !bar_) bar_ = new PresenterBar(*this);
  bar_->reflect(session_.paused(), session_.speed());
  bar_->setVisible(shown);
  fitted_ = QSize();  // the window makes room for the bar below the lesson, or gives it back
  fitToForm();
  placePresenterBar();
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
    QResizeEvent again(size(), size());
    resizeEvent(&again);
  }
  update();
}

void FormWindow::placePresenterBar() {
  if (presenterBarShown()) bar_->setGeometry(0, height() - kBarHeight, width(), kBarHeight);
}

QRect FormWindow::presenterTab() const {
  return QRect(QPoint(width() - kTabSize.width() - 4, height() - kTabSize.height()), kTabSize);
}

QRect FormWindow::presenterCorner() const {
  return QRect(width() - 140, height() - 24 - presenterBarHeight(), 140, 24);
}

void FormWindow::paintPresenterMarks(QPainter& painter) {
  // Only a running lesson has a presenter; pictures of it show the lesson alone.
  if (!session_.started() || picturing_) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (!presenterBarShown()) {
    // The tab: a small grey tongue at the bottom edge that brings the bar up.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 96, 96, 150));
    painter.drawRoundedRect(presenterTab().adjusted(0, 0, 0, 4), 3, 3);
    painter.setBrush(QColor(255, 255, 255, 220));
    const QPointF c = presenterTab().center() + QPointF(0.5, 1);
    painter.drawPolygon(QPolygonF({c + QPointF(-4, 2), c + QPointF(4, 2), c + QPointF(0, -2)}));
  }
  QStringList badge;
  if (session_.paused()) badge << QStringLiteral("已暂停");
  if (session_.speed() != 1.0) badge << speedText(session_.speed());
  if (!badge.isEmpty()) {
    QFont small = font();
    small.setPixelSize(12);
    painter.setFont(small);
    const QString text = badge.join(' ');
    const QRect corner = presenterCorner();
    const int textWidth = painter.fontMetrics().horizontalAdvance(text) + 10;
    const QRect box(corner.right() - textWidth - kTabSize.width() - 8, corner.top() + 4, textWidth,
                    17);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
  }
  painter.restore();
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  if (!presenterBarShown() && presenterTab().adjusted(-4, -6, 4, 0).contains(event->pos())) {
    showPresenterBar(true);
    return;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace kitqt

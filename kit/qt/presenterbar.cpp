// The presenter's bar: a row of buttons that hand each press to the presenter.
#include "presenterbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/presenting.h"
#include "presentercontrol.h"

namespace kitqt {

PresenterBar::PresenterBar(PresenterControl& presenter, QWidget& window) : QWidget(&window) {
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
    // Tab reaches the bar after the lesson's controls; a press leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, &window, action);
    row->addWidget(button);
    return button;
  };
  PresenterControl* control = &presenter;
  pause_ = add(QStringLiteral("暂停"), QStringLiteral("暂停或继续"),
               [control] { control->togglePause(); });
  add(QStringLiteral("单步"), QStringLiteral("单步"), [control] { control->stepOnce(); });
  add(QString::fromUtf8(kit::kBackButton.label), QString::fromUtf8(kit::kBackButton.name),
      [control] { control->backOnce(); });
  add(QString::fromUtf8(kit::kReplayButton.label), QString::fromUtf8(kit::kReplayButton.name),
      [control] { control->replay(); });
  add(QStringLiteral("慢"), QStringLiteral("放慢"), [control] { control->slower(); });
  speed_ = new QLabel(this);
  speed_->setMinimumWidth(28);
  speed_->setAlignment(Qt::AlignCenter);
  row->addWidget(speed_);
  add(QStringLiteral("快"), QStringLiteral("加快"), [control] { control->faster(); });
  row->addStretch();
  add(QStringLiteral("收起"), QStringLiteral("收起演示控制"),
      [control] { control->showBar(false); });
}

void PresenterBar::reflect(bool paused, double speed) {
  pause_->setText(paused ? QStringLiteral("继续") : QStringLiteral("暂停"));
  speed_->setText(QString::fromStdString(kit::speedLabel(speed)));
}

}  // namespace kitqt

// Builds the list from the registry's lessons and the programs found, and turns keys and clicks
// into starts.
#include "launcherwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QVBoxLayout>

#include "kit/qt/qtlook.h"
#include "lessonbutton.h"

namespace launcher {
namespace {

// A double click is one request: the second press must not open a second window of the lesson.
constexpr qint64 kRepeatGuardMs = 1500;

}  // namespace

bool startDetached(const QString& path) {
  return QProcess::startDetached(path, {});
}

LauncherWindow::LauncherWindow(const ProgramFinder& finder, Starter start, QWidget* parent)
    : QWidget(parent), start_(std::move(start)) {
  setWindowTitle(QStringLiteral("平面向量"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(6);

  auto* heading = new QLabel(QStringLiteral("平面向量"), this);
  heading->setFont(kitqt::qtFont({kit::faces::kKai, 22, true}, 1.0));
  layout->addWidget(heading);
  auto* hint =
      new QLabel(QStringLiteral("点击一课，或按数字键 1～5，这一课就在新窗口中打开。"), this);
  hint->setFont(kitqt::qtFont({kit::faces::kSong, 11}, 1.0));
  layout->addWidget(hint);
  layout->addSpacing(4);

  const std::vector<lessons::Lesson>& all = lessons::all();
  entries_.reserve(all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    const QString path = finder.find(QString::fromStdString(all[i].name));
    auto* button = new LessonButton(static_cast<int>(i) + 1, all[i], !path.isEmpty(), this);
    connect(button, &LessonButton::clicked, this, [this, i] { open(static_cast<int>(i)); });
    layout->addWidget(button);
    entries_.push_back({button, path, {}});
  }

  layout->addStretch();
  status_ = new QLabel(this);
  status_->setFont(kitqt::qtFont({kit::faces::kSong, 11}, 1.0));
  layout->addWidget(status_);

  for (const Entry& entry : entries_)
    if (entry.button->isEnabled()) {
      entry.button->setFocus();
      break;
    }
}

bool LauncherWindow::open(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
  Entry& entry = entries_[index];
  const lessons::Lesson& lesson = lessons::all()[index];
  const QString title = QString::fromStdString(lesson.title);
  if (entry.path.isEmpty()) {
    status_->setText(QStringLiteral("“%1”尚未安装（没有找到程序 %2）。")
                         .arg(title, QString::fromStdString(lesson.name)));
    return false;
  }
  if (entry.lastOpened.isValid() && !entry.lastOpened.hasExpired(kRepeatGuardMs)) return false;
  if (!start_(entry.path)) {
    status_->setText(QStringLiteral("无法打开“%1”：%2").arg(title, entry.path));
    return false;
  }
  entry.lastOpened.start();
  status_->setText(QStringLiteral("已打开“%1”。").arg(title));
  return true;
}

QString LauncherWindow::status() const {
  return status_->text();
}

void LauncherWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_1 && key < Qt::Key_1 + static_cast<int>(entries_.size())) {
    const int index = key - Qt::Key_1;
    entries_[index].button->setFocus();
    open(index);
    return;
  }
  // Up and down walk the list; lessons that cannot be opened take no focus.
  if (key == Qt::Key_Up || key == Qt::Key_Down) {
    focusNextPrevChild(key == Qt::Key_Down);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace launcher

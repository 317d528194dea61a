// The launcher's window "平面向量": the lessons in teaching order, each opened as a program of
// its own by a click, Enter, or its number key.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "programfinder.h"

class QLabel;

namespace launcher {

class LessonButton;

class LauncherWindow : public QWidget {
 public:
  // Starts a program by its path as a separate process; true when it started.
  using Starter = std::function<bool(const QString& path)>;

  LauncherWindow(const ProgramFinder& finder, Starter start, QWidget* parent = nullptr);

  // Opens the lesson at this place in the list (0 is the first); false when it cannot.
  bool open(int index);

  // The line under the list that says what was opened or why not.
  QString status() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Entry {
    LessonButton* button;
    QString path;  // empty when the program was not found
    QElapsedTimer lastOpened;
  };
  std::vector<Entry> entries_;
  QLabel* status_;
  Starter start_;
};

// Starts the program detached, so closing the launcher leaves the lesson open.
bool startDetached(const QString& path);

}  // namespace launcher

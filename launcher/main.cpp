// vectors: the chapter's launcher, one window that opens each lesson as a program of its own.
#include <QApplication>

#include "kit/qt/qtlook.h"
#include "launcherwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setFont(kitqt::qtFont({kit::faces::kSong, 10.5}, 1.0));
  launcher::LauncherWindow window(launcher::ProgramFinder::forThisProcess(),
                                  launcher::startDetached);
  window.show();
  return app.exec();
}

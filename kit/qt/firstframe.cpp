// The first frame is taken as painted once the event loop is back after the first paint, when
// the children painted in the same pass have been flushed with it.
#include "firstframe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kitqt {

void noteFirstFrame() {
  static bool noted = false;
  if (noted) return;
  noted = true;
  const char* mode = std::getenv("VEC_FIRST_FRAME");
  if (!mode) return;
  const bool quit = std::strcmp(mode, "quit") == 0;
  QTimer::singleShot(0, [quit] {
    std::fprintf(stderr, "first-frame %.6f\n", QDateTime::currentMSecsSinceEpoch() / 1000.0);
    if (quit) QCoreApplication::quit();
  });
}

}  // namespace kitqt

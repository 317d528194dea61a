// Where a lesson's program lives: beside the launcher (an installed tree), in its own folder of
// the build tree (build/vecadd/vecadd next to build/launcher/vectors), then on the search path.
#pragma once

#include <QString>
#include <QStringList>

namespace launcher {

class ProgramFinder {
 public:
  ProgramFinder(QString launcherDir, QStringList searchPath);
  // The running launcher's own folder and the PATH it was started with.
  static ProgramFinder forThisProcess();

  // The absolute path of an executable file for the program, or empty when there is none.
  QString find(const QString& program) const;

 private:
  QString launcherDir_;
  QStringList searchPath_;
};

}  // namespace launcher

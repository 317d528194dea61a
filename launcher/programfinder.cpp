// Looks in the launcher's folder first, so an installed or freshly built suite opens its own
// lessons rather than another copy found on PATH.
#include "programfinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace launcher {
namespace {

QString executableAt(const QString& path) {
  const QFileInfo file(path);
  return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

}  // namespace

ProgramFinder::ProgramFinder(QString launcherDir, QStringList searchPath)
    : launcherDir_(std::move(launcherDir)), searchPath_(std::move(searchPath)) {}

ProgramFinder ProgramFinder::forThisProcess() {
  const QString path = qEnvironmentVariable("PATH");
  return ProgramFinder(QCoreApplication::applicationDirPath(),
                       path.split(QDir::listSeparator(), Qt::SkipEmptyParts));
}

QString ProgramFinder::find(const QString& program) const {
  if (program.isEmpty() || program.contains('/')) return {};
  const QDir here(launcherDir_);
  QStringList candidates = {here.filePath(program),
                            QDir::cleanPath(here.filePath("../" + program + "/" + program))};
  for (const QString& dir : searchPath_) candidates << QDir(dir).filePath(program);
  for (const QString& candidate : candidates)
    if (QString found = executableAt(candidate); !found.isEmpty()) return QDir::cleanPath(found);
  return {};
}

}  // namespace launcher

// Scratch folders holding stand-in executables, laid out like an installed or a built suite.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// Paths in failure messages as text rather than code units.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace launcher::testing {

class FakePrograms {
 public:
  // Creates an empty file at a path below the scratch folder, executable or not.
  QString add(const QString& relative, bool executable = true) {
    const QString path = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.close();
    QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) mode |= QFile::ExeOwner;
    file.setPermissions(mode);
    return QFileInfo(path).absoluteFilePath();
  }
  QString path(const QString& relative) const { return dir_.filePath(relative); }

 private:
  QTemporaryDir dir_;
};

}  // namespace launcher::testing

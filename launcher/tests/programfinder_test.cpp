// Finding a lesson's program in an installed tree, a build tree and on the search path, and the
// lesson list agreeing with the menu entries.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>

#include "fakeprograms.h"
#include "launcher/programfinder.h"
#include "lessons/lessons.h"

namespace launcher {
namespace {

using testing::FakePrograms;

TEST(ProgramFinder, FindsProgramsBesideTheLauncherAndInTheBuildTree) {
  FakePrograms tree;
  const QString installed = tree.add("usr/bin/vecadd");
  tree.add("build/launcher/vectors");
  const QString built = tree.add("build/vecsub/vecsub");

  EXPECT_EQ(ProgramFinder(tree.path("usr/bin"), {}).find("vecadd"), installed);
  EXPECT_EQ(ProgramFinder(tree.path("build/launcher"), {}).find("vecsub"), built);
  EXPECT_EQ(ProgramFinder(tree.path("usr/bin"), {}).find("vecsub"), "");
}

TEST(ProgramFinder, PrefersItsOwnSuiteToTheSearchPath) {
  FakePrograms tree;
  tree.add("elsewhere/vecadd");
  tree.add("elsewhere/vecscale");
  const QString own = tree.add("suite/bin/vecadd");
  const QString onPath = tree.path("elsewhere/vecscale");

  const ProgramFinder finder(tree.path("suite/bin"), {tree.path("empty"), tree.path("elsewhere")});
  EXPECT_EQ(finder.find("vecadd"), own);
  EXPECT_EQ(finder.find("vecscale"), QFileInfo(onPath).absoluteFilePath());
}

TEST(ProgramFinder, SkipsWhatCannotBeRun) {
  FakePrograms tree;
  tree.add("bin/vecadd", false);      // not executable
  tree.add("bin/vecsub/readme.txt");  // a folder of that name
  tree.add("other/veccoord/veccoord", false);
  const QString fallback = tree.add("path/vecadd");

  const ProgramFinder finder(tree.path("bin"), {tree.path("path")});
  EXPECT_EQ(finder.find("vecadd"), fallback);
  EXPECT_EQ(finder.find("vecsub"), "");
  EXPECT_EQ(ProgramFinder(tree.path("other/x"), {}).find("veccoord"), "");
}

TEST(ProgramFinder, TakesOnlyPlainProgramNames) {
  FakePrograms tree;
  tree.add("bin/vecadd");
  tree.add("tool");
  const ProgramFinder finder(tree.path("bin"), {tree.path("bin")});
  EXPECT_EQ(finder.find("../tool"), "");
  EXPECT_EQ(finder.find(""), "");
}

// The keys of a desktop entry file, read as plain "key=value" lines.
QMap<QString, QString> desktopEntry(const QString& path) {
  QMap<QString, QString> keys;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    const qsizetype equals = line.indexOf('=');
    if (equals > 0) keys.insert(line.left(equals), line.mid(equals + 1));
  }
  return keys;
}

// The launcher and the desktop menu must call each lesson by the same name and description.
TEST(Lessons, MatchTheirMenuEntries) {
  ASSERT_FALSE(lessons::all().empty());
  for (const lessons::Lesson& lesson : lessons::all()) {
    SCOPED_TRACE(lesson.name);
    const QString program = QString::fromStdString(lesson.name);
    const QString file =
        QString::fromUtf8(VEC_PACKAGING_DIR "/applications/%1.desktop").arg(program);
    const QMap<QString, QString> entry = desktopEntry(file);
    ASSERT_FALSE(entry.isEmpty()) << file.toStdString();
    EXPECT_EQ(entry.value("Name"), QString::fromStdString(lesson.title));
    EXPECT_EQ(entry.value("Comment"), QString::fromStdString(lesson.summary));
    EXPECT_EQ(entry.value("Exec"), program);
  }
}

}  // namespace
}  // namespace launcher

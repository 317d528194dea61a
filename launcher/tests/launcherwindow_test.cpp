// The launcher's window driven by keys and the mouse: which program each way of choosing a
// lesson starts, and what happens for a lesson that cannot be opened.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QSet>
#include <QTest>

#include "fakeprograms.h"
#include "launcher/launcherwindow.h"
#include "launcher/lessonbutton.h"

namespace launcher {
namespace {

using testing::FakePrograms;

// A suite installed in one folder with every lesson but the coordinates one.
class LauncherWindowTest : public ::testing::Test {
 protected:
  LauncherWindowTest() {
    tree.add("bin/vectors");
    for (const lessons::Lesson& lesson : lessons::all())
      if (lesson.name != "veccoord") tree.add(QString::fromStdString("bin/" + lesson.name));
  }

  LauncherWindow& window() {
    if (!window_) {
      window_ = std::make_unique<LauncherWindow>(ProgramFinder(tree.path("bin"), {}),
                                                 [this](const QString& path) {
                                                   started.push_back(QFileInfo(path).fileName());
                                                   return startSucceeds;
                                                 });
      window_->show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    return *window_;
  }
  LessonButton* button(const QString& program) {
    return window().findChild<LessonButton*>("lesson_" + program);
  }

  FakePrograms tree;
  QStringList started;
  bool startSucceeds = true;

 private:
  std::unique_ptr<LauncherWindow> window_;
};

TEST_F(LauncherWindowTest, NumberKeysOpenTheLessonsInTeachingOrder) {
  EXPECT_EQ(window().windowTitle(), QStringLiteral("平面向量"));
  QTest::keyClick(&window(), Qt::Key_2);
  QTest::keyClick(&window(), Qt::Key_1);
  QTest::keyClick(&window(), Qt::Key_3);
  QTest::keyClick(&window(), Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(started, QStringList({"vecadd", "vecintro", "vecsub", "vecscale"}));
  EXPECT_EQ(window().status(), QStringLiteral("已打开“数乘向量”。"));

  QTest::keyClick(&window(), Qt::Key_6);
  QTest::keyClick(&window(), Qt::Key_0);
  EXPECT_EQ(started.size(), 4);
}

TEST_F(LauncherWindowTest, ClickEnterAndSpaceOpenTheLessonTheyAreOn) {
  QTest::mouseClick(button("vecsub"), Qt::LeftButton);
  button("vecintro")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  button("vecscale")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(started, QStringList({"vecsub", "vecintro", "vecscale"}));
}

TEST_F(LauncherWindowTest, AMissingProgramIsGreyedAndSaysSo) {
  ASSERT_NE(button("veccoord"), nullptr);
  EXPECT_FALSE(button("veccoord")->isEnabled());
  EXPECT_TRUE(button("vecadd")->isEnabled());

  QTest::keyClick(&window(), Qt::Key_4);
  QTest::mouseClick(button("veccoord"), Qt::LeftButton);
  EXPECT_TRUE(started.isEmpty());
  EXPECT_TRUE(window().status().contains(QStringLiteral("向量的坐标运算")));
  EXPECT_TRUE(window().status().contains(QStringLiteral("尚未安装")));
}

TEST_F(LauncherWindowTest, UpAndDownWalkPastAMissingLesson) {
  button("vecsub")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), button("vecscale"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), button("vecsub"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(started, QStringList({"vecadd"}));
}

// Teachers double-click out of habit: the window system delivers that as two clicks, and the
// lesson must still open once. Another lesson opens at once.
TEST_F(LauncherWindowTest, ADoubleClickOpensOneWindow) {
  QTest::mouseClick(button("vecadd"), Qt::LeftButton);
  QTest::mouseClick(button("vecadd"), Qt::LeftButton);
  QTest::keyClick(&window(), Qt::Key_2);
  QTest::mouseClick(button("vecsub"), Qt::LeftButton);
  EXPECT_EQ(started, QStringList({"vecadd", "vecsub"}));
}

TEST_F(LauncherWindowTest, AFailedStartIsReportedAndCanBeTriedAgain) {
  startSucceeds = false;
  EXPECT_FALSE(window().open(1));
  EXPECT_TRUE(window().status().startsWith(QStringLiteral("无法打开“向量加法”")));
  startSucceeds = true;
  EXPECT_TRUE(window().open(1));
  EXPECT_EQ(started, QStringList({"vecadd", "vecadd"}));
  EXPECT_FALSE(window().open(-1));
  EXPECT_FALSE(window().open(5));
}

// The colours painted where a lesson's picture goes.
QSet<QRgb> coloursIn(const QImage& image, const QRect& box) {
  QSet<QRgb> colours;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

TEST_F(LauncherWindowTest, EachLessonShowsItsPictureOrAPlainStandIn) {
  for (const lessons::Lesson& lesson : lessons::all()) {
    SCOPED_TRACE(lesson.name);
    const QString program = QString::fromStdString(lesson.name);
    const bool made = QFileInfo::exists(
        QString::fromUtf8(VEC_SOURCE_DIR "/launcher/thumbnails/%1.png").arg(program));
    const QPixmap picture = lessonPicture(program);
    EXPECT_EQ(!picture.isNull(), made);  // every picture in the folder is embedded
    if (made) {
      EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    }

    LessonButton* shown = button(program);
    QImage shot = shown->grab().toImage();
    shot.setDevicePixelRatio(1.0);
    const int colours = coloursIn(shot, LessonButton::pictureBox()).size();
    if (made) {
      EXPECT_GT(colours, 8);
    } else {
      EXPECT_LE(colours, 2);
    }
  }
}

}  // namespace
}  // namespace launcher

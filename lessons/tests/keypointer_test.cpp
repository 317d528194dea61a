// Keys on a real window: the keyboard pointer's on the surface give the dump the same presses
// and drags give through the driver, the figure's words reach the accessibility tree after a
// drag and after an animation, and the presenter's keys pause, step, go back and play again.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <memory>
#include <sstream>

#include "kit/dump.h"
#include "kit/qt/formwindow.h"
#include "kit/qt/surfacewidget.h"
#include "kit/scriptrunner.h"
#include "lessons/lessons.h"

namespace {

std::string scripted(const char* lesson, const std::string& script) {
  auto form = lessons::find(lesson)->makeForm();
  std::ostringstream out;
  kit::script::Runner runner(*form, out);
  std::istringstream in(script);
  EXPECT_FALSE(runner.run(in));
  return out.str();
}

QStringList figureLines(QWidget* surface) {
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(surface);
  QStringList lines;
  for (int i = 0; i < access->childCount(); ++i) lines << access->child(i)->text(QAccessible::Name);
  return lines;
}

// vecsub's real window, loaded and shown as the program opens it.
struct VecsubWindow {
  std::unique_ptr<kit::Form> form = lessons::find("vecsub")->makeForm();
  kitqt::FormWindow window{*form};
  VecsubWindow() {
    window.session().load();
    window.syncWidgets();
    window.show();
  }
};

TEST(KeyPointer, KeysOnTheWindowDragAsTheMouseDoesAndTheWordsFollow) {
  VecsubWindow open;
  auto& form = open.form;
  auto& window = open.window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* surface = window.findChild<kitqt::SurfaceWidget*>("Picture1");
  surface->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(surface->hasFocus());
  // From the middle (500, 500): two steps right, a press, a step up and a tenth left, let go.
  QTest::keyClick(surface, Qt::Key_Right);
  QTest::keyClick(surface, Qt::Key_Right);
  QTest::keyClick(surface, Qt::Key_Space);
  QTest::keyClick(surface, Qt::Key_Up);
  QTest::keyClick(surface, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(surface, Qt::Key_Escape);
  const std::string keyed = kit::dumpState(*form, {}) + "\n";
  EXPECT_EQ(keyed, scripted("vecsub",
                            "down 1 0 700 500\nmove 1 0 700 600\nmove 1 1 690 600\n"
                            "click Picture1\ndump\n"));
  EXPECT_TRUE(figureLines(surface).contains("向量 b：从 O(141,313) 到 B(690,600)"))
      << figureLines(surface).join("|").toStdString();

  // A brings the pointer to A's tip (not an arrowhead's end); a press there and a drag move it.
  QTest::keyClick(surface, Qt::Key_A);
  QTest::keyClick(surface, Qt::Key_Return);
  QTest::keyClick(surface, Qt::Key_Down);
  QTest::keyClick(surface, Qt::Key_Return);
  EXPECT_TRUE(figureLines(surface).contains("向量 a：从 O(141,313) 到 A(384,597)"))
      << figureLines(surface).join("|").toStdString();
}

TEST(KeyPointer, TheWordsFollowAnAnimationToItsEnd) {
  VecsubWindow open;
  auto& form = open.form;
  auto& window = open.window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.start();
  auto* surface = window.findChild<kitqt::SurfaceWidget*>("Picture1");
  const QStringList before = figureLines(surface);
  QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
  // Stepped to the end on the lesson's clock, as the teacher's F9 does.
  window.togglePause();
  const auto running = [&] {
    return kit::dumpState(*form, {}).find("\"Enabled\":true") != std::string::npos;
  };
  QStringList said;
  for (int steps = 0; steps < 20000 && running(); ++steps) {
    window.stepOnce();
    if (const std::string& words = surface->figure().announcement(); !words.empty())
      said << QString::fromStdString(words);
  }
  ASSERT_FALSE(running());
  const QString drawn = QStringLiteral("向量 a-b：从 B(768,313) 到 A(384,697)");
  EXPECT_FALSE(before.contains(drawn));
  EXPECT_TRUE(figureLines(surface).contains(drawn)) << figureLines(surface).join("|").toStdString();
  // Said once, when the drawing ended, not at every tick.
  ASSERT_EQ(said.size(), 1) << said.join(" / ").toStdString();
  EXPECT_TRUE(said[0].contains(drawn)) << said[0].toStdString();
}

TEST(PresenterKeys, PauseStepBackAndReplayByTheirKeys) {
  VecsubWindow open;
  auto& form = open.form;
  auto& window = open.window;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.start();
  const auto dump = [&] { return kit::dumpState(*form, {}); };
  QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
  const std::string clicked = dump();
  QTest::keyClick(&window, Qt::Key_F8);
  ASSERT_TRUE(window.session().paused());
  std::vector<std::string> steps = {dump()};
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(&window, Qt::Key_F9);
    steps.push_back(dump());
  }
  EXPECT_NE(steps[4], steps[2]);
  QTest::keyClick(&window, Qt::Key_F7);
  QTest::keyClick(&window, Qt::Key_F7);
  EXPECT_EQ(dump(), steps[2]);
  QTest::keyClick(&window, Qt::Key_PageUp, Qt::ShiftModifier);  // a presenter's "previous"
  EXPECT_EQ(dump(), steps[1]);
  QTest::keyClick(&window, Qt::Key_F6);
  EXPECT_EQ(dump(), clicked);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

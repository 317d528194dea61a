// What a pupil who works by keyboard or reads with a screen reader meets in the real windows:
// vecscale's box is named by its label, vecintro's clock and hint take no focus and the clock is
// one quiet text, Tab reaches the teacher's bar, and the first focused button shows its ring.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/qt/formwindow.h"
#include "lessons/lessons.h"

namespace {

struct Window {
  explicit Window(const char* program) : form(lessons::find(program)->makeForm()), window(*form) {
    window.session().load();
    window.syncWidgets();
  }
  QWidget* widget(const char* name) { return window.findChild<QWidget*>(name); }
  std::unique_ptr<kit::Form> form;
  kitqt::FormWindow window;
};

// Every name and role under an accessible interface, less the figure's words under the drawing
// surface (which read the clock too, among the figure's lines).
void collect(QAccessibleInterface* node, std::vector<std::pair<QAccessible::Role, QString>>& out) {
  out.emplace_back(node->role(), node->text(QAccessible::Name));
  if (node->role() == QAccessible::Canvas) return;
  for (int i = 0; i < node->childCount(); ++i)
    if (QAccessibleInterface* child = node->child(i)) collect(child, out);
}

// The clock's updates, seen as a screen reader would get them.
std::vector<QObject*> events;
void note(QAccessibleEvent* event) {
  events.push_back(event->object());
}

TEST(Reach, TheMultiplesBoxIsNamedByItsLabel) {
  Window scale("vecscale");
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(scale.widget("Text1"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("模的倍数："));
  EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("3"));
}

TEST(Reach, TheClockIsOneQuietTextAndNoTabStop) {
  Window intro("vecintro");
  for (const char* box : {"Text1", "Text2", "Text3", "Text4"})
    EXPECT_EQ(intro.widget(box)->focusPolicy(), Qt::NoFocus) << box;
  std::vector<std::pair<QAccessible::Role, QString>> tree;
  collect(QAccessible::queryAccessibleInterface(&intro.window), tree);
  int clocks = 0;
  for (const auto& [role, name] : tree) {
    EXPECT_NE(role, QAccessible::EditableText) << name.toStdString();
    if (name.startsWith(QStringLiteral("用时"))) {
      ++clocks;
      EXPECT_EQ(role, QAccessible::StaticText);
      EXPECT_EQ(name, QStringLiteral("用时 00:00:00"));
    }
  }
  EXPECT_EQ(clocks, 1);

  // A second of the clock's ticks raises no event a screen reader would hear.
  QAccessible::setActive(true);
  const auto before = QAccessible::installUpdateHandler(note);
  auto* clock = static_cast<kit::Timer*>(intro.form->find("Timer2"));
  for (int tick = 0; tick < 64; ++tick) intro.window.deliver(clock->onTick);
  QAccessible::installUpdateHandler(before);
  EXPECT_EQ(static_cast<kit::TextBox*>(intro.form->find("Text1"))->Text(), ":6");
  for (QObject* object : events)
    for (const char* box : {"Text1", "Text2", "Text3"}) EXPECT_NE(object, intro.widget(box)) << box;
}

TEST(Reach, TabReachesTheTeachersBarAndTheFirstFocusShowsItsRing) {
  Window intro("vecintro");
  intro.window.showPresenterBar(true);
  intro.window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&intro.window));
  auto* start = static_cast<QPushButton*>(intro.widget("Command1"));
  start->setFocus(Qt::ActiveWindowFocusReason);  // the window's first focus, no Tab yet

  const QImage shown = start->grab().toImage();
  if (qEnvironmentVariableIsSet("REACH_SHOT")) intro.window.grab().save("/tmp/reach-window.png");
  int ring = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      ring += shown.pixelColor(x, y) == QColor(0x1a, 0x5f, 0xb4);
  EXPECT_GE(ring, 2 * (shown.width() + shown.height()));

  QStringList reached;
  for (int i = 0; i < 8; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    reached << (button ? button->text() : QApplication::focusWidget()->objectName());
  }
  for (const char* name : {"单步", "慢", "快", "收起"})
    EXPECT_TRUE(reached.contains(QString::fromUtf8(name))) << reached.join(' ').toStdString();
  for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) EXPECT_FALSE(reached.contains(box));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The front end's mappings: pixels to surface units, mouse buttons, arcs, the window's size and
// drawing, text boxes, and fonts that resolve to the intended style rather than a fallback.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QtMath>
#include <cmath>
#include <memory>

#include "kit/axes.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/qt/canvaspainter.h"
#include "kit/qt/formwindow.h"
#include "kit/qt/qtlook.h"
#include "kit/qt/surfacewidget.h"

namespace {

TEST(Pixels, MapToSurfaceUnitsAndBack) {
  kit::Form form("test", 9405, 7305);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Scale(-2, 10, 13, -2);
  for (double zoom : {1.0, 2.0}) {
    kitqt::CanvasPainter painter(surface, zoom);
    EXPECT_EQ(painter.innerSize(), QSize(496, 396) * zoom);
    const QPointF origin = painter.toPixels(0, 0);
    EXPECT_NEAR(origin.x(), 2 * 496 / 15.0 * zoom, 1e-9);
    EXPECT_NEAR(origin.y(), 10 * 495 / 15.0 * zoom, 1e-9);
    const QPointF units = painter.toUnits(QPointF(248 * zoom, 198 * zoom));
    EXPECT_NEAR(units.x(), 5.5, 1e-9);
    EXPECT_NEAR(units.y(), 4.0, 1e-9);
  }
}

TEST(Mouse, ButtonsAndShiftUseTheDesignCodes) {
  EXPECT_EQ(kitqt::buttonCode(Qt::LeftButton), 1);
  EXPECT_EQ(kitqt::buttonCode(Qt::RightButton), 2);
  EXPECT_EQ(kitqt::buttonCode(Qt::LeftButton | Qt::MiddleButton), 5);
  EXPECT_EQ(kitqt::shiftCode(Qt::ShiftModifier | Qt::AltModifier), 5);
}

TEST(Colours, SystemAndDesignValues) {
  EXPECT_EQ(kitqt::qtColor(kit::colors::kRed), QColor(255, 0, 0));
  EXPECT_EQ(kitqt::qtColor(kit::colors::kDarkBlue), QColor(0, 0, 0xC0));
  EXPECT_EQ(kitqt::qtColor(kit::colors::kTitleBarText), QColor(255, 255, 255));
  EXPECT_EQ(kitqt::qtColor(kit::colors::kMenu), QColor(255, 255, 255));
}

// Whether something is painted within a pixel of a position in twips.
bool inkAt(const QImage& image, double xTwips, double yTwips) {
  const int x = qRound(xTwips / 15), y = qRound(yTwips / 15);
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (qGray(image.pixel(x + dx, y + dy)) < 160) return true;
  return false;
}

TEST(Arcs, RunCounterClockwiseOnScreenFromStartToEnd) {
  kit::Form form("test", 3000, 3000);
  kit::Canvas twips(form, "Picture1", {0, 0, 3000, 3000}, 0);  // y grows downwards
  twips.Circle(1500, 1500, 600, kit::colors::kBlack, 0, 1.0);
  twips.Circle(1500, 1500, 300, kit::colors::kBlack, 5.5, 0.5);  // across the ground direction
  kitqt::CanvasPainter painter(twips, 1.0);
  QImage image(painter.innerSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  painter.paint(p);
  EXPECT_TRUE(inkAt(image, 1500 + 600 * std::cos(0.5), 1500 - 600 * std::sin(0.5)));  // above
  EXPECT_FALSE(inkAt(image, 1500 + 600 * std::cos(0.5), 1500 + 600 * std::sin(0.5)));
  EXPECT_TRUE(inkAt(image, 1800, 1500));
  EXPECT_TRUE(inkAt(image, 1500 + 300 * std::cos(6.0), 1500 - 300 * std::sin(6.0)));  // below
  EXPECT_FALSE(inkAt(image, 1200, 1500));
}

// Dark pixels within `reach` of a point, across the line through it (rows for the x axis,
// columns for the y axis).
int inkAcross(const QImage& image, QPointF at, bool vertical, int reach) {
  int count = 0;
  for (int d = -reach; d <= reach; ++d) {
    const int x = qFloor(at.x()) + (vertical ? d : 0), y = qFloor(at.y()) + (vertical ? 0 : d);
    if (image.valid(x, y) && qGray(image.pixel(x, y)) < 100) ++count;
  }
  return count;
}

TEST(Axes, TheIntegerDotsStandOutOfTheAxisLines) {
  kit::Form form("test", 9015, 7440);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Scale(-2, 10, 13, -2);
  kit::drawCoordinateAxes(surface);
  for (double zoom : {1.0, 2.0}) {
    kitqt::CanvasPainter painter(surface, zoom);
    QImage image(painter.innerSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    painter.paint(p);
    const int reach = qRound(3 * zoom);
    for (int i : {1, 2, 5, 11}) {
      EXPECT_GT(inkAcross(image, painter.toPixels(i, 0), false, reach),
                inkAcross(image, painter.toPixels(i + 0.5, 0), false, reach))
          << "x = " << i << " at " << zoom << "x";
    }
    for (int i : {1, 3, 8}) {
      EXPECT_GT(inkAcross(image, painter.toPixels(0, i), true, reach),
                inkAcross(image, painter.toPixels(0, i + 0.5), true, reach))
          << "y = " << i << " at " << zoom << "x";
    }
  }
}

TEST(FormWindow, GrowsNoTallerThanItsScreenAndCachesOnlyWhatItShows) {
  kit::Form form("test", 9585, 3135);
  kitqt::FormWindow window(form);
  window.show();  // a window on screen keeps within its screen
  EXPECT_EQ(window.height(), 209);
  form.dispatch([&] { form.Height += 20 * 300; });
  window.syncWidgets();
  const int room = window.screen()->availableGeometry().height();
  const int frame = window.frameGeometry().height() - window.height();
  EXPECT_EQ(window.height(), std::min(room - frame, 609));
  form.dispatch([&] {
    form.Height += 3e5;  // a thousand result lines
    for (int line = 0; line < 1000; ++line) form.window().Print("line");
  });
  window.syncWidgets();
  EXPECT_EQ(window.height(), room - frame);
  kitqt::CanvasPainter painter(form.window(), 1.0);
  painter.limitTo(window.size());
  QImage image(window.size(), QImage::Format_RGB32);
  QPainter p(&image);
  painter.paint(p);
  EXPECT_EQ(painter.cachedSize(), window.size());
}

TEST(FormWindow, AHiddenHintIsLaidOutOnlyOnceItIsShown) {
  kit::Form form("test", 3000, 3000);
  kit::TextBox hint(form, "Text4");
  hint.multiLine = true;
  hint.Visible = false;
  hint.setDesignText("提示：\r\n再试一次");
  kitqt::FormWindow window(form);
  auto* edit = window.findChild<QTextEdit*>("Text4");
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->toPlainText().isEmpty());  // its face is not opened while it is hidden
  form.dispatch([&] { hint.Visible = true; });
  window.syncWidgets();
  EXPECT_EQ(edit->toPlainText(), QStringLiteral("提示：\n再试一次"));
}

TEST(FormWindow, TextBoxesShowTheirColoursAndBorder) {
  kit::Form form("test", 3000, 3000);
  kit::TextBox clock(form, "Text1");
  clock.BackColor = kit::colors::kWhite;
  clock.ForeColor = kit::colors::kRed;
  kit::TextBox hint(form, "Text4");
  hint.multiLine = true;
  hint.border = false;
  kitqt::FormWindow window(form);
  auto* line = window.findChild<QLineEdit*>("Text1");
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->hasFrame());
  EXPECT_EQ(line->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(line->palette().color(QPalette::Base), QColor(255, 255, 255));
  auto* edit = window.findChild<QTextEdit*>("Text4");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->frameShape(), QFrame::NoFrame);
}

TEST(Presenter, TheBarTakesItsOwnStripAndAPauseLeavesNoTimerWaking) {
  kit::Form form("test", 3000, 3000);
  kit::Timer blink(form, "Timer1", 300, true);
  int ticks = 0;
  blink.onTick = [&] { ++ticks; };
  kitqt::FormWindow window(form);
  window.start();
  EXPECT_TRUE(window.session().nextDue().has_value());
  EXPECT_EQ(window.findChild<QWidget*>("PresenterBar"), nullptr);  // nothing made until needed
  window.togglePause();
  EXPECT_TRUE(window.session().paused());
  EXPECT_FALSE(window.session().nextDue().has_value());  // idle while paused
  window.stepOnce();
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(window.session().paused());

  const QSize before = window.size();
  window.showPresenterBar(true);
  const auto* bar = window.findChild<QWidget*>("PresenterBar");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(window.height(), before.height() + bar->height());
  EXPECT_GE(bar->geometry().top(), window.contentOrigin().y() + window.contentSize().height());
  window.showPresenterBar(false);
  EXPECT_EQ(window.size(), before);
  window.slower();
  EXPECT_EQ(window.session().speed(), 0.5);
  window.faster();
  window.faster();
  EXPECT_EQ(window.session().speed(), 2.0);
}

TEST(NumberPad, ATouchOnTheBoxBringsItAndItsKeysTypeAsTheKeyboardDoes) {
  kit::Form form("test", 3000, 3000);
  kit::TextBox box(form, "Text1");
  std::vector<std::string> changes;
  std::vector<int> keys;
  box.onChange = [&] { changes.push_back(box.Text()); };
  box.onKeyDown = [&](int code) { keys.push_back(code); };
  kitqt::FormWindow window(form);
  window.start();
  auto* line = window.findChild<QLineEdit*>("Text1");
  ASSERT_NE(line, nullptr);
  auto* pad = line->findChild<QWidget*>("NumberPad");
  ASSERT_NE(pad, nullptr);
  const auto touch = [&](QWidget& target, const QPointingDevice* device) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, target.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier, device);
    QCoreApplication::sendEvent(&target, &press);
  };
  touch(*line, QPointingDevice::primaryPointingDevice());  // the mouse: no pad
  EXPECT_FALSE(pad->isVisible());
  const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());  // ours to delete
  touch(*line, screen.get());
  EXPECT_TRUE(pad->isVisible());
  const auto key = [&](const char* label) {
    for (auto* button : pad->findChildren<QPushButton*>())
      if (button->text() == QString::fromUtf8(label)) button->click();
  };
  for (const char* label : {"-", "1", ".", "5", "←", "2", "确定"}) key(label);
  EXPECT_EQ(changes, (std::vector<std::string>{"-", "-1", "-1.", "-1.5", "-1.", "-1.2"}));
  EXPECT_EQ(keys.back(), 13);
  EXPECT_EQ(keys.size(), 7u);
  touch(window, screen.get());  // the lesson touched elsewhere
  EXPECT_FALSE(pad->isVisible());
}

bool resolvesWithin(const kit::Font& font, const QStringList& acceptable) {
  const QString family = QFontInfo(kitqt::qtFont(font, 1.0)).family();
  for (const QString& name : acceptable)
    if (family.compare(name, Qt::CaseInsensitive) == 0) return true;
  ADD_FAILURE() << font.face << " resolved to " << family.toStdString();
  return false;
}

TEST(Fonts, DesignFacesResolveToTheirOwnStyle) {
  EXPECT_TRUE(resolvesWithin({kit::faces::kSong, 9}, {"宋体", "SimSun", "AR PL UMing CN"}));
  EXPECT_TRUE(resolvesWithin({kit::faces::kKai, 12}, {"楷体_GB2312", "KaiTi", "AR PL UKai CN"}));
  EXPECT_TRUE(
      resolvesWithin({kit::faces::kTimes, 12, true}, {"Times New Roman", "Liberation Serif"}));
  EXPECT_EQ(kitqt::qtFont({kit::faces::kSong, 12}, 1.0).pixelSize(), 16);
  EXPECT_EQ(kitqt::qtFont({kit::faces::kSong, 21.75}, 2.0).pixelSize(), 58);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The window at any zoom: a press at the zoomed place of a point reaches the same surface units
// as at 100 %, at 200 % and full screen on a 1920 x 1080 screen; pictures are taken at the
// zoomed size; the keys and the wheel zoom; Enter presses the focused button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/qt/formwindow.h"

namespace {

// A window like the subtraction lesson's: a 1000-unit square surface and one button.
struct Lesson : kit::Form {
  Lesson() : kit::Form("zoom", 7620, 6285) {
    Command1.rect = {6240, 480, 1335, 495};
    Command1.Caption = "作a-b";
    Command1.onClick = [this] { ++clicks; };
    Picture1.onMouseDown = [this](int, int, float x, float y) { pressed = QPointF(x, y); };
    Text1.rect = {6240, 1440, 1335, 495};
    Text1.onKeyDown = [this](int code) { keys.push_back(code); };
  }
  void Form_Load() override { Picture1.Scale(0, 1000, 1000, 0); }
  kit::Canvas Picture1{*this, "Picture1", {120, 120, 6000, 6000}, 2};
  kit::Button Command1{*this, "Command1"};
  kit::TextBox Text1{*this, "Text1"};
  QPointF pressed;
  std::vector<int> keys;
  int clicks = 0;
};

class Zoom : public ::testing::Test {
 protected:
  void SetUp() override {
    form.dispatch([&] { form.Form_Load(); });
    window.syncWidgets();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  // Presses where the point (x, y) of the surface is drawn now, and returns what arrived.
  QPointF pressAt(double x, double y) {
    QWidget* surface = window.findChild<QWidget*>("Picture1");
    const int border = qRound(2 * window.zoom());
    const QRect inner = surface->rect().adjusted(border, border, -border, -border);
    const QPoint at(inner.left() + qRound(x / 1000 * inner.width()),
                    inner.top() + qRound((1 - y / 1000) * inner.height()));
    QTest::mousePress(surface, Qt::LeftButton, {}, at);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
    return form.pressed;
  }
  // One pixel of the surface, in its units, at the current zoom.
  double unitsPerPixel() { return 1000.0 / (396 * window.zoom()); }

  Lesson form;
  kitqt::FormWindow window{form};
};

TEST_F(Zoom, APressLandsOnTheSameUnitsAtAnyZoomAndFullScreen) {
  const QPointF plain = pressAt(383.8, 697);
  EXPECT_NEAR(plain.x(), 383.8, unitsPerPixel());
  EXPECT_NEAR(plain.y(), 697, unitsPerPixel());

  window.setZoom(2.0);
  QApplication::processEvents();
  EXPECT_EQ(window.zoom(), 2.0);
  EXPECT_EQ(window.size(), QSize(1016, 838));
  const QPointF doubled = pressAt(383.8, 697);
  EXPECT_NEAR(doubled.x(), 383.8, unitsPerPixel());
  EXPECT_NEAR(doubled.y(), 697, unitsPerPixel());

  window.showFullScreen();
  QApplication::processEvents();
  EXPECT_EQ(window.size(), QSize(1920, 1080));
  EXPECT_NEAR(window.zoom(), 1080 / 419.0, 1e-9);  // the height limits, the width is centred
  EXPECT_EQ(window.contentOrigin().y(), 0);
  EXPECT_NEAR(window.contentOrigin().x(), (1920 - 508 * window.zoom()) / 2, 1);
  const QPointF full = pressAt(383.8, 697);
  EXPECT_NEAR(full.x(), 383.8, unitsPerPixel());
  EXPECT_NEAR(full.y(), 697, unitsPerPixel());

  window.toggleFullScreen();
  QApplication::processEvents();
  EXPECT_EQ(window.zoom(), 2.0);  // back to the zoom asked for
}

TEST_F(Zoom, PicturesHaveTheZoomedSizeButNeverLessThanTheDesign) {
  QTemporaryDir folder;
  window.setZoom(2.0);
  QApplication::processEvents();
  ASSERT_TRUE(window.savePicture(folder.filePath("lesson.png")));
  EXPECT_EQ(QImage(folder.filePath("lesson.png")).size(), QSize(1016, 838));
  ASSERT_TRUE(window.savePicture(folder.filePath("lesson.svg")));
  QFile svg(folder.filePath("lesson.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));

  window.setZoom(0.5);
  QApplication::processEvents();
  EXPECT_LT(window.zoom(), 1.0);
  EXPECT_EQ(window.picture().size(), QSize(508, 419));
}

TEST_F(Zoom, KeysAndTheWheelZoomAndEnterPressesTheFocusedButton) {
  QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_NEAR(window.zoom(), 1.25, 1e-9);
  QWidget* surface = window.findChild<QWidget*>("Picture1");
  QWheelEvent wheel(QPointF(10, 10), surface->mapToGlobal(QPointF(10, 10)), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(surface, &wheel);
  QApplication::processEvents();
  EXPECT_NEAR(window.zoom(), 1.5, 1e-9);
  QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(window.zoom(), 1.0);

  auto* button = window.findChild<QPushButton*>("Command1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->accessibleName(), "作a-b");
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  // The press is animated briefly, as a click would be; a busy machine may take longer.
  for (int waited = 0; form.clicks == 0 && waited < 5000; waited += 10) QTest::qWait(10);
  EXPECT_EQ(form.clicks, 1);

  QWidget* box = window.findChild<QWidget*>("Text1");
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Equal, Qt::ControlModifier);  // the box sees Ctrl, not "="
  EXPECT_EQ(form.keys, (std::vector<int>{13, 17}));
  EXPECT_NEAR(window.zoom(), 1.25, 1e-9);
}

}  // namespace

int main(int argc, char** argv) {
  // A projector-sized screen on the off-screen platform.
  QTemporaryDir folder;
  const QString config = folder.filePath("screen.json");
  QFile file(config);
  file.open(QIODevice::WriteOnly);
  file.write(R"({"windowFrameMargins": false, "screens": [{"name": "projector", "x": 0, "y": 0,
    "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

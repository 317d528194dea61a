// The front end's mappings: pixels to surface units, mouse buttons, and fonts that resolve to
// the intended style rather than a fallback of the wrong one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>

#include "kit/form.h"
#include "kit/qt/canvaspainter.h"
#include "kit/qt/look.h"
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

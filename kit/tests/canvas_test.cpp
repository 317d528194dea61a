// User units of a surface, the coordinate guard, retained drawing and segment clipping.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>

#include "kit/clip.h"
#include "kit/controls.h"
#include "kit/form.h"

namespace {

TEST(Scale, ReadsDesignedPositionsBackInUserUnits) {
  kit::Form form("test", 9405, 7305);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  EXPECT_DOUBLE_EQ(surface.innerWidthTwips(), 7440);
  EXPECT_DOUBLE_EQ(surface.innerHeightTwips(), 5940);
  kit::Line line(surface, "Line1");
  line.place(3000, 3960, 5280, 2520);
  kit::Label label(surface, "Label1");
  label.Left = 5520, label.Top = 2280;
  surface.Scale(-2, 10, 13, -2);
  EXPECT_NEAR(line.X1, -2 + 3000 / 496.0, 1e-4);
  EXPECT_NEAR(line.Y1, 10 - 3960 / 495.0, 1e-4);
  EXPECT_NEAR(label.Left, -2 + 5520 / 496.0, 1e-4);
  // Mouse pixels come back in units: the inner centre is (5.5, 4).
  EXPECT_NEAR(surface.fromTwipsX(7440 / 2.0), 5.5, 1e-9);
  EXPECT_NEAR(surface.fromTwipsY(5940 / 2.0), 4.0, 1e-9);
  EXPECT_NEAR(surface.toTwipsX(surface.fromTwipsX(1234)), 1234, 1e-9);
}

TEST(Scale, WhatIsAlreadyDrawnKeepsItsPlaceOnScreen) {
  kit::Form form("test", 9405, 7305);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Line(744, 594, 1488, 1188);
  surface.Circle(3720, 2970, 744);
  const unsigned drawn = surface.drawingVersion();
  surface.Scale(-2, 10, 13, -2);
  EXPECT_NE(surface.drawingVersion(), drawn);  // a painter's cached copy is stale
  const kit::DrawOp& line = surface.drawing()[0];
  EXPECT_NEAR(surface.toTwipsX(line.x1), 744, 1e-9);
  EXPECT_NEAR(surface.toTwipsY(line.y1), 594, 1e-9);
  EXPECT_NEAR(surface.toTwipsX(line.x2), 1488, 1e-9);
  EXPECT_NEAR(surface.toTwipsY(line.y2), 1188, 1e-9);
  const kit::DrawOp& circle = surface.drawing()[1];
  EXPECT_NEAR(circle.x1, 5.5, 1e-9);
  EXPECT_NEAR(circle.y1, 4, 1e-9);
  EXPECT_NEAR(circle.radius, 1.5, 1e-9);  // a tenth of the width, in the new units
}

TEST(Registry, ControlsAndCanvasesLeaveWhenTheyGoFirst) {
  kit::Form form("test", 9405, 7305);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  {
    kit::Label local(surface, "Label9");
    EXPECT_EQ(form.find("Label9"), &local);
  }
  EXPECT_EQ(form.find("Label9"), nullptr);
  EXPECT_TRUE(surface.objects().empty());

  auto picture = std::make_unique<kit::Canvas>(form, "Picture2", kit::TwipRect{0, 0, 900, 900}, 0);
  kit::Line line(*picture, "Line1");
  picture.reset();  // the line outlives its canvas and may still be dropped safely
  EXPECT_EQ(form.findCanvas("Picture2"), nullptr);
  EXPECT_EQ(form.find("Line1"), &line);

  auto early = std::make_unique<kit::Form>("early", 900, 900);
  kit::Timer timer(*early, "Timer1", 10, true);
  early.reset();  // the timer outlives its form
  EXPECT_TRUE(timer.Enabled());
}

TEST(Scale, SquareSurfaceWithUpwardY) {
  kit::Form form("test", 7650, 6285);
  kit::Canvas surface(form, "Picture1", {120, 120, 6000, 6000}, 2);
  kit::Label letter(surface, "Label1");
  letter.Left = 600, letter.Top = 1080;
  kit::Line line(surface, "Line1");
  line.place(885, 1080, 885, 4080);
  surface.Scale(0, 1000, 1000, 0);
  EXPECT_NEAR(letter.Left, 101, 0.1);
  EXPECT_NEAR(letter.Top, 818.2, 0.1);
  EXPECT_NEAR(line.X1, 149, 0.1);
  EXPECT_NEAR(line.Y2, 313.1, 0.1);
}

TEST(Resize, AreasKeepTheirUnitsWhenTheirSizeChanges) {
  kit::Form form("test", 9585, 3135);
  form.dispatch([&] { form.Height += 300; });  // the window's own area follows its form
  EXPECT_EQ(form.window().innerHeightTwips(), 3435);
  EXPECT_EQ(form.window().toTwipsY(3300), 3300);
  form.dispatch([&] { form.Height = std::nan(""); });
  EXPECT_EQ(form.window().innerHeightTwips(), 3435);  // no size that could not map a point

  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Scale(-2, 10, 13, -2);  // 496 twips to a unit across, 495 down
  surface.resize(7500 + 1488, 6000 - 990);
  EXPECT_NEAR(surface.ScaleWidth(), 18, 1e-9);
  EXPECT_NEAR(surface.ScaleHeight(), -10, 1e-9);
  EXPECT_NEAR(surface.toTwipsX(3), 5 * 496, 1e-9);
  surface.resize(60, 60);  // nothing inside the border: refused
  EXPECT_NEAR(surface.ScaleWidth(), 18, 1e-9);
}

TEST(Coord, NeverHoldsANonFiniteValue) {
  kit::Coord c = 2.5;
  c = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(float(c), 2.5f);
  c = 1e300;
  EXPECT_EQ(float(c), FLT_MAX);
  c = -std::numeric_limits<double>::infinity();
  EXPECT_EQ(float(c), -FLT_MAX);
  c = 0.1;
  EXPECT_EQ(float(c), 0.1f);
}

TEST(Drawing, KeepsOperationsAndTheTextPosition) {
  kit::Form form("test", 9405, 7305);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Scale(-2, 10, 13, -2);
  surface.DrawWidth = 3;
  surface.PSet(4, 0);
  EXPECT_EQ(surface.CurrentX, 4);
  surface.Print(4);
  surface.Line(0, 0, 1, 1, kit::colors::kRed);
  ASSERT_EQ(surface.drawing().size(), 3u);
  EXPECT_EQ(surface.drawing()[1].text, " 4");
  EXPECT_EQ(surface.drawing()[1].x1, 4);
  EXPECT_EQ(surface.drawing()[2].color, kit::colors::kRed);
  EXPECT_EQ(surface.drawing()[0].width, 3);
  surface.Line(0, 0, std::nan(""), 1);
  surface.PSet(std::numeric_limits<double>::infinity(), 0);
  ASSERT_EQ(surface.drawing().size(), 3u);  // nothing unplaceable is kept
  const unsigned before = surface.drawingVersion();
  kit::Line kept(surface, "Line1");
  kept.Visible = true;
  surface.Cls();
  EXPECT_TRUE(surface.drawing().empty());
  EXPECT_NE(surface.drawingVersion(), before);
  EXPECT_TRUE(kept.Visible);
}

TEST(Clip, CutsFarSegmentsToTheArea) {
  kit::Segment s{-1e30, 50, 1e30, 50};
  ASSERT_TRUE(kit::clipSegment(s, 0, 0, 100, 100));
  EXPECT_DOUBLE_EQ(s.x1, 0);
  EXPECT_DOUBLE_EQ(s.x2, 100);
  EXPECT_DOUBLE_EQ(s.y1, 50);
  kit::Segment inside{10, 10, 20, 30};
  ASSERT_TRUE(kit::clipSegment(inside, 0, 0, 100, 100));
  EXPECT_DOUBLE_EQ(inside.x2, 20);
  EXPECT_DOUBLE_EQ(inside.y2, 30);
  kit::Segment outside{200, 0, 300, 100};
  EXPECT_FALSE(kit::clipSegment(outside, 0, 0, 100, 100));
  kit::Segment diagonal{-100, -100, 200, 200};
  ASSERT_TRUE(kit::clipSegment(diagonal, 0, 0, 100, 100));
  EXPECT_DOUBLE_EQ(diagonal.x1, 0);
  EXPECT_DOUBLE_EQ(diagonal.y2, 100);
  kit::Segment broken{0, 0, std::nan(""), 1};
  EXPECT_FALSE(kit::clipSegment(broken, 0, 0, 100, 100));
}

}  // namespace

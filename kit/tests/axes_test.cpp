// The coordinate grid: where each number and letter is written, and in what size.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "kit/axes.h"
#include "kit/form.h"

namespace {

struct Written {
  double x, y, points;
};

TEST(Axes, NumbersSitBelowLeftOfTheirDotsAndLettersAreLarger) {
  kit::Form form("test", 9015, 7440);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Scale(-2, 10, 13, -2);
  kit::drawCoordinateAxes(surface);

  std::map<std::string, std::vector<Written>> texts;
  int lines = 0, dots = 0;
  for (const kit::DrawOp& op : surface.drawing()) {
    if (op.kind == kit::DrawOp::Kind::Text)
      texts[op.text].push_back({op.x1, op.y1, op.font.points});
    if (op.kind == kit::DrawOp::Kind::Line) {
      ++lines;
      EXPECT_EQ(op.width, 2);
    }
    if (op.kind == kit::DrawOp::Kind::Point && op.color == kit::colors::kBlack) {
      ++dots;
      EXPECT_EQ(op.width, 3);
      EXPECT_TRUE(op.x1 == 0 || op.y1 == 0);
    }
  }
  EXPECT_EQ(lines, 6);
  EXPECT_EQ(dots, 14 + 11);
  EXPECT_TRUE(surface.AutoRedraw);

  // " 5" twice: below the x axis and beside the y axis; no number at 0.
  ASSERT_EQ(texts[" 5"].size(), 2u);
  EXPECT_NEAR(texts[" 5"][0].x, 4.8, 1e-12);
  EXPECT_NEAR(texts[" 5"][0].y, -0.1, 1e-12);
  EXPECT_EQ(texts[" 5"][1].x, 0);
  EXPECT_EQ(texts[" 5"][1].y, 5);
  EXPECT_EQ(texts[" 5"][1].points, 9);
  ASSERT_EQ(texts[" 12"].size(), 1u);
  EXPECT_EQ(texts[" 10"].size(), 1u);  // 10 is on the x axis only
  EXPECT_EQ(texts["-1"].size(), 2u);
  EXPECT_EQ(texts.count(" 0"), 0u);

  ASSERT_EQ(texts["o"].size(), 1u);
  EXPECT_EQ(texts["o"][0].x, 0);
  EXPECT_EQ(texts["o"][0].points, 16);
  ASSERT_EQ(texts["x"].size(), 1u);
  EXPECT_NEAR(texts["x"][0].x, 12.6, 1e-12);
  ASSERT_EQ(texts["y"].size(), 1u);
  EXPECT_NEAR(texts["y"][0].y, 9.8, 1e-12);
  EXPECT_EQ(texts["y"][0].points, 16);
  EXPECT_EQ(surface.font.points, 9);  // left ready for later text
}

}  // namespace

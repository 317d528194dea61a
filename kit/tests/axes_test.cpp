// The coordinate grid: where each number and letter is written, and in what size.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "kit/axes.h"
#include "kit/form.h"

namespace {

TEST(Axes, NumbersSitBelowLeftOfTheirDotsAndLettersAreLarger) {
  kit::Form form("test", 9015, 7440);
  kit::Canvas surface(form, "Picture1", {120, 120, 7500, 6000}, 2);
  surface.Scale(-2, 10, 13, -2);
  kit::drawCoordinateAxes(surface);

  std::map<std::string, std::vector<kit::DrawOp>> texts;
  int blackDots = 0;
  for (const kit::DrawOp& op : surface.drawing()) {
    if (op.kind == kit::DrawOp::Kind::Text) texts[op.text].push_back(op);
    if (op.kind == kit::DrawOp::Kind::Point && op.color == kit::colors::kBlack) ++blackDots;
  }
  EXPECT_EQ(blackDots, 14 + 11);      // -1 … 12 on x, -1 … 9 on y
  ASSERT_EQ(texts[" 5"].size(), 2u);  // below the x axis, then beside the y axis
  EXPECT_NEAR(texts[" 5"][0].x1, 4.8, 1e-12);
  EXPECT_NEAR(texts[" 5"][0].y1, -0.1, 1e-12);
  EXPECT_TRUE(texts[" 5"][1].x1 == 0 && texts[" 5"][1].y1 == 5);
  EXPECT_EQ(texts[" 5"][1].font.points, 9);
  EXPECT_EQ(texts[" 10"].size() + texts["-1"].size() + texts.count(" 0"), 1u + 2u);
  ASSERT_EQ(texts["o"].size() + texts["x"].size() + texts["y"].size(), 3u);
  EXPECT_TRUE(texts["o"][0].x1 == 0 && texts["o"][0].font.points == 16);
  EXPECT_NEAR(texts["x"][0].x1, 12.6, 1e-12);
  EXPECT_NEAR(texts["y"][0].y1, 9.8, 1e-12);
  EXPECT_EQ(surface.font.points, 9);  // left ready for later text
}

}  // namespace

// The drawing rules every front end follows: paint order, points and dots, clipping, arcs,
// texts out of sight, and change detection that sees every change a repaint would show.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/scene.h"

namespace {

// Writes down what the rules ask a front end to draw.
class Recorder : public kit::Surface {
 public:
  std::vector<std::string> calls;
  std::vector<kit::Stroke> strokes;
  std::vector<std::vector<double>> rects;
  void fillRect(double x, double y, double w, double h, kit::Rgb) override {
    calls.push_back("rect");
    rects.push_back({x, y, w, h});
  }
  void disc(kit::PixelPoint, double, kit::Rgb, bool) override { calls.push_back("disc"); }
  void line(kit::PixelPoint, kit::PixelPoint, const kit::Stroke& stroke) override {
    calls.push_back("line");
    strokes.push_back(stroke);
  }
  void arc(kit::PixelPoint, double, double, double, const kit::Stroke&) override {
    calls.push_back("arc");
  }
  void text(kit::PixelPoint, const std::string& text, const kit::Font&, kit::Rgb) override {
    calls.push_back("text " + text);
  }
  void picture(const std::string& file, const std::string& source, kit::PixelPoint, double,
               double) override {
    calls.push_back("picture " + file + " " + source);
  }
  void mark(kit::PixelPoint, double, double, kit::Rgb, bool) override { calls.push_back("mark"); }
};

class SceneTest : public ::testing::Test {
 protected:
  kit::Form form{"test", 7650, 6285};
  kit::Canvas surface{form, "Picture1", {120, 120, 6000, 6000}, 2};
};

TEST_F(SceneTest, PicturesAndMarksComeFirstThenLinesThenLetters) {
  kit::Label letter(surface, "Label1");
  letter.Caption = "a";
  kit::Line shaft(surface, "Line1");
  shaft.place(100, 100, 2000, 2000);
  shaft.Visible = true;
  shaft.dotted = true;
  kit::Image walker(surface, "Image1");
  walker.picture = ":/vecadd/walker.png";
  kit::Shape spot(surface, "Shape1");
  kit::Label hidden(surface, "Label2");
  hidden.Visible = false;
  Recorder recorder;
  kit::paintObjects(kit::View(surface, 1.0), 396, 396, recorder);
  EXPECT_EQ(recorder.calls,
            (std::vector<std::string>{"picture :/vecadd/walker.png :/vecadd/walker.svg", "mark",
                                      "line", "text a"}));
  EXPECT_TRUE(recorder.strokes[0].dotted);
  EXPECT_FALSE(recorder.strokes[0].smooth);  // crisp at the designed size
}

TEST_F(SceneTest, PointsAreSinglePixelsOrDotsThatStandOutOfTwoPixelLines) {
  surface.PSet(1500, 1500);
  surface.DrawWidth = 3;
  surface.PSet(1500, 1500);
  Recorder small;
  kit::paintDrawing(kit::View(surface, 1.0), 396, 396, small);
  ASSERT_EQ(small.calls, (std::vector<std::string>{"rect", "rect"}));
  EXPECT_EQ(small.rects[0], (std::vector<double>{100, 100, 1, 1}));
  EXPECT_EQ(small.rects[1], (std::vector<double>{99, 99, 3, 3}));  // one row out either way
  Recorder zoomed;
  kit::paintDrawing(kit::View(surface, 2.0), 792, 792, zoomed);
  EXPECT_EQ(zoomed.calls, (std::vector<std::string>{"disc", "disc"}));  // smooth when zoomed
}

TEST_F(SceneTest, FarLinesAreCutAndUnseenTextsSkipped) {
  surface.Line(-1e30, 3000, 1e30, 3000);  // across the area
  surface.Line(1e9, 1e9, 2e9, 2e9);       // nowhere near it
  surface.CurrentX = 1e12, surface.CurrentY = 0;
  surface.Print("far");
  surface.CurrentX = 300, surface.CurrentY = 300;
  surface.Print("near");
  Recorder recorder;
  kit::paintDrawing(kit::View(surface, 1.0), 396, 396, recorder);
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"line", "text near"}));
}

TEST(Arcs, AnyFiniteAnglesGiveABoundedSweep) {
  constexpr double turn = 2 * std::numbers::pi;
  EXPECT_DOUBLE_EQ(kit::arcSweep(0, turn).spanDegrees, 360);  // the whole circle
  const kit::Sweep across = kit::arcSweep(5.5, 0.5);          // counter-clockwise across 0
  EXPECT_NEAR(across.startDegrees, 5.5 * 180 / std::numbers::pi, 1e-9);
  EXPECT_NEAR(across.spanDegrees, (turn - 5) * 180 / std::numbers::pi, 1e-9);
  for (auto [start, end] :
       {std::pair{1e300, 2e300}, {-1e308, 1e308}, {1e308, -1e308}, {3e9, 1.0}, {0.0, 1e20}}) {
    const kit::Sweep sweep = kit::arcSweep(start, end);
    EXPECT_TRUE(std::abs(sweep.startDegrees) < 360) << start << " " << end;
    EXPECT_TRUE(sweep.spanDegrees >= 0 && sweep.spanDegrees <= 360) << start << " " << end;
  }
}

TEST_F(SceneTest, EveryVisibleChangeChangesTheFingerprint) {
  kit::Line line(surface, "Line1");
  line.Visible = true;
  kit::Label label(surface, "Label1");
  kit::Image image(surface, "Image1");
  kit::Shape shape(surface, "Shape1");
  shape.Visible = true;
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"line colour", [&] { line.color = kit::colors::kRed; }},
      {"line width", [&] { line.width = 2; }},
      {"dotted", [&] { line.dotted = true; }},
      {"line end", [&] { line.X2 = 5; }},
      {"caption", [&] { label.Caption = "b"; }},
      {"face", [&] { label.font.face = kit::faces::kTimes; }},
      {"size", [&] { label.font.points = 14.25; }},
      {"bold", [&] { label.font.bold = true; }},
      {"letter colour", [&] { label.color = kit::colors::kDarkBlue; }},
      {"picture", [&] { image.picture = ":/vecintro/cart.png"; }},
      {"mark colour", [&] { shape.fillColor = kit::colors::kBlack; }},
      {"hidden", [&] { image.Visible = false; }},
      {"background", [&] { surface.BackColor = kit::colors::kMenu; }},
      {"drawing", [&] { surface.PSet(0, 0); }},
  };
  for (const auto& [what, change] : changes) {
    const std::size_t before = kit::fingerprint(surface);
    change();
    EXPECT_NE(kit::fingerprint(surface), before) << what;
  }
  const std::size_t settled = kit::fingerprint(surface);
  line.Visible = false;
  const std::size_t hidden = kit::fingerprint(surface);
  line.X1 = 7;  // a hidden line that moves shows nothing new
  EXPECT_EQ(kit::fingerprint(surface), hidden);
  EXPECT_NE(hidden, settled);
}

}  // namespace

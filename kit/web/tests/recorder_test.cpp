// The command list a page replays: every command the length its opcode says, strings kept once,
// colours and stroke flags packed as the page reads them, fonts as CSS.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/web/recorder.h"

namespace {

// Splits a list into its commands, failing on an opcode the page would not know.
std::vector<std::vector<double>> commands(const std::vector<double>& numbers) {
  std::vector<std::vector<double>> out;
  for (std::size_t i = 0; i < numbers.size();) {
    const int count = kitweb::operandCount(static_cast<int>(numbers[i]));
    EXPECT_GT(count, 0) << "opcode " << numbers[i] << " at " << i;
    if (count <= 0 || i + 1 + count > numbers.size()) {
      ADD_FAILURE() << "a command runs past the end at " << i;
      break;
    }
    out.emplace_back(numbers.begin() + i, numbers.begin() + i + 1 + count);
    i += 1 + count;
  }
  return out;
}

TEST(RecorderTest, EveryPrimitiveIsOneCommandOfItsOwnLength) {
  kitweb::CommandBuffer buffer(1.0);
  kit::Stroke stroke;
  stroke.colour = {1, 2, 3};
  stroke.width = 2;
  buffer.fillRect(0, 0, 10, 10, {255, 255, 255});
  buffer.disc({1, 2}, 3, {0, 0, 0}, true);
  buffer.line({0, 0}, {5, 5}, stroke);
  buffer.arc({5, 5}, 4, 0, 90, stroke);
  buffer.text({1, 1}, "a", kit::Font{}, {0, 0, 0});
  buffer.picture(":/vecadd/walker.png", ":/vecadd/walker.svg", {0, 0}, 40, 60);
  buffer.mark({0, 0}, 8, 8, {255, 0, 0}, true);
  const auto list = commands(buffer.numbers());
  ASSERT_EQ(list.size(), 7u);
  std::vector<int> ops;
  for (const auto& command : list) ops.push_back(static_cast<int>(command[0]));
  EXPECT_EQ(ops, (std::vector<int>{kitweb::kFillRect, kitweb::kDisc, kitweb::kLine, kitweb::kArc,
                                   kitweb::kText, kitweb::kPicture, kitweb::kMark}));
  EXPECT_EQ(list[2][5], 0x010203);  // the line's colour
  EXPECT_EQ(list[2][6], 2);         // its width

  buffer.clear();
  EXPECT_TRUE(buffer.numbers().empty());
  EXPECT_TRUE(buffer.strings().empty());
}

TEST(RecorderTest, StrokeFlagsAndPackedColours) {
  kitweb::CommandBuffer buffer(1.0);
  kit::Stroke stroke;
  stroke.dotted = true;
  stroke.smooth = true;
  buffer.line({0, 0}, {1, 1}, stroke);
  stroke = {};
  stroke.roundCap = true;
  buffer.line({0, 0}, {1, 1}, stroke);
  const auto list = commands(buffer.numbers());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0][7], kitweb::kDotted | kitweb::kSmooth);
  EXPECT_EQ(list[1][7], kitweb::kRoundCap);
  EXPECT_EQ(kitweb::packed({0x12, 0x34, 0x56}), 0x123456);
}

TEST(RecorderTest, TextsFontsAndPicturesAreKeptOnceInTheStringTable) {
  kitweb::CommandBuffer buffer(2.0);
  const kit::Font times{kit::faces::kTimes, 12, true};
  buffer.text({0, 0}, "A", times, {});
  buffer.text({9, 0}, "A", times, {});
  buffer.picture(":/vecintro/cart.png", "", {0, 0}, 80, 61);
  const auto& strings = buffer.strings();
  ASSERT_EQ(strings.size(), 3u);  // "A", its font and the picture
  const auto list = commands(buffer.numbers());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0][3], list[1][3]);
  EXPECT_EQ(strings[static_cast<int>(list[0][3])], "A");
  EXPECT_EQ(strings[static_cast<int>(list[0][4])], kitweb::cssFont(times, 2.0));
  EXPECT_EQ(strings[static_cast<int>(list[2][1])], ":/vecintro/cart.png");
  EXPECT_EQ(list[2][2], -1);  // no artwork to draw it afresh from
}

TEST(RecorderTest, CssFontsCarryBoldnessPixelsAndEveryFamilyInOrder) {
  const std::string times = kitweb::cssFont({kit::faces::kTimes, 12, true}, 1.5);
  EXPECT_EQ(
      times.rfind(
          "bold 24px \"Times New Roman\", \"Liberation Serif\", \"Vectors Serif\", \"宋体\"", 0),
      0u)
      << times;
  const std::string kai = kitweb::cssFont({kit::faces::kKai, 9}, 1.0);
  EXPECT_EQ(kai.rfind("12px \"楷体_GB2312\"", 0), 0u) << kai;
  EXPECT_NE(kai.find("\"AR PL UKai CN\""), std::string::npos);
  EXPECT_EQ(kai.substr(kai.size() - 7), ", serif");
}

TEST(RecorderTest, TheKitsPaintingRulesLandInTheBuffer) {
  kit::Form form("test", 6000, 6000);
  kit::Canvas surface(form, "Picture1", {0, 0, 3000, 3000}, 2);
  kit::Line line(surface, "Line1");
  line.place(0, 0, 1000, 1000);
  line.Visible = true;
  line.dotted = true;
  kit::Label label(surface, "Label1");
  label.Caption = "b";
  surface.Line(0, 0, 100, 0);
  kitweb::CommandBuffer buffer(2.0);
  kit::paintDrawing(kit::View(surface, 2.0), 400, 400, buffer);
  kit::paintObjects(kit::View(surface, 2.0), 400, 400, buffer);
  const auto list = commands(buffer.numbers());
  ASSERT_EQ(list.size(), 3u);  // the drawn line, the line object, the label
  EXPECT_EQ(list[0][7], kitweb::kRoundCap | kitweb::kSmooth);
  EXPECT_EQ(list[1][7], kitweb::kDotted | kitweb::kSmooth);
  EXPECT_DOUBLE_EQ(list[1][3], kit::pixels(1000, 2.0));
  EXPECT_EQ(list[2][0], kitweb::kText);
}

}  // namespace

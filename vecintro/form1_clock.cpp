// The clock: three text fields that count clock ticks, not seconds. The last field counts 1 to
// 58, each restart adds one to the middle field, and the middle field's 59th adds one to the
// first. A field is read by its leading whole number: the first field starts as "00:", and a
// text with no number counts as 0.
#include <algorithm>
#include <string>
#include <string_view>

#include "form1.h"

namespace vecintro {

namespace {
constexpr int kTicksPerRound = 58;
constexpr long long kLargestField = 999'999'999;  // a field stops here rather than overflow

long long fieldValue(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min(kLargestField, value * 10 + (text[i] - '0'));
  return value;
}

std::string nextFieldText(std::string_view text) {
  return std::to_string(std::min(kLargestField, fieldValue(text) + 1));
}
}  // namespace

void Form1::Timer2_Timer() {
  ss = ss + 1;
  if (ss == kTicksPerRound + 1) {
    ss = 1;
    Text2.setText(nextFieldText(Text2.Text()));
  }
  Text1.setText(":" + std::to_string(ss));
  // A middle field beyond its round (typed in) rolls over at once rather than count on forever.
  if (fieldValue(Text2.Text()) >= kTicksPerRound + 1) {
    Text2.setText("1");
    // The first field keeps its colon, so the reading stays apart from the middle field's.
    Text3.setText(nextFieldText(Text3.Text()) + ":");
  }
}

}  // namespace vecintro

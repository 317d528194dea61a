// Which lessons of lessons.list a build holds: every one, or the one VEC_ONLY_LESSON names (a
// lesson page's module holds its own lesson alone, so that its page loads no other).
#pragma once

#include <string_view>

namespace lessons {

constexpr bool built([[maybe_unused]] std::string_view name) {
#ifdef VEC_ONLY_LESSON
  return name == VEC_ONLY_LESSON;
#else
  return true;
#endif
}

}  // namespace lessons

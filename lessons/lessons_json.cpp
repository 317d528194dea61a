// lessons_json: prints the lesson list as JSON (lessons::json()); the build writes it to
// build/lessons.json for the scripts and tests that go through every lesson.
#include <iostream>

#include "lessons/lessons.h"

int main() {
  std::cout << lessons::json();
  return 0;
}

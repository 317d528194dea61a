// The chapter's lessons in teaching order: each program's name, its Chinese title and one line
// on what it shows.
#pragma once

#include <QString>
#include <vector>

namespace launcher {

struct Lesson {
  QString program;
  QString title;
  QString summary;
};

const std::vector<Lesson>& lessons();

}  // namespace launcher

// The registry's texts and faces from lessons.list; lesson_forms.h, written by CMake from the
// same list, includes every lesson's form header for its description.
#include "lessons/lessons.h"

#include "kit/json.h"
#include "lesson_forms.h"
#include "lessons/built.h"

namespace lessons {

const std::vector<Lesson>& all() {
  // The faces lessons.list names.
  const Face Song{kit::faces::kSong}, SongBold{kit::faces::kSong, true};
  const Face Kai{kit::faces::kKai}, KaiBold{kit::faces::kKai, true};
  const Face Times{kit::faces::kTimes}, TimesBold{kit::faces::kTimes, true};
  static const std::vector<Lesson> list = [&] {
    std::vector<Lesson> lessons;
#define LESSON(name, header, form, title, summary, ...) \
  if constexpr (built(#name))                           \
    lessons.push_back({#name, title, summary, name::kDescription, {__VA_ARGS__}});
#include "lessons/lessons.list"
#undef LESSON
    return lessons;
  }();
  return list;
}

const Lesson* find(std::string_view name) {
  for (const Lesson& lesson : all())
    if (lesson.name == name) return &lesson;
  return nullptr;
}

std::string json() {
  std::string text = "[\n";
  for (const Lesson& lesson : all()) {
    kit::JsonArray faces;
    for (const Face& face : lesson.faces)
      faces.raw(
          kit::JsonObject().add("face", face.face).add("weight", face.bold ? 700 : 400).str());
    if (text.size() > 2) text += ",\n";
    text += kit::JsonObject()
                .add("name", lesson.name)
                .add("title", lesson.title)
                .add("summary", lesson.summary)
                .add("description", lesson.description)
                .raw("faces", faces.str())
                .str();
  }
  return text + "\n]\n";
}

}  // namespace lessons

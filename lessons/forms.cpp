// Each lesson's form, made by name from lessons.list; kept apart from the texts so that only
// what opens a lesson links the forms.
#include "lesson_forms.h"
#include "lessons/built.h"
#include "lessons/lessons.h"

namespace lessons {

std::unique_ptr<kit::Form> Lesson::makeForm() const {
#define LESSON(id, header, form, ...) \
  if constexpr (built(#id))           \
    if (name == #id) return kit::renewable(std::make_unique<form>());
#include "lessons/lessons.list"
#undef LESSON
  return nullptr;
}

}  // namespace lessons

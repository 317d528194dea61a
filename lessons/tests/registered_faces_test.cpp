// The faces a lesson registers are the faces its window uses: every control's, every drawing
// area's and every text drawn at start-up, so the site loads each font a lesson draws in.
#include <gtest/gtest.h>

#include <algorithm>

#include "kit/controls.h"
#include "lessons/lessons.h"

namespace {

std::vector<lessons::Face> facesUsed(kit::Form& form) {
  std::vector<kit::Font> fonts = {form.font};
  for (const kit::Control* control : form.controls()) {
    if (const auto* label = dynamic_cast<const kit::Label*>(control)) fonts.push_back(label->font);
    if (const auto* windowed = dynamic_cast<const kit::WindowControl*>(control))
      fonts.push_back(windowed->font);
  }
  for (const kit::Canvas* canvas : form.canvases()) {
    fonts.push_back(canvas->font);
    for (const kit::DrawOp& op : canvas->drawing())
      if (op.kind == kit::DrawOp::Kind::Text) fonts.push_back(op.font);
  }
  std::vector<lessons::Face> faces;
  for (const kit::Font& font : fonts) {
    const lessons::Face face{font.face, font.bold};
    if (std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(face);
  }
  return faces;
}

TEST(Lessons, RegisterEveryFaceTheirWindowsUse) {
  for (const lessons::Lesson& lesson : lessons::all()) {
    std::unique_ptr<kit::Form> form = lesson.makeForm();
    form->dispatch([&] { form->Form_Load(); });
    for (const lessons::Face& face : facesUsed(*form)) {
      EXPECT_NE(std::find(lesson.faces.begin(), lesson.faces.end(), face), lesson.faces.end())
          << lesson.name << " uses " << face.face << (face.bold ? " bold" : "")
          << ", which lessons.list does not give it";
    }
  }
}

}  // namespace

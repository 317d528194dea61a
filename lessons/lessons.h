// The chapter's lessons in teaching order, read from lessons.list: each lesson's program name,
// title, summary, description for screen readers, the faces its window draws in, and its form.
// The launcher, the drivers, the storms, the benchmarks and the web module all read this.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kit/form.h"

namespace lessons {

// A design face (kit::faces) at one weight.
struct Face {
  std::string face;
  bool bold = false;
  bool operator==(const Face&) const = default;
};

struct Lesson {
  std::string name;         // the program's name, as its folder and executable are called
  std::string title;        // the window's Chinese title, as the launcher shows it
  std::string summary;      // one line on what it shows
  std::string description;  // what the window shows, in a sentence or two, for screen readers
  std::vector<Face> faces;  // every face its controls and surface texts use

  // A new window of the lesson (forms.cpp, so that what only lists the lessons, such as the
  // launcher, links none of their forms).
  std::unique_ptr<kit::Form> makeForm() const;
};

const std::vector<Lesson>& all();
// The lesson of that name, or null.
const Lesson* find(std::string_view name);

// The list for the tools (build/lessons.json, the site's lessons.json): a JSON array of
// {name, title, summary, description, faces: [{face, weight}]}, one lesson a line.
std::string json();

}  // namespace lessons

// Reading the figure: arrows are shafts with two shorter lines at their tip; a vector's letter
// is the lower-case label nearest the middle of its shaft, a point's letter the capital one
// nearest its end. Positions are in the surface's own units.
#include "describe.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "canvas.h"
#include "controls.h"
#include "form.h"
#include "keypointer.h"

namespace kit {

namespace {

constexpr double kNearTwips = 900;  // how far a letter may stand from what it names

std::string number(double value, double step) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", step >= 10 ? 0 : step >= 1 ? 2 : 3, value);
  std::string out = text;
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  return out == "-0" ? "0" : out;
}

bool isNumber(const std::string& text) {
  if (text.empty()) return false;
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  const std::string rest(end);
  return end != text.c_str() && rest.find_first_not_of(' ') == std::string::npos;
}

struct Surface {
  const Canvas& canvas;
  std::vector<const Line*> lines;
  std::vector<const Label*> labels;
  double step;

  double twipsApart(double x1, double y1, double x2, double y2) const {
    return std::hypot(canvas.toTwipsX(x1) - canvas.toTwipsX(x2),
                      canvas.toTwipsY(y1) - canvas.toTwipsY(y2));
  }
  // The visible label nearest (x, y) whose caption `fits`, within kNearTwips.
  template <typename Fits>
  const Label* nearestLabel(double x, double y, Fits fits) const {
    const Label* best = nullptr;
    double bestApart = kNearTwips;
    for (const Label* label : labels) {
      if (!fits(label->Caption)) continue;
      const double apart = twipsApart(x, y, label->Left, label->Top);
      if (apart < bestApart) best = label, bestApart = apart;
    }
    return best;
  }
  std::string point(double x, double y) const {
    // A capital alone, or with its coordinates: "A", "A(3,2)".
    const Label* letter = nearestLabel(x, y, [](const std::string& caption) {
      return !caption.empty() && caption[0] >= 'A' && caption[0] <= 'Z' &&
             (caption.size() == 1 || caption[1] == '(');
    });
    return (letter ? letter->Caption.substr(0, 1) : "") + "(" + number(x, step) + "," +
           number(y, step) + ")";
  }
};

// Runs of blanks (a result line's columns) read as one.
std::string squeezed(const std::string& text) {
  std::string out;
  for (const char c : text)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

bool vectorLetter(const std::string& caption) {
  if (caption.empty() || caption.find('=') != std::string::npos) return false;
  const char first = caption[0];
  return (first >= 'a' && first <= 'z') || (first >= '0' && first <= '9') || first == '-';
}

// What a lesson's picture shows, by its asset's file name; a picture not listed is not read.
std::string pictureName(const std::string& picture) {
  static const std::pair<const char*, const char*> names[] = {{"house.png", "家"},
                                                              {"shop.png", "商店"},
                                                              {"school.png", "学校"},
                                                              {"walker.png", "小人"},
                                                              {"formula.png", "公式"}};
  for (const auto& [file, name] : names) {
    const std::string suffix = std::string("/") + file;
    if (picture.size() >= suffix.size() &&
        picture.compare(picture.size() - suffix.size(), suffix.size(), suffix) == 0)
      return name;
  }
  return "";
}

// The lines of one surface: its arrows, then its captions, pictures and printed texts.
void describeSurface(const Canvas& canvas, std::vector<std::string>& out) {
  Surface surface{canvas, {}, {}, KeyPointer(canvas).step()};
  for (const CanvasObject* object : canvas.objects()) {
    if (object->kind() == Kind::Line && static_cast<const Line*>(object)->Visible)
      surface.lines.push_back(static_cast<const Line*>(object));
    if (object->kind() == Kind::Label && static_cast<const Label*>(object)->Visible &&
        !static_cast<const Label*>(object)->Caption.empty())
      surface.labels.push_back(static_cast<const Label*>(object));
  }
  std::set<const Label*> used;
  // An arrowhead is a short solid line with an end at (or just ahead of) a longer one's tip;
  // an arrow is a line with a head that is no head itself.
  const double near = std::abs(surface.step) * 0.15, headMost = std::abs(surface.step) * 0.75;
  const auto length = [](const Line* line) {
    return std::hypot(line->X2 - line->X1, line->Y2 - line->Y1);
  };
  const auto headOf = [&](const Line* head, const Line* shaft) {
    const auto atTip = [&](float x, float y) {
      return std::hypot(x - shaft->X2, y - shaft->Y2) <= near;
    };
    return head != shaft && !head->dotted && !shaft->dotted && length(head) < length(shaft) &&
           length(head) <= headMost && (atTip(head->X1, head->Y1) || atTip(head->X2, head->Y2));
  };
  const auto isHead = [&](const Line* head) {
    return std::any_of(surface.lines.begin(), surface.lines.end(),
                       [&](const Line* shaft) { return headOf(head, shaft); });
  };
  for (const Line* shaft : surface.lines) {
    const bool headed = std::any_of(surface.lines.begin(), surface.lines.end(),
                                    [&](const Line* head) { return headOf(head, shaft); });
    if (!headed || isHead(shaft)) continue;
    const Label* letter = surface.nearestLabel((shaft->X1 + shaft->X2) / 2,
                                               (shaft->Y1 + shaft->Y2) / 2, vectorLetter);
    if (letter) used.insert(letter);
    out.push_back("向量" + (letter ? " " + letter->Caption : std::string()) + "：从 " +
                  surface.point(shaft->X1, shaft->Y1) + " 到 " +
                  surface.point(shaft->X2, shaft->Y2));
  }
  for (const Label* label : surface.labels) {
    const bool pointLetter =
        label->Caption.size() == 1 && label->Caption[0] >= 'A' && label->Caption[0] <= 'Z';
    if (!used.count(label) && !pointLetter) out.push_back("标注 " + label->Caption);
  }
  for (const CanvasObject* object : canvas.objects()) {
    if (object->kind() != Kind::Image) continue;
    const auto* image = static_cast<const Image*>(object);
    const std::string name = image->Visible ? pictureName(image->picture) : "";
    if (name.empty()) continue;
    // Where its middle is: a picture stands for the place it shows.
    const double x = canvas.fromTwipsX(canvas.toTwipsX(image->Left) + image->widthTwips / 2);
    const double y = canvas.fromTwipsY(canvas.toTwipsY(image->Top) + image->heightTwips / 2);
    out.push_back("图片 " + name + "：在 " + surface.point(x, y));
  }
  for (const DrawOp& op : canvas.drawing())
    if (op.kind == DrawOp::Kind::Text && op.text.size() > 1 && !isNumber(op.text))
      out.push_back("标注 " + op.text);
}

// Single-line boxes side by side on one row are read as one: the clock's fields.
void describeClock(const Form& form, std::vector<std::string>& out) {
  std::vector<const TextBox*> row;
  for (const Control* control : form.controls()) {
    if (control->kind() != Kind::TextBox) continue;
    const auto* box = static_cast<const TextBox*>(control);
    if (box->Visible && !box->multiLine) row.push_back(box);
  }
  std::sort(row.begin(), row.end(),
            [](const TextBox* a, const TextBox* b) { return a->rect.left < b->rect.left; });
  std::string reading;
  int fields = 0;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const bool joined =
        i > 0 && row[i]->rect.top == row[i - 1]->rect.top &&
        std::abs(row[i - 1]->rect.left + row[i - 1]->rect.width - row[i]->rect.left) <= 60;
    if (!joined) reading.clear(), fields = 0;
    reading += row[i]->Text();
    if (++fields >= 2 && (i + 1 == row.size() || row[i + 1]->rect.top != row[i]->rect.top)) {
      out.push_back("用时 " + reading);
      return;
    }
  }
}

}  // namespace

std::vector<std::string> describeFigure(const Form& form) {
  std::vector<std::string> out;
  for (const Canvas* canvas : form.canvases())
    if (canvas != &form.window()) describeSurface(*canvas, out);
  for (const Canvas* canvas : form.canvases())
    if (canvas == &form.window())
      for (const DrawOp& op : canvas->drawing())
        if (op.kind == DrawOp::Kind::Text && !op.text.empty()) out.push_back(squeezed(op.text));
  describeClock(form, out);
  return out;
}

bool FigureWatch::note(const Form& form, bool settled) {
  std::vector<const void*> running;
  for (const Timer* timer : form.timers())
    if (timer->Enabled()) running.push_back(timer);
  const bool ended = std::any_of(running_.begin(), running_.end(), [&](const void* timer) {
    return std::find(running.begin(), running.end(), timer) == running.end();
  });
  running_ = running;
  const std::string before = announcement_;
  announcement_.clear();
  if (!settled && !ended && !running.empty() && !first_) return !before.empty();

  std::vector<std::string> lines = describeFigure(form);
  if (!message_.empty()) lines.push_back("提示框：" + message_);
  const bool changed = lines != lines_;
  lines_ = std::move(lines);
  if (first_) said_ = lines_, first_ = false;
  if (settled || ended) {
    for (const std::string& line : lines_)
      if (std::find(said_.begin(), said_.end(), line) == said_.end())
        announcement_ += (announcement_.empty() ? "" : "；") + line;
    said_ = lines_;
  }
  return changed || announcement_ != before;
}

bool FigureWatch::answered(const Form& form, const std::string& text) {
  message_ = text;
  return note(form, true);
}

}  // namespace kit

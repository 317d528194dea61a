// Builds the dump from the form's registry.
#include "dump.h"

#include <cstdio>
#include <cstdlib>
#include <variant>

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/json.h"

namespace kit {
namespace {

std::string opJson(const kit::DrawOp& op, const std::string& canvas) {
  kit::JsonObject out;
  switch (op.kind) {
    case kit::DrawOp::Kind::Point:
      out.add("op", "pset").add("x", op.x1).add("y", op.y1);
      break;
    case kit::DrawOp::Kind::Line:
      out.add("op", "line").add("x1", op.x1).add("y1", op.y1).add("x2", op.x2).add("y2", op.y2);
      break;
    case kit::DrawOp::Kind::Arc:
      out.add("op", "arc").add("x", op.x1).add("y", op.y1).add("r", op.radius);
      out.add("start", op.start).add("end", op.end);
      break;
    case kit::DrawOp::Kind::Text:
      out.add("op", "text").add("x", op.x1).add("y", op.y1).add("text", op.text);
      out.add("size", op.font.points);
      break;
  }
  out.add("color", static_cast<int>(op.color & 0xFFFFFF)).add("width", op.width);
  if (canvas != "Picture1") out.add("on", canvas);
  return out.str();
}

// A control's properties by their design names, positions in its canvas's current units.
std::string controlJson(const kit::Control& control) {
  kit::JsonObject out;
  switch (control.kind()) {
    case kit::Kind::Line: {
      const auto& line = static_cast<const kit::Line&>(control);
      out.add("X1", float(line.X1)).add("Y1", float(line.Y1));
      out.add("X2", float(line.X2)).add("Y2", float(line.Y2)).add("Visible", line.Visible);
      break;
    }
    case kit::Kind::Label: {
      const auto& label = static_cast<const kit::Label&>(control);
      out.add("Caption", label.Caption).add("Left", float(label.Left));
      out.add("Top", float(label.Top)).add("Visible", label.Visible);
      break;
    }
    case kit::Kind::Image:
    case kit::Kind::Shape: {
      const auto& box = static_cast<const kit::Box&>(control);
      out.add("Left", float(box.Left)).add("Top", float(box.Top)).add("Visible", box.Visible);
      break;
    }
    case kit::Kind::Timer: {
      const auto& timer = static_cast<const kit::Timer&>(control);
      out.add("Enabled", timer.Enabled()).add("Interval", timer.Interval());
      break;
    }
    case kit::Kind::Button: {
      const auto& button = static_cast<const kit::Button&>(control);
      out.add("Caption", button.Caption).add("Visible", button.Visible);
      break;
    }
    case kit::Kind::TextBox: {
      const auto& box = static_cast<const kit::TextBox&>(control);
      out.add("Text", box.Text()).add("Visible", box.Visible);
      break;
    }
    case kit::Kind::Frame: {
      const auto& frame = static_cast<const kit::Frame&>(control);
      out.add("Caption", frame.Caption).add("Visible", frame.Visible);
      break;
    }
  }
  return out.str();
}

std::string varJson(const kit::Form::VarRef& ref) {
  return std::visit([](auto* value) { return kit::jsonNumber(*value); }, ref);
}

}  // namespace

std::string dumpState(kit::Form& form, const std::vector<std::string>& names) {
  kit::JsonObject out;
  auto addControl = [&](const kit::Control& control) {
    out.raw(control.name(), controlJson(control));
  };
  if (names.empty()) {
    for (const kit::Control* control : form.controls()) addControl(*control);
  } else {
    for (const std::string& name : names) {
      const kit::Control* control = form.find(name);
      if (!control) {
        // The script reader checked every name against the form: a fault in the caller.
        std::fprintf(stderr, "unknown control: %s\n", name.c_str());
        std::abort();
      }
      addControl(*control);
    }
  }
  out.raw("form", kit::JsonObject()
                      .add("Caption", form.Caption)
                      .add("Width", form.Width)
                      .add("Height", form.Height)
                      .str());
  kit::JsonObject vars;
  for (const kit::Form::Var& var : form.vars()) vars.raw(var.name, varJson(var.ref));
  out.raw("vars", vars.str());
  kit::JsonArray messages;
  for (const std::string& text : form.takeMessageLog()) messages.raw(kit::jsonString(text));
  out.raw("messages", messages.str());
  kit::JsonArray drawing;
  for (const kit::Canvas* canvas : form.canvases())
    for (const kit::DrawOp& op : canvas->drawing()) drawing.raw(opJson(op, canvas->name()));
  out.raw("drawing", drawing.str());
  return out.str();
}

}  // namespace kit

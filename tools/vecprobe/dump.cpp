// Builds the dump from the form's registry.
#include "dump.h"

#include <stdexcept>
#include <variant>

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/json.h"

namespace probe {
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

std::string varJson(const kit::Form::VarRef& ref) {
  return std::visit([](auto* value) { return kit::jsonNumber(*value); }, ref);
}

}  // namespace

std::string dumpState(kit::Form& form, const std::vector<std::string>& names) {
  kit::JsonObject out;
  auto addControl = [&](const kit::Control& control) {
    kit::JsonObject properties;
    control.writeProperties(properties);
    out.raw(control.name(), properties.str());
  };
  if (names.empty()) {
    for (const kit::Control* control : form.controls()) addControl(*control);
  } else {
    for (const std::string& name : names) {
      const kit::Control* control = form.find(name);
      if (!control) throw std::invalid_argument("unknown control: " + name);
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

}  // namespace probe

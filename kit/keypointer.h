// The keyboard pointer of a drawing surface: a position in the surface's units that arrows move,
// Space or Enter presses and lets go, and letters bring to the figure's named points. It
// answers with the very mouse event a mouse would have sent there; front ends deliver it the
// way they deliver the mouse's, so no handler knows the difference.
#pragma once

#include <optional>
#include <utility>

namespace kit {

class Canvas;

class KeyPointer {
 public:
  struct Event {
    enum class Kind { Down, Move, Click };
    Kind kind;
    int button, shift;
    float x, y;
  };
  // What a key did: `used` when it was the pointer's (the front end keeps it from the rest of
  // the window), with the mouse event to deliver, if any.
  struct Outcome {
    bool used = false;
    std::optional<Event> event;
  };

  // Starts at the middle of the surface, at the first key.
  explicit KeyPointer(const Canvas& canvas);

  // A key by the design's code (kit/input.h) with the design's shift bits.
  Outcome key(int code, int shift);
  // The surface lost the keyboard: a held press is let go without a click, as when a mouse
  // lets go outside the surface.
  void leave() { held_ = false; }

  float x() const { return placed_ ? x_ : middle(true); }
  float y() const { return placed_ ? y_ : middle(false); }
  bool held() const { return held_; }
  // One arrow's step in the surface's units: about 32 pixels at the designed size, rounded to
  // 1, 2 or 5 times a power of ten (one grid unit on a grid of 1).
  double step() const;

 private:
  // The point the letter names on the surface: a visible label captioned by that letter alone
  // (or with its coordinates, "A(3,2)"), at the end of a visible line nearest to it.
  std::optional<std::pair<float, float>> namedPoint(char letter) const;
  void place();
  float middle(bool across) const;
  void moveBy(double dx, double dy);
  Event event(Event::Kind kind, int shift) const;

  const Canvas& canvas_;
  float x_ = 0, y_ = 0;
  bool placed_ = false, held_ = false;
};

}  // namespace kit

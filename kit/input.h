// The design's codes for what a pupil presses: mouse buttons and shift keys as bit sets, and
// key codes (Enter 13, letters and digits their upper-case character). Front ends translate
// their own events into these.
#pragma once

namespace kit {

namespace buttons {
constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
}  // namespace buttons

namespace shifts {
constexpr int kShift = 1, kControl = 2, kAlt = 4;
}  // namespace shifts

namespace keys {
constexpr int kBackspace = 8, kTab = 9, kEnter = 13, kShift = 16, kControl = 17, kAlt = 18,
              kEscape = 27, kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40,
              kDelete = 46;
}  // namespace keys

constexpr int buttonCode(bool left, bool right, bool middle) {
  return (left ? buttons::kLeft : 0) | (right ? buttons::kRight : 0) |
         (middle ? buttons::kMiddle : 0);
}

constexpr int shiftCode(bool shift, bool control, bool alt) {
  return (shift ? shifts::kShift : 0) | (control ? shifts::kControl : 0) | (alt ? shifts::kAlt : 0);
}

// A printable key as the design codes it: its upper-case character below 128, else 0.
constexpr int characterKeyCode(char32_t character) {
  if (character >= 'a' && character <= 'z') return static_cast<int>(character - 'a' + 'A');
  return character < 128 ? static_cast<int>(character) : 0;
}

}  // namespace kit

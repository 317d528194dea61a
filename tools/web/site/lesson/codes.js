// What the pupil's and the teacher's presses mean: browser events as the design's button, shift
// and key codes (from the module's rules), and the keys the teacher's controls take for
// themselves. No page needed: the Node tests run these.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});

  // The design's codes of browser events, from the module's `input` rules.
  function inputCodes(input) {
    const { buttons, shifts, keys, characterCode } = input;
    // A pointer's `button`: 0 the main (left) one, 1 the middle one, 2 the right one.
    const pointerButtons = { 0: buttons.left, 1: buttons.middle, 2: buttons.right };
    const designButtons = buttons.left | buttons.right | buttons.middle;
    return {
      buttonCode: (button) => pointerButtons[button] || 0,
      // The buttons held during a move: a pointer's `buttons` already uses the design's bits.
      heldCode: (held) => held & designButtons,
      shiftCode: (event) => (event.shiftKey ? shifts.shift : 0) |
        (event.ctrlKey ? shifts.control : 0) | (event.altKey ? shifts.alt : 0),
      // The design's named keys (Enter …) by a browser's key names, a single character as the
      // design codes it, anything else 0.
      keyCode(event) {
        if (Object.prototype.hasOwnProperty.call(keys, event.key)) return keys[event.key];
        if (typeof event.key !== 'string' || [...event.key].length !== 1) return 0;
        return characterCode(event.key.codePointAt(0));
      },
    };
  }

  // What a key asks of the teacher's controls ('pause', 'step', 'back', 'replay', 'slower', 'faster', 'bar'), or
  // null for a key that stays the lesson's or the browser's. Only keys no lesson and no text box
  // uses: F8 (or Pause), F9 (or Page Down, a presenter's clicker), Shift+F8, Shift+F9, F4, F7 (or Shift+Page Up), F6.
  function presenterKey(event) {
    if (event.isComposing || event.ctrlKey || event.altKey || event.metaKey) return null;
    const shift = event.shiftKey;
    switch (event.key) {
      case 'F8': return shift ? 'slower' : 'pause';
      case 'F9': return shift ? 'faster' : 'step';
      case 'Pause': return shift ? null : 'pause';
      case 'PageDown': return shift ? null : 'step';
      case 'F4': return shift ? null : 'bar';
      case 'F7': return shift ? null : 'back';
      case 'PageUp': return shift ? 'back' : null;
      case 'F6': return shift ? null : 'replay';
      default: return null;
    }
  }

  // What a key asks of the lesson's zoom, as on the desktop: 1 larger (Ctrl+= or Ctrl++), -1
  // smaller (Ctrl+-), 0 the fit again (Ctrl+0); null for any other key.
  function zoomKey(event) {
    if (!event.ctrlKey || event.altKey || event.metaKey || event.isComposing) return null;
    switch (event.code) {
      case 'Equal': case 'NumpadAdd': return 1;
      case 'Minus': case 'NumpadSubtract': return -1;
      case 'Digit0': case 'Numpad0': return 0;
      default: break;
    }
    switch (event.key) {
      case '=': case '+': return 1;
      case '-': return -1;
      case '0': return 0;
      default: return null;
    }
  }

  const shared = { inputCodes, presenterKey, zoomKey };
  Object.assign(parts, shared);
  if (typeof module === 'object' && module.exports) module.exports = shared;
})(typeof window !== 'undefined' ? window : globalThis);

// The pupil's input as W3C WebDriver actions, the same JSON for WebDriver BiDi's
// input.performActions (Firefox) and classic WebDriver's POST /session/{id}/actions (WebKit):
// a mouse, a keyboard for the shifts and keys, a finger where the engine has touch, a wheel.
// Positions land on whole CSS pixels there; the page's test hook takes them for its points.

// WebDriver's code points of the keys that type nothing.
const named = {
  Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009',
  Alt: '\uE00A', Escape: '\uE00C', PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010',
  Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
  ArrowDown: '\uE015', Insert: '\uE016', Delete: '\uE017',
};
for (let f = 1; f <= 12; ++f) named[`F${f}`] = String.fromCharCode(0xe031 + f - 1);
const buttonNumber = { left: 0, middle: 1, right: 2 };
// The driver's shift bits (1 Shift, 2 Ctrl, 4 Alt) as keys.
const shiftKeys = [[1, named.Shift], [2, named.Control], [4, named.Alt]];

// Page-side: for the length of one input, events of the given types stop on the window before
// any of the page's own listeners hear them; `cancel` also takes away what they would do.
function shield([types, cancel]) {
  const stop = (event) => {
    event.stopImmediatePropagation();
    if (cancel) event.preventDefault();
  };
  for (const type of types) window.addEventListener(type, stop, true);
  window.__webprobeShield = () => {
    for (const type of types) window.removeEventListener(type, stop, true);
  };
}
const unshield = () => window.__webprobeShield?.();

// Page-side: a corner of the window on no drawing surface, where a button let go of makes no
// click of a surface's.
function offSurface() {
  const boxes = [...document.querySelectorAll('canvas')].map((c) => c.getBoundingClientRect());
  const on = (x, y) => boxes.some((r) => x >= r.left && x < r.right && y >= r.top && y < r.bottom);
  const [w, h] = [window.innerWidth - 1, window.innerHeight - 1];
  return [[w, h], [0, h], [w, 0], [0, 0]].map(([x, y]) => ({ x, y })).find(({ x, y }) => !on(x, y)) ?? { x: w, y: h };
}

export class W3CInput {
  // perform(actions) sends one list of input sources; evaluate(fn, arg) runs in the page.
  constructor({ perform, evaluate, hasTouch }) {
    this.perform = perform;
    this.inPage = evaluate;
    this.hasTouch = hasTouch;
    this.pressesInPlace = true; // a chord's buttons change where the pointer is
    this.shifts = 0; // the shift keys held down
    this.size = null; // the page's width and height, which WebDriver moves no pointer out of
  }

  // A point as WebDriver takes it: whole pixels, on the page.
  spot(x, y) {
    const clamp = (v, most) => Math.min(Math.max(Math.round(v), 0), most - 1);
    return this.size ? { x: clamp(x, this.size.width), y: clamp(y, this.size.height) }
      : { x: Math.round(x), y: Math.round(y) };
  }

  async shielded(types, cancel, fn) {
    await this.inPage(shield, [types, cancel]);
    try {
      await fn();
    } finally {
      await this.inPage(unshield);
    }
  }

  // The shift keys brought to `shift`: they go down and up with the page's key listeners
  // shielded, as keys held before the press, in no box, so the lesson hears only the press.
  async shiftTo(shift) {
    const actions = [];
    for (const [bit, value] of shiftKeys) {
      if ((shift & bit) === (this.shifts & bit)) continue;
      actions.push({ type: shift & bit ? 'keyDown' : 'keyUp', value });
    }
    if (!actions.length) return;
    await this.shielded(['keydown', 'keyup', 'keypress'], false, () =>
      this.perform([{ type: 'key', id: 'keyboard', actions }]));
    this.shifts = shift;
  }

  pointer(actions) {
    return this.perform([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }]);
  }

  // { type: down | up | move, x, y, button, buttons, shift, chord }; an `up` at a negative point
  // is let go of off the surface: the pointer goes to a corner of the window on no surface with
  // the page's pointer listeners shielded from that move (WebDriver moves no pointer off the
  // page). A `chord` press or release (another button while one is held) is made where the
  // pointer is: the driver's move to the point follows.
  async mouse({ type, x, y, button, shift = 0, chord = false }) {
    await this.shiftTo(shift);
    const at = { type: 'pointerMove', ...this.spot(x, y) };
    const change = { type: type === 'down' ? 'pointerDown' : 'pointerUp', button: buttonNumber[button] };
    if (type === 'move') return this.pointer([at]);
    // The browser's own move for the change is no move of the pupil's: shielded.
    if (chord) return this.shielded(['pointermove', 'mousemove'], false, () => this.pointer([change]));
    if (type === 'down') return this.pointer([at, change]);
    const up = change;
    // Move and release in one go: the browser may hold a move back until the next event.
    if (x < 0 || y < 0) {
      const corner = await this.inPage(offSurface);
      return this.shielded(['pointermove', 'mousemove'], false, () => this.pointer([{ ...at, ...corner }, up]));
    }
    return this.pointer([at, up]);
  }

  // A key in the focused element: { key, text, shift }. A key that would type a character
  // types nothing unless `text` says it does (its keypress and input are taken away). False
  // for a key WebDriver has no name for.
  async key({ key, text, shift = 0 }) {
    const value = named[key] ?? (key.length === 1 ? key : null);
    if (!value) return false;
    await this.shiftTo(shift);
    const press = () => this.perform([{ type: 'key', id: 'keyboard',
      actions: [{ type: 'keyDown', value }, { type: 'keyUp', value }] }]);
    if (text || named[key]) await press();
    else await this.shielded(['keypress', 'beforeinput'], true, press);
    if (shift & 2) await this.zoomed();
    return true;
  }

  // touchStart, touchMove, touchEnd with one finger ([{x, y}] or none).
  async touch(type, points) {
    const finger = (actions) => this.perform([{ type: 'pointer', id: 'finger',
      parameters: { pointerType: 'touch' }, actions }]);
    const [p] = points;
    const at = p && { type: 'pointerMove', ...this.spot(p.x, p.y) };
    if (type === 'touchStart') return finger([at, { type: 'pointerDown', button: 0 }]);
    if (type === 'touchMove') return finger([at]);
    return finger([{ type: 'pointerUp', button: 0 }]);
  }

  async wheel({ x, y, deltaY, shift = 0 }) {
    await this.shiftTo(shift);
    await this.perform([{ type: 'wheel', id: 'wheel',
      actions: [{ type: 'scroll', ...this.spot(x, y), deltaX: 0, deltaY }] }]);
    if (shift & 2) await this.zoomed();
  }

  // Ctrl with a key or the wheel may zoom the page (Firefox does), which makes its window
  // fewer CSS pixels: the pointer stays inside it.
  async zoomed() {
    if (this.size) this.size = await this.inPage(() => ({ width: window.innerWidth, height: window.innerHeight }));
  }

  // The whole text in one input event, through the browser's own editing of the focused,
  // selected box; clearing it deletes the selection.
  insertText(text) {
    return this.inPage((value) => (value === '' ? document.execCommand('delete')
      : document.execCommand('insertText', false, value)), text);
  }
}

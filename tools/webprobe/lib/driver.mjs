// Runs driver scripts on a lesson page opened in test mode: presses, moves, clicks, typing and
// keys as real browser input over the DevTools protocol, the clock and the dump through the
// page's hook (docs/web.md). Control names are checked against the page's own dump and
// elements, so a script stops where vecprobe stops, with the same message.
import fs from 'node:fs';
import { lessonRect, painted } from './browser.mjs';
import {
  ScriptError,
  Words,
  number,
  wholeNumber,
  coordinate,
  toStringF,
  typeOperands,
  utf8,
} from './script.mjs';

// The protocol's modifier bits: Alt 1, Ctrl 2, Meta 4, Shift 8.
const modifiersOf = (shift) => (shift & 1 ? 8 : 0) | (shift & 2 ? 2 : 0) | (shift & 4 ? 1 : 0);
// The button a press is made with: the lowest of left 1, right 2, middle 4.
const pressedButton = (buttons) =>
  buttons & 1 ? 'left' : buttons & 2 ? 'right' : buttons & 4 ? 'middle' : 'none';

// What each kind of control shows in the dump, which is all the page says of its kind.
function kindOf(properties) {
  if ('Text' in properties) return 'textbox';
  if ('Interval' in properties) return 'timer';
  if ('X1' in properties) return 'line';
  if ('Caption' in properties && !('Left' in properties)) return 'captioned'; // button or frame
  return 'other';
}

// The raw JSON texts of the strings in a dump's "messages" array.
function messageTexts(dump) {
  const key = '"messages":[';
  let at = dump.indexOf(key);
  if (at < 0) return { start: -1, items: [] };
  at += key.length;
  const start = at;
  const items = [];
  while (dump[at] === '"') {
    let end = at + 1;
    while (dump[end] !== '"') end += dump[end] === '\\' ? 2 : 1;
    items.push(dump.slice(at, end + 1));
    at = end + 1;
    if (dump[at] === ',') ++at;
  }
  return { start, items };
}

// Keys as the page sees them: key, code and the text a press types (only Enter's is kept).
function keyFor(code) {
  const named = {
    8: ['Backspace', 'Backspace'], 9: ['Tab', 'Tab'], 13: ['Enter', 'Enter'],
    16: ['Shift', 'ShiftLeft'], 17: ['Control', 'ControlLeft'], 18: ['Alt', 'AltLeft'],
    27: ['Escape', 'Escape'], 32: [' ', 'Space'], 33: ['PageUp', 'PageUp'],
    34: ['PageDown', 'PageDown'], 35: ['End', 'End'], 36: ['Home', 'Home'],
    37: ['ArrowLeft', 'ArrowLeft'], 38: ['ArrowUp', 'ArrowUp'], 39: ['ArrowRight', 'ArrowRight'],
    40: ['ArrowDown', 'ArrowDown'], 45: ['Insert', 'Insert'], 46: ['Delete', 'Delete'],
  };
  if (named[code]) return { key: named[code][0], code: named[code][1] };
  if (code >= 48 && code <= 57) return { key: String.fromCharCode(code), code: `Digit${code - 48}` };
  if (code >= 65 && code <= 90)
    return { key: String.fromCharCode(code + 32), code: `Key${String.fromCharCode(code)}` };
  if (code >= 112 && code <= 123) return { key: `F${code - 111}`, code: `F${code - 111}` };
  return { key: 'Unidentified', code: '' };
}

export class Driver {
  // write(text) receives what the script prints; notes (WEBPROBE_VERBOSE) go to note(text).
  constructor(page, cdp, { write, note = () => {} }) {
    this.page = page;
    this.cdp = cdp;
    this.write = write;
    this.note = note;
    this.held = null; // the buttons a `down` pressed and no command has let go of yet
    this.skipped = []; // {line, reason} of input no pupil could give, left out
    this.lineNumber = 0;
    this.controls = new Map();
    this.pending = []; // messages taken by the first look at the page, for the next dump
  }

  // Learns the controls and their kinds from one whole dump.
  async start() {
    const text = await this.hook((names) => window.vectorsTest.dump(names), []);
    for (const [name, properties] of Object.entries(JSON.parse(text))) {
      if (['form', 'vars', 'messages', 'drawing'].includes(name)) continue;
      this.controls.set(name, kindOf(properties));
    }
    this.pending = messageTexts(text).items;
  }

  async hook(fn, arg) {
    return this.page.evaluate(fn, arg);
  }

  async element(name) {
    return this.page.evaluate((id) => {
      const el = document.getElementById(id);
      if (!el) return null;
      const tag = el.tagName.toLowerCase();
      const button = tag === 'button' || (tag === 'input' && /^(button|submit|reset)$/.test(el.type));
      return { tag, button };
    }, name);
  }

  async runLine(line) {
    const words = new Words(line);
    const command = words.next();
    if (command === undefined || command[0] === '#') return;
    switch (command) {
      case 'down':
      case 'move': {
        const button = wholeNumber(words.next(), 'button');
        const shift = wholeNumber(words.next(), 'shift');
        const x = coordinate(words, 'x');
        const y = coordinate(words, 'y');
        return command === 'down' ? this.down(button, shift, x, y) : this.move(button, shift, x, y);
      }
      case 'click':
        return this.click(words.next() ?? '');
      case 'type':
        return this.type(typeOperands(line));
      case 'key':
        return this.key(words);
      case 'tick':
        return this.tick(words);
      case 'run': {
        const ms = number(words, 'milliseconds');
        // An endless or undefined stretch of time would hang the clock or leave it unusable.
        if (!Number.isFinite(ms) || ms < 0)
          throw new ScriptError(`not a stretch of time: ${toStringF(ms, words.last)}`);
        return this.hook((value) => window.vectorsTest.run(value), ms);
      }
      // The teacher's control of the lesson's time, through the page's own presenter calls.
      case 'pause':
        return this.hook(() => window.vectorsTest.pause());
      case 'resume':
        return this.hook(() => window.vectorsTest.resume());
      case 'step':
        return this.hook(() => window.vectorsTest.step());
      case 'speed': {
        const factor = number(words, 'speed');
        if (![0.25, 0.5, 1, 2].includes(factor))
          throw new ScriptError(`not a speed (0.25, 0.5, 1 or 2): ${toStringF(factor, words.last)}`);
        return this.hook((value) => window.vectorsTest.speed(value), factor);
      }
      case 'dump':
        return this.dump(words.rest());
      case 'png': {
        const file = words.next();
        if (file === undefined) throw new ScriptError('png needs a file name');
        return this.png(file);
      }
      default:
        throw new ScriptError(`unknown command: ${command}`);
    }
  }

  async clientPoint(x, y) {
    const point = await this.hook(
      ([ux, uy]) => {
        const p = window.vectorsTest.unitsToClient(ux, uy);
        return Array.isArray(p) ? p : [p.clientX ?? p.x, p.clientY ?? p.y];
      },
      [x, y],
    );
    return { x: point[0], y: point[1] };
  }

  mouse(params) {
    return this.cdp.send('Input.dispatchMouseEvent', params);
  }

  // Input no pupil could give is left out and recorded with its line.
  skip(reason) {
    this.skipped.push({ line: this.lineNumber, reason });
    this.note(`line ${this.lineNumber}: left out: ${reason}`);
  }

  // Lets go of the held buttons off the page, so the surface takes it for no click of its own
  // (the page counts a release over the surface as one); no move leads there, so the lesson
  // sees no drag to that point either.
  async release() {
    if (!this.held) return;
    const { modifiers } = this.held;
    let { buttons } = this.held;
    this.held = null;
    for (const [bit, button] of [[1, 'left'], [2, 'right'], [4, 'middle']]) {
      if (!(buttons & bit)) continue;
      buttons &= ~bit;
      await this.mouse({ type: 'mouseReleased', x: -1, y: -1, button, buttons, modifiers, clickCount: 0 });
    }
  }

  // Whether a press at a client point lands on the surface.
  async onSurface(at) {
    return this.page.evaluate(
      ([x, y]) => document.elementFromPoint(x, y)?.id === 'Picture1',
      [at.x, at.y],
    );
  }

  async down(buttons, shift, x, y) {
    await this.release();
    const at = await this.clientPoint(x, y);
    const button = pressedButton(buttons);
    if (button === 'none') return this.skip(`a press without a button (${buttons})`);
    if (!Number.isFinite(at.x) || !Number.isFinite(at.y) || !(await this.onSurface(at)))
      return this.skip(`a press off the surface, at (${x}, ${y})`);
    const modifiers = modifiersOf(shift);
    // A press of its own, not the first of a click.
    const held = buttons & 7;
    await this.mouse({ type: 'mousePressed', ...at, button, buttons: held, modifiers, clickCount: 0 });
    this.held = { buttons: held, modifiers };
  }

  async move(buttons, shift, x, y) {
    const at = await this.clientPoint(x, y);
    if (!Number.isFinite(at.x) || !Number.isFinite(at.y))
      return this.skip(`a move to a point that is no number, (${x}, ${y})`);
    const modifiers = modifiersOf(shift);
    const wanted = buttons & 7;
    if (wanted === 0) {
      // A move with no button held is a hover.
      await this.release();
      await this.mouse({ type: 'mouseMoved', ...at, button: 'none', buttons: 0, modifiers });
      return;
    }
    if (!this.held) return this.skip(`a move with buttons ${buttons} that no press holds`);
    // Other buttons than the press's are reached as a mouse does it: the new ones pressed and
    // the old ones let go while the pointer stays down, each change a move on the surface.
    let held = this.held.buttons;
    for (const [bit, button] of [[1, 'left'], [2, 'right'], [4, 'middle']]) {
      if (!(wanted & bit) || held & bit) continue;
      held |= bit;
      await this.mouse({ type: 'mousePressed', ...at, button, buttons: held, modifiers, clickCount: 0 });
    }
    for (const [bit, button] of [[1, 'left'], [2, 'right'], [4, 'middle']]) {
      if (wanted & bit || !(held & bit)) continue;
      held &= ~bit;
      await this.mouse({ type: 'mouseReleased', ...at, button, buttons: held, modifiers, clickCount: 0 });
    }
    if (held !== this.held.buttons) {
      this.held = { buttons: held, modifiers };
      return;
    }
    await this.mouse({ type: 'mouseMoved', ...at, button: pressedButton(held), buttons: held, modifiers });
    this.held.modifiers = modifiers;
  }

  async click(name) {
    const known = this.controls.get(name);
    const element = await this.element(name);
    const canvas = known === undefined && element?.tag === 'canvas' && name !== 'Form';
    const button = known === 'captioned' && element?.button;
    if (!canvas && !button) throw new ScriptError(`unknown button: ${name}`);
    await this.release();
    const target = await this.page.evaluate((id) => {
      const el = document.getElementById(id);
      const r = el.getBoundingClientRect();
      const x = r.left + r.width / 2;
      const y = r.top + r.height / 2;
      const hit = r.width > 0 && r.height > 0 ? document.elementFromPoint(x, y) : null;
      return { x, y, reachable: !!hit && (hit === el || el.contains(hit)) };
    }, name);
    // A hidden or covered button takes no click from a pupil.
    if (!target.reachable) return this.skip(`${name} is hidden or covered`);
    const at = { x: target.x, y: target.y };
    await this.mouse({ type: 'mousePressed', ...at, button: 'left', buttons: 1, clickCount: 1 });
    await this.mouse({ type: 'mouseReleased', ...at, button: 'left', buttons: 0, clickCount: 1 });
  }

  async textBox(name) {
    if (this.controls.get(name) !== 'textbox' || !(await this.element(name)))
      throw new ScriptError(`unknown text box: ${name}`);
    // Focus and selection are no input of their own: the model hears only what follows.
    return this.page.evaluate((id) => {
      const el = document.getElementById(id);
      el.focus();
      el.select?.();
      const hidden = !el.getClientRects().length;
      return { value: el.value, readOnly: el.readOnly || el.disabled, hidden };
    }, name);
  }

  async type({ name, text }) {
    const box = await this.textBox(name);
    if (box.hidden || box.readOnly) return this.skip(`typing in ${name}, which takes no typing`);
    // Nothing to take away: a browser makes no change of it.
    if (text === '' && box.value === '') return this.skip(`clearing ${name}, which is empty`);
    // The whole text in one input event over the selection: one change, as vecprobe makes.
    await this.cdp.send('Input.insertText', { text: utf8(text) });
  }

  async key(words) {
    const name = words.next() ?? '';
    if (this.controls.get(name) !== 'textbox' || !(await this.element(name)))
      throw new ScriptError(`unknown text box: ${name}`);
    const code = wholeNumber(words.next(), 'key code');
    const box = await this.textBox(name);
    if (box.hidden) return this.skip(`a key in ${name}, which is hidden`);
    const { key, code: physical } = keyFor(code);
    const base = { key, code: physical, windowsVirtualKeyCode: code, nativeVirtualKeyCode: code };
    // Enter is pressed as a keyboard does (with its keypress); other keys only go down and up,
    // typing nothing.
    if (code === 13) await this.cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', ...base, text: '\r' });
    else await this.cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...base });
    await this.cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
  }

  async tick(words) {
    const name = words.next() ?? '';
    if (this.controls.get(name) !== 'timer') throw new ScriptError(`unknown timer: ${name}`);
    const word = words.next();
    const count = word === undefined ? 1 : wholeNumber(word, 'tick count');
    await this.hook(([timer, n]) => window.vectorsTest.tick(timer, n), [name, count]);
  }

  async dump(names) {
    for (const name of names)
      if (!this.controls.has(name)) throw new ScriptError(`unknown control: ${name}`);
    let text = await this.hook((list) => window.vectorsTest.dump(list), names.map(utf8));
    if (this.pending.length) {
      const { start, items } = messageTexts(text);
      if (start >= 0) {
        const joined = [...this.pending, ...items].join(',');
        const end = start + items.join(',').length;
        text = text.slice(0, start) + joined + text.slice(end);
        this.pending = [];
      }
    }
    this.write(`${text}\n`);
  }

  async png(file) {
    // The lesson alone, without the page's own marks (a page without them has no such call).
    const picturing = (on) => this.hook((shown) => window.vectorsTest.picturing?.(shown), on);
    await picturing(true);
    let picture;
    try {
      await painted(this.page);
      const clip = await lessonRect(this.page);
      picture = await this.page.screenshot(clip ? { clip } : {});
    } finally {
      await picturing(false);
    }
    try {
      fs.writeFileSync(utf8(file), picture);
    } catch {
      throw new ScriptError(`cannot write ${file}`);
    }
  }

  // Runs every line; a ScriptError names the line, as vecprobe's message does.
  async run(lines) {
    let index = 0;
    for (const line of lines) {
      this.lineNumber = ++index;
      try {
        await this.runLine(line);
      } catch (error) {
        if (error instanceof ScriptError) throw new ScriptError(`line ${index}: ${error.message}`);
        throw new Error(`line ${index}: ${error.message}`);
      }
    }
    await this.release();
  }
}

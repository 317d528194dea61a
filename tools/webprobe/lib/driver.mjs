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
  parseCount,
  toInt,
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
    this.held = null; // the button a `down` pressed and has not let go of
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
        const button = toInt(number(words, 'button'));
        const shift = toInt(number(words, 'shift'));
        const x = Math.fround(number(words, 'x'));
        const y = Math.fround(number(words, 'y'));
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

  // Lets go of a `down`'s button where the pointer is; a click count of 0 keeps the browser
  // from making a click (or a context menu's auxclick) of it.
  async release() {
    if (!this.held) return;
    const { x, y, button, modifiers } = this.held;
    this.held = null;
    await this.mouse({ type: 'mouseReleased', x, y, button, buttons: 0, modifiers, clickCount: 0 });
  }

  async down(buttons, shift, x, y) {
    await this.release();
    const at = await this.clientPoint(x, y);
    const button = pressedButton(buttons);
    // No pointer can be pressed without a button or at a point that is no number.
    if (button === 'none' || !Number.isFinite(at.x) || !Number.isFinite(at.y)) {
      this.note(`down ${buttons} at (${x}, ${y}) cannot be pressed in a browser; left out`);
      return;
    }
    const modifiers = modifiersOf(shift);
    // A press of its own, not the first of a click: the surface sees no click from it.
    await this.mouse({ type: 'mousePressed', ...at, button, buttons: buttons & 7, modifiers, clickCount: 0 });
    this.held = { ...at, button, buttons: buttons & 7, modifiers };
  }

  async move(buttons, shift, x, y) {
    const at = await this.clientPoint(x, y);
    if (!Number.isFinite(at.x) || !Number.isFinite(at.y)) {
      this.note(`move to (${x}, ${y}) cannot be made in a browser; left out`);
      return;
    }
    const modifiers = modifiersOf(shift);
    if (this.held && this.held.buttons === (buttons & 7)) {
      // A drag with the button a `down` holds.
      await this.mouse({ type: 'mouseMoved', ...at, button: this.held.button, buttons: buttons & 7, modifiers });
      Object.assign(this.held, at, { modifiers });
      return;
    }
    await this.release();
    // The buttons a move says are held arrive with it, whatever was pressed before.
    await this.mouse({ type: 'mouseMoved', ...at, button: 'none', buttons: buttons & 7, modifiers });
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
    if (!target.reachable) {
      // A hidden or covered button takes no pointer; the driver's click still reaches it, as
      // vecprobe's does, as the element's own click.
      this.note(`${name} cannot be reached by the pointer; clicked as an element`);
      await this.page.evaluate((id) => document.getElementById(id).click(), name);
      return;
    }
    const at = { x: target.x, y: target.y };
    await this.mouse({ type: 'mousePressed', ...at, button: 'left', buttons: 1, clickCount: 1 });
    await this.mouse({ type: 'mouseReleased', ...at, button: 'left', buttons: 0, clickCount: 1 });
  }

  async textBox(name) {
    if (this.controls.get(name) !== 'textbox' || !(await this.element(name)))
      throw new ScriptError(`unknown text box: ${name}`);
    await this.release();
    // Focus and selection are no input of their own: the model hears only what follows.
    await this.page.evaluate((id) => {
      const el = document.getElementById(id);
      el.focus();
      el.select?.();
    }, name);
  }

  async type({ name, text }) {
    await this.textBox(name);
    // The whole text in one input event over the selection, as one change, the empty text too.
    await this.cdp.send('Input.insertText', { text: utf8(text) });
  }

  async key(words) {
    const name = words.next() ?? '';
    if (this.controls.get(name) !== 'textbox' || !(await this.element(name)))
      throw new ScriptError(`unknown text box: ${name}`);
    const code = toInt(number(words, 'key code'));
    await this.textBox(name);
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
    let count = 1;
    const word = words.next();
    if (word !== undefined) {
      count = parseCount(word);
      if (count === undefined) throw new ScriptError(`not a tick count: ${word}`);
    }
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
    await painted(this.page);
    const clip = await lessonRect(this.page);
    const picture = await this.page.screenshot(clip ? { clip } : {});
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
      ++index;
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

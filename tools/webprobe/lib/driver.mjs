// Runs driver scripts on a lesson page opened in test mode. The page's test hook reads each line
// with the lesson's own reader (the one vecprobe has) and carries out the clock, the teacher's
// controls and the dump; what it hands back as the pupil's input (presses, moves, clicks, typing,
// keys) this gives as real browser input through the page's engine (lib/engines/), and pictures
// as screenshots. So a script stops where vecprobe stops, with the same message (docs/web.md).
import fs from 'node:fs';
import { lessonRect, painted } from './browser.mjs';
import { ScriptError, utf8 } from './script.mjs';
import { PageFault, shownDifferences } from './shown.mjs';

// The button a press is made with: the lowest of left 1, right 2, middle 4.
const pressedButton = (buttons) =>
  buttons & 1 ? 'left' : buttons & 2 ? 'right' : buttons & 4 ? 'middle' : 'none';

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

// What each kind of control shows in the dump, which is all the page says of its kind: the
// storms choose their buttons and boxes by it.
function kindOf(properties) {
  if ('Text' in properties) return 'textbox';
  if ('Interval' in properties) return 'timer';
  if ('X1' in properties) return 'line';
  if ('Caption' in properties && !('Left' in properties)) return 'captioned'; // button or frame
  return 'other';
}

export class Driver {
  // write(text) receives what the script prints; notes (WEBPROBE_VERBOSE) go to note(text).
  constructor(page, { write, note = () => {} }) {
    this.page = page;
    this.write = write;
    this.note = note;
    this.held = null; // the buttons a `down` pressed and no command has let go of yet
    this.skipped = []; // {line, reason} of input no pupil could give, left out
    this.lineNumber = 0;
    this.pending = []; // messages taken by the first look at the page, for the next dump
    this.controls = new Map(); // name: kind, from that first look
  }

  // A first look at the page: its controls, and the messages its start showed, which wait for
  // the first dump.
  async start() {
    const text = (await this.line('dump')).out;
    for (const [name, properties] of Object.entries(JSON.parse(text))) {
      if (['form', 'vars', 'messages', 'drawing'].includes(name)) continue;
      this.controls.set(name, kindOf(properties));
    }
    this.pending = messageTexts(text).items;
  }

  // One line through the page's hook; the line and the texts of the answer hold one character
  // a byte.
  async line(text) {
    const answer = await this.hook((line) => window.vectorsTest.line(line), text);
    if (answer.error !== undefined) throw new ScriptError(answer.error);
    return answer;
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

  async runLine(text) {
    const command = await this.line(text);
    switch (command.command) {
      case 'down':
        return this.down(command.button, command.shift, command.x, command.y);
      case 'move':
        return this.move(command.button, command.shift, command.x, command.y);
      case 'click':
        return this.click(command.name);
      case 'type':
        return this.type(command);
      case 'key':
        return this.key(command);
      case 'dump':
        return this.dump(command.out);
      case 'png':
        return this.png(command.file);
      default:
        return undefined; // carried out by the page, or a blank line or a comment
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

  mouse(event) {
    return this.page.mouse(event);
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
    const { shift } = this.held;
    let { buttons } = this.held;
    this.held = null;
    for (const [bit, button] of [[1, 'left'], [2, 'right'], [4, 'middle']]) {
      if (!(buttons & bit)) continue;
      buttons &= ~bit;
      await this.mouse({ type: 'up', x: -1, y: -1, button, buttons, shift });
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
    if (buttons & 7 & ~this.page.buttons) return this.skip(`a press of buttons ${buttons}, which this browser cannot give`);
    if (!Number.isFinite(at.x) || !Number.isFinite(at.y) || !(await this.onSurface(at)))
      return this.skip(`a press off the surface, at (${x}, ${y})`);
    // A press of its own, not the first of a click.
    const held = buttons & 7;
    await this.mouse({ type: 'down', ...at, button, buttons: held, shift });
    this.held = { buttons: held, shift };
  }

  async move(buttons, shift, x, y) {
    const at = await this.clientPoint(x, y);
    if (!Number.isFinite(at.x) || !Number.isFinite(at.y))
      return this.skip(`a move to a point that is no number, (${x}, ${y})`);
    const wanted = buttons & 7;
    if (wanted === 0) {
      // A move with no button held is a hover.
      await this.release();
      await this.mouse({ type: 'move', ...at, button: 'none', buttons: 0, shift });
      return;
    }
    if (!this.held) return this.skip(`a move with buttons ${buttons} that no press holds`);
    if (wanted & ~this.page.buttons) return this.skip(`a move with buttons ${buttons}, which this browser cannot give`);
    // Other buttons than the press's are reached as a mouse does it: the new ones pressed and
    // the old ones let go while the pointer stays down, each change a move on the surface.
    let held = this.held.buttons;
    for (const [bit, button] of [[1, 'left'], [2, 'right'], [4, 'middle']]) {
      if (!(wanted & bit) || held & bit) continue;
      held |= bit;
      await this.mouse({ type: 'down', ...at, button, buttons: held, shift, chord: true });
    }
    for (const [bit, button] of [[1, 'left'], [2, 'right'], [4, 'middle']]) {
      if (wanted & bit || !(held & bit)) continue;
      held &= ~bit;
      await this.mouse({ type: 'up', ...at, button, buttons: held, shift, chord: true });
    }
    if (held !== this.held.buttons) {
      this.held = { buttons: held, shift };
      // Where the buttons change where the pointer is (WebDriver), the move to the point follows.
      if (this.page.pressesInPlace)
        await this.mouse({ type: 'move', ...at, button: pressedButton(held), buttons: held, shift });
      return;
    }
    await this.mouse({ type: 'move', ...at, button: pressedButton(held), buttons: held, shift });
    this.held.shift = shift;
  }

  async click(name) {
    // The lesson has it: a page without its element is a page at fault.
    const element = await this.element(name);
    if (!(element?.tag === 'canvas' || element?.button)) throw new ScriptError(`unknown button: ${name}`);
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
    await this.mouse({ type: 'down', ...at, button: 'left', buttons: 1, clicks: 1 });
    await this.mouse({ type: 'up', ...at, button: 'left', buttons: 0, clicks: 1 });
  }

  async textBox(name) {
    if (!(await this.element(name))) throw new ScriptError(`unknown text box: ${name}`);
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
    await this.page.insertText(utf8(text));
  }

  async key({ name, code }) {
    const box = await this.textBox(name);
    if (box.hidden) return this.skip(`a key in ${name}, which is hidden`);
    const { key, code: physical } = keyFor(code);
    // Enter is pressed as a keyboard does (with its keypress); other keys only go down and up,
    // typing nothing.
    const given = await this.page.key({ key, code: physical, vk: code, text: code === 13 ? '\r' : undefined });
    if (!given) this.skip(`key ${code}, which this browser's input cannot name`);
  }

  async dump(text) {
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
    const differences = await shownDifferences((fn, arg) => this.hook(fn, arg), text);
    if (differences.length)
      throw new PageFault(`the page shows other than the lesson holds: ${differences.join('; ')}`);
  }

  async png(file) {
    // The lesson alone, without the page's own marks (a page without them has no such call).
    const picturing = (on) => this.hook((shown) => window.vectorsTest.picturing?.(shown), on);
    await picturing(true);
    let picture;
    try {
      await painted(this.page);
      const clip = await lessonRect(this.page);
      picture = await this.page.screenshot(clip);
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
        if (error instanceof PageFault) throw new PageFault(`line ${index}: ${error.message}`);
        throw new Error(`line ${index}: ${error.message}`);
      }
    }
    await this.release();
  }
}

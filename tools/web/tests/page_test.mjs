// The page's pieces that need no browser: key, button and shift codes, the teacher's keys and
// paces, crisp line ends, the replay of drawing commands on a context, the site's pictures, and
// the module's lesson list and its calls as the page makes them, for the lessons of the desktop
// build's lessons.json ($LESSONS_JSON). Codes, paces and the replay take the module's rules, so
// they run when a build is given in $WEB_DIR or build-web/.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { pictureTable } from '../site.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '..', '..', '..');
const require = createRequire(import.meta.url);
const scripts = path.join(here, '..', 'site', 'lesson');
const { readRules, nextSpeed, speedLabel, badgeText } = require(path.join(scripts, 'rules.js'));
const { inputCodes, presenterKey } = require(path.join(scripts, 'codes.js'));
const { replayer, snap, renderedPictures } = require(path.join(scripts, 'replay.js'));

// The lessons' modules (one a lesson) as the page calls them, when they have been built, and the
// rules they hand the page.
const coreDir = process.env.WEB_DIR ? path.resolve(process.env.WEB_DIR, 'site-core')
  : path.join(root, 'build-web', 'site-core');
const corePath = (program) => path.join(coreDir, `core-${program}.js`);
const openCore = (program) => require(corePath(program))({
  wasmBinary: fs.readFileSync(path.join(coreDir, `core-${program}.wasm`)),
});
const noBuild = !fs.existsSync(corePath('vecsub')) && 'no web build';
const rules = noBuild ? null : readRules(await openCore('vecsub'));
const { opcodes: Op, strokeFlags: Flag } = rules ? rules.drawing : {};
const page = rules ? { ...replayer(rules.drawing), ...inputCodes(rules.input) } : {};

// A 2D context that writes down what is done to it.
function recordingContext() {
  const calls = [];
  const state = { lineDash: [] };
  const ctx = new Proxy(state, {
    get(target, name) {
      if (name === 'calls') return calls;
      if (name === 'getTransform') return () => ({ e: 4, f: 6 });
      if (name === 'setLineDash') return (dash) => { target.lineDash = dash; calls.push(['setLineDash', dash]); };
      if (name in target) return target[name];
      return (...args) => calls.push([name, ...args]);
    },
    set(target, name, value) {
      target[name] = value;
      calls.push(['set ' + String(name), value]);
      return true;
    },
  });
  return ctx;
}

function named(calls, name) {
  return calls.filter((call) => call[0] === name);
}

describe('input codes', { skip: noBuild }, () => {
  test('keys as the design codes them', () => {
    const code = (key) => page.keyCode({ key });
    assert.equal(code('Enter'), 13);
    assert.equal(code('Escape'), 27);
    assert.equal(code('Backspace'), 8);
    assert.equal(code('a'), 65);
    assert.equal(code('A'), 65);
    assert.equal(code('7'), 55);
    assert.equal(code('.'), 46);
    assert.equal(code('中'), 0);
    assert.equal(code('ArrowLeft'), 0);
    assert.equal(code('Unidentified'), 0);
  });

  test('pointer buttons and shift keys', () => {
    assert.deepEqual([0, 1, 2, 3].map(page.buttonCode), [1, 4, 2, 0]);
    assert.equal(page.heldCode(1 | 2 | 8), 3);  // back and forward buttons are no design buttons
    assert.equal(page.shiftCode({ shiftKey: true, ctrlKey: false, altKey: true }), 5);
    assert.equal(page.shiftCode({ shiftKey: false, ctrlKey: true, altKey: false }), 2);
  });
});

describe('teacher\'s controls', () => {
  const key = (name, extra = {}) => presenterKey({ key: name, shiftKey: false, ctrlKey: false,
    altKey: false, metaKey: false, isComposing: false, ...extra });

  test('the desktop\'s keys, and a presenter\'s clicker', () => {
    assert.equal(key('F8'), 'pause');
    assert.equal(key('Pause'), 'pause');
    assert.equal(key('F9'), 'step');
    assert.equal(key('PageDown'), 'step');
    assert.equal(key('F8', { shiftKey: true }), 'slower');
    assert.equal(key('F9', { shiftKey: true }), 'faster');
    assert.equal(key('F4'), 'bar');
  });

  test('keys the lessons, text boxes and browser keep are left alone', () => {
    for (const name of ['0', '7', '-', '+', '.', 'e', 'Enter', ' ', 'Backspace', 'Tab',
      'ArrowDown', 'PageUp', 'F5', 'F11', 'Escape']) {
      assert.equal(key(name), null, name);
    }
    // Ctrl+Page Down changes tabs, Alt+F4 closes the window, Shift+Page Down selects text.
    assert.equal(key('PageDown', { ctrlKey: true }), null);
    assert.equal(key('F4', { altKey: true }), null);
    assert.equal(key('PageDown', { shiftKey: true }), null);
    assert.equal(key('F8', { metaKey: true }), null);
    assert.equal(key('F9', { isComposing: true }), null);  // an input method's own use
  });

  // The module's table read the right way round: slower, faster, label and badge per pace.
  test('paces go a step at a time and stop at either end, with the badge', { skip: noBuild }, () => {
    const speeds = rules.speeds.map((entry) => entry.speed);
    assert.deepEqual(speeds.map((speed) => nextSpeed(rules, speed, -1)), [0.25, 0.25, 0.5, 1]);
    assert.deepEqual(speeds.map((speed) => nextSpeed(rules, speed, 1)), [0.5, 1, 2, 2]);
    assert.equal(nextSpeed(rules, 3, 1), 3);
    assert.deepEqual(speeds.map((speed) => speedLabel(rules, speed)), ['×¼', '×½', '×1', '×2']);
    assert.equal(badgeText(rules, false, 1), '');
    assert.equal(badgeText(rules, true, 1), '已暂停');
    assert.equal(badgeText(rules, false, 0.25), '×¼');
    assert.equal(badgeText(rules, true, 2), '已暂停 ×2');
  });
});

describe('replay', { skip: noBuild }, () => {
  const env = (extra = {}) => ({ dpr: 1, image: () => null, ...extra });

  test('crisp lines cover whole device pixels, smooth ones stay where they are', () => {
    assert.equal(snap(10.2, 1, 1), 10.5);
    assert.equal(snap(10.2, 2, 1), 10);  // two device pixels wide: on a pixel edge
    assert.equal(snap(10.3, 3, 1), 10.5);  // three device pixels: a middle one centred
    const ctx = recordingContext();
    page.replay(ctx, [Op.Line, 1.2, 2.2, 30.4, 2.2, 0xff0000, 1, 0,
      Op.Line, 1.2, 2.2, 30.4, 2.2, 0xff0000, 1, Flag.Smooth], [], env());
    // Level: across it on a pixel's middle, along it from edge to edge.
    assert.deepEqual(named(ctx.calls, 'moveTo'), [['moveTo', 1, 2.5], ['moveTo', 1.2, 2.2]]);
    assert.deepEqual(named(ctx.calls, 'lineTo'), [['lineTo', 30, 2.5], ['lineTo', 30.4, 2.2]]);
    const slant = recordingContext();
    page.replay(slant, [Op.Line, 1.2, 2.2, 30.4, 12.2, 0, 1, 0], [], env());
    assert.deepEqual(named(slant.calls, 'moveTo'), [['moveTo', 1.5, 2.5]]);
    assert.deepEqual(named(slant.calls, 'lineTo'), [['lineTo', 30.5, 12.5]]);
  });

  test('a dotted line dots as wide as it is, and the dash does not outlive it', () => {
    const ctx = recordingContext();
    page.replay(ctx, [Op.Line, 0, 0, 9, 0, 0, 2, Flag.Dotted | Flag.RoundCap | Flag.Smooth], [],
      env());
    assert.deepEqual(named(ctx.calls, 'setLineDash').map((call) => call[1]), [[2, 2], []]);
    assert.equal(ctx.lineCap, 'round');
    assert.equal(ctx.strokeStyle, '#000000');
  });

  test('arcs run counter-clockwise on screen; a whole turn is a circle', () => {
    const ctx = recordingContext();
    page.replay(ctx, [Op.Arc, 50, 50, 10, 90, 45, 0x0000ff, 1, Flag.Smooth,
      Op.Arc, 50, 50, 10, 30, 360, 0x0000ff, 1, Flag.Smooth], [], env());
    const [quarter, whole] = named(ctx.calls, 'arc');
    assert.deepEqual(quarter, ['arc', 50, 50, 10, -Math.PI / 2, -135 * Math.PI / 180, true]);
    assert.deepEqual(whole, ['arc', 50, 50, 10, 0, 2 * Math.PI]);
  });

  test('texts sit one font ascent below their top, in their font and colour', () => {
    const ctx = recordingContext();
    const fonts = [];
    page.replay(ctx, [Op.Text, 3, 4, 0, 1, 0xc00000], ['A(3,2)', 'bold 19px serif'], env({
      ascent: () => 15,
      needFont: (font, text) => fonts.push([font, text]),
    }));
    assert.deepEqual(named(ctx.calls, 'fillText'), [['fillText', 'A(3,2)', 3, 19]]);
    assert.equal(ctx.font, 'bold 19px serif');
    assert.equal(ctx.fillStyle, '#c00000');
    assert.deepEqual(fonts, [['bold 19px serif', 'A(3,2)']]);
  });

  test('a picture at its own size is copied onto whole device pixels', () => {
    const bitmap = { naturalWidth: 160, naturalHeight: 122 };
    const artwork = { naturalWidth: 80, naturalHeight: 61 };
    const images = { 'cart.png': bitmap, 'cart.svg': artwork };
    let ctx = recordingContext();
    page.replay(ctx, [Op.Picture, 0, 1, 10.3, 20.6, 80, 61], ['cart.png', 'cart.svg'],
      env({ dpr: 2, image: (file) => images[file] }));
    // At twice the pixels the bitmap fits: drawn at 4 + 20.6 and 6 + 41.2 device pixels.
    assert.deepEqual(named(ctx.calls, 'drawImage'), [['drawImage', bitmap, 25, 47]]);
    assert.equal(ctx.imageSmoothingEnabled, false);

    ctx = recordingContext();
    page.replay(ctx, [Op.Picture, 0, 1, 10, 20, 120, 91.5], ['cart.png', 'cart.svg'],
      env({ dpr: 2, image: (file) => images[file] }));
    assert.deepEqual(named(ctx.calls, 'drawImage'), [['drawImage', artwork, 10, 20, 120, 91.5]]);
  });

  test('a picture at another size is drawn afresh once per size and then copied', () => {
    const artwork = { naturalWidth: 80, naturalHeight: 61 };
    const made = [];
    const rendered = renderedPictures((width, height) => {
      const canvas = { width, height, ctx: recordingContext() };
      canvas.getContext = () => canvas.ctx;
      made.push(canvas);
      return canvas;
    }, 2);
    const draw = (x, width) => {
      const ctx = recordingContext();
      page.replay(ctx, [Op.Picture, 0, 1, x, 20, width, 91.5], ['cart.png', 'cart.svg'],
        env({ dpr: 2, image: (file) => (file === 'cart.svg' ? artwork : null), rendered }));
      return named(ctx.calls, 'drawImage');
    };
    // 240 × 183 device pixels, at 4 + 2·10.3 and 6 + 2·20 rounded.
    assert.deepEqual(draw(10.3, 120), [['drawImage', made[0], 25, 46]]);
    assert.deepEqual(named(made[0].ctx.calls, 'drawImage'), [['drawImage', artwork, 0, 0, 240, 183]]);
    assert.deepEqual(draw(50, 120), [['drawImage', made[0], 104, 46]]);
    assert.equal(made.length, 1);
    // A new size is a new copy; past the room kept, the old ones go.
    draw(0, 100);
    draw(0, 90);
    assert.equal(made.length, 3);
    assert.deepEqual(draw(0, 120), [['drawImage', made[3], 4, 46]]);
  });

  test('a drawing that is only its colour over the whole area needs no canvas', () => {
    const fill = (x, y, w, h, colour) => [Op.FillRect, x, y, w, h, colour];
    assert.equal(page.plainColour(fill(0, 0, 800, 600, 0xd4d0c8), [800, 600]), '#d4d0c8');
    assert.equal(page.plainColour(fill(0, 0, 799, 600, 0xd4d0c8), [800, 600]), null);
    assert.equal(page.plainColour(fill(1, 0, 800, 600, 0xd4d0c8), [800, 600]), null);
    assert.equal(page.plainColour([...fill(0, 0, 800, 600, 0), Op.Disc, 5, 5, 2, 0, 0], [800, 600]), null);
    assert.equal(page.plainColour([Op.Disc, 0, 0, 900, 0, 0], [800, 600]), null);
  });

  test('a picture still loading is noted, so the area is painted again', () => {
    const ctx = recordingContext();
    const loading = env();
    page.replay(ctx, [Op.Picture, 0, -1, 0, 0, 10, 10], ['cart.png'], loading);
    assert.equal(loading.missing, true);
    assert.equal(named(ctx.calls, 'drawImage').length, 0);
  });

  test('unknown or cut-off commands are refused', () => {
    assert.throws(() => page.replay(recordingContext(), [99, 0, 0], [], env()), /bad drawing/);
    assert.throws(() => page.replay(recordingContext(), [Op.FillRect, 0, 0, 5], [], env()),
      /bad drawing/);
  });
});

// The lesson list the desktop build wrote ($LESSONS_JSON, else build/lessons.json).
const listPath = process.env.LESSONS_JSON || path.join(root, 'build', 'lessons.json');
const listed = fs.existsSync(listPath) ? JSON.parse(fs.readFileSync(listPath, 'utf8')) : [];
const names = listed.map((lesson) => lesson.name);

describe('site', { skip: listed.length === 0 && 'no lessons.json' }, () => {
  test('every picture a lesson names is embedded under that name', () => {
    const table = pictureTable(names);
    for (const program of names) {
      for (const form of fs.readdirSync(path.join(root, program)).filter((f) => f.endsWith('.cpp'))) {
        const text = fs.readFileSync(path.join(root, program, form), 'utf8');
        for (const [, picture] of text.matchAll(/"(:\/[^"]+\.png)"/g)) {
          assert.match(table[picture] || '', /^data:image\/png;base64,/, picture);
          assert.match(table[picture.replace(/\.png$/, '.svg')] || '', /^data:image\/svg\+xml;/);
        }
      }
    }
  });
});

// A line of a driver's script through the module, as the test hook gives it.
function scriptLine(core, line) {
  const bytes = Buffer.from(line, 'latin1');
  return JSON.parse(core.ccall('vec_script', 'string', ['array', 'number'], [bytes, bytes.length]));
}

// The module as the page calls it, when one has been built.
describe('module', { skip: noBuild || (listed.length === 0 && 'no lessons.json') }, () => {
  const lessons = names;

  test('each module lists its own lesson as the desktop build does, and opens no other', async () => {
    for (const lesson of listed) {
      const core = await openCore(lesson.name);
      assert.deepEqual(JSON.parse(core.ccall('vec_lessons', 'string', [], [])), [lesson]);
      for (const other of ['vecfoo', ...names.filter((name) => name !== lesson.name)]) {
        assert.equal(core.ccall('vec_open', 'number', ['string', 'number', 'number'], [other, 0, 0]),
          0, `${lesson.name}'s module opens no ${other}`);
      }
    }
  });

  for (const program of lessons) {
    test(`${program}: the window describes itself and every area replays`, async () => {
      const core = await openCore(program);
      const call = (name, returns, types, args) => core.ccall(name, returns, types, args);
      assert.equal(call('vec_open', 'number', ['string', 'number', 'number'], [program, 1, 0]), 1);
      scriptLine(core, 'run 3000');
      const fit = JSON.parse(call('vec_fit', 'string', ['number', 'number'], [1280, 800]));
      assert.ok(fit.zoom > 1 && fit.left >= 0 && fit.top >= 0);
      const window = JSON.parse(call('vec_describe', 'string', ['number'], [fit.zoom]));
      assert.ok(window.caption.length > 0);
      assert.ok(window.description.length > 0);
      for (const control of window.controls) {
        assert.match(control.kind, /^(button|textbox|frame)$/);
        assert.equal(control.rect.length, 4);
        assert.ok(control.px > 0 && control.font.includes(`${control.px}px`));
      }
      // Tab reaches every control once.
      const tabOrder = JSON.parse(call('vec_tab_order', 'string', [], []));
      assert.deepEqual([...tabOrder].sort(), window.controls.map((c) => c.name).sort());
      const state = JSON.parse(call('vec_state', 'string', ['number'], [fit.zoom]));
      assert.deepEqual(Object.keys(state.controls), window.controls.map((c) => c.name));
      // The same state again is handed over as "": the page keeps what it has.
      assert.equal(call('vec_state', 'string', ['number'], [fit.zoom]), '');

      for (const area of ['Form', ...window.canvases.map((c) => c.name)]) {
        const count = call('vec_paint', 'number', ['string', 'number', 'number', 'number'],
          [area, fit.zoom, 800, 600]);
        const at = call('vec_paint_numbers', 'number', [], []) / 8;
        const numbers = core.HEAPF64.slice(at, at + count);
        const strings = JSON.parse(call('vec_paint_strings', 'string', [], []));
        const ctx = recordingContext();
        page.replay(ctx, numbers, strings, { dpr: 1, image: () => null });
        assert.equal(numbers[0], Op.FillRect, area);
        assert.ok(named(ctx.calls, 'fillRect').length >= 1);
        const shown = call('vec_fingerprint', 'number', ['string'], [area]);
        call('vec_paint', 'number', ['string', 'number', 'number', 'number'], [area, fit.zoom, 800, 600]);
        assert.equal(call('vec_paint_strings', 'string', [], []), '');
        // Nothing changed: the page may keep what it drew.
        assert.equal(call('vec_fingerprint', 'number', ['string'], [area]), shown, area);
      }
      // A lesson opened afresh hands its state over again.
      assert.equal(call('vec_open', 'number', ['string', 'number', 'number'], [program, 1, 0]), 1);
      assert.notEqual(call('vec_state', 'string', ['number'], [fit.zoom]), '');
      assert.match(scriptLine(core, 'dump').out, /^\{.*\}$/);
      assert.deepEqual(scriptLine(core, 'dump NoSuchControl'),
        { error: 'unknown control: NoSuchControl' });
    });
  }

  test('the fingerprint changes with what the surface shows', async () => {
    const core = await openCore('vecsub');
    const call = (name, returns, types, args) => core.ccall(name, returns, types, args);
    const fingerprint = () => call('vec_fingerprint', 'number', ['string'], ['Picture1']);
    call('vec_open', 'number', ['string', 'number', 'number'], ['vecsub', 1, 0]);
    const before = fingerprint();
    scriptLine(core, 'run 100');
    assert.equal(fingerprint(), before);
    call('vec_click', 'number', ['string', 'number'], ['Command1', 0]);
    scriptLine(core, 'run 4000');
    assert.notEqual(fingerprint(), before);
    assert.equal(call('vec_fingerprint', 'number', ['string'], ['NoSuchArea']), 0);
  });

  // The test hook's calls; the native tests compare whole scripts with the driver's.
  test('pause, step and pace on the test clock', async () => {
    const core = await openCore('vecsub');
    const call = (name, returns, types, args) => core.ccall(name, returns, types, args);
    const dump = () => scriptLine(core, 'dump').out;
    const open = () => call('vec_open', 'number', ['string', 'number', 'number'], ['vecsub', 1, 0]);
    open();
    call('vec_click', 'number', ['string', 'number'], ['Command1', 0]);
    scriptLine(core, 'run 1500');
    const straight = dump();

    open();
    call('vec_click', 'number', ['string', 'number'], ['Command1', 0]);
    assert.equal(call('vec_step', 'number', [], []), 0);  // only while paused
    scriptLine(core, 'run 500');
    call('vec_pause', null, ['number'], [123456]);  // the page's clock is not the test's
    assert.equal(call('vec_paused', 'number', [], []), 1);
    scriptLine(core, 'run 5000');
    call('vec_resume', null, ['number'], [0]);
    assert.equal(call('vec_paused', 'number', [], []), 0);
    assert.equal(call('vec_set_speed', 'number', ['number', 'number'], [3, 0]), 0);
    assert.equal(call('vec_set_speed', 'number', ['number', 'number'], [0.5, 0]), 1);
    assert.equal(call('vec_speed', 'number', [], []), 0.5);
    // The second still to run takes two at half pace.
    scriptLine(core, 'run 1998');
    assert.notEqual(dump(), straight);
    scriptLine(core, 'run 2');
    assert.equal(dump(), straight);

    call('vec_pause', null, ['number'], [0]);
    assert.equal(call('vec_step', 'number', [], []), 1);
    assert.notEqual(dump(), straight);
  });

  test('on the page\'s clock a paused lesson asks for no frame', async () => {
    const core = await openCore('vecsub');
    const call = (name, returns, types, args) => core.ccall(name, returns, types, args);
    call('vec_open', 'number', ['string', 'number', 'number'], ['vecsub', 0, 1000]);
    call('vec_click', 'number', ['string', 'number'], ['Command1', 1100]);
    assert.ok(!Number.isNaN(call('vec_next_due', 'number', [], [])));
    call('vec_pause', null, ['number'], [1200]);
    assert.ok(Number.isNaN(call('vec_next_due', 'number', [], [])));
    call('vec_resume', null, ['number'], [9000]);
    assert.ok(call('vec_next_due', 'number', [], []) >= 9000);
  });
});

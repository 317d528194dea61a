// The driver on a stand-in page (tests/mock/mock.html) that records the input it gets: what a
// script's presses, moves, clicks, typing and keys become in the browser, and the command line's
// output, messages and exit codes.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { PNG } from 'pngjs';
import { launch } from '../lib/browser.mjs';
import { runOnPage } from '../lib/run.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const webprobe = path.join(here, '..', 'webprobe');
// The stand-in with the site's module beside it, as the build lays it out.
const mockSite = process.env.WEBPROBE_MOCK_SITE ?? path.join(here, 'mock');

let browser;
before(async () => {
  browser = await launch();
});
after(() => browser.close());

const parse = (out) => out.split('\n').filter(Boolean).map((line) => JSON.parse(line));

// A script on the page in the browser the tests share, as the command line would run it.
async function probe(script) {
  const run = await runOnPage(browser, { site: mockSite, program: 'mock', script: Buffer.from(script) });
  const out = run.out.toString();
  return { code: run.code, out, err: run.err.toString(), dumps: parse(out), skipped: run.skipped };
}

async function ok(script) {
  const run = await probe(script);
  assert.equal(run.code, 0, run.err);
  assert.equal(run.err, '');
  return run.dumps;
}

// The command line itself.
function cli(script, args) {
  const run = spawnSync(webprobe, ['--site', mockSite, ...args], { input: script, encoding: 'utf8' });
  return { code: run.status, out: run.stdout, err: run.stderr, dumps: parse(run.stdout) };
}

test('presses and moves arrive where the script points, with their buttons and shifts', async () => {
  const [left, drag, right, middle, shifts] = await ok(
    [
      'down 1 0 100 400', 'dump Line1 Label1',
      'move 1 0 250.5 125.25', 'dump Line1 Label1',
      'down 2 0 10 10', 'dump Label1',
      'down 4 0 10 10', 'dump Label1',
      'down 1 1 10 10', 'move 1 2 20 20', 'move 1 4 30 30', 'move 1 7 40 40', 'dump Label1',
    ].join('\n'),
  );
  const near = (actual, expected) => assert.ok(Math.abs(actual - expected) < 1e-3, `${actual} ≠ ${expected}`);
  near(left.Line1.X1, 100);
  near(left.Line1.Y1, 400);
  assert.equal(left.Label1.Caption, 'down 1 0');
  near(drag.Line1.X2, 250.5);
  near(drag.Line1.Y2, 125.25);
  assert.equal(drag.Label1.Caption, 'move 1 0');
  assert.equal(right.Label1.Caption, 'down 2 0');
  assert.equal(middle.Label1.Caption, 'down 4 0');
  assert.equal(shifts.Label1.Caption, 'move 1 7');
  assert.equal(shifts.vars.lastShift, 7);
  assert.equal(shifts.vars.moves, 4);
  assert.equal(shifts.vars.surfaceClicks, 0, 'a press is no click of the surface');
});

test('a press is held until other pointer input, and let go of without a click', async () => {
  const [afterClick, overRun, chord, hover] = await ok(
    [
      'down 1 0 100 100', 'click Command1', 'move 0 0 200 200', 'dump Label1',
      'down 1 0 100 100', 'run 100', 'type Text1 4', 'move 1 0 5 5', 'dump Label1',
      'down 4 0 100 100', 'move 1 0 300 300', 'dump Label1 Line1', 'move 0 0 20 20', 'dump Label1',
    ].join('\n'),
  );
  assert.equal(afterClick.Label1.Caption, 'move 0 0');
  assert.equal(overRun.Label1.Caption, 'move 1 0', 'the press outlasts the clock and typing');
  assert.equal(chord.Label1.Caption, 'move 1 0', 'left pressed and middle let go of on the way');
  assert.ok(Math.abs(chord.Line1.X2 - 300) < 1e-3);
  assert.equal(hover.Label1.Caption, 'move 0 0');
  for (const dump of [afterClick, overRun, chord, hover]) {
    assert.equal(dump.vars.surfaceClicks, 0, 'no release over the surface');
    assert.equal(dump.vars.domClicks, 0, 'no click from the browser');
  }
});

test('input no pupil could give is left out and reported', async () => {
  const run = await probe(
    [
      'move 1 0 10 10', 'down 1 0 -100 -100', 'down 1 0 100 600', 'down 0 0 10 10',
      'click Command3', 'type Text2 x', 'type Text1 ', 'type Text1 ', 'dump',
    ].join('\n'),
  );
  assert.equal(run.code, 0, run.err);
  assert.deepEqual(run.skipped.map((s) => s.line), [1, 2, 3, 4, 5, 6, 8]);
  const [dump] = run.dumps;
  assert.equal(dump.vars.downs + dump.vars.moves + dump.vars.clicks, 0);
  assert.equal(dump.Text2.Text, 'fixed');
  assert.equal(dump.vars.changes, 1, 'only the first clearing changes the box');
});

test('only buttons and the surface can be clicked', async () => {
  for (const name of ['Frame1', 'Text1', 'Timer1', 'Line1', 'Nope', '']) {
    const run = await probe(`dump Line1\nclick ${name}\n`);
    assert.equal(run.code, 2, name);
    assert.equal(run.err, `webprobe: line 2: unknown button: ${name}\n`);
    assert.equal(run.dumps.length, 1, 'what was printed before the stop stays');
  }
  const [surface] = await ok('click Picture1\ndump');
  assert.equal(surface.vars.surfaceClicks, 1);
  assert.equal(surface.vars.domClicks, 1);
});

test('typing replaces the text in one change, blanks, other scripts and the empty text too', async () => {
  const dumps = await ok(
    ['type Text1 -1.5', 'type Text1  a  b ', 'type Text1 平面', 'type Text1', 'type Text1 '].map(
      (line) => `${line}\ndump Text1`,
    ).join('\n'),
  );
  assert.deepEqual(dumps.map((d) => d.Text1.Text), ['-1.5', ' a  b ', '平面', '', '']);
  assert.deepEqual(dumps.map((d) => d.vars.changes), [1, 2, 3, 4, 4]);
  assert.deepEqual(dumps.map((d) => d.vars.keys), [0, 0, 0, 0, 0], 'typing presses no key');
});

test('key presses a key in the box without typing', async () => {
  const [enter, other] = await ok('type Text1 2\nkey Text1 13\ndump Text1\nkey Text1 65\ndump Text1');
  assert.equal(enter.vars.lastKey, 13);
  assert.equal(enter.Text1.Text, '2');
  assert.equal(other.vars.lastKey, 65);
  assert.equal(other.Text1.Text, '2');
  assert.equal(other.vars.changes, 1);
});

test('the clock and the timers go through the hook', async () => {
  const [ran, ticked, stopped] = await ok(
    'click Command1\nrun 120\ndump Timer1\ntick Timer1 2\ndump Timer1\ntick Timer1 99\ndump Timer1',
  );
  assert.equal(ran.vars.ticks, 2);
  assert.equal(ticked.vars.ticks, 4);
  assert.equal(stopped.vars.ticks, 5);
  assert.equal(stopped.Timer1.Enabled, false);
});

test("a box's messages reach the next dump once", async () => {
  const [first, second] = await ok('click Command2\nclick Command2\ndump Line1\ndump Line1');
  assert.deepEqual(first.messages, ['hello "there"', 'hello "there"']);
  assert.deepEqual(second.messages, []);
});

test('scripts stop where vecprobe stops, with its message', async () => {
  const cases = {
    'frobnicate': 'unknown command: frobnicate',
    'run inf': 'not a stretch of time: inf',
    'run nan': 'not a stretch of time: nan',
    'run -nan': 'not a stretch of time: -nan',
    'run -5': 'not a stretch of time: -5.000000',
    'run 1e400': 'not a number for milliseconds: 1e400',
    'run +5': 'not a number for milliseconds: +5',
    'run 0x10': 'not a number for milliseconds: 0x10',
    'run': 'missing milliseconds',
    'dump Line1 Nope': 'unknown control: Nope',
    'type Nope 1': 'unknown text box: Nope',
    'type': 'type needs a text box',
    'type\tText1 1': 'unknown text box: \tText1',
    'key Text1 x': 'not a number for key code: x',
    'key Command1 13': 'unknown text box: Command1',
    'tick Timer1 -3': 'not a whole number from 0 to 2147483647 for tick count: -3',
    'tick Timer1 2x': 'not a number for tick count: 2x',
    'down 1 0 nan 1': 'not a finite position for x: nan',
    'down nan 0 1 1': 'not a whole number from 0 to 2147483647 for button: nan',
    'speed 3': 'not a speed (0.25, 0.5, 1 or 2): 3.000000',
    'tick Nope': 'unknown timer: Nope',
    'down 1 0 1': 'missing y',
    'move 1 0 a 1': 'not a number for x: a',
    'png': 'png needs a file name',
    'png /nonexistent/dir/x.png': 'cannot write /nonexistent/dir/x.png',
  };
  for (const [line, message] of Object.entries(cases)) {
    const run = await probe(`  # a comment\r\n\r\n${line}\r\ndump\n`);
    assert.equal(run.code, 2, line);
    assert.equal(run.err, `webprobe: line 3: ${message}\n`, line);
    assert.equal(run.out, '', line);
  }
  const tolerated = await ok('tick Timer1 2\nrun 1e2\nrun -0\nclick Command1 extra\ndump');
  assert.equal(tolerated.length, 1);
});

test('errors on the page fail the run', async () => {
  const run = await probe('click Command4\ndump Line1\n');
  assert.equal(run.code, 1);
  assert.equal(run.dumps.length, 1);
  assert.match(run.err, /^webprobe: the page reported 1 error\(s\):\n {2}.*the fail button failed/);
  // A box that shows other than the model holds fails at the dump, which is printed.
  const stale = await probe('type Text1 2!\ndump Text1\ndump Line1\n');
  assert.equal(stale.code, 1);
  assert.deepEqual(stale.dumps.map((d) => d.Text1.Text), ['2']);
  assert.equal(stale.err, 'webprobe: line 2: the page shows other than the lesson holds: Text1 shows "2!", not "2"\n');
});

test('the command line: usage, programs, script files', async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'webprobe-'));
  const file = path.join(dir, 'a.script');
  fs.writeFileSync(file, 'type Text1 7\ndump Text1\n');
  assert.equal(cli('', ['mock', file]).dumps[0].Text1.Text, '7');
  assert.equal(cli('dump Text1\n', ['mock']).dumps.length, 1);
  assert.deepEqual(cli('', ['mock', dir]), { code: 0, out: '', err: '', dumps: [] });
  const failing = cli('dump Line1\nclick Command4\nrun 5x\n', ['mock', '-']);
  assert.equal(failing.code, 2);
  assert.equal(failing.dumps.length, 1);
  assert.match(failing.err, /^webprobe: line 3: not a number for milliseconds: 5x\nwebprobe: the page reported 1 error/);
  const missing = cli('', ['mock', path.join(dir, 'none')]);
  assert.equal(missing.code, 2);
  assert.equal(missing.err, `webprobe: cannot read ${path.join(dir, 'none')}\n`);
  for (const program of ['nosuch', 'index', '../mock/mock']) {
    const unknown = cli('dump\n', [program]);
    assert.equal(unknown.code, 2);
    assert.equal(unknown.err, `webprobe: unknown program: ${program}\n`);
  }
  for (const args of [[], ['mock', '-', 'extra']]) {
    const usage = cli('', args);
    assert.equal(usage.code, 2);
    assert.equal(usage.err, 'usage: webprobe [--engine chromium|firefox|webkit] [--site DIR] PROGRAM [SCRIPT]\n');
  }
  fs.rmSync(dir, { recursive: true });
});

test('png saves a picture of the lesson', async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'webprobe-'));
  const file = path.join(dir, 'lesson.png');
  await ok(`down 1 0 10 10\nmove 1 0 990 490\npng ${file}`);
  const picture = PNG.sync.read(fs.readFileSync(file));
  assert.deepEqual([picture.width, picture.height], [640, 300]);
  // The line drawn corner to corner crosses the surface's middle, at (230, 140) on the page.
  const at = (x, y) => picture.data[(y * picture.width + x) * 4];
  assert.ok([-1, 0, 1].some((d) => at(230 + d, 140) < 128), 'the drawn line shows');
  fs.rmSync(dir, { recursive: true });
});

#!/usr/bin/env node
// Figures of the web site in Debian's headless Chromium (not a test; needs tools/webprobe/setup.sh):
//
//   node bench/web.mjs [--site DIR] [--runs N] [--storm-events N] [--storm-lessons a,b]
//                      [--parts bytes,paint,walk,idle,memory]
//
// - the bytes each lesson's page loads (every file it reads), gzip-compressed, and the whole site;
// - the first painted frame of each lesson, from the start of the navigation (the browser's
//   first-contentful-paint), beside a bare page that draws one canvas of the lesson's surface
//   size: median of N cold loads, absolute and as a ratio;
// - main-thread time per animation frame during vecadd's walk (Command1, on real time) at
//   1920×1080, device pixel ratio 1 and 2 (the main thread's task time over the frames drawn),
//   beside a bare page that redraws a canvas of the same size with about as much;
// - the animation frames a lesson asks for in 5 s of idle after it has settled;
// - the JS heap and the WebAssembly memory before and after a storm of random input.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { parseArgs } from 'node:util';
import zlib from 'node:zlib';
import {
  defaultSite,
  launch,
  lessons,
  newPage,
  openTestPage,
  pageUrl,
} from '../tools/webprobe/lib/browser.mjs';
import { Driver } from '../tools/webprobe/lib/driver.mjs';
import { storm } from '../tools/webprobe/lib/storm.mjs';

const { values: options } = parseArgs({
  options: {
    site: { type: 'string', default: defaultSite },
    runs: { type: 'string', default: '5' },
    'storm-events': { type: 'string', default: '100000' },
    'storm-lessons': { type: 'string', default: lessons.join(',') },
    parts: { type: 'string', default: 'bytes,paint,walk,idle,memory' },
  },
});
const parts = new Set(options.parts.split(','));
const site = path.resolve(options.site);
const runs = Number(options.runs);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const gzipped = (file) => zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const ms = (value) => `${value.toFixed(1)} ms`;

function table(title, header, rows) {
  const widths = header.map((h, i) => Math.max(h.length, ...rows.map((r) => String(r[i]).length)));
  const line = (cells) => cells.map((c, i) => String(c).padEnd(widths[i])).join('  ');
  console.log(`\n${title}\n${line(header)}\n${widths.map((w) => '-'.repeat(w)).join('  ')}`);
  for (const row of rows) console.log(line(row));
}

const browser = await launch('chromium'); // its measures are the DevTools protocol's

// ---- Bytes ----
async function transferred(program) {
  const { context, page } = await newPage(browser);
  const files = new Set();
  page.on('request', (request) => {
    const url = request.url();
    if (url.startsWith('file://')) files.add(decodeURIComponent(new URL(url).pathname));
  });
  await page.goto(pathToFileURL(path.join(site, `${program}.html`)).href, { waitUntil: 'load' });
  await page.waitForTimeout(500);
  await context.close();
  const list = [...files].filter((file) => fs.existsSync(file));
  return { files: list.length, raw: list.reduce((sum, f) => sum + fs.statSync(f).size, 0), gzip: list.reduce((sum, f) => sum + gzipped(f), 0) };
}
const everything = (dir) =>
  fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) =>
    e.isDirectory() ? everything(path.join(dir, e.name)) : [path.join(dir, e.name)]);
if (parts.has('bytes')) {
  const rows = [];
  for (const program of ['index', ...lessons]) {
    const t = await transferred(program);
    rows.push([program, t.files, kib(t.raw), kib(t.gzip)]);
  }
  const all = everything(site);
  rows.push(['whole site', all.length, kib(all.reduce((s, f) => s + fs.statSync(f).size, 0)),
    kib(all.reduce((s, f) => s + gzipped(f), 0))]);
  table('Bytes a page loads (gzip -9 of each file)', ['page', 'files', 'raw', 'gzip'], rows);
}

// ---- First painted frame ----
const firstPaint = async (url) => {
  const { context, page } = await newPage(browser);
  await page.goto(url, { waitUntil: 'load' });
  const value = await page.evaluate(() => new Promise((resolve) => {
    const seen = () => performance.getEntriesByName('first-contentful-paint')[0]?.startTime;
    const wait = () => (seen() !== undefined ? resolve(seen()) : setTimeout(wait, 20));
    wait();
  }));
  await context.close();
  return value;
};
if (parts.has('paint')) {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'bench-web-'));
  const rows = [];
  for (const program of lessons) {
    const { context, page } = await newPage(browser);
    await openTestPage(page, pageUrl(site, program));
    const size = await page.evaluate(() => {
      const r = document.getElementById('Picture1').getBoundingClientRect();
      return { width: Math.round(r.width), height: Math.round(r.height) };
    });
    await context.close();
    const bare = path.join(scratch, `bare-${program}.html`);
    fs.writeFileSync(bare, `<!doctype html><meta charset="utf-8"><body style="margin:0">
<canvas id="c" width="${size.width}" height="${size.height}"></canvas><script>
const g = document.getElementById('c').getContext('2d');
g.fillStyle = '#fff'; g.fillRect(0, 0, ${size.width}, ${size.height});
g.beginPath(); g.moveTo(10, 10); g.lineTo(${size.width - 10}, ${size.height - 10}); g.stroke();
</script>`);
    const lesson = [];
    const plain = [];
    for (let run = 0; run < runs; ++run) {
      lesson.push(await firstPaint(pathToFileURL(path.join(site, `${program}.html`)).href));
      plain.push(await firstPaint(pathToFileURL(bare).href));
    }
    rows.push([program, `${size.width}×${size.height}`, ms(median(lesson)), ms(median(plain)),
      (median(lesson) / median(plain)).toFixed(2)]);
  }
  fs.rmSync(scratch, { recursive: true });
  table(`First painted frame, median of ${runs} cold loads at 1280×1024`,
    ['lesson', 'surface', 'lesson', 'bare canvas', 'ratio'], rows);
}

// ---- Frames of the walk ----
// A bare page that redraws one canvas of the given size at every frame with about what the walk
// draws (a fill, 8 rectangles, 4 pictures, 3 lines and a text), for scale.
function barePainter(width, height) {
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'bench-web-')), 'bare.html');
  fs.writeFileSync(file, `<!doctype html><meta charset="utf-8"><body style="margin:0">
<canvas id="c" style="width:${width}px;height:${height}px"></canvas><script>
const c = document.getElementById('c');
c.width = Math.round(${width} * devicePixelRatio); c.height = Math.round(${height} * devicePixelRatio);
const g = c.getContext('2d'); g.scale(devicePixelRatio, devicePixelRatio);
const art = document.createElement('canvas'); art.width = 80; art.height = 60;
art.getContext('2d').fillRect(10, 10, 60, 40);
let t = 0;
function frame() {
  ++t;
  g.fillStyle = '#fff'; g.fillRect(0, 0, ${width}, ${height});
  for (let i = 0; i < 8; ++i) { g.fillStyle = '#ddd'; g.fillRect(i * 100, 5, 3, 600); }
  for (let i = 0; i < 4; ++i) g.drawImage(art, 100 * i + (t % 50), 200);
  g.strokeStyle = '#000'; g.lineWidth = 2;
  for (let i = 0; i < 3; ++i) { g.beginPath(); g.moveTo(150, 150); g.lineTo(300 + (t % 300), 400 + 10 * i); g.stroke(); }
  g.font = '20px serif'; g.fillStyle = '#000'; g.fillText('A', t % 400, 500);
  requestAnimationFrame(frame);
}
requestAnimationFrame(frame);
</script>`);
  return pathToFileURL(file).href;
}

// Main-thread time per frame over 8 s: of vecadd's walk (started by a click on Command1), or of
// the bare page of its surface's size.
async function walk(dpr, bare = false) {
  const { context, page, cdp } = await newPage(browser, {
    viewport: { width: 1920, height: 1080 }, deviceScaleFactor: dpr,
  });
  // The page's own frames, counted as it asks for them: a counting loop of the bench's own
  // would add a frame callback of its own to every frame.
  await page.addInitScript(() => {
    window.frames_ = 0;
    const ask = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (callback) => ask((time) => { ++window.frames_; callback(time); });
  });
  await page.goto(pathToFileURL(path.join(site, 'vecadd.html')).href, { waitUntil: 'load' });
  await page.waitForSelector('#Command1');
  if (bare) {
    const surface = await page.locator('#Picture1').boundingBox();
    await page.goto(barePainter(Math.round(surface.width), Math.round(surface.height)));
  }
  await page.waitForTimeout(1000);
  await cdp.send('Performance.enable');
  const task = async () => (await cdp.send('Performance.getMetrics')).metrics
    .filter((m) => ['TaskDuration', 'ScriptDuration', 'LayoutDuration', 'RecalcStyleDuration'].includes(m.name))
    .reduce((o, m) => ({ ...o, [m.name]: m.value }), {});
  const before = await task();
  const frames0 = await page.evaluate(() => window.frames_);
  if (!bare) {
    const box = await page.locator('#Command1').boundingBox();
    const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    await cdp.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...at, button: 'left', buttons: 1, clickCount: 1 });
    await cdp.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...at, button: 'left', buttons: 0, clickCount: 1 });
  }
  const seconds = 8;
  await page.waitForTimeout(seconds * 1000);
  const after = await task();
  const frames = (await page.evaluate(() => window.frames_)) - frames0;
  await context.close();
  const per = (name) => ((after[name] - before[name]) * 1000) / frames;
  return [bare ? 'bare canvas' : 'vecadd', `${dpr}`, frames, (frames / seconds).toFixed(1),
    ms(per('TaskDuration')), ms(per('ScriptDuration')), ms(per('LayoutDuration') + per('RecalcStyleDuration'))];
}
if (parts.has('walk'))
  table('vecadd\'s walk (Command1) on real time, 8 s at 1920×1080: main-thread time per frame',
    ['page', 'DPR', 'frames', 'fps', 'task', 'script', 'style+layout'],
    [await walk(1), await walk(1, true), await walk(2), await walk(2, true)]);

// ---- Idle ----
if (parts.has('idle')) {
  const rows = [];
  for (const program of lessons) {
    const { context, page, cdp } = await newPage(browser);
    await page.addInitScript(() => {
      window.frameAsks_ = 0;
      const ask = window.requestAnimationFrame.bind(window);
      window.requestAnimationFrame = (callback) => { ++window.frameAsks_; return ask(callback); };
    });
    await page.goto(pathToFileURL(path.join(site, `${program}.html`)).href, { waitUntil: 'load' });
    await page.waitForTimeout(2000);
    await cdp.send('Performance.enable');
    const taskTime = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
    const asked = await page.evaluate(() => window.frameAsks_);
    const task0 = await taskTime();
    await page.waitForTimeout(5000);
    const asks = (await page.evaluate(() => window.frameAsks_)) - asked;
    const task = (await taskTime()) - task0;
    await context.close();
    rows.push([program, asks, asks ? 'yes' : 'no', ms(task * 1000)]);
  }
  table('5 s of idle after 2 s to settle', ['lesson', 'frames asked for', 'pending', 'main-thread time'], rows);
}

// ---- Memory over a storm ----
if (parts.has('memory')) {
  const events = Number(options['storm-events']);
  const rows = [];
  for (const program of options['storm-lessons'].split(',')) {
    // Chromium's page (lib/engines/chromium.mjs), with its playwright page and DevTools session.
    const lessonPage = await newPage(browser);
    const { context, page, cdp } = lessonPage;
    // The page's WebAssembly memories, as its module makes or exports them.
    await page.addInitScript(() => {
      const found = (window.wasmMemories_ = new Set());
      const keep = (instance) => {
        for (const value of Object.values(instance.exports))
          if (value instanceof WebAssembly.Memory) found.add(value);
        return instance;
      };
      const { Memory, Instance, instantiate, instantiateStreaming } = WebAssembly;
      WebAssembly.Memory = function (descriptor) {
        const memory = new Memory(descriptor);
        found.add(memory);
        return memory;
      };
      WebAssembly.Memory.prototype = Memory.prototype;
      WebAssembly.Instance = function (module, imports) {
        return keep(new Instance(module, imports));
      };
      WebAssembly.Instance.prototype = Instance.prototype;
      WebAssembly.instantiate = async (...args) => {
        const result = await instantiate(...args);
        keep(result.instance ?? result);
        return result;
      };
      if (instantiateStreaming)
        WebAssembly.instantiateStreaming = async (...args) => {
          const result = await instantiateStreaming(...args);
          keep(result.instance);
          return result;
        };
    });
    await openTestPage(page, pageUrl(site, program));
    const driver = new Driver(lessonPage, { write: () => {} });
    await driver.start();
    await cdp.send('Performance.enable');
    const memory = async () => {
      await cdp.send('HeapProfiler.collectGarbage');
      const heap = (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'JSHeapUsedSize').value;
      const wasm = await page.evaluate(() => [...window.wasmMemories_].reduce((sum, m) => sum + m.buffer.byteLength, 0));
      return { heap, wasm };
    };
    const before = await memory();
    const named = (kind) => [...driver.controls].filter(([, k]) => k === kind).map(([n]) => n);
    const buttons = await page.evaluate((names) => names.filter((n) => document.getElementById(n)?.tagName === 'BUTTON'), named('captioned'));
    const started = Date.now();
    process.stderr.write(`storm of ${events} events on ${program}…\n`);
    await storm(lessonPage, { events, seed: 7, batch: 50, buttons, boxes: named('textbox'), onDump: () => page.evaluate(() => window.vectorsTest.line('dump').out) });
    const took = (Date.now() - started) / 1000;
    const after = await memory();
    await context.close();
    rows.push([program, kib(before.heap), kib(after.heap), kib(before.wasm), kib(after.wasm), `${took.toFixed(0)} s`]);
  }
  table(`Memory before and after a storm of ${events} events (after a collection)`,
    ['lesson', 'JS heap before', 'after', 'Wasm before', 'after', 'storm took'], rows);
}

await browser.close();

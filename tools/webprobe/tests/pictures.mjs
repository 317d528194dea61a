// pictures.mjs --vecprobe PATH [--engine E] [--site DIR] [--out DIR] [--max F]: each lesson in the state of
// its screenshot script (docs/screenshots/PROGRAM.probe) drawn by the desktop (vecprobe ... png)
// and by the browser (webprobe ... png). Reports the fraction of pixels that differ and saves
// desktop | browser | differences side by side in OUT (default webprobe-pictures). Fails only
// when a picture is missing or, given --max, more than that fraction of one picture's pixels
// have no match within 2 px in the other (the pages draw with other fonts, so only a loose bound
// holds: a blank or shifted picture breaks it, a small change of state may not). The dotted
// lines must show their gaps in both pictures: a line drawn solid breaks that, whatever the fonts.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { PNG } from 'pngjs';
import { defaultSite, launchOrFail, lessonRect, lessons, workTree } from '../lib/browser.mjs';
import { runOnPage } from '../lib/run.mjs';

const { values: options } = parseArgs({
  options: {
    vecprobe: { type: 'string' },
    site: { type: 'string', default: defaultSite },
    out: { type: 'string', default: 'webprobe-pictures' },
    max: { type: 'string' },
    engine: { type: 'string' },
  },
});
if (!options.vecprobe) {
  console.error('usage: pictures.mjs --vecprobe PATH [--engine E] [--site DIR] [--out DIR] [--max F]');
  process.exit(2);
}
const out = path.resolve(options.out);
fs.mkdirSync(out, { recursive: true });

// Two measures. Plain: a pixel differs when a channel differs by more than 64. Near: a pixel
// differs when the other picture has no pixel within 2 px whose channels are all within 40, so
// smoothing and a glyph drawn a pixel aside do not count, while a line, a letter or a picture
// that is missing or elsewhere does, on white as well.
function compare(a, b) {
  const width = Math.max(a.width, b.width);
  const height = Math.max(a.height, b.height);
  const pixel = (picture, x, y) => {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return null;
    const i = (y * picture.width + x) * 4;
    return [picture.data[i], picture.data[i + 1], picture.data[i + 2]];
  };
  const within = (p, q, limit) => p && q && p.every((v, k) => Math.abs(v - q[k]) <= limit);
  const nearby = (p, other, x, y) => {
    for (let dy = -2; dy <= 2; ++dy)
      for (let dx = -2; dx <= 2; ++dx) if (within(p, pixel(other, x + dx, y + dy), 40)) return true;
    return false;
  };
  const gap = 8;
  const side = new PNG({ width: width * 3 + gap * 2, height });
  side.data.fill(255);
  const put = (x0, x, y, rgb) => {
    const i = (y * side.width + x0 + x) * 4;
    [side.data[i], side.data[i + 1], side.data[i + 2]] = rgb;
  };
  let plain = 0;
  let near = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const p = pixel(a, x, y);
      const q = pixel(b, x, y);
      if (p) put(0, x, y, p);
      if (q) put(width + gap, x, y, q);
      if (!within(p, q, 64)) ++plain;
      const apart = !p || !q || !nearby(p, b, x, y) || !nearby(q, a, x, y);
      if (apart) ++near;
      // The third picture: pixels apart in red over a faint copy of the desktop's.
      const faint = p ? p.map((v) => 255 - (255 - v) / 4) : [255, 255, 255];
      put(2 * (width + gap), x, y, apart ? [220, 0, 0] : faint);
    }
  }
  const all = width * height;
  return { plain: plain / all, near: near / all, side };
}

// The lines each lesson draws dotted (its projections onto the axes).
const dottedLines = { veccoord: ['Line18', 'Line19', 'Line20', 'Line21'],
  vecscale: ['Line18', 'Line19', 'Line20', 'Line21'] };

// Where the visible ones of `names` lie in the page's picture of the lesson, in its pixels.
const whereLines = (names) => async (page) => {
  const rect = await lessonRect(page);
  return page.evaluate(([names, left, top]) => {
    const dump = JSON.parse(window.vectorsTest.line(['dump', ...names].join(' ')).out);
    const at = (x, y) => {
      const p = window.vectorsTest.unitsToClient(x, y);
      return Array.isArray(p) ? [p[0] - left, p[1] - top] : [p.clientX - left, p.clientY - top];
    };
    return names.filter((name) => dump[name].Visible).map((name) => {
      const { X1, Y1, X2, Y2 } = dump[name];
      return { name, from: at(X1, Y1), to: at(X2, Y2) };
    });
  }, [names, Math.round(rect.x), Math.round(rect.y)]);
};

// The share of a line's middle where no pixel across it (within 1 px) is inked: about half
// for dots as long as their gaps, none for a solid line.
function gaps(picture, { from, to }) {
  const length = Math.hypot(to[0] - from[0], to[1] - from[1]);
  const [across, along] = [[-(to[1] - from[1]) / length, (to[0] - from[0]) / length], length];
  const inked = (x, y) => {
    const i = (Math.round(y) * picture.width + Math.round(x)) * 4;
    return Math.min(picture.data[i], picture.data[i + 1], picture.data[i + 2]) < 200;
  };
  let samples = 0;
  let light = 0;
  for (let t = along * 0.15; t <= along * 0.85; t += 1) {
    const x = from[0] + ((to[0] - from[0]) * t) / along;
    const y = from[1] + ((to[1] - from[1]) * t) / along;
    ++samples;
    if (![-1, 0, 1].some((d) => inked(x + d * across[0], y + d * across[1]))) ++light;
  }
  return { samples, light: light / samples };
}

const rows = [];
let failed = 0;
const browser = await launchOrFail();
try {
  for (const program of lessons) {
    const state = fs.readFileSync(path.join(workTree, 'docs', 'screenshots', `${program}.probe`), 'utf8');
    const deskFile = path.join(out, `${program}.desktop.png`);
    const webFile = path.join(out, `${program}.web.png`);
    fs.rmSync(deskFile, { force: true });
    fs.rmSync(webFile, { force: true });
    const desk = spawnSync(options.vecprobe, [program, '-'], {
      input: `${state}\npng ${deskFile}\n`,
      env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    });
    if (desk.status !== 0 || !fs.existsSync(deskFile)) {
      console.log(`FAIL ${program}: no desktop picture (${desk.stderr})`);
      ++failed;
      continue;
    }
    const a = PNG.sync.read(fs.readFileSync(deskFile));
    // A window of the desktop picture's size, where the page shows the lesson at its design size.
    const web = await runOnPage(browser, {
      site: path.resolve(options.site),
      program,
      script: Buffer.from(`${state}\npng ${webFile}\n`),
      setting: { viewport: { width: a.width, height: a.height }, deviceScaleFactor: 1 },
      inspect: whereLines(dottedLines[program] ?? []),
    });
    if (web.code !== 0 || !fs.existsSync(webFile)) {
      console.log(`FAIL ${program}: no browser picture (${web.err})`);
      ++failed;
      continue;
    }
    const b = PNG.sync.read(fs.readFileSync(webFile));
    const { plain, near, side } = compare(a, b);
    const problems = [];
    if (dottedLines[program] && !web.inspected.length) problems.push('no dotted line shows');
    for (const line of web.inspected) {
      for (const [who, picture] of [['desktop', a], ['browser', b]]) {
        const { samples, light } = gaps(picture, line);
        if (samples < 20 || light < 0.25)
          problems.push(`the ${who}'s dotted ${line.name} has gaps along ${(light * 100).toFixed(0)} % of ${samples} px`);
      }
    }
    if (problems.length) {
      console.log(`FAIL ${program}: ${problems.join('; ')}`);
      ++failed;
    }
    fs.writeFileSync(path.join(out, `${program}.side.png`), PNG.sync.write(side));
    rows.push({ program, desktop: `${a.width}×${a.height}`, web: `${b.width}×${b.height}`, plain, near });
    if (options.max !== undefined && near > Number(options.max)) {
      console.log(`FAIL ${program}: ${(near * 100).toFixed(2)} % of the pixels have no match within 2 px`);
      ++failed;
    }
  }
} finally {
  await browser.close();
}

const percent = (f) => `${(f * 100).toFixed(2).padStart(6)} %`;
console.log(`lesson     desktop     browser     differing   no match within 2 px   (side by side in ${out})`);
for (const row of rows)
  console.log(`${row.program.padEnd(10)} ${row.desktop.padEnd(11)} ${row.web.padEnd(11)} ${percent(row.plain)}   ${percent(row.near)}`);
console.log(`${lessons.length - failed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;

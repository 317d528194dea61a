// pictures.mjs --vecprobe PATH [--site DIR] [--out DIR] [--max F]: each lesson in the state of
// its screenshot script (docs/screenshots/PROGRAM.probe) drawn by the desktop (vecprobe ... png)
// and by the browser (webprobe ... png). Reports the fraction of pixels that differ and saves
// desktop | browser | differences side by side in OUT (default webprobe-pictures). Fails only
// when a picture is missing or, given --max, more than that fraction of one picture's pixels
// have no match within 2 px in the other (the pages draw with other fonts, so only a loose bound
// holds: a blank or shifted picture breaks it, a small change of state may not).
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { PNG } from 'pngjs';
import { defaultSite, launch, lessons, workTree } from '../lib/browser.mjs';
import { runOnPage } from '../lib/run.mjs';

const { values: options } = parseArgs({
  options: {
    vecprobe: { type: 'string' },
    site: { type: 'string', default: defaultSite },
    out: { type: 'string', default: 'webprobe-pictures' },
    max: { type: 'string' },
  },
});
if (!options.vecprobe) {
  console.error('usage: pictures.mjs --vecprobe PATH [--site DIR] [--out DIR] [--max F]');
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

const rows = [];
let failed = 0;
const browser = await launch();
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
    });
    if (web.code !== 0 || !fs.existsSync(webFile)) {
      console.log(`FAIL ${program}: no browser picture (${web.err})`);
      ++failed;
      continue;
    }
    const b = PNG.sync.read(fs.readFileSync(webFile));
    const { plain, near, side } = compare(a, b);
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

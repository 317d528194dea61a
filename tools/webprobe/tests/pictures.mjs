// pictures.mjs --vecprobe PATH [--site DIR] [--out DIR] [--max F]: each lesson in the state of
// its screenshot script (docs/screenshots/PROGRAM.probe) drawn by the desktop (vecprobe ... png)
// and by the browser (webprobe ... png). Reports the fraction of pixels that differ and saves
// desktop | browser | differences side by side in OUT (default webprobe-pictures). Fails only
// when a fraction is above --max (off unless given) or a picture is missing.
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

// A pixel differs when a channel differs by more than this: edges smoothed a little apart
// do not count, a line or a letter in another place does.
const threshold = 64;

function compare(a, b) {
  const width = Math.max(a.width, b.width);
  const height = Math.max(a.height, b.height);
  const gap = 8;
  const side = new PNG({ width: width * 3 + gap * 2, height });
  side.data.fill(255);
  const put = (picture, x0, x, y, rgb) => {
    const i = (y * side.width + x0 + x) * 4;
    side.data[i] = rgb[0];
    side.data[i + 1] = rgb[1];
    side.data[i + 2] = rgb[2];
    side.data[i + 3] = 255;
  };
  const pixel = (picture, x, y) => {
    if (x >= picture.width || y >= picture.height) return null;
    const i = (y * picture.width + x) * 4;
    return [picture.data[i], picture.data[i + 1], picture.data[i + 2]];
  };
  let differing = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const p = pixel(a, x, y);
      const q = pixel(b, x, y);
      if (p) put(a, 0, x, y, p);
      if (q) put(b, width + gap, x, y, q);
      const differs = !p || !q || p.some((v, k) => Math.abs(v - q[k]) > threshold);
      if (differs) ++differing;
      // The third picture: differing pixels in red over a faint copy of the desktop's.
      const faint = p ? p.map((v) => 255 - (255 - v) / 4) : [255, 255, 255];
      put(a, 2 * (width + gap), x, y, differs ? [220, 0, 0] : faint);
    }
  }
  return { fraction: differing / (width * height), side };
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
    const web = await runOnPage(browser, {
      site: path.resolve(options.site),
      program,
      script: Buffer.from(`${state}\npng ${webFile}\n`),
    });
    if (desk.status !== 0 || web.code !== 0 || !fs.existsSync(deskFile) || !fs.existsSync(webFile)) {
      console.log(`FAIL ${program}: no pictures (${desk.stderr}${web.err})`);
      ++failed;
      continue;
    }
    const a = PNG.sync.read(fs.readFileSync(deskFile));
    const b = PNG.sync.read(fs.readFileSync(webFile));
    const { fraction, side } = compare(a, b);
    fs.writeFileSync(path.join(out, `${program}.side.png`), PNG.sync.write(side));
    rows.push({ program, desktop: `${a.width}×${a.height}`, web: `${b.width}×${b.height}`, fraction });
    if (options.max !== undefined && fraction > Number(options.max)) {
      console.log(`FAIL ${program}: ${(fraction * 100).toFixed(2)} % of the pixels differ`);
      ++failed;
    }
  }
} finally {
  await browser.close();
}

console.log(`lesson     desktop     browser     differing pixels   (side by side in ${out})`);
for (const row of rows)
  console.log(`${row.program.padEnd(10)} ${row.desktop.padEnd(11)} ${row.web.padEnd(11)} ${(row.fraction * 100).toFixed(2).padStart(6)} %`);
console.log(`${lessons.length - failed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;

// disk.mjs [--site DIR]: the site from the disk, as a double-click opens it. index.html by a
// file:// address lists the five lessons in teaching order; its third link, followed by a real
// click, opens vecsub, which loads and draws without errors. Opened again in test mode, the
// button labelled 作a-b (found by its label) grows a-b, and after the clock has run Line7 ends
// on A. The folder says at its top which file to open (使用说明.txt, naming every lesson); a
// copy without a lesson's module or pictures says it is incomplete, naming the file.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { parseArgs } from 'node:util';
import { PNG } from 'pngjs';
import { defaultSite, lessons, newPage, oneCheck, pageErrors, painted, waitForSelector, waitReady } from '../lib/browser.mjs';
import { Driver } from '../lib/driver.mjs';

const { values: options } = parseArgs({
  options: { site: { type: 'string', default: defaultSite }, engine: { type: 'string' } },
});
const site = path.resolve(options.site);

// The middle of an element, from a selector and which of its matches.
const middleOf = (page, selector, index) => page.evaluate(([wanted, n]) => {
  const r = document.querySelectorAll(wanted)[n].getBoundingClientRect();
  return { x: r.left + r.width / 2, y: r.top + r.height / 2, width: r.width, height: r.height };
}, [selector, index]);

async function realClick(page, selector, index) {
  const box = await middleOf(page, selector, index);
  assert.ok(box.width > 0 && box.height > 0, 'the element shows');
  const at = { x: box.x, y: box.y };
  await page.mouse({ type: 'move', ...at, button: 'none', buttons: 0 });
  await page.mouse({ type: 'down', ...at, button: 'left', buttons: 1, clicks: 1 });
  await page.mouse({ type: 'up', ...at, button: 'left', buttons: 0, clicks: 1 });
}

// The page at an address that `pattern` matches, once it has loaded: asked again until then,
// for a bounded while (a navigation has no event common to every engine's driver).
async function arrived(page, pattern) {
  for (let tries = 0; tries < 300; ++tries) {
    try {
      const [url, state] = await page.evaluate(() => [location.href, document.readyState]);
      if (pattern.test(url) && state === 'complete') return;
    } catch {
      // between two documents
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`no page at ${pattern} after 30 s`);
}

await oneCheck(async (browser) => {
  const page = await newPage(browser);
  await page.goto(pathToFileURL(path.join(site, 'index.html')).href);
  const links = 'a[href$=".html"]';
  const targets = await page.evaluate((wanted) =>
    [...document.querySelectorAll(wanted)].map((a) => a.getAttribute('href')), links);
  assert.deepEqual(targets.map((href) => href.replace(/^.*\//, '').replace(/\.html$/, '')), lessons,
    'the launcher links the five lessons in teaching order');

  await realClick(page, links, 2);
  await arrived(page, /vecsub\.html$/);
  // The lesson builds its window once its module has started.
  await waitForSelector(page, '#Picture1');
  await painted(page);
  // The surface shows a drawing: more than one colour on it.
  const surface = await page.evaluate(() => {
    const r = document.getElementById('Picture1').getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  });
  const { data } = PNG.sync.read(await page.screenshot(surface));
  const colours = new Set();
  for (let i = 0; i < data.length && colours.size < 2; i += 4) colours.add(data.readUInt32BE(i));
  assert.ok(colours.size > 1, 'vecsub draws on its surface');
  assert.deepEqual(await pageErrors(page), [], 'vecsub opens from the disk without errors');

  await page.goto(`${await page.url()}#test`);
  await page.evaluate(() => location.reload());
  await arrived(page, /vecsub\.html#test$/);
  await waitReady(page);
  const id = await page.evaluate(() =>
    [...document.querySelectorAll('button')].find((b) => b.textContent.trim() === '作a-b')?.id);
  assert.ok(id, 'a button labelled 作a-b');
  const driver = new Driver(page, { write: () => {} });
  await driver.start();
  await driver.click(id);
  await page.evaluate(() => window.vectorsTest.line('run 4000'));
  const { Line1, Line7 } = JSON.parse(await page.evaluate(() => window.vectorsTest.line('dump Line1 Line7').out));
  assert.deepEqual([Line7.X2, Line7.Y2], [Line1.X2, Line1.Y2], 'a-b ends on A');
  assert.notDeepEqual([Line7.X1, Line7.Y1], [Line7.X2, Line7.Y2], 'a-b has grown');
  assert.deepEqual(await pageErrors(page), []);
  console.log(`${id} 作a-b: Line7 from (${Line7.X1}, ${Line7.Y1}) to A (${Line7.X2}, ${Line7.Y2})`);
});

await oneCheck(async (browser) => {
  const readme = fs.readFileSync(path.join(site, '使用说明.txt'), 'utf8');
  assert.match(readme, /打开.*index\.html/, '使用说明.txt says to open index.html');
  const listed = JSON.parse(fs.readFileSync(path.join(site, 'lessons.json'), 'utf8'));
  for (const lesson of listed) assert.ok(readme.includes(lesson.title), `使用说明.txt names ${lesson.title}`);

  for (const file of ['js/pictures-vecsub.js', 'js/core-vecsub.js']) {
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'vectors-copy-'));
    try {
      fs.cpSync(site, copy, { recursive: true });
      fs.rmSync(path.join(copy, file));
      const page = await newPage(browser);
      await page.goto(pathToFileURL(path.join(copy, 'vecsub.html')).href);
      // The notice within ten seconds, or none.
      const notice = await page.evaluate(() => new Promise((resolve) => {
        const end = Date.now() + 10_000;
        const look = () => {
          const found = document.querySelector('.notice');
          if (found || Date.now() > end) resolve(found ? found.innerText : null);
          else setTimeout(look, 20);
        };
        look();
      }));
      assert.match(notice ?? '(no notice)', new RegExp(`文件不完整（缺少 ${file}）`), `without ${file}`);
      await page.close();
    } finally {
      fs.rmSync(copy, { recursive: true, force: true });
    }
  }
});

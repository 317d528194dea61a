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
import { defaultSite, lessons, newPage, oneCheck, pageErrors, waitReady } from '../lib/browser.mjs';
import { Driver } from '../lib/driver.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite } } });
const site = path.resolve(options.site);

async function realClick(cdp, page, locator) {
  const box = await locator.boundingBox();
  assert.ok(box, 'the element shows');
  const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  await cdp.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...at, button: 'none', buttons: 0 });
  await cdp.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...at, button: 'left', buttons: 1, clickCount: 1 });
  await cdp.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...at, button: 'left', buttons: 0, clickCount: 1 });
}

await oneCheck(async (browser) => {
  const { page, cdp, seen } = await newPage(browser);
  await page.goto(pathToFileURL(path.join(site, 'index.html')).href, { waitUntil: 'load' });
  const links = page.locator('a[href$=".html"]');
  const targets = await links.evaluateAll((all) => all.map((a) => a.getAttribute('href')));
  assert.deepEqual(targets.map((href) => href.replace(/^.*\//, '').replace(/\.html$/, '')), lessons,
    'the launcher links the five lessons in teaching order');

  await Promise.all([page.waitForURL(/vecsub\.html$/), realClick(cdp, page, links.nth(2))]);
  await page.waitForLoadState('load');
  // The surface shows a drawing: more than one colour on it.
  const picture = await page.locator('#Picture1').screenshot();
  const { PNG } = await import('pngjs');
  const { data } = PNG.sync.read(picture);
  const colours = new Set();
  for (let i = 0; i < data.length && colours.size < 2; i += 4) colours.add(data.readUInt32BE(i));
  assert.ok(colours.size > 1, 'vecsub draws on its surface');
  assert.deepEqual(await pageErrors(page, seen), [], 'vecsub opens from the disk without errors');

  await page.goto(`${page.url()}#test`);
  await page.reload();
  await waitReady(page);
  const button = page.getByRole('button', { name: '作a-b', exact: true });
  const id = await button.getAttribute('id');
  const driver = new Driver(page, cdp, { write: () => {} });
  await driver.start();
  await driver.click(id);
  await page.evaluate(() => window.vectorsTest.line('run 4000'));
  const { Line1, Line7 } = JSON.parse(await page.evaluate(() => window.vectorsTest.line('dump Line1 Line7').out));
  assert.deepEqual([Line7.X2, Line7.Y2], [Line1.X2, Line1.Y2], 'a-b ends on A');
  assert.notDeepEqual([Line7.X1, Line7.Y1], [Line7.X2, Line7.Y2], 'a-b has grown');
  assert.deepEqual(await pageErrors(page, seen), []);
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
      const { context, page } = await newPage(browser);
      await page.goto(pathToFileURL(path.join(copy, 'vecsub.html')).href, { waitUntil: 'load' });
      const notice = page.locator('.notice');
      await notice.waitFor({ timeout: 10_000 });
      assert.match(await notice.innerText(), new RegExp(`文件不完整（缺少 ${file}）`), `without ${file}`);
      await context.close();
    } finally {
      fs.rmSync(copy, { recursive: true, force: true });
    }
  }
});

// numberpad.mjs --vecprobe PATH [--engine E] [--site DIR]: vecscale's number pad. A touch on λ's
// box brings the pad up beside the surface (over neither the surface nor the box) with the system
// keyboard kept down; its keys give the dumps that typing the same texts gives in vecprobe, 确定
// being Enter; a touch elsewhere sends it away.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { parseArgs } from 'node:util';
import { defaultSite, newPage, oneCheck, openTestPage, pageErrors, pageUrl } from '../lib/browser.mjs';

const { values: options } = parseArgs({
  options: { site: { type: 'string', default: defaultSite }, engine: { type: 'string' }, vecprobe: { type: 'string' } },
});
if (!options.vecprobe) throw new Error('usage: numberpad.mjs --vecprobe PATH [--engine E] [--site DIR]');

await oneCheck(async (browser) => {
  const page = await newPage(browser);
  if (!page.hasTouch) throw new Error(`${browser.name} gives no touch input`);
  await openTestPage(page, pageUrl(options.site, 'vecscale'));
  const rect = (selector) => page.evaluate((s) => {
    const r = document.querySelector(s).getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
  }, selector);
  const tap = async ({ x, y }) => {
    await page.touch('touchStart', [{ x, y }]);
    await page.touch('touchEnd', []);
  };
  const padState = () => page.evaluate(() =>
    [document.querySelector('.number-pad')?.hidden ?? true, document.getElementById('Text1').getAttribute('inputmode')]);
  const overlaps = (a, b) => a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;

  // What each key handed the lesson, as the box's text when its input event came.
  await page.evaluate(() => {
    window.padTexts = [];
    document.getElementById('Text1').addEventListener('input', (event) => window.padTexts.push(event.target.value), true);
  });
  const box = await rect('#Text1');
  await tap({ x: box.right - 2, y: (box.top + box.bottom) / 2 });
  assert.deepEqual(await padState(), [false, 'none']);
  const pad = await rect('.number-pad');
  const surface = await rect('#Picture1');
  assert.ok(!overlaps(pad, surface) && !overlaps(pad, box), `the pad at ${JSON.stringify(pad)} covers the lesson`);

  const press = (label) => page.evaluate((l) =>
    [...document.querySelectorAll('.number-pad button')].find((b) => b.textContent === l).click(), label);
  for (const key of ['←', '-', '1', '.', '5', '←', '2']) await press(key);
  const dump = async () => (await page.evaluate(() => window.vectorsTest.line('dump'))).out;
  const typed = await dump();
  await press('确定');
  await page.evaluate(() => window.vectorsTest.line('run 500'));
  const entered = await dump();

  const texts = await page.evaluate(() => window.padTexts);
  assert.equal(texts.length, 7, 'each key but 确定 is one edit of the box');
  const script = texts.map((text) => `type Text1 ${text}\n`).join('') + 'dump\nkey Text1 13\nrun 500\ndump\n';
  const expected = execFileSync(options.vecprobe, ['vecscale', '-'], { input: script, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } })
    .toString().split('\n');
  assert.equal(typed, expected[0]);
  assert.equal(entered, expected[1]);

  await tap({ x: (surface.left + surface.right) / 2, y: (surface.top + surface.bottom) / 2 });
  assert.deepEqual(await padState(), [true, null]);
  assert.deepEqual(await pageErrors(page, page.seen), []);
  console.log(`the pad typed ${JSON.stringify(texts)} as vecprobe types them`);
});

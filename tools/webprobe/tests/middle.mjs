// middle.mjs [--engine E] [--site DIR]: a middle click on the surface while vecscale's box has the focus
// pastes nothing into the box. Chromium on Linux pastes the primary selection (the text last
// selected anywhere on the desktop) into the focused box when a middle button is let go of,
// unless the page refuses it; a press on the surface leaves the focus in the box.
import assert from 'node:assert/strict';
import { parseArgs } from 'node:util';
import { defaultSite, newPage, oneCheck, openTestPage, pageErrors, pageUrl } from '../lib/browser.mjs';
import { Driver } from '../lib/driver.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite }, engine: { type: 'string' } } });

await oneCheck(async (browser) => {
  const page = await newPage(browser);
  await openTestPage(page, pageUrl(options.site, 'vecscale'));
  const driver = new Driver(page, { write: () => {} });
  await driver.start();
  await driver.type({ name: 'Text1', text: '2' });
  // The text selected, as a pupil's double click on it leaves it.
  await page.evaluate(() => {
    const box = document.getElementById('Text1');
    box.select();
    window.pastes = 0;
    box.addEventListener('paste', () => ++window.pastes);
  });
  const middle = await page.evaluate(() => {
    const r = document.getElementById('Picture1').getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse({ type: 'down', ...middle, button: 'middle', buttons: 4, clicks: 1 });
  await page.mouse({ type: 'up', ...middle, button: 'middle', buttons: 0, clicks: 1 });
  assert.equal(await page.evaluate(() => window.pastes), 0, 'a middle click on the surface pastes into the box');
  const { Text1 } = JSON.parse(await page.evaluate(() => window.vectorsTest.line('dump Text1').out));
  assert.equal(Text1.Text, '2', 'the box kept its text');
  assert.deepEqual(await pageErrors(page), []);
});

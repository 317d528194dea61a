// keypointer.mjs [--engine E] [--site DIR]: real keys on vecsub's surface (Tab to it, arrows,
// Space, Shift) give the dump the same press and drags give by mouse, and the accessibility
// tree (in Chromium the DevTools protocol's; elsewhere the hidden list it is made from) reads
// the dragged vector's new end once the press is let go.
import assert from 'node:assert/strict';
import { parseArgs } from 'node:util';
import { defaultSite, newPage, oneCheck, openTestPage, pageErrors, pageUrl } from '../lib/browser.mjs';
import { Driver } from '../lib/driver.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite }, engine: { type: 'string' } } });

const keys = {
  Tab: { key: 'Tab', code: 'Tab', vk: 9 },
  ArrowRight: { key: 'ArrowRight', code: 'ArrowRight', vk: 39 },
  ArrowLeft: { key: 'ArrowLeft', code: 'ArrowLeft', vk: 37 },
  ArrowUp: { key: 'ArrowUp', code: 'ArrowUp', vk: 38 },
  Space: { key: ' ', code: 'Space', vk: 32 },
  Escape: { key: 'Escape', code: 'Escape', vk: 27 },
};

// The names of the page's static texts, as a screen reader gets them: Chromium's accessibility
// tree; in an engine without the DevTools protocol, the figure's hidden list it is made from.
async function spokenTexts(page) {
  if (!page.cdp) {
    return page.evaluate(() => [...document.querySelectorAll('.figure-words li')].map((item) => item.textContent));
  }
  const { nodes } = await page.cdp.send('Accessibility.getFullAXTree');
  return nodes.filter((node) => !node.ignored).map((node) => node.name?.value ?? '');
}

await oneCheck(async (browser) => {
  const url = pageUrl(options.site, 'vecsub');
  const byMouse = await newPage(browser);
  await openTestPage(byMouse, url);
  let mouseDump = '';
  const mouse = new Driver(byMouse, { write: (text) => { mouseDump += text; } });
  await mouse.start();
  mouseDump = '';
  await mouse.run(['down 1 0 700 500', 'move 1 0 700 600', 'move 1 1 690 600', 'dump']);
  assert.deepEqual(await pageErrors(byMouse), []);
  await byMouse.close();  // WebKit's driver holds one page at a time

  const byKeys = await newPage(browser);
  await openTestPage(byKeys, url);
  let keyDump = '';
  const keyed = new Driver(byKeys, { write: (text) => { keyDump += text; } });
  await keyed.start();
  // Tab from the page's start until the surface has the keyboard: it comes after every Tab stop
  // among the controls the lesson shows.
  const reached = [];
  for (let tabs = 0; tabs < 20; ++tabs) {
    const id = await byKeys.evaluate(() => document.activeElement?.id);
    if (id === 'Picture1') break;
    if (id) reached.push(id);
    await byKeys.key(keys.Tab);
  }
  assert.equal(await byKeys.evaluate(() => document.activeElement?.getAttribute('role')), 'application',
    'Tab reaches the surface');
  const controls = await byKeys.evaluate(() => [...document.querySelectorAll('.stage .control')]
    .filter((e) => e.matches('button, input, textarea') && !e.hidden && !e.disabled && e.tabIndex >= 0)
    .map((e) => e.id));
  assert.deepEqual(reached.filter((id) => controls.includes(id)), controls, 'the controls come first');
  const before = await spokenTexts(byKeys);
  // From the middle (500, 500): two steps right, a press, a step up and a tenth left.
  for (const name of ['ArrowRight', 'ArrowRight', 'Space', 'ArrowUp']) await byKeys.key(keys[name]);
  await byKeys.key({ ...keys.ArrowLeft, shift: 1 });
  keyDump = '';
  await keyed.run(['dump']);
  assert.equal(keyDump, mouseDump, 'the keys drag as the mouse does');

  await byKeys.key(keys.Escape);
  const texts = await spokenTexts(byKeys);
  const moved = '向量 b：从 O(141,313) 到 B(690,600)';
  assert.ok(!before.includes(moved) && texts.includes(moved), texts.join(' | '));
  const said = await byKeys.evaluate(() => document.querySelector('[aria-live]').textContent);
  assert.ok(said.includes('B(690,600)'), `letting go says the new end: ${said}`);
  assert.deepEqual(await pageErrors(byKeys), []);
});

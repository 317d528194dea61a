// reach.mjs [--site DIR]: what a pupil who reads with a screen reader, works by keyboard or sees
// poorly meets in Chromium, a case each: Chromium's accessibility tree (DevTools protocol) names
// vecscale's box by its label and reads vecintro's clock as one text, not three boxes; Tab skips
// the clock and the hint and reaches the teacher's bar; the focus ring is 2 px at 3:1 or more;
// Ctrl+= and Ctrl+- step the lesson's zoom and Ctrl+0 restores it; the browser's own zoom makes
// the lesson larger, so that at 320 CSS px its buttons' text stays readable; and no lesson has a
// button or box without a name.
import assert from 'node:assert/strict';
import { parseArgs } from 'node:util';
import { checks, defaultSite, lessons, launchOrFail, newPage, openTestPage, pageErrors, pageUrl, painted } from '../lib/browser.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite } } });
const browser = await launchOrFail('chromium');
const { check, summary } = checks();

async function lesson(program) {
  const page = await newPage(browser);
  await openTestPage(page, pageUrl(options.site, program));
  await painted(page);
  return page;
}

// The nodes of the page's accessibility tree that a screen reader meets, as { role, name }.
async function readable(page) {
  const { nodes } = await page.cdp.send('Accessibility.getFullAXTree');
  return nodes.filter((node) => !node.ignored)
    .map((node) => ({ role: node.role?.value, name: node.name?.value ?? '' }));
}

const keys = {
  Tab: { key: 'Tab', code: 'Tab', vk: 9 },
  F4: { key: 'F4', code: 'F4', vk: 115 },
  zoomIn: { key: '=', code: 'Equal', vk: 187, shift: 2 },
  zoomOut: { key: '-', code: 'Minus', vk: 189, shift: 2 },
  zoomBack: { key: '0', code: 'Digit0', vk: 48, shift: 2 },
};

// The ids (or texts) of what Tab reaches, once round the page.
async function tabStops(page, count) {
  const stops = [];
  for (let i = 0; i < count; ++i) {
    await page.key(keys.Tab);
    stops.push(await page.evaluate(() => document.activeElement.id || document.activeElement.textContent));
  }
  return stops;
}

// WCAG's contrast of two colours given as rgb(r, g, b).
function contrast(a, b) {
  const luminance = (text) => {
    const [r, g, b] = text.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = v / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

await check('vecscale: the box is named by its label 模的倍数', async () => {
  const page = await lesson('vecscale');
  const boxes = (await readable(page)).filter((node) => node.role === 'textbox');
  assert.deepEqual(boxes.map((node) => node.name), ['模的倍数：']);
  assert.deepEqual(await pageErrors(page), []);
  await page.close();
});

await check('vecintro: the clock reads as one text, and Tab skips it for the teacher\'s bar', async () => {
  const page = await lesson('vecintro');
  await page.evaluate(() => window.vectorsTest.line('click Command1'));
  await page.evaluate(() => window.vectorsTest.line('run 3000'));
  await page.evaluate(() => window.vectorsTest.line('click Command1'));
  const nodes = await readable(page);
  assert.deepEqual(nodes.filter((node) => node.role === 'textbox'), [], 'no clock or hint box is a box');
  const clock = nodes.filter((node) => /用时/.test(node.name));
  assert.ok(clock.length >= 1 && clock.every((node) => /^用时 00:\d+:\d+$/.test(node.name)),
    `the clock: ${JSON.stringify(clock)}`);
  assert.ok(!nodes.some((node) => /^:?\d+:?$/.test(node.name)), 'a clock box is read alone');
  await page.key(keys.F4);
  const stops = await tabStops(page, 12);
  for (const box of ['Text1', 'Text2', 'Text3', 'Text4']) assert.ok(!stops.includes(box), `Tab stops at ${box}`);
  assert.ok(stops.includes('Command1'), `Tab misses the start button: ${stops}`);
  for (const button of ['单步', '慢', '快', '收起']) assert.ok(stops.includes(button), `Tab misses ${button}: ${stops}`);
  assert.deepEqual(await pageErrors(page), []);
  await page.close();
});

await check('the focus ring is 2 px, at 3:1 against the face and what is around', async () => {
  for (const program of ['vecscale', 'vecintro']) {
    const page = await lesson(program);
    await page.key(keys.Tab);
    const ring = await page.evaluate(() => {
      const focused = document.activeElement, style = getComputedStyle(focused);
      const face = style.backgroundImage.match(/rgba?\([^)]*\)/g) ?? [style.backgroundColor];
      return { id: focused.id, style: style.outlineStyle, width: style.outlineWidth, colour: style.outlineColor,
        around: getComputedStyle(document.querySelector('.stage')).backgroundColor, face };
    });
    assert.equal(ring.id, 'Command1');
    assert.equal(ring.style, 'solid', program);
    assert.equal(ring.width, '2px', program);
    for (const next of [ring.around, ...ring.face])
      assert.ok(contrast(ring.colour, next) >= 3, `${program}: ${ring.colour} on ${next}`);
    await page.close();
  }
});

await check('Ctrl+= and Ctrl+- step the lesson\'s zoom, Ctrl+0 restores it; the browser\'s zoom enlarges it', async () => {
  const page = await lesson('vecsub');
  const width = () => page.evaluate(() => document.querySelector('.stage').getBoundingClientRect().width);
  const fitted = await width();
  await page.key(keys.zoomIn);
  const larger = await width();
  assert.ok(Math.abs(larger / fitted - 1.25) < 0.01, `Ctrl+= made ${fitted} px ${larger} px`);
  await page.key(keys.zoomOut);
  await page.key(keys.zoomOut);
  assert.ok(Math.abs((await width()) / fitted - 0.75) < 0.01, 'Ctrl+- twice is 75 %');
  await page.key(keys.zoomBack);
  assert.equal(await width(), fitted, 'Ctrl+0');
  // The browser at 200 %: half the CSS pixels, each twice the device's.
  await page.cdp.send('Emulation.setDeviceMetricsOverride', { width: 640, height: 512, deviceScaleFactor: 2, mobile: false });
  await painted(page);
  assert.ok(Math.abs((await width()) / fitted - 1) < 0.02, `at 200 % the lesson is ${await width()} CSS px, not ${fitted}`);
  // A clicker's point still lands where it is drawn.
  const dump = await page.evaluate(() => window.vectorsTest.line('dump'));
  assert.ok(dump.out, 'dump');
  assert.deepEqual(await pageErrors(page), []);
  await page.close();
});

await check('at 320 CSS px (400 % zoom) the buttons\' text is readable', async () => {
  const page = await lesson('vecscale');
  await page.cdp.send('Emulation.setDeviceMetricsOverride', { width: 320, height: 256, deviceScaleFactor: 4, mobile: false });
  await painted(page);
  const shown = await page.evaluate(() => {
    const button = document.getElementById('Command1');
    return parseFloat(getComputedStyle(button).fontSize) * button.getBoundingClientRect().height / button.offsetHeight;
  });
  assert.ok(shown >= 14, `the buttons' text is ${shown} CSS px`);
  await page.close();
});

await check('every lesson: each button, box and link has a name', async () => {
  for (const program of lessons) {
    const page = await lesson(program);
    await page.key(keys.F4);
    const nameless = (await readable(page))
      .filter((node) => ['button', 'textbox', 'link', 'spinbutton'].includes(node.role) && !node.name.trim());
    assert.deepEqual(nameless, [], program);
    await page.close();
  }
});

await browser.close();
summary();

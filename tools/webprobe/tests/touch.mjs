// touch.mjs [--engine E] [--site DIR]: a one-finger drag in vecsub, by touch events alone, moves A: the finger
// goes down on A, moves in steps and lifts; A must end under the finger, with O and B where they
// were.
import assert from 'node:assert/strict';
import { parseArgs } from 'node:util';
import { defaultSite, newPage, oneCheck, openTestPage, pageErrors, pageUrl } from '../lib/browser.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite }, engine: { type: 'string' } } });

await oneCheck(async (browser) => {
  const page = await newPage(browser);
  // An engine without touch fails here, saying so: the check is run only where there is one.
  if (!page.hasTouch) throw new Error(`${browser.name} gives no touch input`);
  await openTestPage(page, pageUrl(options.site, 'vecsub'));
  const dump = async () => JSON.parse(await page.evaluate(() => window.vectorsTest.line('dump Line1 Line4').out));
  const client = (x, y) =>
    page.evaluate(([ux, uy]) => {
      const p = window.vectorsTest.unitsToClient(ux, uy);
      return Array.isArray(p) ? p : [p.clientX ?? p.x, p.clientY ?? p.y];
    }, [x, y]);

  const before = await dump();
  const a = [before.Line1.X2, before.Line1.Y2];
  // The surface's units per CSS pixel along each axis, to tell where the finger ends in units.
  const [ax, ay] = await client(...a);
  const [bx] = await client(a[0] + 100, a[1]);
  const [, by] = await client(a[0], a[1] + 100);
  const perPixel = [100 / (bx - ax), 100 / (by - ay)];

  const path = [];
  for (let step = 1; step <= 8; ++step) path.push([ax - 5 * step, ay + 4 * step]);
  const touch = (type, points) => page.touch(type, points);
  await touch('touchStart', [{ x: ax, y: ay }]);
  for (const [x, y] of path) await touch('touchMove', [{ x, y }]);
  await touch('touchEnd', []);

  const after = await dump();
  const [ex, ey] = path[path.length - 1];
  const expected = [a[0] + (ex - ax) * perPixel[0], a[1] + (ey - ay) * perPixel[1]];
  // A pixel's worth of rounding on the way through the browser's input.
  const slack = Math.max(Math.abs(perPixel[0]), Math.abs(perPixel[1]));
  assert.ok(Math.abs(after.Line1.X2 - expected[0]) <= slack && Math.abs(after.Line1.Y2 - expected[1]) <= slack,
    `A went to (${after.Line1.X2}, ${after.Line1.Y2}), not under the finger at (${expected})`);
  assert.deepEqual([after.Line1.X1, after.Line1.Y1], [before.Line1.X1, before.Line1.Y1], 'O stays');
  assert.deepEqual([after.Line4.X2, after.Line4.Y2], [before.Line4.X2, before.Line4.Y2], 'B stays');
  assert.deepEqual(await pageErrors(page), []);
  console.log(`A moved by touch from (${a}) to (${after.Line1.X2}, ${after.Line1.Y2})`);
});

// storm.mjs [--engine E] [--site DIR] [--events N] [--seed S] [--lessons a,b]: random real input on each
// lesson's page (lib/storm.mjs), then the clock run on; fails on any uncaught error or console
// error on the page, on a dump that does not parse or holds null where a number belongs, and on
// a page that shows other than the dump holds.
import { parseArgs } from 'node:util';
import { defaultSite, engineName, launchOrFail, lessons, newPage, openTestPage, pageErrors, pageUrl } from '../lib/browser.mjs';
import { Driver } from '../lib/driver.mjs';
import { shownDifferences } from '../lib/shown.mjs';
import { nullPaths, storm } from '../lib/storm.mjs';

const { values: options } = parseArgs({
  options: {
    site: { type: 'string', default: defaultSite },
    events: { type: 'string', default: '300' },
    seed: { type: 'string', default: '1' },
    lessons: { type: 'string', default: lessons.join(',') },
    engine: { type: 'string' },
  },
});
const events = Number(options.events);
let passed = 0;
let failed = 0;

const browser = await launchOrFail();
try {
  for (const program of options.lessons.split(',')) {
    const seed = Number(options.seed) * 1000 + lessons.indexOf(program) + 1;
    const problems = [];
    const page = await newPage(browser);
    let dumps = 0;
    const trail = [];
    try {
      await openTestPage(page, pageUrl(options.site, program));
      // The lesson never leaves its page (looked at with every dump).
      const home = await page.url();
      const stayed = async () => {
        const url = await page.url();
        if (url !== home) problems.push(`the page went to ${url}`);
      };
      const driver = new Driver(page, { write: () => {} });
      await driver.start();
      const named = (kind) => [...driver.controls].filter(([, k]) => k === kind).map(([n]) => n);
      const buttons = await page.evaluate(
        (names) => names.filter((n) => document.getElementById(n)?.tagName === 'BUTTON'),
        named('captioned'),
      );
      const boxes = named('textbox');
      const check = async () => {
        ++dumps;
        await stayed();
        const text = await page.evaluate(() => window.vectorsTest.line('dump').out);
        let dump;
        try {
          dump = JSON.parse(text);
        } catch (error) {
          problems.push(`a dump that is no JSON: ${error.message}`);
          return;
        }
        for (const at of nullPaths(dump).slice(0, 5)) problems.push(`null at ${at}`);
        const shown = await shownDifferences((fn, arg) => page.evaluate(fn, arg), text);
        for (const difference of shown.slice(0, 5)) problems.push(`on the page: ${difference}`);
      };
      const sent = await storm(page, { events, seed, buttons, boxes, onDump: check, trail });
      await page.evaluate(() => window.vectorsTest.line('run 5000'));
      await check();
      for (const error of await pageErrors(page)) problems.push(error);
      console.log(`${program}: ${sent} events (seed ${seed}), ${dumps} dumps checked, ` +
        `${problems.length ? `${problems.length} problem(s)` : 'no errors'}`);
    } catch (error) {
      problems.push(`the storm stopped: ${error.message}`);
    } finally {
      await page.close();
    }
    for (const problem of [...new Set(problems)].slice(0, 10)) console.log(`  ${problem}`);
    if (problems.length) console.log(`  the last input:\n    ${trail.join('\n    ')}`);
    if (problems.length) ++failed;
    else ++passed;
  }
} finally {
  await browser.close();
}
console.log(`${passed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;

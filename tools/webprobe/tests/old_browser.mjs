// old_browser.mjs [--site DIR]: every lesson starts in a Chromium whose WebAssembly has no
// legacy exception handling (--js-flags=--no-wasm-legacy-eh), as in browsers before Chrome 95,
// Firefox 100 or Safari 15.2: no "too old" notice, the test hook ready, no error on the page.
// webprobe.old_browser_parity runs some of parity.mjs's scripts in the same browser.
import assert from 'node:assert/strict';
import { parseArgs } from 'node:util';
import { defaultSite, launch, lessons, newPage, pageErrors, pageUrl } from '../lib/browser.mjs';

const oldBrowserArgs = ['--js-flags=--no-wasm-legacy-eh'];

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite } } });
const browser = await launch('chromium', oldBrowserArgs);
let failed = 0;
try {
  for (const program of lessons) {
    const { context, page, seen } = await newPage(browser);
    try {
      await page.goto(pageUrl(options.site, program), { waitUntil: 'load' });
      // Either the hook settles or the page says why it cannot start.
      const outcome = await page.waitForFunction(() => {
        const notice = document.querySelector('.notice');
        if (notice) return `notice: ${notice.innerText}`;
        const hook = window.vectorsTest;
        if (!hook || !hook.ready) return false;
        if (!hook.settled) hook.ready.then(() => { hook.settled = 'ready'; }, (e) => { hook.settled = `rejected: ${e}`; });
        return hook.settled || false;
      }, null, { timeout: 60_000 }).then((handle) => handle.jsonValue());
      assert.equal(outcome, 'ready', `${program} starts`);
      assert.deepEqual(await pageErrors(page, seen), [], `${program} runs without errors`);
      console.log(`${program}: started`);
    } catch (error) {
      ++failed;
      console.log(`FAIL ${error.message}`);
    } finally {
      await context.close();
    }
  }
} finally {
  await browser.close();
}
console.log(`${lessons.length - failed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;

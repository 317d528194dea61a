// message_box.mjs [--site DIR]: veccoord's message box ("3" before the sum) shows its text with
// the focus on 确定, is answered, and comes again for the next press, on the page's own clock;
// with <dialog>'s showModal, and without it (as in Safari before 15.4 and Firefox before 98),
// and with no error on the page either way.
import assert from 'node:assert/strict';
import { parseArgs } from 'node:util';
import { defaultSite, newPage, oneCheck, pageErrors, pageUrl } from '../lib/browser.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite } } });
const sumFirst = '请在做完和向量后，再点击此按钮';

await oneCheck(async (browser) => {
  for (const withDialog of [true, false]) {
    const how = withDialog ? 'with showModal' : 'without showModal';
    const { context, page, seen } = await newPage(browser);
    if (!withDialog) {
      await page.addInitScript(() => {
        if (window.HTMLDialogElement) delete window.HTMLDialogElement.prototype.showModal;
      });
    }
    await page.goto(pageUrl(options.site, 'veccoord', ''), { waitUntil: 'load' });
    await page.waitForSelector('#Command4');
    const box = page.locator('.message-box');
    for (const answer of ['click', 'Enter']) {
      await page.click('#Command4');
      await box.waitFor({ state: 'visible', timeout: 5000 });
      assert.match(await box.innerText(), new RegExp(sumFirst), `${how}: the box's text`);
      assert.equal(await page.evaluate(() => document.activeElement.textContent), '确定',
        `${how}: the focus on OK`);
      if (answer === 'click') await box.locator('button').click();
      else await page.keyboard.press('Enter');
      await box.waitFor({ state: 'hidden', timeout: 5000 });
    }
    assert.deepEqual(await pageErrors(page, seen), [], `${how}: no error on the page`);
    await context.close();
  }
});

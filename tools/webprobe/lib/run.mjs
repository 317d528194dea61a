// One script on one lesson page, as the command line runs it: what it prints, its messages and
// its exit code (0 done, 2 stopped at a line, 1 when the page reported errors); given
// `inspect(page)`, also what it finds on the page once the script has run.
import { newPage, openTestPage, pageErrors, pageUrl } from './browser.mjs';
import { Driver } from './driver.mjs';
import { ScriptError, bytesOf, scriptLines } from './script.mjs';
import { PageFault } from './shown.mjs';

export async function runOnPage(browser, { site, program, script, verbose = false, setting, inspect }) {
  const out = [];
  const err = [];
  const say = (text) => err.push(Buffer.concat([bytesOf(`webprobe: ${text}`), Buffer.from('\n')]));
  const page = await newPage(browser, setting);
  try {
    await openTestPage(page, pageUrl(site, program));
    const driver = new Driver(page, {
      write: (text) => out.push(Buffer.from(text)),
      note: (text) => verbose && say(`note: ${text}`),
    });
    let code = 0;
    const skipped = () => driver.skipped;
    try {
      await driver.start();
      await driver.run(scriptLines(script));
    } catch (error) {
      if (error instanceof PageFault) {
        say(error.message);
        code = 1;
      } else {
        if (!(error instanceof ScriptError)) throw error;
        say(error.message);
        code = 2;
      }
    }
    const errors = await pageErrors(page);
    if (errors.length) {
      say(`the page reported ${errors.length} error(s):`);
      for (const error of errors) err.push(Buffer.from(`  ${error}\n`));
      code = code || 1;
    }
    const inspected = code === 0 && inspect ? await inspect(page) : undefined;
    return { out: Buffer.concat(out), err: Buffer.concat(err), code, skipped: skipped(), inspected };
  } finally {
    await page.close();
  }
}

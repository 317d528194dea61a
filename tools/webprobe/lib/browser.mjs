// The browser engines webprobe drives (lib/engines/: Chromium, Firefox, WebKit, behind one
// interface), the engine a command line asks for, and the lesson pages opened in test mode.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const workTree = path.resolve(here, '..', '..', '..');
export const defaultSite = path.join(workTree, 'build-web', 'site');

// The lessons' names in teaching order, from the list the site was built with (lessons.json in
// the --site given on the command line, else the default site); none for a site without one.
function siteLessons(argv = process.argv) {
  let site = defaultSite;
  argv.forEach((arg, i) => {
    if (arg === '--site' && i + 1 < argv.length) site = argv[i + 1];
    else if (arg.startsWith('--site=')) site = arg.slice('--site='.length);
  });
  const list = path.join(site, 'lessons.json');
  if (!fs.existsSync(list)) return [];
  return JSON.parse(fs.readFileSync(list, 'utf8')).map((lesson) => lesson.name);
}
export const lessons = siteLessons();

export const engines = ['chromium', 'firefox', 'webkit'];

// The engine named by --engine NAME (or --engine=NAME) in argv, else by WEBPROBE_ENGINE, else
// Chromium; an unknown name is refused.
export function engineName(argv = process.argv) {
  let name = process.env.WEBPROBE_ENGINE || 'chromium';
  argv.forEach((arg, i) => {
    if (arg === '--engine' && i + 1 < argv.length) name = argv[i + 1];
    else if (arg.startsWith('--engine=')) name = arg.slice('--engine='.length);
  });
  if (!engines.includes(name)) throw new Error(`unknown engine: ${name} (${engines.join(', ')})`);
  return name;
}

// A running browser of that engine: newPage(setting) and close(). An engine that cannot start
// says so, with its name.
// Extra command-line arguments go to Chromium (the other engines take none).
export async function launch(name = engineName(), extraArgs = []) {
  const { launch: start } = await import(`./engines/${name}.mjs`);
  try {
    return await start(extraArgs);
  } catch (error) {
    throw new Error(error.message.startsWith(`${name}:`) ? error.message : `${name} cannot start: ${error.message}`);
  }
}

// A browser for a check that runs many cases: one that cannot start fails the check, saying so.
export async function launchOrFail(name = engineName(), extraArgs = []) {
  try {
    return await launch(name, extraArgs);
  } catch (error) {
    console.log(`FAIL ${error.message}`);
    console.log('0 passed, 1 failed');
    process.exit(1);
  }
}

// Runs one check in a fresh browser: it passes when `check(browser)` returns and fails with its
// message when it throws, with the summary line the tests' runner reads.
export async function oneCheck(check) {
  let browser;
  try {
    browser = await launch();
  } catch (error) {
    console.log(`FAIL ${error.message}`);
    console.log('0 passed, 1 failed');
    process.exitCode = 1;
    return;
  }
  try {
    await check(browser);
    console.log('1 passed, 0 failed');
  } catch (error) {
    console.log(`FAIL ${error.message}`);
    console.log('0 passed, 1 failed');
    process.exitCode = 1;
  } finally {
    await browser.close();
  }
}

// Named checks that go on past a failure: `check(name, fn)` counts whether fn throws, and
// `summary()` prints the line the tests' runner reads and sets the exit code.
export function checks() {
  let passed = 0, failed = 0;
  return {
    async check(name, fn) {
      try {
        await fn();
        ++passed;
      } catch (error) {
        ++failed;
        console.log(`FAIL ${name}: ${error.message}`);
      }
    },
    summary() {
      console.log(`${passed} passed, ${failed} failed`);
      if (failed) process.exitCode = 1;
    },
  };
}

// WIDTHxHEIGHT[@DPR], from WEBPROBE_VIEWPORT; big enough that no lesson needs scrolling.
export function viewportSetting(text = process.env.WEBPROBE_VIEWPORT || '1280x1024@1') {
  const match = /^(\d+)x(\d+)(?:@([\d.]+))?$/.exec(text);
  if (!match) throw new Error(`not a viewport (WIDTHxHEIGHT[@DPR]): ${text}`);
  return { viewport: { width: +match[1], height: +match[2] }, deviceScaleFactor: +(match[3] || 1) };
}

export function pageUrl(site, program, hash = '#test') {
  return pathToFileURL(path.join(site, `${program}.html`)).href + hash;
}

// A fresh page, which records the uncaught errors and console errors its engine reports (in
// its `seen`).
export function newPage(browser, setting = viewportSetting()) {
  return browser.newPage(setting);
}

// Opens a page in test mode and waits for the hook's `ready`.
export async function openTestPage(page, url) {
  await page.goto(url);
  await waitReady(page);
}

// The page waits for its hook itself, so no engine needs a way of its own to wait.
export function waitReady(page) {
  return page.evaluate(() => new Promise((resolve) => {
    const ready = () => (window.vectorsTest?.ready ? window.vectorsTest.ready.then(() => resolve(true))
      : setTimeout(ready, 20));
    ready();
  }));
}

// Waits in the page until `selector` shows an element.
export function waitForSelector(page, selector) {
  return page.evaluate((wanted) => new Promise((resolve) => {
    const look = () => (document.querySelector(wanted) ? resolve(true) : setTimeout(look, 20));
    look();
  }), selector);
}

// What went wrong on the page: the hook's own list and what the browser saw, once each.
export async function pageErrors(page, seen = page.seen) {
  let hook = [];
  try {
    hook = await page.evaluate(() => (window.vectorsTest?.errors ?? []).map(String));
  } catch (error) {
    hook = [`the page cannot be asked: ${error.message}`];
  }
  // The browser's own report of an error the hook caught too is left out.
  const more = seen.filter((text) => {
    const core = text.replace(/^(uncaught|console): /, '');
    return !hook.some((entry) => entry.includes(core));
  });
  return [...new Set([...hook, ...more])];
}

// Two frames, so what the last command changed is on the screen.
export async function painted(page) {
  await page.evaluate(
    () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))),
  );
}

// The lesson's window on the page: #Form when the page has one, else the smallest box around
// the surface that holds every control that shows.
export async function lessonRect(page) {
  return page.evaluate(() => {
    const shows = (el) => el.getClientRects().length > 0 && !el.closest('dialog');
    const controls = [...document.querySelectorAll('[id]')].filter(shows);
    let box = document.getElementById('Form') ?? document.getElementById('Picture1');
    while (box && box.parentElement && !controls.every((el) => box.contains(el))) box = box.parentElement;
    if (!box) return null;
    const r = box.getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  });
}

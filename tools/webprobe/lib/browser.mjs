// Debian's Chromium, headless, through playwright-core (which never downloads a browser of its
// own here: it is only ever given an executable), and the lesson pages opened in test mode.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

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

export function chromiumPath() {
  return process.env.WEBPROBE_CHROMIUM || '/usr/bin/chromium';
}

export async function launch(extraArgs = []) {
  const executablePath = chromiumPath();
  if (!fs.existsSync(executablePath))
    throw new Error(`no Chromium at ${executablePath} (tools/webprobe/setup.sh installs it)`);
  const args = [
    '--hide-scrollbars',
    '--mute-audio',
    '--font-render-hinting=none',
    // A page in the background keeps its timers and frames: the tests look at both.
    '--disable-background-timer-throttling',
    '--disable-renderer-backgrounding',
    '--disable-backgrounding-occluded-windows',
    // A sideways swipe in from the window's edge would go back in the history, away from the
    // lesson, as on a tablet.
    '--disable-features=OverscrollHistoryNavigation',
    ...extraArgs,
  ];
  // Chromium's sandbox refuses to start as root.
  if (process.getuid?.() === 0) args.push('--no-sandbox');
  return chromium.launch({ executablePath, args, headless: true, timeout: 60_000 });
}

// Runs one check in a fresh browser: it passes when `check(browser)` returns and fails with its
// message when it throws, with the summary line the tests' runner reads.
export async function oneCheck(check) {
  const browser = await launch();
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

// WIDTHxHEIGHT[@DPR], from WEBPROBE_VIEWPORT; big enough that no lesson needs scrolling.
export function viewportSetting(text = process.env.WEBPROBE_VIEWPORT || '1280x1024@1') {
  const match = /^(\d+)x(\d+)(?:@([\d.]+))?$/.exec(text);
  if (!match) throw new Error(`not a viewport (WIDTHxHEIGHT[@DPR]): ${text}`);
  return { viewport: { width: +match[1], height: +match[2] }, deviceScaleFactor: +(match[3] || 1) };
}

export function pageUrl(site, program, hash = '#test') {
  return pathToFileURL(path.join(site, `${program}.html`)).href + hash;
}

// A fresh page that records uncaught errors and console errors as they happen.
export async function newPage(browser, setting = viewportSetting()) {
  const context = await browser.newContext(setting);
  const page = await context.newPage();
  const seen = [];
  page.on('pageerror', (error) => seen.push(`uncaught: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') seen.push(`console: ${message.text()}`);
  });
  page.on('crash', () => seen.push('the page crashed'));
  const cdp = await context.newCDPSession(page);
  return { context, page, cdp, seen };
}

// Opens a page in test mode and waits for the hook's `ready`.
export async function openTestPage(page, url, timeout = 60_000) {
  await page.goto(url, { waitUntil: 'load', timeout });
  await waitReady(page, timeout);
}

export async function waitReady(page, timeout = 60_000) {
  await page.waitForFunction(() => window.vectorsTest && window.vectorsTest.ready, null, {
    timeout,
  });
  await page.evaluate(() => window.vectorsTest.ready.then(() => true));
}

// What went wrong on the page: the hook's own list and what the browser saw, once each.
export async function pageErrors(page, seen) {
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

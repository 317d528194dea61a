// Debian's Chromium, headless, through playwright-core (which never downloads a browser of its
// own here: it is only ever given an executable); the pupil's input over the DevTools protocol,
// at the very points asked for.
import fs from 'node:fs';
import { chromium } from 'playwright-core';

export function chromiumPath() {
  return process.env.WEBPROBE_CHROMIUM || '/usr/bin/chromium';
}

// The protocol's modifier bits (Alt 1, Ctrl 2, Meta 4, Shift 8) of the driver's shifts.
const modifiersOf = (shift) => (shift & 1 ? 8 : 0) | (shift & 2 ? 2 : 0) | (shift & 4 ? 1 : 0);
const mouseTypes = { down: 'mousePressed', up: 'mouseReleased', move: 'mouseMoved' };

class ChromiumPage {
  constructor(context, page, cdp) {
    this.context = context;
    this.page = page;
    this.cdp = cdp;
    this.seen = [];
    this.hasTouch = true;
    this.buttons = 7;
    page.on('pageerror', (error) => this.seen.push(`uncaught: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') this.seen.push(`console: ${message.text()}`);
    });
    page.on('crash', () => this.seen.push('the page crashed'));
  }

  goto(url) {
    return this.page.goto(url, { waitUntil: 'load', timeout: 60_000 });
  }
  url() {
    return this.page.url();
  }
  evaluate(fn, arg) {
    return this.page.evaluate(fn, arg);
  }
  screenshot(clip) {
    return this.page.screenshot(clip ? { clip } : {});
  }
  setViewport(size) {
    return this.page.setViewportSize(size);
  }
  close() {
    return this.context.close();
  }

  // { type: down | up | move, x, y, button, buttons, shift, clicks }; an `up` at a negative
  // point is let go of there, off the page, with no move leading to it.
  mouse({ type, x, y, button, buttons, shift = 0, clicks = 0 }) {
    return this.cdp.send('Input.dispatchMouseEvent', {
      type: mouseTypes[type], x, y, button, buttons, modifiers: modifiersOf(shift),
      ...(type === 'move' ? {} : { clickCount: clicks }),
    });
  }
  // { key, code, vk, text, shift }: a key with its keypress when it types `text`, else only
  // going down and up.
  async key({ key, code, vk, text, shift = 0 }) {
    const base = { key, code, windowsVirtualKeyCode: vk, nativeVirtualKeyCode: vk, modifiers: modifiersOf(shift) };
    if (text) await this.cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', ...base, text });
    else await this.cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...base });
    await this.cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
    return true;
  }
  touch(type, points) {
    return this.cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points });
  }
  wheel({ x, y, deltaY, shift = 0 }) {
    return this.cdp.send('Input.dispatchMouseEvent', { type: 'mouseWheel', x, y, deltaX: 0, deltaY, modifiers: modifiersOf(shift) });
  }
  insertText(text) {
    return this.cdp.send('Input.insertText', { text });
  }
}

export async function launch(extraArgs = []) {
  const executablePath = chromiumPath();
  if (!fs.existsSync(executablePath))
    throw new Error(`chromium: no browser at ${executablePath} (tools/webprobe/setup.sh installs it)`);
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
  const browser = await chromium.launch({ executablePath, args, headless: true, timeout: 60_000 });
  return {
    name: 'chromium',
    buttons: 7, // left, right and middle
    // A phone's setting may add isMobile and hasTouch (the layout checks' phones).
    async newPage({ viewport, deviceScaleFactor, isMobile = false, hasTouch = false }) {
      const context = await browser.newContext({ viewport, deviceScaleFactor, isMobile, hasTouch });
      const page = await context.newPage();
      return new ChromiumPage(context, page, await context.newCDPSession(page));
    },
    close: () => browser.close(),
  };
}

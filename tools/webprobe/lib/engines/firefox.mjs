// Debian's Firefox ESR, headless, over WebDriver BiDi through puppeteer-core (given the
// executable: it downloads no browser); the pupil's input as W3C actions (w3c.mjs) through
// input.performActions.
import fs from 'node:fs';
import puppeteer from 'puppeteer-core';
import { W3CInput } from './w3c.mjs';

export function firefoxPath() {
  return process.env.WEBPROBE_FIREFOX || '/usr/bin/firefox-esr';
}

class FirefoxPage extends W3CInput {
  constructor(page) {
    const context = page.mainFrame().browsingContext;
    super({
      perform: (actions) => context.performActions(actions),
      evaluate: (fn, arg) => page.evaluate(fn, arg),
      hasTouch: true,
    });
    this.page = page;
    this.buttons = 7;
    // Ctrl with + - 0 or the wheel zooms Firefox's own view of the page, which WebDriver can
    // neither undo nor resize the window after.
    this.zoomsItself = true;
    this.seen = [];
    page.on('pageerror', (error) => this.seen.push(`uncaught: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') this.seen.push(`console: ${message.text()}`);
    });
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
  async screenshot(clip) {
    return Buffer.from(await this.page.screenshot(clip ? { clip } : {}));
  }
  async setViewport({ width, height }) {
    this.size = { width, height };
    await this.page.setViewport({ width, height, deviceScaleFactor: this.scale });
    await this.zoomed();
  }
  close() {
    return this.page.close();
  }
}

export async function launch() {
  const executablePath = firefoxPath();
  if (!fs.existsSync(executablePath))
    throw new Error(`firefox: no browser at ${executablePath} (tools/webprobe/setup.sh installs firefox-esr)`);
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath,
    protocol: 'webDriverBiDi',
    headless: true,
    timeout: 60_000,
  });
  return {
    name: 'firefox',
    buttons: 7, // left, right and middle
    async newPage({ viewport, deviceScaleFactor }) {
      const page = new FirefoxPage(await browser.newPage());
      page.scale = deviceScaleFactor;
      await page.setViewport(viewport);
      return page;
    },
    close: () => browser.close(),
  };
}

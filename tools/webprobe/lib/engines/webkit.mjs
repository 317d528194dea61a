// Debian's WebKitGTK through its classic W3C WebDriver server (WebKitWebDriver, which starts
// MiniBrowser in automation mode), spoken to over HTTP; MiniBrowser needs a display, so an Xvfb
// of its own runs on a free display number. The pupil's input as W3C actions (w3c.mjs). Its
// console cannot be read: the page's own error list (the test hook's) is all there is.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { PNG } from 'pngjs';
import { W3CInput } from './w3c.mjs';

const driverPath = () => process.env.WEBPROBE_WEBKITDRIVER || '/usr/bin/WebKitWebDriver';
const miniBrowser = () => process.env.WEBPROBE_MINIBROWSER ||
  ['/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', '/usr/lib/aarch64-linux-gnu/webkit2gtk-4.1/MiniBrowser']
    .find((file) => fs.existsSync(file));

const freePort = () => new Promise((resolve, reject) => {
  const server = net.createServer();
  server.listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
  server.on('error', reject);
});

// Xvfb on the first free display from 90 on; it prints that number once it is ready.
async function startDisplay() {
  const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '2560x2048x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'pipe', 'pipe'] });
  let display = '';
  await new Promise((resolve, reject) => {
    xvfb.stdout.on('data', (chunk) => {
      display += chunk;
      if (display.includes('\n')) resolve();
    });
    xvfb.on('error', (error) => reject(new Error(`webkit: no Xvfb (${error.message}; setup.sh installs xvfb)`)));
    xvfb.on('exit', (code) => reject(new Error(`webkit: Xvfb ended (${code})`)));
  });
  return { xvfb, display: `:${display.trim()}` };
}

class Session {
  constructor(base) {
    this.base = base;
  }
  async call(method, where, body) {
    const response = await fetch(`${this.base}${where}`, {
      method,
      headers: { 'content-type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) {
      const { error, message } = answer.value ?? {};
      throw new Error(`webkit: ${error}: ${message}`);
    }
    return answer.value;
  }
}

// Runs fn(arg) in the page and waits for what it gives (a promise too); its throw comes back.
const asyncScript = `const done = arguments[arguments.length - 1];
  try {
    Promise.resolve((FN)(arguments[0])).then((value) => done({ value: value === undefined ? null : value }),
      (error) => done({ error: String(error && error.message || error) }));
  } catch (error) { done({ error: String(error && error.message || error) }); }`;

// The mouse buttons it can give: WebKitGTK's WebDriver lets go of a right or middle button as
// the left one (a mouseup and click of button 0, the button still held), so only the left.
const buttons = 1;

class WebKitPage extends W3CInput {
  constructor(session, id) {
    super({
      perform: (actions) => this.session.call('POST', `${this.where}/actions`, { actions }),
      evaluate: (fn, arg) => this.evaluate(fn, arg),
      hasTouch: false, // a touch pointer reaches WebKitGTK's pages as a mouse
    });
    this.buttons = buttons;
    this.session = session;
    this.where = `/session/${id}`;
    this.seen = [];
  }

  async goto(url) {
    await this.session.call('POST', `${this.where}/url`, { url });
  }
  url() {
    return this.session.call('GET', `${this.where}/url`);
  }
  async evaluate(fn, arg) {
    const answer = await this.session.call('POST', `${this.where}/execute/async`, {
      script: asyncScript.replace('FN', String(fn)),
      args: [arg === undefined ? null : arg],
    });
    if (answer.error !== undefined) throw new Error(answer.error);
    return answer.value;
  }
  // The window's picture, cut to `clip` (CSS pixels; the picture has one pixel to each).
  async screenshot(clip) {
    const picture = Buffer.from(await this.session.call('GET', `${this.where}/screenshot`), 'base64');
    if (!clip) return picture;
    const whole = PNG.sync.read(picture);
    const x = Math.round(clip.x);
    const y = Math.round(clip.y);
    const width = Math.min(Math.round(clip.width), whole.width - x);
    const height = Math.min(Math.round(clip.height), whole.height - y);
    const part = new PNG({ width, height });
    PNG.bitblt(whole, part, x, y, width, height, 0, 0);
    return PNG.sync.write(part);
  }
  // The window made so that its page is width × height. MiniBrowser's frame around the page
  // counts in the window's size, and the window takes its new size a little later than asked:
  // the page is read until it has that size, and the frame measured from what it got.
  async setViewport({ width, height }) {
    this.size = { width, height };
    const inner = () => this.evaluate(() => [window.innerWidth, window.innerHeight]);
    const settled = async () => {
      let last = await inner();
      for (let read = 0; read < 40; ++read) {
        await new Promise((resolve) => setTimeout(resolve, 25));
        const now = await inner();
        if (now[0] === width && now[1] === height) return now;
        if (read >= 3 && now[0] === last[0] && now[1] === last[1]) return now;
        last = now;
      }
      return last;
    };
    this.frame ??= { width: 0, height: 0 };
    for (let attempt = 0; attempt < 4; ++attempt) {
      await this.session.call('POST', `${this.where}/window/rect`,
        { width: width + this.frame.width, height: height + this.frame.height });
      const [w, h] = await settled();
      if (w === width && h === height) return;
      const outer = await this.session.call('GET', `${this.where}/window/rect`);
      this.frame = { width: Math.max(0, outer.width - w), height: Math.max(0, outer.height - h) };
    }
    const [w, h] = await inner();
    throw new Error(`webkit: the page is ${w}×${h}, not the ${width}×${height} asked for`);
  }
  close() {
    return this.session.call('DELETE', this.where);
  }
}

export async function launch() {
  if (!fs.existsSync(driverPath()))
    throw new Error(`webkit: no WebDriver at ${driverPath()} (tools/webprobe/setup.sh installs webkit2gtk-driver)`);
  if (!miniBrowser()) throw new Error('webkit: no MiniBrowser of webkit2gtk-4.1 (webkit2gtk-driver brings it)');
  const { xvfb, display } = await startDisplay();
  const runtime = fs.mkdtempSync(path.join(os.tmpdir(), 'webprobe-webkit-'));
  fs.chmodSync(runtime, 0o700);
  const port = await freePort();
  const server = spawn(driverPath(), [`--port=${port}`], {
    stdio: ['ignore', 'pipe', 'pipe'],
    env: { ...process.env, DISPLAY: display, XDG_RUNTIME_DIR: runtime, WAYLAND_DISPLAY: '' },
  });
  const stop = () => {
    server.kill();
    xvfb.kill();
    fs.rmSync(runtime, { recursive: true, force: true });
  };
  server.on('error', () => {});
  const driver = new Session(`http://127.0.0.1:${port}`);
  const pages = [];
  return {
    name: 'webkit',
    buttons,
    // One MiniBrowser a page: a session is one window.
    async newPage({ viewport, deviceScaleFactor }) {
      if (deviceScaleFactor !== 1)
        throw new Error(`webkit: WebDriver offers no device pixel ratio but 1 (asked for ${deviceScaleFactor})`);
      let value;
      for (let attempt = 0; ; ++attempt) {
        try {
          value = await driver.call('POST', '/session', { capabilities: { alwaysMatch: {
            'webkitgtk:browserOptions': { binary: miniBrowser(), args: ['--automation'] } } } });
          break;
        } catch (error) {
          // The server may not listen yet.
          if (attempt >= 50 || server.exitCode !== null || !/fetch failed/.test(error.message))
            throw attempt >= 50 || server.exitCode !== null ? new Error(`webkit: WebKitWebDriver does not answer (${error.message})`) : error;
          await new Promise((resolve) => setTimeout(resolve, 100));
        }
      }
      const page = new WebKitPage(driver, value.sessionId);
      pages.push(page);
      await page.setViewport(viewport);
      return page;
    },
    async close() {
      for (const page of pages) await page.close().catch(() => {});
      stop();
    },
  };
}

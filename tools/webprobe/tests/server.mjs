// server.mjs [--site DIR]: the site from a web server (tools/web/serve.py, as ./run.sh web starts
// it). The launcher and every lesson page load over http:// with every file they ask for there
// (each lesson its own module, pictures and fonts, and the page's script js/lesson.js) and no
// error; each
// lesson draws on its surface; lesson.html opens a lesson by name, says in Chinese when there is
// no such lesson and offers every lesson and the launcher when it names none; a browser
// that cannot start the module is told so, with the way back.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { defaultSite, lessons, newPage, oneCheck, pageErrors, workTree } from '../lib/browser.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite } } });
const site = path.resolve(options.site);

// Starts the server and gives its address once it has said it.
function serve() {
  const server = spawn('/usr/bin/python3', [path.join(workTree, 'tools', 'web', 'serve.py'), site],
    { stdio: ['ignore', 'pipe', 'inherit'], env: { ...process.env, DISPLAY: '', WAYLAND_DISPLAY: '' } });
  const address = new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const found = /http:\/\/127\.0\.0\.1:\d+\//.exec(said);
      if (found) resolve(found[0]);
    });
    server.on('exit', (code) => reject(new Error(`serve.py ended (${code}) before saying its address`)));
  });
  return { server, address };
}

// Opens a page and waits until it has settled; gives what it asked for that failed.
async function open(page, url) {
  const failed = [];
  page.on('response', (response) => {
    if (response.status() >= 400) failed.push(`${response.status()} ${response.url()}`);
  });
  page.on('requestfailed', (request) => failed.push(`failed ${request.url()}`));
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForTimeout(300);
  return failed;
}

const { server, address } = serve();
try {
  await oneCheck(async (browser) => {
    const root = await address;
    for (const name of ['index', ...lessons]) {
      const { context, page, seen } = await newPage(browser);
      const failed = await open(page, `${root}${name}.html`);
      assert.deepEqual(failed, [], `${name}.html loads every file it asks for`);
      if (name !== 'index') {
        await page.waitForSelector('#Picture1');
        const kinds = await page.evaluate(() =>
          performance.getEntriesByType('resource').map((entry) => entry.name.replace(/^.*\//, '')));
        assert.ok(kinds.includes(`pictures-${name}.js`) && kinds.includes(`${name}.css`) &&
          kinds.includes(`core-${name}.js`),
          `${name}.html loads its own module, pictures and fonts: ${kinds.join(' ')}`);
        assert.ok(!kinds.includes('pictures.js') && !kinds.includes('fonts.css') &&
          kinds.every((kind) => !kind.startsWith('core-') || kind === `core-${name}.js`),
          `${name}.html loads no other lesson's module, pictures or fonts`);
        assert.ok(kinds.includes('lesson.js'), `${name}.html loads the page's script`);
      }
      assert.deepEqual(await pageErrors(page, seen), [], `${name}.html runs without errors`);
      await context.close();
    }

    const { context, page, seen } = await newPage(browser);
    assert.deepEqual(await open(page, `${root}lesson.html?vecadd`), []);
    await page.waitForSelector('#Picture1');
    // The window's caption, not the generic page's title.
    assert.notEqual(await page.title(), '平面向量', 'lesson.html?vecadd shows vecadd');
    assert.deepEqual(await pageErrors(page, seen), [], 'lesson.html?vecadd runs without errors');
    await open(page, `${root}lesson.html?nosuch`);
    await page.waitForSelector('.notice');
    assert.match(await page.locator('.notice').innerText(), /没有名为“nosuch”的课/);
    // Named no lesson, it offers every lesson and the launcher.
    await open(page, `${root}lesson.html`);
    await page.waitForSelector('.notice');
    assert.deepEqual(await page.locator('.notice a').evaluateAll((links) =>
      links.map((link) => link.getAttribute('href'))),
    [...lessons.map((name) => `${name}.html`), 'index.html']);
    await context.close();

    // A browser that cannot start the module (too old for its WebAssembly) says so.
    const old = await newPage(browser);
    await old.page.route('**/js/core-*.js', (route) => route.fulfill({
      contentType: 'text/javascript',
      body: 'var createVectors = () => Promise.reject(new Error("CompileError: too old"));',
    }));
    await open(old.page, `${root}vecsub.html`);
    await old.page.waitForSelector('.notice');
    assert.match(await old.page.locator('.notice').innerText(), /WebAssembly 太旧/);
    assert.match(await old.page.locator('.notice a').getAttribute('href'), /index\.html$/);
    await old.context.close();
    console.log(`served at ${root}: the launcher and ${lessons.length} lessons, lesson.html by name`);
  });
} finally {
  server.kill();
}

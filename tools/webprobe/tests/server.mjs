// server.mjs [--engine E] [--site DIR]: the site from a web server (tools/web/serve.py, as ./run.sh web starts
// it). The launcher and every lesson page load over http:// with every file they ask for there
// (each lesson its own module, pictures and fonts, and the page's script js/lesson.js) and no
// error; each
// lesson draws on its surface; lesson.html opens a lesson by name, says in Chinese when there is
// no such lesson and offers every lesson and the launcher when it names none; a browser
// that cannot start the module is told so, with the way back.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { defaultSite, lessons, newPage, oneCheck, pageErrors, waitForSelector, workTree } from '../lib/browser.mjs';

const { values: options } = parseArgs({
  options: { site: { type: 'string', default: defaultSite }, engine: { type: 'string' } },
});
const site = path.resolve(options.site);

// Starts the server and gives its address once it has said it.
function serve(root = site) {
  const server = spawn('/usr/bin/python3', [path.join(workTree, 'tools', 'web', 'serve.py'), root],
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

// Opens a page and waits until it has settled; gives what it asked for that failed, by the
// browser's own record of each file and its status (an engine without the status finds none).
async function open(page, url) {
  await page.goto(url);
  return page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 300)).then(() =>
    performance.getEntriesByType('resource')
      .filter((entry) => entry.responseStatus >= 400)
      .map((entry) => `${entry.responseStatus} ${entry.name}`)));
}

// The site with its module replaced by one that cannot start, as in a browser too old for its
// WebAssembly: links to the site's files but that one, in a folder of its own.
function tooOldSite() {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'webprobe-old-'));
  for (const name of fs.readdirSync(site))
    if (name !== 'js') fs.symlinkSync(path.join(site, name), path.join(root, name));
  fs.mkdirSync(path.join(root, 'js'));
  for (const name of fs.readdirSync(path.join(site, 'js')))
    if (name !== 'core-vecsub.js') fs.symlinkSync(path.join(site, 'js', name), path.join(root, 'js', name));
  fs.writeFileSync(path.join(root, 'js', 'core-vecsub.js'),
    'var createVectors = () => Promise.reject(new Error("CompileError: too old"));\n');
  return root;
}

const { server, address } = serve();
try {
  await oneCheck(async (browser) => {
    const root = await address;
    for (const name of ['index', ...lessons]) {
      const page = await newPage(browser);
      const failed = await open(page, `${root}${name}.html`);
      assert.deepEqual(failed, [], `${name}.html loads every file it asks for`);
      if (name !== 'index') {
        await waitForSelector(page, '#Picture1');
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
      assert.deepEqual(await pageErrors(page), [], `${name}.html runs without errors`);
      await page.close();
    }

    const page = await newPage(browser);
    assert.deepEqual(await open(page, `${root}lesson.html?vecadd`), []);
    await waitForSelector(page, '#Picture1');
    // The window's caption, not the generic page's title.
    assert.notEqual(await page.evaluate(() => document.title), '平面向量', 'lesson.html?vecadd shows vecadd');
    assert.deepEqual(await pageErrors(page), [], 'lesson.html?vecadd runs without errors');
    await open(page, `${root}lesson.html?nosuch`);
    await waitForSelector(page, '.notice');
    assert.match(await page.evaluate(() => document.querySelector('.notice').innerText), /没有名为“nosuch”的课/);
    // Named no lesson, it offers every lesson and the launcher.
    await open(page, `${root}lesson.html`);
    await waitForSelector(page, '.notice');
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('.notice a')]
      .map((link) => link.getAttribute('href'))), [...lessons.map((name) => `${name}.html`), 'index.html']);
    await page.close();

    // A browser that cannot start the module (too old for its WebAssembly) says so.
    const oldRoot = tooOldSite();
    const old = serve(oldRoot);
    try {
      const oldPage = await newPage(browser);
      await open(oldPage, `${await old.address}vecsub.html`);
      await waitForSelector(oldPage, '.notice');
      assert.match(await oldPage.evaluate(() => document.querySelector('.notice').innerText), /WebAssembly 太旧/);
      assert.match(await oldPage.evaluate(() => document.querySelector('.notice a').getAttribute('href')), /index\.html$/);
      await oldPage.close();
    } finally {
      old.server.kill();
      fs.rmSync(oldRoot, { recursive: true, force: true });
    }
    console.log(`served at ${root}: the launcher and ${lessons.length} lessons, lesson.html by name`);
  });
} finally {
  server.kill();
}

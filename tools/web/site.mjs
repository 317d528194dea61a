#!/usr/bin/env node
// site.mjs CORE_DIR SITE_DIR: lays out the lesson site in SITE_DIR from the built modules in
// CORE_DIR (core-NAME.js and .wasm, one a lesson, named in teaching order in lessons.txt; the
// site's js/core-NAME.js holds both, the WebAssembly as base64 in VECTORS_WASM) and this work
// tree: lessons.json, the lesson registry's list as the modules give it (for the tools), the
// launcher index.html with those lessons in teaching order and their thumbnails, one
// page per lesson (and lesson.html?NAME), the runtime, the style sheets, and the programs'
// pictures as data (each lesson's own in js/pictures-NAME.js, which lesson.html loads with the
// lesson's module), since a page opened from a file may not read the files beside it into a canvas.
// A lesson's page loads only its own module, pictures and fonts (fonts/NAME.css).
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '..', '..');
const sources = path.join(here, 'site');

const escapeHtml = (text) => text.replace(/[&<>"]/g,
  (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);

// The lessons in teaching order, as the registry (lessons/lessons.list) compiled into each
// lesson's module lists its own: the text of lessons.json, the modules' lists joined.
export async function moduleLessons(coreDir) {
  const names = fs.readFileSync(path.join(coreDir, 'lessons.txt'), 'utf8').split('\n').filter(Boolean);
  const entries = [];
  for (const name of names) {
    const module = await createRequire(import.meta.url)(path.resolve(coreDir, `core-${name}.js`))({
      wasmBinary: fs.readFileSync(path.join(coreDir, `core-${name}.wasm`)),
    });
    const list = module.ccall('vec_lessons', 'string', [], []);
    entries.push(list.replace(/^\[\n/, '').replace(/\n\]\n$/, ''));
  }
  return { names, text: `[\n${entries.join(',\n')}\n]\n` };
}

// Every picture a program draws, under the name the model asks for it by (":/PROGRAM/FILE").
export function pictureTable(programs) {
  const table = {};
  const types = { '.png': 'image/png', '.svg': 'image/svg+xml' };
  for (const program of programs) {
    const dir = path.join(root, program, 'assets');
    if (!fs.existsSync(dir)) continue;
    for (const file of fs.readdirSync(dir).sort()) {
      const type = types[path.extname(file)];
      if (!type) continue;
      const data = fs.readFileSync(path.join(dir, file)).toString('base64');
      table[`:/${program}/${file}`] = `data:${type};base64,${data}`;
    }
  }
  return table;
}

// The page's own scripts as lesson.html names them, in its order (tools/web/site/lesson/).
const pageScriptTag = /<script src="js\/lesson\/([a-z]+\.js)" defer><\/script>\n/g;
const pageScripts = (template) => [...template.matchAll(pageScriptTag)].map((found) => found[1]);

// They are read as one file, js/lesson.js, in that order: a page opened from a file reads each
// file it names one after another before the first runs, which cost it about 25 ms.
function pageScriptBundle(template) {
  const unnamed = fs.readdirSync(path.join(sources, 'lesson'))
    .filter((file) => file.endsWith('.js') && !pageScripts(template).includes(file));
  if (unnamed.length) throw new Error(`lesson.html does not name ${unnamed.join(', ')}`);
  return pageScripts(template).map((script) => `// ---- ${script} ----\n` +
    fs.readFileSync(path.join(sources, 'lesson', script), 'utf8')).join('\n');
}

// A lesson's page, or (no program) lesson.html, which names the lessons it can open.
function lessonPage(template, program, title, lessons) {
  const listed = lessons.map((lesson) => ({ name: lesson.name, title: lesson.title }));
  let bundled = false;
  return template
    .replace(pageScriptTag, () => (bundled ? '' : (bundled = true, '<script src="js/lesson.js" defer></script>\n')))
    .replace('@PROGRAM_ATTRIBUTE@', program ? ` data-program="${escapeHtml(program)}"`
      : ` data-lessons="${escapeHtml(JSON.stringify(listed))}"`)
    .replace('@CORE@', program ? `<script src="js/core-${program}.js" defer></script>\n` : '')
    .replace('@FONTS@', program || 'fonts')
    .replace('<script src="js/@PICTURES@.js" defer></script>\n',
      program ? `<script src="js/pictures-${program}.js" defer></script>\n` : '')
    .replace('@ICON@', program || 'vectors')
    .replace('@TITLE@', escapeHtml(title));
}

function picturesScript(pictures) {
  return '// The lessons\' pictures, embedded so that a page opened from a file can draw them.\n' +
    `var VECTOR_PICTURES = ${JSON.stringify(pictures, null, 1)};\n`;
}

function indexPage(template, lessons) {
  const items = lessons.map((lesson, i) => [
    `<li><a href="${lesson.name}.html">`,
    `<span class="number">${i + 1}</span>`,
    `<span class="thumb"><img src="thumbnails/${lesson.name}.png" alt=""></span>`,
    `<span class="words"><span class="title">${escapeHtml(lesson.title)}</span>`,
    `<span class="summary">${escapeHtml(lesson.summary)}</span></span></a></li>`,
  ].join(''));
  return template.replace('@LESSONS@', items.join('\n'));
}

// 使用说明.txt at the top of the folder, for the teacher who opens the copy or the zip: which
// file to open, and the lessons. CRLF and a byte-order mark, for Windows' Notepad.
function readme(lessons) {
  const lines = [
    '平面向量 课件 使用说明',
    '',
    '用浏览器（新版的 Chrome、Edge、Firefox 或 Safari）打开本文件夹中的 index.html，',
    '就会看到课程列表，点一课即可打开。不需要联网，也不需要安装。',
    '复制课件时，请复制整个文件夹，不要只复制其中的某些文件。',
    '',
    '各课（也可以直接打开对应的文件）：',
    ...lessons.map((lesson, i) => `${i + 1}. ${lesson.title}（${lesson.name}.html）：${lesson.summary}`),
    '',
  ];
  return '\ufeff' + lines.join('\r\n');
}

async function main([coreDir, site]) {
  if (!coreDir || !site) {
    process.stderr.write('usage: site.mjs CORE_DIR SITE_DIR\n');
    process.exitCode = 2;
    return;
  }
  const { text: list } = await moduleLessons(coreDir);
  const lessons = JSON.parse(list);
  if (lessons.length === 0) throw new Error(`no lessons in ${coreDir}`);
  for (const dir of ['js', 'css', 'thumbnails', 'icons']) fs.mkdirSync(path.join(site, dir), { recursive: true });
  fs.writeFileSync(path.join(site, 'lessons.json'), list);

  const lessonTemplate = fs.readFileSync(path.join(sources, 'lesson.html'), 'utf8');
  for (const lesson of lessons) {
    fs.writeFileSync(path.join(site, `${lesson.name}.html`),
      lessonPage(lessonTemplate, lesson.name, lesson.title, lessons));
    fs.copyFileSync(path.join(root, 'launcher', 'thumbnails', `${lesson.name}.png`),
      path.join(site, 'thumbnails', `${lesson.name}.png`));
  }
  // The desktop's icons, so that a browser's tab shows the lesson's and asks a server for no
  // favicon.ico it does not have.
  for (const name of ['vectors', ...lessons.map((lesson) => lesson.name)]) {
    fs.copyFileSync(path.join(root, 'packaging', 'icons', `${name}.svg`),
      path.join(site, 'icons', `${name}.svg`));
  }
  // Any lesson by name: lesson.html?vecsub.
  fs.writeFileSync(path.join(site, 'lesson.html'), lessonPage(lessonTemplate, '', '平面向量', lessons));
  fs.writeFileSync(path.join(site, '使用说明.txt'), readme(lessons));
  fs.writeFileSync(path.join(site, 'index.html'),
    indexPage(fs.readFileSync(path.join(sources, 'index.html'), 'utf8'), lessons));

  const programs = lessons.map((lesson) => lesson.name);
  for (const program of programs) {
    fs.writeFileSync(path.join(site, 'js', `pictures-${program}.js`),
      picturesScript(pictureTable([program])));
  }
  for (const program of programs) {
    const wasm = fs.readFileSync(path.join(coreDir, `core-${program}.wasm`)).toString('base64');
    fs.writeFileSync(path.join(site, 'js', `core-${program}.js`),
      `// The lesson's module: its WebAssembly (base64), then the loader, createVectors.\n` +
      `var VECTORS_WASM = "${wasm}";\n` + fs.readFileSync(path.join(coreDir, `core-${program}.js`), 'utf8'));
  }
  fs.writeFileSync(path.join(site, 'js', 'lesson.js'), pageScriptBundle(lessonTemplate));
  for (const sheet of ['lesson.css', 'index.css']) {
    fs.copyFileSync(path.join(sources, sheet), path.join(site, 'css', sheet));
  }
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  await main(process.argv.slice(2));
}

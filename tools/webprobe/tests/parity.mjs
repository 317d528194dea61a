// parity.mjs --vecprobe PATH [--engine E] [--site DIR] [--golden DIR] [--only TEXT] [--match REGEX]
// [--every N] [--browser-args ARGS]:
// the same scripts through the desktop driver and through webprobe on the site's pages in one
// engine, which must agree: the same exit code, the same message (less the driver's name) and
// the same dumps, byte for byte. The scripts: every *.probe of the work tree on each lesson, the
// random scripts tools/web/tests/PROGRAM.N.script (and those of --golden), scripts that stop
// with an error, and refused command lines; --every N keeps every Nth of them and all that
// stop, for a slow engine. png lines are blanked; a dump is added at the end of each script. A
// line that webprobe leaves out must be marked as input a browser cannot give, at least on some
// lesson (a comment `# browser: cannot ...` right before it, which vecprobe skips); vecprobe's
// run leaves it out too.
// --match keeps the scripts whose labels it matches (and leaves out the command lines);
// --browser-args (blank-separated) go to Chromium, e.g. to turn a WebAssembly feature off.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { defaultSite, engineName, launchOrFail, lessons, workTree } from '../lib/browser.mjs';
import { runOnPage } from '../lib/run.mjs';

const { values: options } = parseArgs({
  options: {
    vecprobe: { type: 'string' },
    site: { type: 'string', default: defaultSite },
    golden: { type: 'string' },
    only: { type: 'string' }, // a part of the labels to run, for a quick look
    match: { type: 'string' },
    'browser-args': { type: 'string', default: '' },
    engine: { type: 'string' },
    every: { type: 'string', default: '1' }, // every Nth of the scripts, for a slow engine
  },
});
if (!options.vecprobe) {
  console.error('usage: parity.mjs --vecprobe PATH [--engine E] [--site DIR] [--golden DIR] [--only TEXT] [--every N]');
  process.exit(2);
}
const vecprobe = path.resolve(options.vecprobe);
const site = path.resolve(options.site);
const webprobe = path.join(workTree, 'tools', 'webprobe', 'webprobe');

function findProbes(dir, found = []) {
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    if (entry.isDirectory()) {
      if (/^(build.*|\.git|node_modules)$/.test(entry.name)) continue;
      findProbes(path.join(dir, entry.name), found);
    } else if (entry.name.endsWith('.probe')) {
      found.push(path.join(dir, entry.name));
    }
  }
  return found.sort();
}

// png lines blanked, so the other lines keep their numbers.
const withoutPictures = (text) =>
  `${text.split('\n').map((line) => (/^\s*png(\s|$)/.test(line) ? '' : line)).join('\n')}\ndump\n`;

// The numbers of the lines that follow a `# browser: cannot ...` comment.
const markedLines = (script) =>
  script.split('\n').flatMap((line, index) => (/^\s*#\s*browser:\s*cannot\b/.test(line) ? [index + 2] : []));

const cases = [];
for (const file of findProbes(workTree))
  for (const program of lessons)
    cases.push({
      label: `${path.relative(workTree, file)} on ${program}`,
      program,
      script: withoutPictures(fs.readFileSync(file, 'utf8')),
    });
const randomDirs = [path.join(workTree, 'tools', 'web', 'tests'), options.golden].filter(Boolean);
for (const dir of randomDirs)
  for (const name of fs.readdirSync(dir).filter((n) => n.endsWith('.script')).sort())
    cases.push({
      label: path.join(dir, name),
      program: name.split('.')[0],
      script: withoutPictures(fs.readFileSync(path.join(dir, name), 'utf8')),
    });
// Scripts that stop, on the lesson with every kind of control.
const stops = [
  'run 20\ndump Line1\nfrobnicate\ndump\n', 'run inf\n', 'run nan\n', 'run -5\n', 'run 1e400\n',
  'run +5\n', 'run 0x10\n', 'run 5x\n', 'run\n', 'dump NoSuchControl\n', 'click NoSuchButton\n',
  'click Text1\n', 'click Frame1\n', 'click Picture2\n', 'type NoSuchBox 1\n', 'type Command1 1\n',
  'type\n', 'key Text1 x\n', 'key NoSuchBox 13\n', 'tick Timer1 -3\n', 'tick Timer1 2x\ndump\n',
  'tick NoSuchTimer\n', 'tick Text1\n', 'down 1 0 1\n', 'png\n', 'speed 3\n', 'speed\n',
  'type Text1 2\r\nkey Text1 13\r\nrun 10\r\ndump Text1\r\n  # a comment\r\n\r\ndump Label1',
];
for (const script of stops)
  cases.push({ label: `vecscale: ${JSON.stringify(script)}`, program: 'vecscale', script });

const only = options.only;
const engine = engineName();
const matching = options.match ? new RegExp(options.match) : null;
const browserArgs = options['browser-args'].split(' ').filter(Boolean);
// With --every N, the scripts that stop and every Nth of the others.
const every = Number(options.every);
const chosen = cases.filter((c, i) => (!only || c.label.includes(only)) &&
  (!matching || matching.test(c.label)) &&
  (every <= 1 || i % every === 0 || c.label.startsWith('vecscale: ')));

const native = (args, input) => {
  const run = spawnSync(vecprobe, args, {
    input,
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    maxBuffer: 1 << 28,
  });
  return { code: run.status, out: run.stdout, err: run.stderr.toString() };
};
const unprefixed = (text, name) =>
  text.split('\n').map((line) => line.replace(new RegExp(`^${name}: `), '')).join('\n');

let passed = 0;
let failed = 0;
let leftOut = 0;
let scriptsWithLeftOut = 0;

const withoutLines = (script, numbers) => {
  const lines = script.split('\n');
  for (const number of numbers) lines[number - 1] = '';
  return lines.join('\n');
};
function verdict(label, problems) {
  if (problems.length === 0) {
    ++passed;
    return;
  }
  ++failed;
  console.log(`FAIL ${label}`);
  for (const problem of problems) console.log(`  ${problem}`);
}

function differences(desk, web) {
  const problems = [];
  if (desk.code !== web.code) problems.push(`exit ${desk.code} desktop, ${web.code} web`);
  const deskErr = unprefixed(desk.err, 'vecprobe');
  const webErr = unprefixed(web.err, 'webprobe');
  if (deskErr !== webErr) problems.push(`messages: ${JSON.stringify(deskErr)} vs ${JSON.stringify(webErr)}`);
  problems.push(...dumpDifference(desk.out, web.out));
  return problems;
}

// Two outputs, byte for byte: where the first differing dump parts, with a little around it.
function dumpDifference(desk, web) {
  if (Buffer.from(desk).equals(Buffer.from(web))) return [];
  const deskDumps = desk.toString('latin1').split('\n');
  const webDumps = web.toString('latin1').split('\n');
  const index = deskDumps.findIndex((dump, i) => dump !== webDumps[i]);
  if (index < 0 || webDumps[index] === undefined)
    return [`${deskDumps.length - 1} dumps desktop, ${webDumps.length - 1} web`];
  const [a, b] = [deskDumps[index], webDumps[index]];
  let at = 0;
  while (a[at] === b[at]) ++at;
  const near = (text) => JSON.stringify(Buffer.from(text.slice(Math.max(0, at - 60), at + 40), 'latin1').toString());
  return [`dump ${index + 1} parts at byte ${at}: ${near(a)} desktop, ${near(b)} web`];
}

// webprobe may leave out only marked lines.
function unmarkedLeftOut(c, skipped) {
  const lines = c.script.split('\n');
  const marked = new Set(markedLines(c.script));
  return skipped.filter(({ line }) => !marked.has(line)).map(({ line, reason }) =>
    `line ${line} (${lines[line - 1].trim()}) left out by webprobe, unmarked: ${reason}`);
}

// Where a failing script's two runs part: both again with a dump after every line.
async function firstDifference(c) {
  const lines = c.script.split('\n');
  const traced = lines.map((line) => `${line}\ndump`).join('\n');
  const desk = native([c.program, '-'], traced);
  const run = await runOnPage(browser, { site, program: c.program, script: Buffer.from(traced) });
  const deskDumps = desk.out.toString('latin1').split('\n');
  const webDumps = run.out.toString('latin1').split('\n');
  // Skipped lines print nothing either: count the dumps line by line.
  let dumpIndex = 0;
  for (const [index, line] of lines.entries()) {
    if (deskDumps[dumpIndex] === undefined || webDumps[dumpIndex] === undefined) break;
    const found = dumpDifference(deskDumps[dumpIndex], webDumps[dumpIndex]);
    if (found.length)
      return `first apart after line ${index + 1} (${line.trim()}): ${found[0].replace(/^dump 1 /, '')}`;
    dumpIndex += 1 + (/^\s*dump(\s|$)/.test(line) ? 1 : 0);
  }
  return 'no single line parts them';
}

const started = Date.now();
const browser = await launchOrFail(engine, browserArgs);
// Scripts that press a button this engine cannot give at all (WebKit gives only the left) are
// not run on it, and are listed: leaving the presses out would leave their drags without one.
const givesButtons = (script) => script.split('\n').every((line) => {
  const press = /^\s*(?:down|move)\s+(\d+)\s/.exec(line);
  return !press || !(Number(press[1]) & 7 & ~browser.buttons);
});
const notRun = [];
try {
  for (const c of chosen) {
    if (!givesButtons(c.script)) {
      notRun.push(c.label);
      continue;
    }
    let web;
    try {
      const run = await runOnPage(browser, { site, program: c.program, script: Buffer.from(c.script) });
      web = { code: run.code, out: run.out, err: run.err.toString(), skipped: run.skipped };
    } catch (error) {
      web = { code: 'none', out: '', err: `the run failed: ${error.message}`, skipped: [] };
    }
    const problems = unmarkedLeftOut(c, web.skipped);
    // The marked lines webprobe left out are left out of the desktop's script too (as blank
    // lines, so the lines keep their numbers).
    const marked = new Set(markedLines(c.script));
    const leftOutHere = web.skipped.map((s) => s.line).filter((line) => marked.has(line));
    c.script = withoutLines(c.script, leftOutHere);
    leftOut += leftOutHere.length;
    if (leftOutHere.length) ++scriptsWithLeftOut;
    const desk = native([c.program, '-'], c.script);
    problems.push(...differences(desk, web));
    if (problems.length && web.code !== 'none') problems.push(await firstDifference(c));
    verdict(c.label, problems);
  }
} finally {
  await browser.close();
}

// Command lines that are refused, through both commands.
if (!only && !matching) {
  const lines = [
    ['unknown program', ['nosuch']],
    ['the launcher is no program', ['index']],
    ['unreadable script', ['vecscale', '/nonexistent/missing.script']],
  ];
  for (const [label, args] of lines) {
    const desk = native(args, 'dump\n');
    const run = spawnSync(webprobe, ['--engine', engine, '--site', site, ...args], { input: 'dump\n' });
    const web = { code: run.status, out: run.stdout, err: run.stderr.toString() };
    // vecprobe knows no launcher by that name either.
    verdict(`command line: ${label}`, differences(desk, web));
  }
  for (const [label, args] of [['no program', []], ['too many arguments', ['vecscale', '-', 'x']]]) {
    const desk = native(args, '');
    const run = spawnSync(webprobe, ['--engine', engine, '--site', site, ...args], { input: '' });
    const problems = [];
    if (desk.code !== run.status) problems.push(`exit ${desk.code} desktop, ${run.status} web`);
    if (!/^usage: webprobe /.test(run.stderr.toString())) problems.push('no usage line');
    verdict(`command line: ${label}`, problems);
  }
}

if (notRun.length)
  console.log(`not run on ${engine}, which gives no right or middle button: ${notRun.length} scripts that press one\n  ${notRun.join('\n  ')}`);
console.log(`parity on ${engine} of ${chosen.length - notRun.length} of ${cases.length} scripts in ${((Date.now() - started) / 1000).toFixed(0)} s; ` +
  `${leftOut} marked lines of ${scriptsWithLeftOut} scripts are input a browser cannot give, left out of both`);
console.log(`${passed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;

// webprobe [--engine chromium|firefox|webkit] [--site DIR] PROGRAM [SCRIPT]: vecprobe's scripts
// run on a lesson's web page in a browser (Chromium unless --engine or WEBPROBE_ENGINE says). It prints what vecprobe prints and exits as vecprobe does (2 with a one-line
// message naming the line where a script stops); 1 when the page itself reports errors.
import fs from 'node:fs';
import path from 'node:path';
import { defaultSite, engines, launch } from './lib/browser.mjs';
import { runOnPage } from './lib/run.mjs';
import { bytesOf, readScript } from './lib/script.mjs';

const say = (text) => process.stderr.write(Buffer.concat([bytesOf('webprobe: '), bytesOf(text), Buffer.from('\n')]));

// A program is a page of the site that its launcher (index.html, where there is one) links to.
function isProgram(site, program) {
  if (!/^[A-Za-z0-9_-]+$/.test(program) || program === 'index') return false;
  if (!fs.existsSync(path.join(site, `${program}.html`))) return false;
  const index = path.join(site, 'index.html');
  if (!fs.existsSync(index)) return true;
  return fs.readFileSync(index, 'utf8').includes(`href="${program}.html"`);
}

async function main(argv) {
  let site = defaultSite;
  let engine = process.env.WEBPROBE_ENGINE || 'chromium';
  for (;;) {
    if (argv[0] === '--site' && argv.length > 1) site = path.resolve(argv[1]);
    else if (argv[0] === '--engine' && argv.length > 1) engine = argv[1];
    else break;
    argv = argv.slice(2);
  }
  if (argv.length < 1 || argv.length > 2 || !engines.includes(engine)) {
    process.stderr.write(`usage: webprobe [--engine ${engines.join('|')}] [--site DIR] PROGRAM [SCRIPT]\n`);
    return 2;
  }
  const [program, file] = argv;
  if (!isProgram(site, program)) {
    say(`unknown program: ${program}`);
    if (!fs.existsSync(site)) say(`(no site at ${site}; tools/web/build.sh builds one)`);
    return 2;
  }
  const script = readScript(file);
  if (!script) {
    say(`cannot read ${file}`);
    return 2;
  }

  const browser = await launch(engine);
  try {
    const run = await runOnPage(browser, {
      site, program, script, verbose: !!process.env.WEBPROBE_VERBOSE,
    });
    process.stdout.write(run.out);
    process.stderr.write(run.err);
    return run.code;
  } finally {
    await browser.close();
  }
}

// A reader that stops early (head, cmp) ends the driver as the broken pipe's signal ends vecprobe.
process.stdout.on('error', (error) => process.exit(error.code === 'EPIPE' ? 141 : 1));

main(process.argv.slice(2)).then(
  (code) => { process.exitCode = code; },
  (error) => {
    say(error.message);
    process.exitCode = 1;
  },
);

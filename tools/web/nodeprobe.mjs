#!/usr/bin/env node
// nodeprobe PROGRAM [SCRIPT]: the driver's scripts run by the WebAssembly build, line by line
// through its C interface. It prints what vecprobe prints and exits as vecprobe does (2 with a
// one-line message naming the line where a script stops); pictures (png) are not available.
// The module is looked for in $WEBPROBE_DIR, else in build-web/probe of this work tree.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { bytesOf, readScript, scriptLines } from '../webprobe/lib/script.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const coreDir = process.env.WEBPROBE_DIR || path.join(here, '..', '..', 'build-web', 'probe');

function fail(message) {
  process.stderr.write(`nodeprobe: ${message}\n`);
  process.exitCode = 2;
}

async function main(args) {
  if (args.length < 1 || args.length > 2) {
    process.stderr.write('usage: nodeprobe PROGRAM [SCRIPT]\n');
    process.exitCode = 2;
    return;
  }
  const require = createRequire(import.meta.url);
  const createWebProbe = require(path.join(coreDir, 'webprobe-core.js'));
  // Handing over the bytes keeps the loader away from fetch, which cannot read local files.
  const core = await createWebProbe({
    wasmBinary: fs.readFileSync(path.join(coreDir, 'webprobe-core.wasm')),
  });

  const withBytes = (bytes, use) => {
    const pointer = core._malloc(bytes.length + 1);
    core.HEAPU8.set(bytes, pointer);
    core.HEAPU8[pointer + bytes.length] = 0;
    try {
      return use(pointer, bytes.length);
    } finally {
      core._free(pointer);
    }
  };

  const [program, file] = args;
  const handle = withBytes(Buffer.from(program), (name) => core._webprobe_create(name));
  if (!handle) return fail(`unknown program: ${program}`);
  const script = readScript(file);
  if (!script) return fail(`cannot read ${file}`);

  const printed = [];
  const takeOutput = () => {
    const pointer = core._webprobe_take_output(handle);
    const length = core._webprobe_output_length(handle);
    printed.push(Buffer.from(core.HEAPU8.subarray(pointer, pointer + length)));
  };
  let number = 0;
  for (const line of scriptLines(script)) {
    ++number;
    const status = withBytes(bytesOf(line), (text, length) => core._webprobe_run_line(handle, text, length));
    takeOutput();
    if (status !== 0) {
      process.stdout.write(Buffer.concat(printed));
      return fail(`line ${number}: ${core.UTF8ToString(core._webprobe_error(handle))}`);
    }
  }
  core._webprobe_destroy(handle);
  process.stdout.write(Buffer.concat(printed));
}

// A reader that stops early (head, cmp) ends the driver as the broken pipe's signal ends vecprobe.
process.stdout.on('error', (error) => process.exit(error.code === 'EPIPE' ? 141 : 1));

main(process.argv.slice(2)).catch((error) => {
  // An exception the script runner does not catch ends vecprobe with abort(); so here.
  process.stderr.write(`nodeprobe: ${error}\n`);
  process.abort();
});

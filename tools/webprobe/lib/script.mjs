// Script files as vecprobe reads them, split into lines; the lesson's own reader (through the
// page's test hook) reads each line. Lines are kept as 'latin1' strings (one character per
// byte), so words, blanks and messages match byte for byte; a text meant for the page is turned
// back into UTF-8 with utf8().

import fs from 'node:fs';

export class ScriptError extends Error {}

// Script bytes as std::getline gives them: split at line feeds, no empty line after the last,
// a carriage return at a line's end dropped.
export function scriptLines(bytes) {
  const lines = [];
  let start = 0;
  while (start < bytes.length) {
    let end = bytes.indexOf(0x0a, start);
    if (end < 0) end = bytes.length;
    let line = bytes.subarray(start, end);
    if (line.length && line[line.length - 1] === 0x0d) line = line.subarray(0, line.length - 1);
    lines.push(line.toString('latin1'));
    start = end + 1;
  }
  return lines;
}

// A script's bytes: a file, or standard input for none or '-'; null when the file cannot be read.
export function readScript(file) {
  if (file === undefined || file === '-') return fs.readFileSync(0);
  try {
    return fs.readFileSync(file);
  } catch (error) {
    // A folder opens as a stream that reads nothing, as it does for vecprobe.
    if (error.code === 'EISDIR') return Buffer.alloc(0);
    return null;
  }
}

export const utf8 = (latin1) => Buffer.from(latin1, 'latin1').toString('utf8');
export const bytesOf = (text) => Buffer.from(text, 'latin1');

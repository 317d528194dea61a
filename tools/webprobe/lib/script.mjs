// The driver's script language read exactly as vecprobe reads it. Lines are kept as 'latin1'
// strings (one character per byte), so words, blanks and messages match byte for byte; a text
// meant for the page is turned back into UTF-8 with utf8().

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

// The blanks of the C locale, which `>>` skips.
const blank = (c) => c === ' ' || (c >= '\t' && c <= '\r');

// Reads words as `std::istream >> std::string` does.
export class Words {
  constructor(line) {
    this.line = line;
    this.at = 0;
  }
  next() {
    while (this.at < this.line.length && blank(this.line[this.at])) ++this.at;
    if (this.at >= this.line.length) return undefined;
    const start = this.at;
    while (this.at < this.line.length && !blank(this.line[this.at])) ++this.at;
    return this.line.slice(start, this.at);
  }
  rest() {
    const words = [];
    for (let word; (word = this.next()) !== undefined;) words.push(word);
    return words;
  }
}

const isDigit = (c) => c >= '0' && c <= '9';
const startsWithWord = (text, at, word) => text.slice(at, at + word.length).toLowerCase() === word;

// kit::fromChars over a whole word: the value, or undefined where vecprobe refuses it.
export function parseNumber(word) {
  let c = 0;
  const negative = word[c] === '-';
  if (negative) ++c;
  const sign = negative ? -1 : 1;
  if (startsWithWord(word, c, 'inf')) {
    c += startsWithWord(word, c, 'infinity') ? 8 : 3;
    return c === word.length ? sign * Infinity : undefined;
  }
  if (startsWithWord(word, c, 'nan')) {
    c += 3;
    if (word[c] === '(') {
      let close = c + 1;
      while (close < word.length && /[0-9A-Za-z_]/.test(word[close])) ++close;
      if (word[close] === ')') c = close + 1;
    }
    return c === word.length ? NaN : undefined;
  }
  let digits = 0;
  let nonZero = false;
  for (; c < word.length && isDigit(word[c]); ++c, ++digits) nonZero ||= word[c] !== '0';
  if (word[c] === '.')
    for (++c; c < word.length && isDigit(word[c]); ++c, ++digits) nonZero ||= word[c] !== '0';
  if (digits === 0) return undefined;
  if (word[c] === 'e' || word[c] === 'E') {
    let exponent = c + 1;
    if (word[exponent] === '+' || word[exponent] === '-') ++exponent;
    if (isDigit(word[exponent] ?? '')) {
      while (exponent < word.length && isDigit(word[exponent])) ++exponent;
      c = exponent;
    }
  }
  if (c !== word.length) return undefined;
  // JavaScript reads decimal texts correctly rounded, as strtod does.
  const value = Number(word);
  if (!Number.isFinite(value) || (value === 0 && nonZero)) return undefined;
  return value;
}

export function number(words, what) {
  const word = words.next();
  words.last = word;
  if (word === undefined) throw new ScriptError(`missing ${what}`);
  const value = parseNumber(word);
  if (value === undefined) throw new ScriptError(`not a number for ${what}: ${word}`);
  return value;
}

// Buttons, shift states, key codes and tick counts, as vecprobe takes them: a whole number an
// int can hold, from 0 up.
export function wholeNumber(word, what) {
  if (word === undefined) throw new ScriptError(`missing ${what}`);
  const value = parseNumber(word);
  if (value === undefined) throw new ScriptError(`not a number for ${what}: ${word}`);
  if (!(value >= 0 && value <= 2147483647 && value === Math.trunc(value)))
    throw new ScriptError(`not a whole number from 0 to 2147483647 for ${what}: ${word}`);
  return value;
}

// A position, which the handlers take as a float: finite as one.
export function coordinate(words, what) {
  const value = number(words, what);
  const position = Math.fround(value);
  if (!Number.isFinite(value) || !Number.isFinite(position))
    throw new ScriptError(`not a finite position for ${what}: ${words.last}`);
  return position;
}

// std::to_string(double): printf's "%f". A NaN's sign is not kept by JavaScript, so it comes
// from the word that was read.
export function toStringF(value, word = '') {
  if (Number.isNaN(value)) return word.startsWith('-') ? '-nan' : 'nan';
  if (!Number.isFinite(value)) return value < 0 ? '-inf' : 'inf';
  const negative = value < 0 || Object.is(value, -0);
  const magnitude = Math.abs(value);
  // Above 1e21 every double is a whole number, which toFixed would write with an exponent.
  const text = magnitude >= 1e21 ? `${BigInt(magnitude)}.000000` : magnitude.toFixed(6);
  return (negative ? '-' : '') + text;
}

// `type`'s operands: NAME after the word, one blank, then the text to the end of the line.
export function typeOperands(line) {
  const rest = line.slice(line.indexOf('type') + 4);
  let start = 0;
  while (start < rest.length && rest[start] === ' ') ++start;
  if (start >= rest.length) throw new ScriptError('type needs a text box');
  const end = rest.indexOf(' ', start);
  return end < 0
    ? { name: rest.slice(start), text: '' }
    : { name: rest.slice(start, end), text: rest.slice(end + 1) };
}

// jsoncompare [--relative R] FILE_A FILE_B: compares two drivers' outputs (one JSON dump a
// line): the same keys in the same order, texts exactly, numbers to a relative tolerance (1e-9
// unless told). Prints the differences and exits 1 when there are any.
import fs from 'node:fs';
import { defaultTolerance, dumpDifferences } from './lib/jsoncompare.mjs';

const args = process.argv.slice(2);
const tolerance = { ...defaultTolerance };
if (args[0] === '--relative') {
  tolerance.relative = Number(args[1]);
  args.splice(0, 2);
}
if (args.length !== 2 || !(tolerance.relative >= 0)) {
  process.stderr.write('usage: jsoncompare [--relative R] FILE_A FILE_B\n');
  process.exit(2);
}
const differences = dumpDifferences(
  fs.readFileSync(args[0], 'utf8'),
  fs.readFileSync(args[1], 'utf8'),
  tolerance,
  50,
);
for (const difference of differences) console.log(difference);
process.exitCode = differences.length ? 1 : 0;

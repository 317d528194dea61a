// The dump comparer: where its tolerance ends, and the differences it must not let through.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { dumpDifferences, jsonDifferences } from '../lib/jsoncompare.mjs';

test('numbers agree to 1e-9 relative, and a zero to a residue below 1e-12', () => {
  assert.deepEqual(jsonDifferences({ x: 1000 }, { x: 1000 + 9e-7 }), []);
  assert.equal(jsonDifferences({ x: 1000 }, { x: 1000 + 2e-6 }).length, 1);
  assert.deepEqual(jsonDifferences({ x: 0 }, { x: 6e-17 }), []);
  assert.equal(jsonDifferences({ x: 0 }, { x: 1e-10 }).length, 1);
  assert.equal(jsonDifferences({ x: -3 }, { x: 3 }).length, 1);
});

test('texts, truth values, nulls, order of keys and lengths must be the same', () => {
  const differ = (a, b) => assert.equal(jsonDifferences(a, b).length > 0, true, JSON.stringify([a, b]));
  differ({ t: 'a-b' }, { t: 'a-b ' });
  differ({ v: true }, { v: false });
  differ({ x: null }, { x: 0 });
  differ({ a: 1, b: 2 }, { b: 2, a: 1 });
  differ({ a: 1 }, { a: 1, b: 2 });
  differ({ m: ['x'] }, { m: [] });
  differ({ x: 1 }, { x: '1' });
  assert.deepEqual(jsonDifferences({ d: [{ op: 'line', x: 1 }] }, { d: [{ op: 'line', x: 1 }] }), []);
});

test('outputs differ in the number of dumps or in any one of them', () => {
  assert.deepEqual(dumpDifferences('{"a":1}\n{"a":2}\n', '{"a":1}\n{"a":2}\n'), []);
  assert.match(dumpDifferences('{"a":1}\n', '{"a":1}\n{"a":1}\n')[0], /1 dumps vs 2/);
  assert.match(dumpDifferences('{"a":1}\n{"a":2}\n', '{"a":1}\n{"a":3}\n')[0], /^dump 2: a: 2 vs 3/);
  assert.match(dumpDifferences('{"a":1}\n', 'not json\n')[0], /not JSON/);
});

// Compares dumps: the same keys in the same order, the same texts and truth values exactly, and
// numbers to a relative tolerance (an absolute floor keeps a zero from failing against a rounding
// residue of the same zero).
export const defaultTolerance = { relative: 1e-9, absolute: 1e-12 };

export function closeEnough(a, b, { relative, absolute } = defaultTolerance) {
  if (a === b) return true;
  const difference = Math.abs(a - b);
  return difference <= absolute || difference <= relative * Math.max(Math.abs(a), Math.abs(b));
}

const kind = (value) => (value === null ? 'null' : Array.isArray(value) ? 'array' : typeof value);

// The differences between two parsed values, each as "path: what", at most `limit` of them.
export function jsonDifferences(a, b, tolerance = defaultTolerance, limit = 10) {
  const found = [];
  const visit = (x, y, at) => {
    if (found.length >= limit) return;
    if (kind(x) !== kind(y)) {
      found.push(`${at}: ${JSON.stringify(x)} vs ${JSON.stringify(y)}`);
    } else if (kind(x) === 'number') {
      if (!closeEnough(x, y, tolerance)) found.push(`${at}: ${x} vs ${y}`);
    } else if (kind(x) === 'array') {
      if (x.length !== y.length) found.push(`${at}: ${x.length} items vs ${y.length}`);
      for (let i = 0; i < Math.min(x.length, y.length); ++i) visit(x[i], y[i], `${at}[${i}]`);
    } else if (kind(x) === 'object') {
      const keysX = Object.keys(x);
      const keysY = Object.keys(y);
      if (keysX.join('\n') !== keysY.join('\n'))
        found.push(`${at}: keys ${keysX.join(',')} vs ${keysY.join(',')}`);
      for (const key of keysX) if (key in y) visit(x[key], y[key], at ? `${at}.${key}` : key);
    } else if (x !== y) {
      found.push(`${at}: ${JSON.stringify(x)} vs ${JSON.stringify(y)}`);
    }
  };
  visit(a, b, '');
  return found;
}

// Two drivers' outputs, one dump a line: the differences, line by line.
export function dumpDifferences(textA, textB, tolerance = defaultTolerance, limit = 10) {
  const linesA = textA.split('\n').filter(Boolean);
  const linesB = textB.split('\n').filter(Boolean);
  const found = [];
  if (linesA.length !== linesB.length) found.push(`${linesA.length} dumps vs ${linesB.length}`);
  for (let i = 0; i < Math.min(linesA.length, linesB.length) && found.length < limit; ++i) {
    let a;
    let b;
    try {
      a = JSON.parse(linesA[i]);
      b = JSON.parse(linesB[i]);
    } catch (error) {
      found.push(`dump ${i + 1}: not JSON (${error.message})`);
      continue;
    }
    for (const difference of jsonDifferences(a, b, tolerance, limit - found.length))
      found.push(`dump ${i + 1}: ${difference}`);
  }
  return found;
}

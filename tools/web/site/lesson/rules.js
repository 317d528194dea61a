// The rules the page shares with the desktop, read once from the module at start-up (vec_rules):
// the teacher's paces with their labels and corner notes, the drawing commands and the design's
// input codes. The page keeps no copy of them.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});

  // The module's rules, with the code of a printable key as a call into the module.
  function readRules(core) {
    const rules = JSON.parse(core.ccall('vec_rules', 'string', [], []));
    const characterCode = core.cwrap('vec_character_key_code', 'number', ['number']);
    rules.input.characterCode = (codePoint) => characterCode(codePoint);
    return rules;
  }

  function pace(rules, speed) {
    return rules.speeds.find((entry) => entry.speed === speed);
  }

  // A pace's label (×¼ …).
  function speedLabel(rules, speed) {
    const entry = pace(rules, speed);
    return entry ? entry.label : '';
  }

  // One pace slower (-1) or faster (+1); the slowest and fastest stay as they are.
  function nextSpeed(rules, speed, direction) {
    const entry = pace(rules, speed);
    if (!entry) return speed;
    return direction < 0 ? entry.slower : entry.faster;
  }

  // The corner's note: empty while the lesson runs at its own pace.
  function badgeText(rules, paused, speed) {
    const entry = pace(rules, speed);
    if (!entry) return '';
    return paused ? entry.pausedBadge : entry.badge;
  }

  const shared = { readRules, speedLabel, nextSpeed, badgeText };
  Object.assign(parts, shared);
  if (typeof module === 'object' && module.exports) module.exports = shared;
})(typeof window !== 'undefined' ? window : globalThis);

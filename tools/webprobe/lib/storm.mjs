// A storm of random real input on a lesson page in test mode: mouse presses, drags, releases
// and clicks on the surface and around it, one-finger touches, clicks on the buttons, typing and
// keys in the boxes, zoom by Ctrl+wheel and Ctrl+=/-/0, window sizes, and the virtual clock.
// Every choice comes from one seed, so a storm that finds a fault can be run again.

export function seededRandom(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Where a dump holds null: a number that was not finite.
export function nullPaths(value, at = '', found = []) {
  if (value === null) found.push(at || '(the dump)');
  else if (Array.isArray(value)) value.forEach((item, i) => nullPaths(item, `${at}[${i}]`, found));
  else if (typeof value === 'object')
    for (const [key, item] of Object.entries(value)) nullPaths(item, at ? `${at}.${key}` : key, found);
  return found;
}

const texts = ['3', '-1.5', '0', '1e2', 'abc', '', '-', '.', '99999', '-0.0001', '2.5e-3', '中', ' 4 '];
const sizes = [[1280, 1024], [800, 600], [1920, 1080], [640, 480], [1024, 768]];

// `page` is an engine's page (lib/engines/). trail, when given, keeps the last input sent, to
// tell what came just before a fault. With `batch` above 1, input goes out without waiting for
// each event's answer, `batch` at a time: the browser still takes it in order, and a long storm
// is not paced by the frames (only where each event is one message, as over the DevTools
// protocol). Touch only where the engine has it.
export async function storm(page, { events, seed, buttons, boxes, onDump, trail = [], batch = 1 }) {
  const random = seededRandom(seed);
  let waiting = [];
  const send = async (kind, params) => {
    trail.push(`${kind} ${JSON.stringify(params)}`);
    if (trail.length > 8) trail.shift();
    waiting.push(kind === 'touch' ? page.touch(params.type, params.points) : page[kind](params));
    if (waiting.length >= batch) await flush();
  };
  // What the page is asked waits for the input before it.
  const flush = async () => {
    const all = waiting;
    waiting = [];
    await Promise.all(all);
  };
  const pick = (list) => list[Math.floor(random() * list.length)];
  const chance = (p) => random() < p;
  const mouse = (params) => send('mouse', params);
  const touch = (type, points) => send('touch', { type, points });
  const key = async (key, code, vk, { text, shift = 0 } = {}) => send('key', { key, code, vk, text, shift });
  const surfaceRect = async () => {
    await flush();
    return page.evaluate(() => {
      const r = document.getElementById('Picture1').getBoundingClientRect();
      return { left: r.left, top: r.top, width: r.width, height: r.height };
    });
  };
  let surface = await surfaceRect();
  // Mostly on the surface, some around it.
  const point = () => ({
    x: surface.left + surface.width * (random() * 1.2 - 0.1),
    y: surface.top + surface.height * (random() * 1.2 - 0.1),
  });
  // Shift 1, Ctrl 2, Alt 4.
  const modifiers = () => (chance(0.8) ? 0 : pick([4, 2, 1, 3]));
  let held = null;
  let finger = null;
  let sent = 0;

  while (sent < events) {
    const r = random();
    if (r < 0.4) {
      const at = point();
      if (held && chance(0.6)) {
        await mouse({ type: 'move', ...at, button: held.button, buttons: held.buttons, shift: modifiers() });
      } else if (held) {
        await mouse({ type: 'up', ...at, button: held.button, buttons: 0, clicks: held.clicks });
        held = null;
      } else if (chance(0.5)) {
        await mouse({ type: 'move', ...at, button: 'none', buttons: 0, shift: modifiers() });
      } else {
        const [button, buttonsHeld] = pick([['left', 1], ['left', 1], ['left', 1], ['right', 2], ['middle', 4]]);
        held = { button, buttons: buttonsHeld, clicks: chance(0.8) ? 1 : 2 };
        await mouse({ type: 'down', ...at, button, buttons: buttonsHeld, clicks: held.clicks, shift: modifiers() });
      }
    } else if (r < 0.5) {
      if (!page.hasTouch) continue;
      if (!finger) {
        finger = point();
        await touch('touchStart', [finger]);
      } else if (chance(0.75)) {
        finger = point();
        await touch('touchMove', [finger]);
      } else {
        await touch('touchEnd', []);
        finger = null;
      }
    } else if (r < 0.63) {
      if (!buttons.length) continue;
      const name = pick(buttons);
      await flush();
      const target = await page.evaluate((id) => {
        const el = document.getElementById(id);
        const b = el.getBoundingClientRect();
        const x = b.left + b.width / 2;
        const y = b.top + b.height / 2;
        const hit = b.width && b.height ? document.elementFromPoint(x, y) : null;
        return hit && (hit === el || el.contains(hit)) ? { x, y } : null;
      }, name);
      if (!target) continue; // hidden or covered: no pupil can press it either
      await mouse({ type: 'down', ...target, button: 'left', buttons: 1, clicks: 1 });
      await mouse({ type: 'up', ...target, button: 'left', buttons: 0, clicks: 1 });
      held = null;
    } else if (r < 0.71) {
      if (!boxes.length) continue;
      const name = pick(boxes);
      await flush();
      await page.evaluate(([id, all]) => {
        const el = document.getElementById(id);
        el.focus();
        if (all) el.select?.();
      }, [name, chance(0.5)]);
      if (chance(0.5)) await send('insertText', pick(texts));
      else
        await pick([
          () => key('Enter', 'Enter', 13, { text: '\r' }),
          () => key('Backspace', 'Backspace', 8),
          () => key('1', 'Digit1', 49, { text: '1' }),
          () => key('-', 'Minus', 189, { text: '-' }),
          () => key('.', 'Period', 190, { text: '.' }),
          () => key('Escape', 'Escape', 27),
        ])();
    } else if (r < 0.86) {
      const ms = Math.floor(random() * 800);
      trail.push(`run ${ms}`);
      await flush();
      await page.evaluate((value) => window.vectorsTest.line(`run ${value}`), ms);
    } else if (r < 0.9) {
      if (page.zoomsItself) continue; // the browser's zoom, not the lesson's
      if (chance(0.5)) {
        await send('wheel', { ...point(), deltaY: pick([-120, 120]), shift: 2 });
      } else {
        await pick([
          () => key('=', 'Equal', 187, { shift: 2 }),
          () => key('-', 'Minus', 189, { shift: 2 }),
          () => key('0', 'Digit0', 48, { shift: 2 }),
        ])();
      }
      surface = await surfaceRect();
    } else if (r < 0.93) {
      const [width, height] = pick(sizes);
      trail.push(`window ${width}×${height}`);
      await flush();
      await page.setViewport({ width, height });
      surface = await surfaceRect();
    } else {
      await flush();
      await onDump();
    }
    ++sent;
  }
  if (held) await mouse({ type: 'up', x: 1, y: 1, button: held.button, buttons: 0 });
  if (finger) await touch('touchEnd', []);
  await Promise.all(waiting);
  return sent;
}

// The page's test hook (docs/web.md, used by tools/webprobe): every page notes its uncaught and
// console errors; one opened with #test runs on the test clock and exposes window.vectorsTest,
// whose pointer events land on the very points in units it was asked for.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const testMode = /^#test\b/.test(global.location.hash);
  const errors = [];
  const describeError = (value) =>
    value instanceof Error ? value.name + ': ' + value.message : String(value);

  global.addEventListener('error', (event) => {
    errors.push(event.error ? describeError(event.error)
      : event.message + ' (' + event.filename + ':' + event.lineno + ')');
  });
  global.addEventListener('unhandledrejection', (event) => {
    errors.push('unhandled rejection: ' + describeError(event.reason));
  });
  const consoleError = global.console.error.bind(global.console);
  global.console.error = function (...args) {
    errors.push(args.map(describeError).join(' '));
    consoleError(...args);
  };

  let settleReady;
  const ready = new Promise((resolve, reject) => {
    settleReady = { resolve, reject };
  });
  ready.catch(() => {});  // a page that cannot run says so on the page itself
  if (testMode) {
    global.vectorsTest = {
      ready,
      errors,
      dump: () => { throw new Error('the lesson is not ready'); },
      run: () => { throw new Error('the lesson is not ready'); },
      tick: () => { throw new Error('the lesson is not ready'); },
      unitsToClient: () => { throw new Error('the lesson is not ready'); },
      pause: () => { throw new Error('the lesson is not ready'); },
      picturing: () => { throw new Error('the lesson is not ready'); },
      resume: () => { throw new Error('the lesson is not ready'); },
      step: () => { throw new Error('the lesson is not ready'); },
      speed: () => { throw new Error('the lesson is not ready'); },
    };
  }

  let testPoints = null;

  // A pointer event where the test hook placed a point in units gets that point itself: the
  // browser carries positions in single precision, which would shift it in the last digits.
  // WebDriver's input (Firefox, WebKit) lands on whole pixels: there the latest point within a
  // pixel is the one meant.
  function exactPoint(area, event) {
    if (!testPoints) return null;
    const whole = Number.isInteger(event.clientX) && Number.isInteger(event.clientY);
    const near = whole ? 1 : 0.01;
    for (const point of testPoints) {
      if (point.area === area && Math.abs(point.clientX - event.clientX) < near &&
          Math.abs(point.clientY - event.clientY) < near) {
        return [point.x, point.y];
      }
    }
    return null;
  }

  // The hook's members on the shown lesson (a LessonPage).
  function expose(lesson) {
    const hook = global.vectorsTest;
    const call = (...args) => lesson.call(...args);
    // A line of a driver's script, one character a byte: the lesson reads it and carries out
    // the clock, the teacher's controls and dumps; the pupil's input comes back for the driver
    // to give as real input (kit/web/hookline.h says the answer's form).
    hook.line = (text) => {
      const bytes = new Uint8Array(text.length);
      for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
      const answer = JSON.parse(call('vec_script', 'string', ['array', 'number'],
        [bytes, bytes.length]));
      if (answer.ran) lesson.afterEvent();
      return answer;
    };
    // The page's own marks (the save button, the teacher's tab and badge) hidden or shown
    // again, for a picture of the lesson alone.
    hook.picturing = (on) => {
      global.document.body.classList.toggle('picturing', Boolean(on));
    };
    hook.unitsToClient = (x, y) => {
      const area = lesson.window.areas.find((a) => a.name === 'Picture1');
      const text = area && call('vec_to_pixels', 'string',
        ['string', 'number', 'number', 'number'],
        ['Picture1', Number(x), Number(y), lesson.window.zoom]);
      if (!text) throw new Error('this window has no Picture1');
      const [px, py] = JSON.parse(text);
      const box = area.canvas.getBoundingClientRect();
      const point = { clientX: box.left + area.border + px, clientY: box.top + area.border + py };
      testPoints = [{ area, x: Number(x), y: Number(y), ...point }]
        .concat((testPoints || []).slice(0, 63));
      return point;
    };
  }

  parts.testHook = { on: testMode, ready: settleReady, exactPoint, expose };
})(typeof window !== 'undefined' ? window : globalThis);

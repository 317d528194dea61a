// One lesson in the browser: builds the window the model describes (buttons, text boxes, frames
// and drawing areas), fits it to the browser window, replays the model's drawings on 2D
// canvases, feeds it the pupil's pointer, keys and typing, runs its timers on animation frames
// and shows its message boxes. A classic script: pages opened from a file may not load modules.
(function (global) {
  'use strict';

  // ---- Pieces without a page (the Node tests run these) ----

  // The model's drawing commands: an opcode, then a fixed count of numbers.
  const Op = { FillRect: 1, Disc: 2, Line: 3, Arc: 4, Text: 5, Picture: 6, Mark: 7 };
  const operandCount = { 1: 5, 2: 5, 3: 7, 4: 8, 5: 5, 6: 6, 7: 6 };
  const Flag = { Dotted: 1, RoundCap: 2, Smooth: 4 };

  function cssColour(packed) {
    return '#' + (packed >>> 0).toString(16).padStart(6, '0');
  }

  // The design's mouse button of a pointer's button (left 1, right 2, middle 4).
  function buttonCode(button) {
    return button === 0 ? 1 : button === 2 ? 2 : button === 1 ? 4 : 0;
  }

  // The buttons held during a move: a pointer's `buttons` already uses the design's bits.
  function heldCode(buttons) {
    return buttons & 7;
  }

  function shiftCode(event) {
    return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
  }

  const namedKeys = {
    Enter: 13, Escape: 27, Backspace: 8, Tab: 9, Delete: 46, Shift: 16, Control: 17, Alt: 18,
  };

  // The design's code of a key: Enter 13 and the other named keys, a printable character below
  // 128 as its upper-case code, anything else 0.
  function keyCode(event) {
    if (Object.prototype.hasOwnProperty.call(namedKeys, event.key)) return namedKeys[event.key];
    if (typeof event.key !== 'string' || [...event.key].length !== 1) return 0;
    const c = event.key.codePointAt(0);
    if (c >= 0x61 && c <= 0x7a) return c - 0x20;
    return c < 128 ? c : 0;
  }

  // A crisp line's end on the device's pixel grid: an odd width centred on a pixel's middle, an
  // even one on its edge, so that level and upright lines cover whole pixels.
  function snap(value, dpr, width) {
    const device = Math.max(1, Math.round(width * dpr));
    const offset = device % 2 ? 0.5 : 0;
    return (Math.round(value * dpr) + offset) / dpr;
  }

  // Replays a command list on a 2D context whose units are the area's CSS pixels. `env` gives
  // the device pixel ratio, the pictures (null while loading: env.missing is set) and notes the
  // fonts a text needs.
  function replay(ctx, numbers, strings, env) {
    const dpr = env.dpr || 1;
    let i = 0;
    while (i < numbers.length) {
      const op = numbers[i];
      const count = operandCount[op];
      if (count === undefined || i + 1 + count > numbers.length) {
        throw new Error('bad drawing command ' + op + ' at ' + i);
      }
      // The operands as views into the list: a copy per command would be garbage every frame.
      const a = numbers.subarray ? numbers.subarray(i + 1, i + 1 + count)
        : numbers.slice(i + 1, i + 1 + count);
      i += 1 + count;
      switch (op) {
        case Op.FillRect:
          ctx.fillStyle = cssColour(a[4]);
          ctx.fillRect(a[0], a[1], a[2], a[3]);
          break;
        case Op.Disc:
          ctx.fillStyle = cssColour(a[3]);
          ctx.beginPath();
          ctx.arc(a[0], a[1], a[2], 0, 2 * Math.PI);
          ctx.fill();
          break;
        case Op.Line: {
          const width = a[5], flags = a[6];
          let [x1, y1, x2, y2] = [a[0], a[1], a[2], a[3]];
          if (!(flags & Flag.Smooth)) {
            // Along a level or upright line its ends fall on pixel edges, so that its dots
            // cover whole pixels too.
            const level = Math.abs(y2 - y1) < 0.5 / dpr, upright = Math.abs(x2 - x1) < 0.5 / dpr;
            const edge = (value) => Math.round(value * dpr) / dpr;
            [x1, x2] = level ? [edge(x1), edge(x2)] : [snap(x1, dpr, width), snap(x2, dpr, width)];
            [y1, y2] = upright ? [edge(y1), edge(y2)] : [snap(y1, dpr, width), snap(y2, dpr, width)];
          }
          ctx.strokeStyle = cssColour(a[4]);
          ctx.lineWidth = width;
          ctx.lineCap = flags & Flag.RoundCap ? 'round' : 'butt';
          // Dots and gaps as long as the line is wide, as the desktop's pen draws them.
          ctx.setLineDash(flags & Flag.Dotted ? [width, width] : []);
          ctx.beginPath();
          ctx.moveTo(x1, y1);
          ctx.lineTo(x2, y2);
          ctx.stroke();
          ctx.setLineDash([]);
          break;
        }
        case Op.Arc: {
          // Counter-clockwise on screen: the canvas counts angles the other way round.
          const start = -a[3] * Math.PI / 180, end = -(a[3] + a[4]) * Math.PI / 180;
          ctx.strokeStyle = cssColour(a[5]);
          ctx.lineWidth = a[6];
          ctx.lineCap = 'square';
          ctx.beginPath();
          if (a[4] >= 360) {
            ctx.arc(a[0], a[1], a[2], 0, 2 * Math.PI);
          } else {
            ctx.arc(a[0], a[1], a[2], start, end, true);
          }
          ctx.stroke();
          break;
        }
        case Op.Text: {
          const text = strings[a[2]], font = strings[a[3]];
          if (env.needFont) env.needFont(font, text);
          ctx.font = font;
          ctx.fillStyle = cssColour(a[4]);
          // The baseline one font ascent below the top, where the desktop puts it; 'top' (the
          // em box) would lift a Latin letter a pixel or two.
          const ascent = env.ascent ? env.ascent(ctx, font) : undefined;
          if (ascent === undefined) {
            ctx.textBaseline = 'top';
            ctx.fillText(text, a[0], a[1]);
          } else {
            ctx.textBaseline = 'alphabetic';
            ctx.fillText(text, a[0], a[1] + ascent);
          }
          break;
        }
        case Op.Picture:
          drawPicture(ctx, strings[a[0]], a[1] >= 0 ? strings[a[1]] : '', a[2], a[3], a[4], a[5],
              env);
          break;
        case Op.Mark: {
          const colour = cssColour(a[4]);
          ctx.fillStyle = colour;
          ctx.strokeStyle = colour;
          ctx.lineWidth = 1;
          ctx.beginPath();
          if (a[5]) {
            ctx.ellipse(a[0] + a[2] / 2, a[1] + a[3] / 2, a[2] / 2, a[3] / 2, 0, 0, 2 * Math.PI);
          } else {
            ctx.rect(a[0], a[1], a[2], a[3]);
          }
          ctx.fill();
          ctx.stroke();
          break;
        }
      }
    }
  }

  // The colour of a drawing that is only that colour over the whole area, else null.
  function plainColour(numbers, size) {
    const whole = numbers.length === 1 + operandCount[Op.FillRect] && numbers[0] === Op.FillRect &&
      numbers[1] <= 0 && numbers[2] <= 0 && numbers[1] + numbers[3] >= size[0] &&
      numbers[2] + numbers[4] >= size[1];
    return whole ? cssColour(numbers[5]) : null;
  }

  // A picture at its own size lands on whole device pixels, copied as it is; at any other size
  // its artwork is drawn afresh at that size, never a blown-up bitmap.
  function drawPicture(ctx, file, source, x, y, width, height, env) {
    const dpr = env.dpr || 1;
    const bitmap = env.image(file);
    const deviceWidth = Math.round(width * dpr), deviceHeight = Math.round(height * dpr);
    // A bitmap of the very size, copied pixel for pixel onto whole device pixels.
    const copy = (image) => {
      const m = ctx.getTransform();
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(image, Math.round(m.e + x * dpr), Math.round(m.f + y * dpr));
      ctx.restore();
    };
    if (bitmap && bitmap.naturalWidth === deviceWidth && bitmap.naturalHeight === deviceHeight) {
      copy(bitmap);
      return;
    }
    const artwork = (source && env.image(source)) || bitmap;
    if (!artwork) {
      env.missing = true;
      return;
    }
    if (env.rendered && deviceWidth > 0 && deviceHeight > 0) {
      // Drawn afresh once per size and kept: an animation's every frame then only copies it.
      copy(env.rendered(artwork, deviceWidth, deviceHeight));
      return;
    }
    ctx.imageSmoothingEnabled = true;
    ctx.drawImage(artwork, x, y, width, height);
  }

  // Artwork drawn at a device size, kept for the sizes in use: a new zoom makes new ones, and
  // the oldest go once more than `room` are kept.
  function renderedPictures(makeCanvas, room = 32) {
    const kept = new Map();  // artwork -> Map(size -> canvas)
    let count = 0;
    return function rendered(artwork, width, height) {
      let sizes = kept.get(artwork);
      if (!sizes) kept.set(artwork, (sizes = new Map()));
      const key = width + 'x' + height;
      let copy = sizes.get(key);
      if (!copy) {
        if (count >= room) {
          kept.clear();
          count = 0;
          kept.set(artwork, sizes = new Map());
        }
        copy = makeCanvas(width, height);
        const ctx = copy.getContext('2d');
        ctx.imageSmoothingEnabled = true;
        ctx.drawImage(artwork, 0, 0, width, height);
        sizes.set(key, copy);
        ++count;
      }
      return copy;
    };
  }

  // ---- The teacher's controls, as on the desktop ----

  // The paces a teacher can choose, slowest first.
  const speeds = [0.25, 0.5, 1, 2];

  function speedText(speed) {
    return speed === 0.25 ? '×¼' : speed === 0.5 ? '×½' : speed === 2 ? '×2' : '×1';
  }

  // One pace slower (-1) or faster (+1); the slowest and fastest stay as they are.
  function nextSpeed(speed, direction) {
    const at = speeds.indexOf(speed);
    if (at < 0) return speed;
    return speeds[Math.min(speeds.length - 1, Math.max(0, at + direction))];
  }

  // The corner's note: empty while the lesson runs at its own pace.
  function badgeText(paused, speed) {
    return [paused ? '已暂停' : '', speed !== 1 ? speedText(speed) : ''].filter(Boolean).join(' ');
  }

  // What a key asks of the teacher's controls ('pause', 'step', 'slower', 'faster', 'bar'), or
  // null for a key that stays the lesson's or the browser's. Only keys no lesson and no text box
  // uses: F8 (or Pause), F9 (or Page Down, a presenter's clicker), Shift+F8, Shift+F9, F4.
  function presenterKey(event) {
    if (event.isComposing || event.ctrlKey || event.altKey || event.metaKey) return null;
    const shift = event.shiftKey;
    switch (event.key) {
      case 'F8': return shift ? 'slower' : 'pause';
      case 'F9': return shift ? 'faster' : 'step';
      case 'Pause': return shift ? null : 'pause';
      case 'PageDown': return shift ? null : 'step';
      case 'F4': return shift ? null : 'bar';
      default: return null;
    }
  }

  const shared = { Op, Flag, operandCount, cssColour, buttonCode, heldCode, shiftCode, keyCode,
    snap, replay, plainColour, renderedPictures, speeds, speedText, nextSpeed, badgeText,
    presenterKey };
  if (typeof module === 'object' && module.exports) {
    module.exports = shared;
    return;
  }

  // ---- The page ----

  const doc = global.document;
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

  // A page that cannot show its lesson says why, in Chinese, with the way back.
  function notice(text) {
    doc.body.textContent = '';
    doc.body.className = 'notice-page';
    const box = doc.createElement('main');
    box.className = 'notice';
    const para = doc.createElement('p');
    para.textContent = text;
    const back = doc.createElement('a');
    back.href = 'index.html';
    back.textContent = '返回“平面向量”课程列表';
    box.append(para, back);
    doc.body.append(box);
  }

  function programName() {
    const named = doc.documentElement.dataset.program;
    if (named) return named;
    return decodeURIComponent(global.location.search.replace(/^\?/, '').split('&')[0] || '');
  }

  function start() {
    const program = programName();
    if (typeof global.WebAssembly !== 'object') {
      settleReady.reject(new Error('no WebAssembly'));  // the page has said so already
      return;
    }
    if (typeof global.createVectors !== 'function') {
      notice('这一课的文件不完整（缺少 js/vectors-core.js），请重新复制整个课件文件夹。');
      settleReady.reject(new Error('no js/vectors-core.js'));
      return;
    }
    global.createVectors().then((core) => {
      const opened = core.ccall('vec_open', 'number', ['string', 'number', 'number'],
        [program, testMode ? 1 : 0, performance.now()]);
      if (!opened) {
        notice(program ? '没有名为“' + program + '”的课。' : '没有指明要打开哪一课。');
        settleReady.reject(new Error('unknown lesson: ' + program));
        return;
      }
      // Every picture of the lesson is decoded before it is first shown, hidden ones too.
      for (const file of Object.keys(global.VECTOR_PICTURES || {})) {
        if (file.startsWith(':/' + program + '/')) image(file);
      }
      const page = new LessonPage(core, program);
      page.whenShown().then(() => settleReady.resolve(), settleReady.reject);
    }, (error) => {
      // A browser whose WebAssembly lacks what the module uses (its exceptions) cannot start it.
      notice('这个浏览器不能运行本课件：它的 WebAssembly 太旧。请换用新版的 Chrome、Edge、Firefox 或 Safari 打开。');
      settleReady.reject(error);
    }).catch((error) => {
      settleReady.reject(error);
      throw error;
    });
  }

  // The pictures the lessons draw, from their embedded data, decoded once.
  const images = new Map();
  function image(file) {
    let entry = images.get(file);
    if (!entry) {
      const data = (global.VECTOR_PICTURES || {})[file];
      if (!data) return null;
      const img = new global.Image();
      entry = { img, loaded: false, done: null };
      entry.done = new Promise((resolve) => {
        img.onload = () => { entry.loaded = true; resolve(); };
        img.onerror = () => resolve();
      });
      img.src = data;
      images.set(file, entry);
    }
    return entry.loaded ? entry.img : null;
  }
  function picturesLoaded() {
    return Promise.all([...images.values()].map((entry) => entry.done));
  }

  class LessonPage {
    constructor(core, program) {
      this.core = core;
      this.program = program;
      this.zoom = 1;
      this.dpr = global.devicePixelRatio || 1;
      this.frame = 0;  // the animation frame asked for, if any
      this.boxesUp = false;
      this.bar = null;  // the teacher's bar, made when first brought up
      this.controls = new Map();  // name -> { info, element }
      // { name, canvas, ctx, rect, border, shown, lazy, plain, strings }: a lazy area has no
      // canvas while its drawing is only its colour (plain).
      this.areas = [];
      this.size = [0, 0];
      this.fontsAsked = new Set();
      this.wrapped = new Map();
      this.rendered = renderedPictures((width, height) => {
        const canvas = doc.createElement('canvas');
        canvas.width = width;
        canvas.height = height;
        return canvas;
      });
      this.ascents = new Map();
      this.build();
      this.afterEvent();
    }

    // The module's functions, each wrapped once: a frame calls a dozen of them.
    call(name, returns, types, args) {
      const key = name + ':' + returns + ':' + types.join();
      let fn = this.wrapped.get(key);
      if (!fn) this.wrapped.set(key, fn = this.core.cwrap(name, returns, types));
      return fn(...args);
    }

    now() {
      return performance.now();
    }

    describe() {
      return JSON.parse(this.call('vec_describe', 'string', ['number'], [this.zoom]));
    }

    // The page's drawing room: the browser window less any scroll bar and the teacher's bar.
    area() {
      const root = doc.documentElement;
      const height = (root.clientHeight || global.innerHeight) - this.barHeight();
      return [root.clientWidth || global.innerWidth, Math.max(1, height)];
    }

    build() {
      doc.body.className = 'lesson-page';
      this.stage = doc.createElement('div');
      this.stage.className = 'stage';
      doc.body.append(this.stage);
      // Measured once, before the window's elements are there: each measure after a change
      // lays the whole page out again, which a first frame cannot afford.
      const room = this.area();
      const fit = JSON.parse(this.call('vec_fit', 'string', ['number', 'number'], room));
      this.zoom = fit.zoom;
      const design = this.describe();
      doc.title = design.caption.trim() || doc.title;
      this.stage.style.background = design.back;

      // The window's own drawing gets a canvas only once it is more than its colour, which the
      // stage already shows: a canvas the size of the window costs a page's first frame dearly.
      this.windowArea = this.addArea('Form', 'window-canvas', { lazy: true });
      for (const info of design.canvases) {
        const area = this.addArea(info.name, 'surface');
        area.canvas.id = info.name;
        area.canvas.setAttribute('role', 'img');
        area.canvas.setAttribute('aria-label', '绘图区');
        if (design.description) area.canvas.setAttribute('aria-description', design.description);
        this.listenToPointer(area);
      }
      // Tab order follows the design's tab indexes; the stacking (frames behind) is in the CSS.
      const order = design.controls.map((info, place) => ({ info, place }));
      order.sort((x, y) => x.info.tabIndex - y.info.tabIndex || x.place - y.place);
      for (const { info } of order) this.addControl(info);

      this.dialog = this.makeDialog();
      this.addSaveButton();
      this.addPresenterMarks();
      this.listenToWindow();
      this.layOut(design, room);
    }

    addArea(name, className, { lazy = false } = {}) {
      const area = { name, className, canvas: null, ctx: null, rect: [0, 0, 0, 0], border: 0,
        shown: null, lazy, plain: null };
      this.areas.push(area);
      if (!lazy) this.makeCanvas(area);
      return area;
    }

    makeCanvas(area) {
      const canvas = doc.createElement('canvas');
      canvas.className = area.className;
      // Behind every other area and control, in the order the areas were made.
      const next = this.areas.slice(this.areas.indexOf(area) + 1).find((a) => a.canvas);
      this.stage.insertBefore(canvas, next ? next.canvas : null);
      area.canvas = canvas;
      // Not a desynchronized (low-latency) context: it halves a frame's cost, but in headless
      // Chromium it left a drag's pointer moves waiting for a frame that never came.
      area.ctx = canvas.getContext('2d');
      area.plain = null;
      this.sizeCanvas(area);
    }

    addControl(info) {
      let element;
      if (info.kind === 'button') {
        element = doc.createElement('button');
        element.type = 'button';
        element.className = 'control button';
        element.addEventListener('click', () => this.deliver('vec_click', ['string'], [info.name]));
      } else if (info.kind === 'frame') {
        element = doc.createElement('fieldset');
        element.className = 'control frame';
        const panel = doc.createElement('div');
        panel.className = 'panel';
        element.append(doc.createElement('legend'), panel);
      } else {
        element = doc.createElement(info.multiLine ? 'textarea' : 'input');
        element.className = 'control textbox' + (info.border ? '' : ' borderless');
        if (!info.multiLine) element.type = 'text';
        if (info.multiLine) element.wrap = info.wordWrap ? 'soft' : 'off';
        element.readOnly = info.readOnly;
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.style.background = info.back;
        element.style.color = info.fore;
        this.listenToTyping(element, info);
      }
      element.id = info.name;
      this.stage.append(element);
      this.controls.set(info.name, { info, element, words: null });
    }

    // Places everything for the current browser window: the zoom that fits the designed window,
    // the window centred (a taller one scrolls), sharp canvases at the device's pixel ratio.
    layOut(design, room = this.area()) {
      this.dpr = global.devicePixelRatio || 1;
      const fit = JSON.parse(this.call('vec_fit', 'string', ['number', 'number'], room));
      if (!design || fit.zoom !== this.zoom) {
        this.zoom = fit.zoom;
        design = this.describe();
      }
      const align = (value) => Math.round(value * this.dpr) / this.dpr;
      this.size = design.size;
      this.origin = [align(fit.left), align(fit.top)];
      Object.assign(this.stage.style, {
        left: this.origin[0] + 'px', top: this.origin[1] + 'px',
        width: design.size[0] + 'px', height: design.size[1] + 'px',
      });
      this.placeArea(this.windowArea, [0, 0, design.size[0], design.size[1]], 0);
      for (const info of design.canvases) {
        const area = this.areas.find((a) => a.name === info.name);
        this.placeArea(area, info.rect, info.border);
      }
      for (const info of design.controls) {
        const control = this.controls.get(info.name);
        control.info = info;
        this.placeControl(control);
      }
      // A window taller than the browser's keeps its scroll bar from then on, so that the bar
      // coming and going cannot change the zoom back and forth.
      const overflows = design.size[1] + this.origin[1] > room[1];
      if (overflows) doc.documentElement.classList.add('scrolls');
      // A window taller than the room scrolls clear of the teacher's bar.
      doc.body.style.height = overflows && this.barShown()
        ? this.origin[1] + design.size[1] + this.barHeight() + 'px' : '';
      this.watchPixelRatio();
      this.repaint(true);
    }

    placeArea(area, rect, border) {
      area.rect = rect;
      area.border = border;
      area.shown = null;
      if (area.canvas) this.sizeCanvas(area);
    }

    sizeCanvas(area) {
      const { canvas, rect } = area;
      const deviceWidth = Math.max(1, Math.round(rect[2] * this.dpr));
      const deviceHeight = Math.max(1, Math.round(rect[3] * this.dpr));
      Object.assign(canvas.style, {
        left: rect[0] + 'px', top: rect[1] + 'px',
        width: deviceWidth / this.dpr + 'px', height: deviceHeight / this.dpr + 'px',
      });
      if (canvas.width !== deviceWidth) canvas.width = deviceWidth;
      if (canvas.height !== deviceHeight) canvas.height = deviceHeight;
      area.shown = null;
    }

    placeControl(control) {
      const { info, element } = control;
      const [left, top, width, height] = info.rect;
      Object.assign(element.style, {
        left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
        font: info.font,
      });
      // Lines a font's height apart, as the design's boxes space them.
      if (element.tagName === 'TEXTAREA') element.style.lineHeight = info.px + 'px';
      // A frame's panel starts below its caption.
      if (info.kind === 'frame') element.lastChild.style.top = Math.round(info.px * 1.3) + 'px';
      this.showControl(control, info.visible, info.kind === 'textbox' ? info.text : info.caption);
    }

    showControl(control, visible, words) {
      const { info, element } = control;
      element.hidden = !visible;
      if (control.words === words) return;
      if (info.kind === 'button') {
        element.textContent = words;
      } else if (info.kind === 'frame') {
        element.firstChild.textContent = words;
      } else {
        const plain = info.multiLine ? words.replace(/\r\n/g, '\n') : words;
        if (element.value !== plain && !control.composing) {
          element.value = plain;
          // A text set by the program shows from its start.
          if (!info.multiLine && doc.activeElement !== element) element.setSelectionRange(0, 0);
        }
        element.setAttribute('aria-label', plain.replace(/\n/g, ''));
      }
      control.words = words;
    }

    // Brings the page up to date after anything the lesson did.
    afterEvent() {
      // Most ticks change only drawings: the controls are gone through again only when their
      // state's text has changed.
      const text = this.call('vec_state', 'string', ['number'], [this.zoom]);
      if (text) {  // "" for the state handed over last time
        this.state = JSON.parse(text);
        if (this.state.caption.trim()) doc.title = this.state.caption.trim();
        for (const [name, [visible, words]] of Object.entries(this.state.controls)) {
          const control = this.controls.get(name);
          if (control) this.showControl(control, visible, words);
        }
      }
      const state = this.state;
      if (state.size[0] !== this.size[0] || state.size[1] !== this.size[1]) {
        this.layOut();
      } else {
        this.repaint(false);
      }
      if (!testMode) this.showBoxes();
      this.reflectPresenter();
      this.schedule();
    }

    deliver(name, types, args) {
      this.call(name, 'number', types.concat('number'), args.concat(this.now()));
      this.afterEvent();
    }

    // Repaints the areas whose drawing changed (all of them after a new layout).
    repaint(force) {
      for (const area of this.areas) {
        const fingerprint = this.call('vec_fingerprint', 'number', ['string'], [area.name]);
        const key = fingerprint + '/' + this.zoom + '/' + this.dpr;
        if (!force && area.shown === key) continue;
        area.shown = key;
        this.paintArea(area);
      }
    }

    paintArea(area) {
      const { border } = area;
      const inner = [area.rect[2] - 2 * border, area.rect[3] - 2 * border];
      const count = this.call('vec_paint', 'number', ['string', 'number', 'number', 'number'],
        [area.name, this.zoom, inner[0], inner[1]]);
      const at = this.call('vec_paint_numbers', 'number', [], []) / 8;
      const numbers = this.core.HEAPF64.slice(at, at + count);
      const stringsText = this.call('vec_paint_strings', 'string', [], []);
      if (stringsText) area.strings = JSON.parse(stringsText);  // "" for the same as last time
      const strings = area.strings;
      if (!area.canvas) {
        const colour = plainColour(numbers, inner);
        if (colour !== null) {
          area.plain = colour;
          this.stage.style.background = colour;
          return;
        }
        this.makeCanvas(area);
      }
      const ctx = area.ctx;
      ctx.setTransform(this.dpr, 0, 0, this.dpr, 0, 0);
      if (border > 0) drawSunkenBorder(ctx, area.rect[2], area.rect[3], border);
      ctx.save();
      ctx.beginPath();
      ctx.rect(border, border, inner[0], inner[1]);
      ctx.clip();
      ctx.translate(border, border);
      const env = { dpr: this.dpr, image, rendered: this.rendered,
        needFont: (font, text) => this.needFont(font, text),
        ascent: (context, font) => this.ascent(context, font), missing: false };
      replay(ctx, numbers, strings, env);
      ctx.restore();
      if (env.missing) picturesLoaded().then(() => this.repaint(true));
    }

    // A font's ascent, once measured (again after fonts have loaded).
    ascent(ctx, font) {
      if (!this.ascents.has(font)) {
        const ascent = ctx.measureText('x').fontBoundingBoxAscent;
        this.ascents.set(font, typeof ascent === 'number' ? ascent : undefined);
      }
      return this.ascents.get(font);
    }

    // Texts on a canvas wait for no font: one not yet loaded is asked for, and the areas are
    // painted again once it has come.
    needFont(font, text) {
      if (!doc.fonts || this.fontsAsked.has(font)) return;
      this.fontsAsked.add(font);
      if (doc.fonts.check(font, text)) return;
      doc.fonts.load(font, text).then(() => {
        this.ascents.clear();
        this.repaint(true);
      }, () => {});
    }

    // While a timer runs, each animation frame delivers the ticks due by then; with none
    // running, a message box up or the lesson paused, no frame is asked for (one already asked
    // for is taken back).
    schedule() {
      if (testMode) return;
      const due = this.boxesUp ? NaN : this.call('vec_next_due', 'number', [], []);
      if (Number.isNaN(due)) {
        if (this.frame) global.cancelAnimationFrame(this.frame);
        this.frame = 0;
        return;
      }
      if (this.frame) return;
      this.frame = global.requestAnimationFrame(() => {
        this.frame = 0;
        if (this.boxesUp) return;
        this.call('vec_advance', null, ['number'], [this.now()]);
        this.afterEvent();
      });
    }

    // ---- Message boxes ----

    makeDialog() {
      const dialog = doc.createElement('dialog');
      dialog.className = 'message-box';
      dialog.setAttribute('aria-labelledby', 'message-box-title');
      const title = doc.createElement('div');
      title.className = 'title';
      title.id = 'message-box-title';
      title.textContent = '提示';
      const text = doc.createElement('p');
      text.className = 'text';
      const row = doc.createElement('form');
      row.method = 'dialog';
      row.className = 'buttons';
      const ok = doc.createElement('button');
      ok.textContent = '确定';
      row.append(ok);
      dialog.append(title, text, row);
      dialog.addEventListener('close', () => this.nextBox());
      doc.body.append(dialog);
      this.boxQueue = [];
      return dialog;
    }

    showBoxes() {
      if (this.boxesUp) return;
      const boxes = JSON.parse(this.call('vec_take_boxes', 'string', ['number'], [this.now()]));
      if (!boxes.length) return;
      this.boxesUp = true;  // the lesson holds until the last one is answered
      this.boxQueue = boxes;
      // Shown once the event that asked for it is over: an Enter still on its way would
      // otherwise press OK at once.
      setTimeout(() => this.nextBox(), 0);
    }

    nextBox() {
      if (!this.boxesUp) return;
      const text = this.boxQueue.shift();
      if (text === undefined) {
        this.boxesUp = false;
        this.call('vec_release', null, ['number'], [this.now()]);
        this.afterEvent();
        return;
      }
      this.dialog.querySelector('.text').textContent = text.replace(/\r\n/g, '\n');
      this.dialog.showModal();
      this.dialog.querySelector('button').focus();
    }

    // ---- Input ----

    listenToPointer(area) {
      const canvas = area.canvas;
      let held = null;  // the pointer that pressed, until it lets go
      const inside = (event) => {
        const box = canvas.getBoundingClientRect();
        return [event.clientX - box.left - area.border, event.clientY - box.top - area.border];
      };
      const mouse = (down, button, event) => {
        const exact = this.testPoint(area, event);
        if (exact) {
          this.deliver('vec_mouse_units',
            ['string', 'number', 'number', 'number', 'number', 'number'],
            [area.name, down ? 1 : 0, button, shiftCode(event), exact[0], exact[1]]);
          return;
        }
        const [x, y] = inside(event);
        this.deliver('vec_mouse',
          ['string', 'number', 'number', 'number', 'number', 'number', 'number'],
          [area.name, down ? 1 : 0, button, shiftCode(event), x, y, this.zoom]);
      };
      canvas.addEventListener('pointerdown', (event) => {
        if (held !== null) return;  // one pointer at a time, as with one mouse
        held = event.pointerId;
        canvas.setPointerCapture(event.pointerId);
        // A finger or a pen acts as the left button.
        mouse(true, event.pointerType === 'mouse' ? buttonCode(event.button) : 1, event);
      });
      canvas.addEventListener('pointermove', (event) => {
        if (event.pointerId !== held) return;  // moves matter only while a button is held
        const buttons = event.pointerType === 'mouse' ? heldCode(event.buttons) : 1;
        if (buttons) mouse(false, buttons, event);
      });
      canvas.addEventListener('pointerup', (event) => {
        if (event.pointerId !== held) return;
        held = null;
        const box = canvas.getBoundingClientRect();
        if (event.clientX >= box.left && event.clientX < box.right && event.clientY >= box.top &&
            event.clientY < box.bottom) {
          this.deliver('vec_click', ['string'], [area.name]);
        }
      });
      canvas.addEventListener('pointercancel', (event) => {
        if (event.pointerId === held) held = null;
      });
      // The press stays with the lesson: no focus change, selection, menu or auto-scroll.
      canvas.addEventListener('mousedown', (event) => event.preventDefault());
      canvas.addEventListener('contextmenu', (event) => event.preventDefault());
      // Nor a paste: on Linux a middle button let go of pastes the last selected text into the
      // box that has the focus, which a press on the surface leaves where it was.
      canvas.addEventListener('mouseup', (event) => {
        if (event.button === 1) event.preventDefault();
      });
      canvas.addEventListener('auxclick', (event) => event.preventDefault());
    }

    listenToTyping(element, info) {
      const control = () => this.controls.get(info.name);
      const typed = () => {
        control().words = null;  // the model's text is read back after the handler
        this.deliver('vec_type', ['string', 'string'], [info.name, element.value]);
      };
      // Text being composed by an input method reaches the lesson only once it is chosen.
      element.addEventListener('compositionstart', () => { control().composing = true; });
      element.addEventListener('compositionend', () => {
        control().composing = false;
        typed();
      });
      element.addEventListener('input', (event) => {
        if (event.isComposing || control().composing) return;
        typed();
      });
      element.addEventListener('keydown', (event) => {
        if (event.isComposing || event.keyCode === 229) return;
        this.deliver('vec_key', ['string', 'number'], [info.name, keyCode(event)]);
      });
    }

    listenToWindow() {
      global.addEventListener('resize', () => this.layOut());
      // Caught on the way down: a teacher's key never reaches a text box as the lesson's key.
      global.addEventListener('keydown', (event) => {
        const action = presenterKey(event);
        if (!action) return;
        event.preventDefault();
        event.stopPropagation();
        if (this.boxesUp) return;  // a message box is answered first
        if (event.repeat && (action === 'pause' || action === 'bar')) return;
        this.present(action);
      }, true);
      doc.addEventListener('keydown', (event) => {
        if (event.ctrlKey && event.shiftKey && !event.altKey && event.code === 'KeyS') {
          event.preventDefault();
          this.savePicture();
        }
      });
      if (doc.fonts) {
        doc.fonts.addEventListener('loadingdone', () => {
          this.ascents.clear();
          this.repaint(true);
        });
      }
    }

    // Moving to a screen of another pixel ratio may not resize the window.
    watchPixelRatio() {
      if (this.ratioQuery) this.ratioQuery.removeEventListener('change', this.ratioListener);
      if (!global.matchMedia) return;
      this.ratioQuery = global.matchMedia('(resolution: ' + this.dpr + 'dppx)');
      this.ratioListener = () => this.layOut();
      this.ratioQuery.addEventListener('change', this.ratioListener);
    }

    // ---- The teacher's controls ----

    paused() {
      return this.call('vec_paused', 'number', [], []) !== 0;
    }

    speed() {
      return this.call('vec_speed', 'number', [], []);
    }

    // Pause or go on, one step (pausing first), slower, faster, or the bar up or away.
    present(action) {
      const now = this.now();
      if (action === 'bar') {
        this.showBar(!this.barShown());
        return;
      }
      if (action === 'pause') {
        this.call(this.paused() ? 'vec_resume' : 'vec_pause', null, ['number'], [now]);
      } else if (action === 'step') {
        if (!this.paused()) this.call('vec_pause', null, ['number'], [now]);
        this.call('vec_step', 'number', [], []);
      } else {
        const speed = nextSpeed(this.speed(), action === 'slower' ? -1 : 1);
        this.call('vec_set_speed', 'number', ['number', 'number'], [speed, now]);
      }
      this.afterEvent();  // what a pause or a step delivered is shown, and frames follow
    }

    // The tab at the bottom edge that brings the bar up, and the corner's note; the bar itself
    // is made only when first asked for, so that the window looks as designed.
    addPresenterMarks() {
      const tab = pageButton('演示控制（F4）', '演示控制', () => this.showBar(true),
        { keepFocus: true });
      tab.className = 'presenter-tab';
      tab.setAttribute('aria-expanded', 'false');
      doc.body.append(tab);
      this.tab = tab;
      const badge = doc.createElement('div');
      badge.className = 'presenter-badge';
      badge.setAttribute('role', 'status');
      doc.body.append(badge);
      this.badge = badge;
    }

    makeBar() {
      const bar = doc.createElement('div');
      bar.className = 'presenter-bar';
      bar.setAttribute('role', 'group');
      bar.setAttribute('aria-label', '演示控制');
      const add = (text, name, title, action) => {
        const button = pageButton(title, name, action, { keepFocus: true });
        button.textContent = text;
        bar.append(button);
        return button;
      };
      this.pauseButton = add('暂停', '', '暂停或继续（F8）', () => this.present('pause'));
      add('单步', '', '单步（F9 或 Page Down）', () => this.present('step'));
      add('慢', '放慢', '放慢（Shift+F8）', () => this.present('slower'));
      this.speedLabel = doc.createElement('span');
      this.speedLabel.className = 'speed';
      this.speedLabel.title = '速度';
      bar.append(this.speedLabel);
      add('快', '加快', '加快（Shift+F9）', () => this.present('faster'));
      const gap = doc.createElement('span');
      gap.className = 'gap';
      bar.append(gap);
      add('收起', '收起演示控制', '收起（F4）', () => this.showBar(false));
      doc.body.insertBefore(bar, this.tab);
      return bar;
    }

    barShown() {
      return this.bar !== null && !this.bar.hidden;
    }

    barHeight() {
      return this.barShown() ? this.bar.offsetHeight : 0;
    }

    showBar(shown) {
      if (shown === this.barShown()) return;
      if (shown && !this.bar) this.bar = this.makeBar();
      // The keyboard follows the bar: onto it from the tab, back to the tab when it goes.
      const focused = doc.activeElement;
      const from = shown ? this.tab : this.bar;
      const keyboard = focused === from || from.contains(focused);
      this.bar.hidden = !shown;
      this.tab.hidden = shown;
      this.tab.setAttribute('aria-expanded', String(shown));
      doc.body.classList.toggle('presenting', shown);
      if (keyboard) (shown ? this.pauseButton : this.tab).focus();
      this.reflectPresenter();
      this.layOut();  // the lesson makes room for the bar below it, or takes the room back
    }

    reflectPresenter() {
      const paused = this.paused(), speed = this.speed();
      const note = badgeText(paused, speed);
      if (this.badge.textContent !== note) this.badge.textContent = note;
      if (!this.bar) return;
      this.pauseButton.textContent = paused ? '继续' : '暂停';
      this.speedLabel.textContent = speedText(speed);
    }

    // ---- Pictures of the lesson ----

    addSaveButton() {
      const button = pageButton('保存图片（Ctrl+Shift+S）', '保存图片', () => this.savePicture());
      button.className = 'save-picture';
      // Drawn, not a character: no face the site carries has an arrow into a tray.
      button.innerHTML =
        '<svg viewBox="0 0 16 16" width="14" height="14" aria-hidden="true">' +
        '<path d="M8 2v8M4.5 6.5 8 10l3.5-3.5M3 13h10" fill="none" stroke="currentColor" ' +
        'stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/></svg>';
      doc.body.append(button);
    }

    // The window as it is shown: its canvases, with the controls drawn simply over them.
    picture() {
      const [width, height] = this.size;
      const out = doc.createElement('canvas');
      out.width = Math.round(width * this.dpr);
      out.height = Math.round(height * this.dpr);
      const ctx = out.getContext('2d');
      ctx.scale(this.dpr, this.dpr);
      for (const area of this.areas) {
        if (!area.canvas) {
          ctx.fillStyle = area.plain || this.stage.style.background;
          ctx.fillRect(area.rect[0], area.rect[1], area.rect[2], area.rect[3]);
          continue;
        }
        ctx.drawImage(area.canvas, area.rect[0], area.rect[1], area.canvas.width / this.dpr,
          area.canvas.height / this.dpr);
      }
      const stacked = [...this.controls.values()].sort((x, y) =>
        (x.info.kind === 'frame' ? 0 : 1) - (y.info.kind === 'frame' ? 0 : 1));
      for (const control of stacked) {
        if (!control.element.hidden) drawControl(ctx, control);
      }
      return out;
    }

    savePicture() {
      this.picture().toBlob((blob) => {
        if (!blob) return;
        const link = doc.createElement('a');
        link.href = URL.createObjectURL(blob);
        link.download = this.program + '.png';
        doc.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
      }, 'image/png');
    }

    // ---- The test hook ----

    // A pointer event where the test hook placed a point in units gets that point itself: the
    // browser carries positions in single precision, which would shift it in the last digits.
    testPoint(area, event) {
      if (!this.testPoints) return null;
      for (const point of this.testPoints) {
        if (point.area === area && Math.abs(point.clientX - event.clientX) < 0.01 &&
            Math.abs(point.clientY - event.clientY) < 0.01) {
          return [point.x, point.y];
        }
      }
      return null;
    }

    whenShown() {
      const fonts = doc.fonts ? doc.fonts.ready : Promise.resolve();
      return Promise.all([picturesLoaded(), fonts]).then(() => {
        this.repaint(true);
        if (testMode) this.exposeTestHook();
      });
    }

    exposeTestHook() {
      const hook = global.vectorsTest;
      // A line of a driver's script, one character a byte: the lesson reads it and carries out
      // the clock, the teacher's controls and dumps; the pupil's input comes back for the driver
      // to give as real input (kit/web/hookline.h says the answer's form).
      hook.line = (text) => {
        const bytes = new Uint8Array(text.length);
        for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
        const answer = JSON.parse(
          this.call('vec_script', 'string', ['array', 'number'], [bytes, bytes.length]));
        if (answer.ran) this.afterEvent();
        return answer;
      };
      // The page's own marks (the save button, the teacher's tab and badge) hidden or shown
      // again, for a picture of the lesson alone.
      hook.picturing = (on) => {
        doc.body.classList.toggle('picturing', Boolean(on));
      };
      hook.unitsToClient = (x, y) => {
        const area = this.areas.find((a) => a.name === 'Picture1');
        const text = area && this.call('vec_to_pixels', 'string',
          ['string', 'number', 'number', 'number'], ['Picture1', Number(x), Number(y), this.zoom]);
        if (!text) throw new Error('this window has no Picture1');
        const [px, py] = JSON.parse(text);
        const box = area.canvas.getBoundingClientRect();
        const point = { clientX: box.left + area.border + px, clientY: box.top + area.border + py };
        this.testPoints = [{ area, x: Number(x), y: Number(y), ...point }]
          .concat((this.testPoints || []).slice(0, 63));
        return point;
      };
    }
  }

  // One of the page's own buttons (not the lesson's): its tooltip, its accessible name (none
  // for its text alone) and what a click does. One that keeps the focus leaves the keyboard with
  // the lesson's controls when clicked; Tab still reaches it.
  function pageButton(title, label, action, { keepFocus = false } = {}) {
    const button = doc.createElement('button');
    button.type = 'button';
    button.title = title;
    if (label) button.setAttribute('aria-label', label);
    if (keepFocus) button.addEventListener('mousedown', (event) => event.preventDefault());
    button.addEventListener('click', action);
    return button;
  }

  // A sunken border: dark outside, darker inside on the top and left, light below and right.
  function drawSunkenBorder(ctx, width, height, b) {
    const half = Math.max(1, Math.floor(b / 2));
    const fill = (colour, x, y, w, h) => {
      ctx.fillStyle = colour;
      ctx.fillRect(x, y, w, h);
    };
    fill('#a0a0a0', 0, 0, width, half);
    fill('#a0a0a0', 0, 0, half, height);
    fill('#696969', half, half, width - half, b - half);
    fill('#696969', half, half, b - half, height - half);
    fill('#ffffff', 0, height - half, width, half);
    fill('#ffffff', width - half, 0, half, height);
    fill('#e3e3e3', b - half, height - b, width - b, half);
    fill('#e3e3e3', width - b, b - half, half, height - b);
  }

  // A control in a saved picture: its face, its border and its words.
  function drawControl(ctx, control) {
    const { info, element } = control;
    const [x, y, w, h] = info.rect;
    const style = global.getComputedStyle(element);
    ctx.save();
    ctx.font = info.font;
    ctx.textBaseline = 'middle';
    if (info.kind === 'frame') {
      const top = y + Math.round(info.px * 1.3);
      ctx.fillStyle = 'rgba(0, 0, 0, 0.012)';
      ctx.fillRect(x, top, w, y + h - top);
      ctx.strokeStyle = 'rgba(0, 0, 0, 0.09)';
      ctx.lineWidth = 1;
      ctx.strokeRect(x + 0.5, top + 0.5, w - 1, y + h - top - 1);
      ctx.fillStyle = style.color;
      ctx.textBaseline = 'top';
      ctx.fillText(element.firstChild.textContent, x + 2, y + 0.15 * info.px);
    } else if (info.kind === 'button') {
      ctx.fillStyle = style.backgroundColor;
      ctx.fillRect(x, y, w, h);
      ctx.strokeStyle = '#8c8c8c';
      ctx.lineWidth = 1;
      ctx.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
      ctx.fillStyle = style.color;
      ctx.textAlign = 'center';
      ctx.fillText(element.textContent, x + w / 2, y + h / 2);
    } else {
      ctx.fillStyle = info.back;
      ctx.fillRect(x, y, w, h);
      if (info.border) {
        ctx.strokeStyle = '#7a7a7a';
        ctx.lineWidth = 1;
        ctx.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
      }
      ctx.beginPath();
      ctx.rect(x, y, w, h);
      ctx.clip();
      ctx.fillStyle = info.fore;
      if (info.multiLine) {
        ctx.textBaseline = 'top';
        element.value.split('\n').forEach((line, row) => {
          ctx.fillText(line, x + 3, y + 2 + row * info.px);
        });
      } else {
        ctx.fillText(element.value, x + 3, y + h / 2);
      }
    }
    ctx.restore();
  }

  if (doc.readyState === 'loading') {
    doc.addEventListener('DOMContentLoaded', start);
  } else {
    start();
  }
})(typeof window !== 'undefined' ? window : globalThis);

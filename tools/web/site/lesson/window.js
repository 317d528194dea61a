// The lesson's window as HTML: the stage, a canvas per drawing area, an element per button,
// text box and frame (in the kit's tab order; the style sheet puts frames behind the rest, as the
// kit stacks them), all placed for the current browser window at the zoom the module fits, made
// larger by the teacher's Ctrl+= and by the browser's own zoom.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class LessonWindow {
    constructor(page) {
      this.page = page;
      this.zoom = 1;
      this.dpr = global.devicePixelRatio || 1;
      // The browser's zoom is the pixel ratio against the one the page opened with; Ctrl+=,
      // Ctrl+- and Ctrl+0 ask for a zoom of their own (the kit's steps). Both enlarge the fit.
      this.openingRatio = this.dpr;
      this.asked = 1;
      this.readings = [];  // { boxes, element }: read-only boxes read as one text
      this.controls = new Map();  // name -> { info, element, words }
      // { name, canvas, ctx, rect, border, shown, lazy, plain, strings }: a lazy area has no
      // canvas while its drawing is only its colour (plain).
      this.areas = [];
      this.size = [0, 0];
      this.stacking = [];  // the controls' names, the rearmost first
    }

    describe() {
      return JSON.parse(this.page.call('vec_describe', 'string', ['number'], [this.zoom]));
    }

    fit(room) {
      const enlarged = this.asked * (global.devicePixelRatio || 1) / this.openingRatio;
      return JSON.parse(this.page.call('vec_fit', 'string', ['number', 'number', 'number'],
        room.concat(enlarged)));
    }

    // Ctrl+= (1), Ctrl+- (-1) or Ctrl+0 (0): the next of the kit's steps, or the fit again.
    zoomBy(direction) {
      const asked = direction === 0 ? 1
        : this.page.call('vec_zoom_step', 'number', ['number', 'number'], [this.asked, direction]);
      if (asked === this.asked) return;
      this.asked = asked;
      this.layOut();
    }

    // The page's drawing room: the browser window less any scroll bar and the teacher's bar.
    room() {
      const root = doc.documentElement;
      const height = (root.clientHeight || global.innerHeight) - this.page.presenter.barHeight();
      return [root.clientWidth || global.innerWidth, Math.max(1, height)];
    }

    // Makes the window's elements; gives the design and the room it was fitted to.
    build() {
      doc.body.className = 'lesson-page';
      this.stage = doc.createElement('div');
      this.stage.className = 'stage';
      doc.body.append(this.stage);
      // Measured once, before the window's elements are there: each measure after a change
      // lays the whole page out again, which a first frame cannot afford.
      const room = this.room();
      this.zoom = this.fit(room).zoom;
      const design = this.describe();
      this.stage.style.background = design.back;

      // The window's own drawing gets a canvas only once it is more than its colour, which the
      // stage already shows: a canvas the size of the window costs a page's first frame dearly.
      this.windowArea = this.addArea('Form', 'window-canvas', { lazy: true });
      for (const info of design.canvases) {
        const area = this.addArea(info.name, 'surface');
        area.canvas.id = info.name;
        // A Tab stop its keyboard pointer answers (the arrows, Space, Enter and letters).
        area.canvas.tabIndex = 0;
        area.canvas.setAttribute('role', 'application');
        area.canvas.setAttribute('aria-label', '绘图区');
        if (design.description) area.canvas.setAttribute('aria-description', design.description);
        this.page.input.listenToPointer(area);
        this.page.input.listenToPointerKeys(area);
      }
      // On the page in the order Tab reaches them; the design lists them rearmost first (the
      // style sheet puts frames behind the rest as the kit does: a z-index of each control's
      // own changes how Chromium rasterises the buttons' texts).
      this.stacking = design.controls.map((info) => info.name);
      const byName = new Map(design.controls.map((info) => [info.name, info]));
      const tabOrder = JSON.parse(this.page.call('vec_tab_order', 'string', [], []));
      for (const name of tabOrder) this.addControl(byName.get(name));
      for (const boxes of design.readings) this.addReading(boxes);
      // The surfaces come after the controls in Tab order, so the first focus and the controls'
      // order stay as they were; the style sheet's z-index keeps them behind the controls.
      const surfaces = this.areas.filter((area) => area !== this.windowArea);
      for (const area of surfaces) this.stage.append(area.canvas);
      this.page.figure.build(this.stage, surfaces);
      return { design, room };
    }

    // Screen readers meet read-only boxes as one text each reading (用时 00:3:42), where the
    // first of its boxes stands on the page; the boxes themselves are not in the tree, so a
    // clock's ticks change nothing a reader hears unasked.
    addReading(boxes) {
      const element = doc.createElement('span');
      element.className = 'reading';
      const first = [...this.stage.children].find((child) => boxes.includes(child.id));
      this.stage.insertBefore(element, first || null);
      this.readings.push({ boxes, element });
    }

    showReadings(texts) {
      this.readings.forEach((reading, index) => {
        const text = texts[index] || '';
        if (reading.element.textContent !== text) reading.element.textContent = text;
        reading.element.hidden = !text;
      });
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
        element.addEventListener('click',
          () => this.page.deliver('vec_click', ['string'], [info.name]));
      } else if (info.kind === 'frame') {
        element = doc.createElement('fieldset');
        element.className = 'control frame';
        const panel = doc.createElement('div');
        panel.className = 'panel';
        const legend = doc.createElement('legend');
        legend.id = info.name + '-caption';  // the name of a box that lies in the frame
        element.append(legend, panel);
      } else {
        element = doc.createElement(info.multiLine ? 'textarea' : 'input');
        element.className = 'control textbox' + (info.border ? '' : ' borderless');
        if (!info.multiLine) element.type = 'text';
        if (info.multiLine) element.wrap = info.wordWrap ? 'soft' : 'off';
        element.readOnly = info.readOnly;
        if (!info.takesFocus) element.tabIndex = -1;  // the kit's rule of Tab stops
        if (info.readOnly) element.setAttribute('aria-hidden', 'true');  // read as text instead
        if (info.label) element.setAttribute('aria-labelledby', info.label + '-caption');
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.style.background = info.back;
        element.style.color = info.fore;
        this.page.input.listenToTyping(element, info);
      }
      element.id = info.name;
      this.stage.append(element);
      this.controls.set(info.name, { info, element, words: null });
    }

    // Places everything for the current browser window: the zoom that fits the designed window,
    // the window centred (a taller one scrolls), sharp canvases at the device's pixel ratio.
    layOut(design, room = this.room()) {
      this.dpr = global.devicePixelRatio || 1;
      const fit = this.fit(room);
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
      // Zoomed past the browser window's width, the lesson scrolls sideways too.
      doc.documentElement.classList.toggle('wide', design.size[0] > room[0]);
      // A window taller than the room scrolls clear of the teacher's bar.
      const presenter = this.page.presenter;
      doc.body.style.height = overflows && presenter.barShown()
        ? this.origin[1] + design.size[1] + presenter.barHeight() + 'px' : '';
      // The page's own marks go in a row below a window that leaves room for them.
      doc.body.classList.toggle('room-below', room[1] - this.origin[1] - design.size[1] >= 44);
      this.watchPixelRatio();
      this.page.painter.repaint(true);
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

    // A control fitted smaller than a classroom screen's fit (about twice the design's size) is
    // laid out at that fit and shrunk as a whole, its border and padding with it: else a phone's
    // clock boxes keep their frames and lose their digits.
    placeControl(control) {
      const { info, element } = control;
      const [left, top, width, height] = info.rect;
      const scale = Math.min(1, this.zoom / 2);
      Object.assign(element.style, {
        left: left + 'px', top: top + 'px', width: width / scale + 'px',
        height: height / scale + 'px', font: info.font,
        transform: scale < 1 ? 'scale(' + scale + ')' : '', transformOrigin: scale < 1 ? '0 0' : '',
      });
      if (scale < 1) element.style.fontSize = info.px / scale + 'px';
      // The focus ring stays 2 px to the eye however the control is shrunk.
      element.style.setProperty('--ring', 2 / scale + 'px');
      // Lines a font's height apart, as the design's boxes space them.
      if (element.tagName === 'TEXTAREA') {
        element.style.lineHeight = this.lineSpacing(info, element, scale) + 'px';
      }
      // A frame's panel starts below its caption.
      if (info.kind === 'frame') {
        element.lastChild.style.top = Math.round(info.px * 1.3) / scale + 'px';
      }
      this.showControl(control, info.visible, info.kind === 'textbox' ? info.text : info.caption);
    }

    // A font's height, or less where a box's lines would not fit in it: the last line may give
    // only its bottom eighth (below the glyphs) to the box's edge, as the design's tight boxes do
    // at every zoom once their border and padding are taken off. In the box's own pixels.
    lineSpacing(info, element, scale) {
      const px = info.px / scale;
      if (info.wordWrap) return px;
      const rows = info.text.replace(/(\r?\n)+$/, '').split('\n').length;
      const style = global.getComputedStyle(element);
      const frame = ['borderTopWidth', 'borderBottomWidth', 'paddingTop', 'paddingBottom']
        .reduce((sum, side) => sum + parseFloat(style[side]), 0);
      return Math.min(px, (info.rect[3] / scale - frame + px / 8) / rows);
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
        // Named by its text only where no frame names it and it is not read as text.
        if (!info.label && !info.readOnly) {
          element.setAttribute('aria-label', plain.replace(/\n/g, ''));
        }
      }
      control.words = words;
    }

    // Moving to a screen of another pixel ratio may not resize the window.
    watchPixelRatio() {
      if (this.ratioQuery) this.ratioQuery.removeEventListener('change', this.ratioListener);
      if (!global.matchMedia) return;
      this.ratioQuery = global.matchMedia('(resolution: ' + this.dpr + 'dppx)');
      this.ratioListener = () => this.layOut();
      this.ratioQuery.addEventListener('change', this.ratioListener);
    }
  }

  parts.LessonWindow = LessonWindow;
})(window);

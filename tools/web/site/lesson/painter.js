// Paints the window's drawing areas from the module's command lists when their drawing has
// changed: the lessons' pictures decoded once from their embedded data, the fonts a text needs
// asked for and the areas painted again once they have come.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  // The pictures the lessons draw, from their embedded data, decoded once. A browser reads an
  // embedded SVG at once, in the task that asks for it, and that costs tens of milliseconds: the
  // data is given to the images only after the window's first frame has been painted (the areas
  // are painted again when the pictures have come).
  const images = new Map();
  let firstFrame = null;  // when the first frame has been painted
  function afterFirstFrame() {
    if (!firstFrame) {
      firstFrame = new Promise((resolve) => {
        if (typeof global.requestAnimationFrame !== 'function') return resolve();
        // A task queued in a frame's callback runs after that frame is painted.
        global.requestAnimationFrame(() => global.setTimeout(resolve, 0));
      });
    }
    return firstFrame;
  }
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
      afterFirstFrame().then(() => { img.src = data; });
      images.set(file, entry);
    }
    return entry.loaded ? entry.img : null;
  }
  function picturesLoaded() {
    return Promise.all([...images.values()].map((entry) => entry.done));
  }

  function allFacesLoaded() {
    if (!doc.fonts.forEach) return false;
    let all = true;
    doc.fonts.forEach((face) => { if (face.status !== 'loaded') all = false; });
    return all;
  }

  class Painter {
    constructor(page) {
      this.page = page;
      this.drawing = parts.replayer(page.rules.drawing);
      this.fontsAsked = new Set();
      this.stale = false;  // something was drawn before its font or picture had come
      this.ascents = new Map();
      this.rendered = parts.renderedPictures((width, height) => {
        const canvas = doc.createElement('canvas');
        canvas.width = width;
        canvas.height = height;
        return canvas;
      });
    }

    // Repaints the areas whose drawing changed (all of them after a new layout).
    repaint(force) {
      const win = this.page.window;
      for (const area of win.areas) {
        const fingerprint = this.page.call('vec_fingerprint', 'number', ['string'], [area.name]);
        const key = fingerprint + '/' + win.zoom + '/' + win.dpr;
        if (!force && area.shown === key) continue;
        area.shown = key;
        this.paintArea(area);
      }
    }

    paintArea(area) {
      const page = this.page, win = page.window, dpr = win.dpr;
      const { border } = area;
      const inner = [area.rect[2] - 2 * border, area.rect[3] - 2 * border];
      const count = page.call('vec_paint', 'number', ['string', 'number', 'number', 'number'],
        [area.name, win.zoom, inner[0], inner[1]]);
      const at = page.call('vec_paint_numbers', 'number', [], []) / 8;
      const numbers = page.core.HEAPF64.slice(at, at + count);
      const stringsText = page.call('vec_paint_strings', 'string', [], []);
      if (stringsText) area.strings = JSON.parse(stringsText);  // "" for the same as last time
      const strings = area.strings;
      if (!area.canvas) {
        const colour = this.drawing.plainColour(numbers, inner);
        if (colour !== null) {
          area.plain = colour;
          win.stage.style.background = colour;
          return;
        }
        win.makeCanvas(area);
      }
      const ctx = area.ctx;
      ctx.setTransform(dpr, 0, 0, dpr, 0, 0);
      if (border > 0) drawSunkenBorder(ctx, area.rect[2], area.rect[3], border);
      ctx.save();
      ctx.beginPath();
      ctx.rect(border, border, inner[0], inner[1]);
      ctx.clip();
      ctx.translate(border, border);
      const env = { dpr, image, rendered: this.rendered,
        needFont: (font, text) => this.needFont(font, text),
        ascent: (context, font) => this.ascent(context, font), missing: false };
      this.drawing.replay(ctx, numbers, strings, env);
      ctx.restore();
      if (env.missing) {
        this.stale = true;
        picturesLoaded().then(() => this.repaint(true));
      }
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
      // With every face of the page's sheet loaded nothing can be missing; check() would ask
      // the system for each family of the list it has no face for, tens of milliseconds.
      if (allFacesLoaded() || doc.fonts.check(font, text)) return;
      this.stale = true;
      doc.fonts.load(font, text).then(() => this.fontsCame(), () => {});
    }

    // Fonts that came since: measured again, everything painted again.
    fontsCame() {
      this.ascents.clear();
      this.repaint(true);
    }
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

  Object.assign(parts, { Painter, image, picturesLoaded, afterFirstFrame });
})(window);

// A number pad for a lesson's number box on a board without a keyboard: a touch or a pen on the
// box brings it up beside the lesson (never over it); each key changes the box's text as typing
// would, 确定 is Enter, and a touch anywhere else sends it away.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;
  const keys = ['7', '8', '9', '4', '5', '6', '1', '2', '3', '-', '0', '.'];

  class NumberPad {
    constructor(page) {
      this.page = page;
      this.box = null;
      this.pad = null;
      doc.addEventListener('pointerdown', (event) => {
        if (!this.box || event.target === this.box || this.pad.contains(event.target)) return;
        this.hide();
      }, true);
      global.addEventListener('resize', () => this.place());
    }

    // Offered on a box that takes numbers: a touch or pen press on it shows the pad, and the
    // system keyboard stays down while the pad is up.
    offer(element) {
      element.addEventListener('pointerdown', (event) => {
        if (event.pointerType === 'touch' || event.pointerType === 'pen') this.show(element);
      });
    }

    show(element) {
      if (!this.pad) this.make();
      if (this.box && this.box !== element) this.box.removeAttribute('inputmode');
      this.box = element;
      element.setAttribute('inputmode', 'none');
      this.pad.hidden = false;
      this.place();
    }

    hide() {
      if (!this.box) return;
      this.box.removeAttribute('inputmode');
      this.box = null;
      this.pad.hidden = true;
    }

    make() {
      const pad = doc.createElement('div');
      pad.className = 'number-pad';
      pad.setAttribute('role', 'group');
      pad.setAttribute('aria-label', '数字键盘');
      const add = (label, name, act) => {
        const button = doc.createElement('button');
        button.type = 'button';
        button.textContent = label;
        if (name) button.setAttribute('aria-label', name);
        // The box keeps the focus and its caret: the key acts where typing would.
        button.addEventListener('pointerdown', (event) => event.preventDefault());
        button.addEventListener('mousedown', (event) => event.preventDefault());
        button.addEventListener('click', () => { if (this.box && !this.page.boxes.up) act(this.box); });
        pad.append(button);
      };
      for (const key of keys) add(key, '', (box) => this.insert(box, key));
      add('←', '退格', (box) => this.erase(box));
      add('确定', '确定', (box) => this.enter(box));
      doc.body.append(pad);
      this.pad = pad;
    }

    insert(box, text) {
      const start = box.selectionStart ?? box.value.length, end = box.selectionEnd ?? start;
      box.setRangeText(text, start, end, 'end');
      box.dispatchEvent(new global.Event('input', { bubbles: true }));
    }

    erase(box) {
      const end = box.selectionEnd ?? box.value.length;
      const start = box.selectionStart === end ? Math.max(0, end - 1) : box.selectionStart ?? end;
      if (start === end) return;  // nothing before the caret: typing's backspace changes nothing
      box.setRangeText('', start, end, 'end');
      box.dispatchEvent(new global.Event('input', { bubbles: true }));
    }

    enter(box) {
      const options = { key: 'Enter', code: 'Enter', keyCode: 13, which: 13, bubbles: true };
      box.dispatchEvent(new global.KeyboardEvent('keydown', options));
    }

    // Beside the drawing surface, never over it nor over the box: the first place that fits in
    // the browser window to the surface's right, its left or below it, next to the box.
    place() {
      if (!this.pad || this.pad.hidden) return;
      const surfaces = [...doc.querySelectorAll('canvas.surface')].map((c) => c.getBoundingClientRect());
      if (!surfaces.length) return;
      const area = {
        left: Math.min(...surfaces.map((r) => r.left)), top: Math.min(...surfaces.map((r) => r.top)),
        right: Math.max(...surfaces.map((r) => r.right)), bottom: Math.max(...surfaces.map((r) => r.bottom)),
      };
      const box = this.box.getBoundingClientRect();
      const width = this.pad.offsetWidth, height = this.pad.offsetHeight, gap = 8;
      const roomW = global.innerWidth, roomH = global.innerHeight;
      const clampTop = (top) => Math.max(0, Math.min(top, roomH - height));
      const candidates = [
        [area.right + gap, clampTop(box.bottom + gap)],
        [area.right + gap, clampTop(box.top - gap - height)],
        [area.left - gap - width, clampTop(box.top)],
        [Math.max(0, Math.min(box.left, roomW - width)), area.bottom + gap],
      ];
      const overlaps = (left, top, r) =>
        left < r.right && left + width > r.left && top < r.bottom && top + height > r.top;
      const fits = ([left, top]) => left >= 0 && top >= 0 && left + width <= roomW &&
        top + height <= roomH && !overlaps(left, top, area) && !overlaps(left, top, box);
      const [left, top] = candidates.find(fits) || candidates[0];
      this.pad.style.left = `${left + global.scrollX}px`;
      this.pad.style.top = `${top + global.scrollY}px`;
    }
  }

  parts.NumberPad = NumberPad;
})(window);

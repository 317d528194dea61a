// The figure for the keyboard and for screen readers: each drawing area's crosshair (the
// keyboard pointer's place, drawn over the canvas and never into it), the figure's lines in a
// visually hidden list under the areas, and one polite live region for what changed.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class FigureWords {
    constructor(page) {
      this.page = page;
      this.crosshairs = new Map();  // area name -> element
    }

    // The crosshairs, the list and the live region, at the stage's end after the areas (the
    // list is not the areas' aria-describedby, which would hide the lesson's own description).
    build(stage, areas) {
      for (const area of areas) {
        const mark = doc.createElement('div');
        mark.className = 'crosshair';
        mark.hidden = true;
        mark.setAttribute('aria-hidden', 'true');
        stage.append(mark);
        this.crosshairs.set(area.name, mark);
        area.canvas.addEventListener('focus', () => this.showPointer(area));
        area.canvas.addEventListener('blur', () => {
          mark.hidden = true;
          this.page.call('vec_pointer_leave', null, ['string'], [area.name]);
          this.update();
        });
      }
      this.list = doc.createElement('ul');
      this.list.className = 'figure-words';
      this.list.setAttribute('aria-label', '图形');
      this.said = doc.createElement('div');
      this.said.className = 'figure-words';
      this.said.setAttribute('aria-live', 'polite');
      stage.append(this.list, this.said);
    }

    // After any event or tick; `settled` when a press was let go outside every area.
    update(settled = false) {
      const text = this.page.call('vec_figure', 'string', ['number'], [settled ? 1 : 0]);
      if (!text) return;
      const { lines, say } = JSON.parse(text);
      const items = this.list.children;
      lines.forEach((line, i) => {
        if (!items[i]) this.list.append(doc.createElement('li'));
        if (items[i].textContent !== line) items[i].textContent = line;
      });
      while (items.length > lines.length) this.list.lastChild.remove();
      if (say) this.said.textContent = say;
      for (const area of this.page.window.areas) {
        if (area.canvas && doc.activeElement === area.canvas) this.showPointer(area);
      }
    }

    showPointer(area) {
      const mark = this.crosshairs.get(area.name);
      if (!mark) return;
      const text = this.page.call('vec_pointer', 'string', ['string', 'number'],
        [area.name, this.page.window.zoom]);
      if (!text) return;
      const at = JSON.parse(text);
      mark.hidden = false;
      mark.classList.toggle('held', at.held);
      mark.style.left = area.rect[0] + area.border + at.x + 'px';
      mark.style.top = area.rect[1] + area.border + at.y + 'px';
    }
  }

  parts.FigureWords = FigureWords;
})(window);

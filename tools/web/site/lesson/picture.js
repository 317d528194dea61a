// Pictures of the lesson for the teacher: the save button and Ctrl+Shift+S write the window as
// shown (its canvases, with the controls drawn simply over them in the kit's stacking) to a PNG.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class LessonPicture {
    constructor(page) {
      this.page = page;
      const button = parts.pageButton('保存图片（Ctrl+Shift+S）', '保存图片', () => this.save());
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
      const win = this.page.window, dpr = win.dpr;
      const [width, height] = win.size;
      const out = doc.createElement('canvas');
      out.width = Math.round(width * dpr);
      out.height = Math.round(height * dpr);
      const ctx = out.getContext('2d');
      ctx.scale(dpr, dpr);
      for (const area of win.areas) {
        if (!area.canvas) {
          ctx.fillStyle = area.plain || win.stage.style.background;
          ctx.fillRect(area.rect[0], area.rect[1], area.rect[2], area.rect[3]);
          continue;
        }
        ctx.drawImage(area.canvas, area.rect[0], area.rect[1], area.canvas.width / dpr,
          area.canvas.height / dpr);
      }
      for (const name of win.stacking) {
        const control = win.controls.get(name);
        if (!control.element.hidden) drawControl(ctx, control);
      }
      return out;
    }

    save() {
      this.picture().toBlob((blob) => {
        if (!blob) return;
        const link = doc.createElement('a');
        link.href = URL.createObjectURL(blob);
        link.download = this.page.program + '.png';
        doc.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
      }, 'image/png');
    }
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
        // Spaced as the page spaces them (the box may be laid out larger and shrunk).
        const spacing = parseFloat(style.lineHeight) * info.px / parseFloat(style.fontSize);
        shownLines(element, style).forEach((line, row) => {
          ctx.fillText(line, x + 3, y + 2 + row * spacing);
        });
      } else {
        ctx.fillText(element.value, x + 3, y + h / 2);
      }
    }
    ctx.restore();
  }

  // A box's text in the lines the page shows: a box that wraps has its text laid out again in a
  // hidden copy of it, a line starting at each character that the browser puts lower.
  function shownLines(element, style) {
    const text = element.value;
    if (element.wrap !== 'soft') return text.split('\n');
    const copy = doc.createElement('div');
    for (const name of ['font', 'lineHeight', 'letterSpacing', 'wordBreak', 'overflowWrap',
      'lineBreak', 'textIndent', 'tabSize']) {
      copy.style[name] = style[name];
    }
    const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    Object.assign(copy.style, { position: 'absolute', left: '0', top: '0', visibility: 'hidden',
      whiteSpace: 'pre-wrap', width: element.clientWidth - padding + 'px' });
    const node = doc.createTextNode(text);
    copy.append(node);
    doc.body.append(copy);
    const range = doc.createRange();
    const lines = [];
    let start = 0, top = null;
    for (let i = 0; i < text.length; ++i) {
      if (text[i] === '\n') {
        lines.push(text.slice(start, i));
        start = i + 1;
        top = null;
        continue;
      }
      range.setStart(node, i);
      range.setEnd(node, i + 1);
      const box = range.getClientRects()[0];
      if (!box) continue;
      if (top !== null && box.top > top + box.height / 2) {
        lines.push(text.slice(start, i));
        start = i;
      }
      if (top === null || box.top > top + box.height / 2) top = box.top;
    }
    lines.push(text.slice(start));
    copy.remove();
    return lines;
  }

  parts.LessonPicture = LessonPicture;
})(window);

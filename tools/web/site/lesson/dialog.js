// The lesson's message boxes: shown one after another in a modal dialog with 提示 and 确定,
// the lesson held (no ticks, no frames) until the last one is answered. Browsers without
// <dialog> (Safari before 15.4, Firefox before 98) get a box of their own placed above a veil
// that holds the pointer, answered the same way.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class MessageBoxes {
    constructor(page) {
      this.page = page;
      this.up = false;
      this.queue = [];
      const native = typeof global.HTMLDialogElement === 'function' &&
        typeof global.HTMLDialogElement.prototype.showModal === 'function';
      const dialog = doc.createElement(native ? 'dialog' : 'div');
      dialog.className = 'message-box';
      dialog.setAttribute('aria-labelledby', 'message-box-title');
      const title = doc.createElement('div');
      title.className = 'title';
      title.id = 'message-box-title';
      title.textContent = '提示';
      const text = doc.createElement('p');
      text.className = 'text';
      const row = doc.createElement(native ? 'form' : 'div');
      if (native) row.method = 'dialog';
      row.className = 'buttons';
      const ok = doc.createElement('button');
      ok.textContent = '确定';
      row.append(ok);
      dialog.append(title, text, row);
      if (native) {
        dialog.addEventListener('close', () => this.next());
        this.open = () => dialog.showModal();
      } else {
        this.fallback(dialog, ok);
      }
      doc.body.append(dialog);
      this.dialog = dialog;
    }

    // The box without <dialog>: hidden until shown, centred above a veil; OK, Enter, Space and
    // Escape answer it, and Tab stays on OK, as in a modal dialog.
    fallback(box, ok) {
      const veil = doc.createElement('div');
      veil.className = 'message-box-veil';
      veil.style.cssText = 'position:fixed;top:0;right:0;bottom:0;left:0;z-index:1000;' +
        'background:rgba(0,0,0,0.25);display:none';
      box.setAttribute('role', 'dialog');
      box.setAttribute('aria-modal', 'true');
      box.style.cssText = 'position:fixed;top:50%;left:50%;z-index:1001;display:none;' +
        '-webkit-transform:translate(-50%,-50%);transform:translate(-50%,-50%)';
      ok.type = 'button';
      const answer = () => {
        if (box.style.display === 'none') return;
        box.style.display = veil.style.display = 'none';
        this.next();
      };
      ok.addEventListener('click', answer);
      box.addEventListener('keydown', (event) => {
        if (event.key === 'Escape' || event.key === 'Esc') answer();
        else if (event.key !== 'Tab') return;
        event.preventDefault();
        ok.focus();
      });
      doc.body.append(veil);
      this.open = () => {
        veil.style.display = box.style.display = 'block';
      };
    }

    show() {
      if (this.up) return;
      const boxes = JSON.parse(this.page.call('vec_take_boxes', 'string', ['number'],
        [this.page.now()]));
      if (!boxes.length) return;
      this.up = true;  // the lesson holds until the last one is answered
      this.queue = boxes;
      // Shown once the event that asked for it is over: an Enter still on its way would
      // otherwise press OK at once.
      setTimeout(() => this.next(), 0);
    }

    next() {
      if (!this.up) return;
      const text = this.queue.shift();
      if (text === undefined) {
        this.up = false;
        this.page.call('vec_release', null, ['number'], [this.page.now()]);
        this.page.afterEvent();
        return;
      }
      this.dialog.querySelector('.text').textContent = text.replace(/\r\n/g, '\n');
      this.open();
      this.dialog.querySelector('button').focus();
    }
  }

  parts.MessageBoxes = MessageBoxes;
})(window);

// The lesson's message boxes: shown one after another in a modal dialog with 提示 and 确定,
// the lesson held (no ticks, no frames) until the last one is answered.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class MessageBoxes {
    constructor(page) {
      this.page = page;
      this.up = false;
      this.queue = [];
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
      dialog.addEventListener('close', () => this.next());
      doc.body.append(dialog);
      this.dialog = dialog;
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
      this.dialog.showModal();
      this.dialog.querySelector('button').focus();
    }
  }

  parts.MessageBoxes = MessageBoxes;
})(window);

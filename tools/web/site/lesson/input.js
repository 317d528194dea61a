// The pupil's and the teacher's input: pointer presses, drags and clicks on a drawing area (a
// finger as the left button), typing and keys in the text boxes, the teacher's keys, the
// picture's shortcut, and the browser window's resizing and late fonts.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class PageInput {
    constructor(page) {
      this.page = page;
    }

    listenToPointer(area) {
      const page = this.page, codes = page.codes;
      const canvas = area.canvas;
      let held = null;  // the pointer that pressed, until it lets go
      const inside = (event) => {
        const box = canvas.getBoundingClientRect();
        return [event.clientX - box.left - area.border, event.clientY - box.top - area.border];
      };
      const mouse = (down, button, event) => {
        const exact = parts.testHook.exactPoint(area, event);
        if (exact) {
          page.deliver('vec_mouse_units',
            ['string', 'number', 'number', 'number', 'number', 'number'],
            [area.name, down ? 1 : 0, button, codes.shiftCode(event), exact[0], exact[1]]);
          return;
        }
        const [x, y] = inside(event);
        page.deliver('vec_mouse',
          ['string', 'number', 'number', 'number', 'number', 'number', 'number'],
          [area.name, down ? 1 : 0, button, codes.shiftCode(event), x, y, page.window.zoom]);
      };
      canvas.addEventListener('pointerdown', (event) => {
        if (held !== null) return;  // one pointer at a time, as with one mouse
        held = event.pointerId;
        canvas.setPointerCapture(event.pointerId);
        // A finger or a pen acts as the left button.
        const button = event.pointerType === 'mouse' ? codes.buttonCode(event.button)
          : page.rules.input.buttons.left;
        mouse(true, button, event);
      });
      canvas.addEventListener('pointermove', (event) => {
        if (event.pointerId !== held) return;  // moves matter only while a button is held
        const buttons = event.pointerType === 'mouse' ? codes.heldCode(event.buttons)
          : page.rules.input.buttons.left;
        if (buttons) mouse(false, buttons, event);
      });
      canvas.addEventListener('pointerup', (event) => {
        if (event.pointerId !== held) return;
        held = null;
        const box = canvas.getBoundingClientRect();
        if (event.clientX >= box.left && event.clientX < box.right && event.clientY >= box.top &&
            event.clientY < box.bottom) {
          page.deliver('vec_click', ['string'], [area.name]);
        } else {
          page.figure.update(true);
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

    // The keyboard pointer's keys on a focused area; the rest (Tab, the teacher's keys, Ctrl
    // and Alt with anything) stay the page's.
    listenToPointerKeys(area) {
      const page = this.page, codes = page.codes, named = page.rules.input.pointerKeys;
      area.canvas.addEventListener('keydown', (event) => {
        if (event.isComposing || event.ctrlKey || event.altKey || event.metaKey) return;
        const key = event.key;
        const code = Object.prototype.hasOwnProperty.call(named, key) ? named[key]
          : /^[a-z]$/i.test(key) ? key.toUpperCase().charCodeAt(0) : 0;
        if (!code) return;
        const used = page.call('vec_pointer_key', 'number',
          ['string', 'number', 'number', 'number'],
          [area.name, code, codes.shiftCode(event), page.now()]);
        if (!used) return;
        event.preventDefault();
        page.afterEvent();
        page.figure.showPointer(area);
      });
    }

    listenToTyping(element, info) {
      const page = this.page;
      const control = () => page.window.controls.get(info.name);
      const typed = () => {
        control().words = null;  // the model's text is read back after the handler
        page.deliver('vec_type', ['string', 'string'], [info.name, element.value]);
        // A lesson that puts back the text it had (an empty box emptied again) changes no
        // state, yet the box must lose what was typed.
        const [visible, words] = page.state.controls[info.name];
        page.window.showControl(control(), visible, words);
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
      if (page.numberPad && !info.multiLine && !info.readOnly) page.numberPad.offer(element);
      element.addEventListener('keydown', (event) => {
        if (event.isComposing || event.keyCode === 229) return;
        page.deliver('vec_key', ['string', 'number'], [info.name, page.codes.keyCode(event)]);
      });
    }

    listenToWindow() {
      const page = this.page;
      global.addEventListener('resize', () => page.window.layOut());
      // Caught on the way down: a teacher's key never reaches a text box as the lesson's key.
      global.addEventListener('keydown', (event) => {
        const action = parts.presenterKey(event);
        if (!action) return;
        event.preventDefault();
        event.stopPropagation();
        if (page.boxes.up) return;  // a message box is answered first
        if (event.repeat && (action === 'pause' || action === 'bar')) return;
        page.presenter.present(action);
      }, true);
      // The lesson's own zoom, not the browser's (whose zoom the lesson honours as well).
      global.addEventListener('keydown', (event) => {
        const direction = parts.zoomKey(event);
        if (direction === null) return;
        event.preventDefault();
        event.stopPropagation();
        page.window.zoomBy(direction);
      }, true);
      doc.addEventListener('keydown', (event) => {
        if (event.ctrlKey && event.shiftKey && !event.altKey && event.code === 'KeyS') {
          event.preventDefault();
          page.pictures.save();
        }
      });
      if (doc.fonts) doc.fonts.addEventListener('loadingdone', () => page.painter.fontsCame());
    }
  }

  parts.PageInput = PageInput;
})(window);

// One lesson on the page: holds the module and its parts (window, painter, input, message
// boxes, teacher's controls, pictures), brings the page up to date after each event and runs
// the lesson's timers on animation frames.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class LessonPage {
    constructor(core, program, rules) {
      this.core = core;
      this.program = program;
      this.rules = rules;
      this.codes = parts.inputCodes(rules.input);
      this.testMode = parts.testHook.on;
      this.frame = 0;  // the animation frame asked for, if any
      this.figureReady = false;  // the figure's words are read once the first frame is painted
      this.wrapped = new Map();
      this.painter = new parts.Painter(this);
      this.presenter = new parts.Presenter(this);
      this.input = new parts.PageInput(this);
      this.figure = new parts.FigureWords(this);
      // For a line box the pupil types in (vecscale's λ): a board without keys cannot type it.
      this.numberPad = new parts.NumberPad(this);
      this.window = new parts.LessonWindow(this);
      this.build();
      this.afterEvent();
      // The figure's words are for the keyboard and screen readers, not for the first frame:
      // they are read after it has been painted (their text costs layout).
      this.figureShown = parts.afterFirstFrame().then(() => {
        this.figureReady = true;
        this.figure.update();
      });
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

    // The window's elements, then the page's own (in this order on the page), then the layout.
    build() {
      const { design, room } = this.window.build();
      this.boxes = new parts.MessageBoxes(this);
      this.pictures = new parts.LessonPicture(this);
      this.presenter.addMarks();
      parts.addPageMarks();
      this.input.listenToWindow();
      this.window.layOut(design, room);
    }

    // Brings the page up to date after anything the lesson did.
    afterEvent() {
      // Most ticks change only drawings: the controls are gone through again only when their
      // state's text has changed.
      const text = this.call('vec_state', 'string', ['number'], [this.window.zoom]);
      if (text) {  // "" for the state handed over last time
        this.state = JSON.parse(text);
        for (const [name, [visible, words]] of Object.entries(this.state.controls)) {
          const control = this.window.controls.get(name);
          if (control) this.window.showControl(control, visible, words);
        }
        this.window.showReadings(this.state.readings);
      }
      const size = this.state.size, shown = this.window.size;
      if (size[0] !== shown[0] || size[1] !== shown[1]) {
        this.window.layOut();
      } else {
        this.painter.repaint(false);
      }
      if (!this.testMode) this.boxes.show();
      if (this.figureReady) this.figure.update();
      this.presenter.reflect();
      this.schedule();
    }

    deliver(name, types, args) {
      this.call(name, 'number', types.concat('number'), args.concat(this.now()));
      this.afterEvent();
    }

    // While a timer runs, each animation frame delivers the ticks due by then; with none
    // running, a message box up or the lesson paused, no frame is asked for (one already asked
    // for is taken back).
    schedule() {
      if (this.testMode) return;
      const due = this.boxes.up ? NaN : this.call('vec_next_due', 'number', [], []);
      if (Number.isNaN(due)) {
        if (this.frame) global.cancelAnimationFrame(this.frame);
        this.frame = 0;
        return;
      }
      if (this.frame) return;
      this.frame = global.requestAnimationFrame(() => {
        this.frame = 0;
        if (this.boxes.up) return;
        this.call('vec_advance', null, ['number'], [this.now()]);
        this.afterEvent();
      });
    }

    // Settles once the pictures and fonts are in and the window is drawn with them; the test
    // hook is there from then on.
    whenShown() {
      const fonts = doc.fonts ? doc.fonts.ready : Promise.resolve();
      return Promise.all([parts.picturesLoaded(), fonts, this.figureShown]).then(() => {
        if (this.painter.stale || !doc.fonts) this.painter.repaint(true);
        if (this.testMode) parts.testHook.expose(this);
      });
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

  Object.assign(parts, { LessonPage, pageButton });
})(window);

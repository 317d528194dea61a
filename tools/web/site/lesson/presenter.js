// The teacher's controls, as on the desktop: pause, step, slower and faster, the slim bar below
// the lesson (made only when first brought up) with the tab that brings it, and the corner's
// badge; the paces, their labels and the badge's words come from the module's rules.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  class Presenter {
    constructor(page) {
      this.page = page;
      this.bar = null;  // the teacher's bar, made when first brought up
    }

    paused() {
      return this.page.call('vec_paused', 'number', [], []) !== 0;
    }

    speed() {
      return this.page.call('vec_speed', 'number', [], []);
    }

    // Pause or go on, one step (pausing first), slower, faster, or the bar up or away.
    present(action) {
      const page = this.page, now = page.now();
      if (action === 'bar') {
        this.showBar(!this.barShown());
        return;
      }
      if (action === 'pause') {
        page.call(this.paused() ? 'vec_resume' : 'vec_pause', null, ['number'], [now]);
      } else if (action === 'back') {
        page.call('vec_back', 'number', ['number'], [now]);
      } else if (action === 'replay') {
        page.call('vec_replay', 'number', ['number'], [now]);
      } else if (action === 'step') {
        if (!this.paused()) page.call('vec_pause', null, ['number'], [now]);
        page.call('vec_step', 'number', [], []);
      } else {
        const speed = parts.nextSpeed(page.rules, this.speed(), action === 'slower' ? -1 : 1);
        page.call('vec_set_speed', 'number', ['number', 'number'], [speed, now]);
      }
      page.afterEvent();  // what a pause or a step delivered is shown, and frames follow
    }

    // The tab at the bottom edge that brings the bar up, and the corner's note; the bar itself
    // is made only when first asked for, so that the window looks as designed.
    addMarks() {
      const tab = parts.pageButton('演示控制（F4）', '演示控制', () => this.showBar(true),
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
        const button = parts.pageButton(title, name, action, { keepFocus: true });
        button.textContent = text;
        bar.append(button);
        return button;
      };
      this.pauseButton = add('暂停', '', '暂停或继续（F8）', () => this.present('pause'));
      add('单步', '', '单步（F9 或 Page Down）', () => this.present('step'));
      for (const action of ['back', 'replay']) {
        const button = this.page.rules[action];
        add(button.label, button.name, `${button.name}（${button.keys}）`, () => this.present(action));
      }
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
      this.reflect();
      this.page.window.layOut();  // the lesson makes room for the bar below it, or takes it back
    }

    // The badge, and the bar's pause button and pace, as the lesson's time now stands.
    reflect() {
      const rules = this.page.rules, paused = this.paused(), speed = this.speed();
      const note = parts.badgeText(rules, paused, speed);
      if (this.badge.textContent !== note) this.badge.textContent = note;
      if (!this.bar) return;
      this.pauseButton.textContent = paused ? '继续' : '暂停';
      this.speedLabel.textContent = parts.speedLabel(rules, speed);
    }
  }

  parts.Presenter = Presenter;
})(window);

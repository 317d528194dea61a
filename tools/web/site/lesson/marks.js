// The page's way out and its room: a link back to the launcher and a full-screen button in the
// bottom-left corner (a home-screen app or a full screen has no Back of the browser's), and on a
// phone held upright a note above the lesson to turn it.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});
  const doc = global.document;

  const icon = (path) => '<svg viewBox="0 0 16 16" width="14" height="14" aria-hidden="true">' +
    '<path d="' + path + '" fill="none" stroke="currentColor" stroke-width="1.6" ' +
    'stroke-linecap="round" stroke-linejoin="round"/></svg>';

  // The Fullscreen API, or WebKit's older one (Safari on iPad); null where there is neither.
  function fullScreenApi() {
    const root = doc.documentElement;
    if (doc.fullscreenEnabled && root.requestFullscreen) {
      return { on: () => doc.fullscreenElement, enter: () => root.requestFullscreen(),
        leave: () => doc.exitFullscreen(), change: 'fullscreenchange' };
    }
    if (doc.webkitFullscreenEnabled && root.webkitRequestFullscreen) {
      return { on: () => doc.webkitFullscreenElement, enter: () => root.webkitRequestFullscreen(),
        leave: () => doc.webkitExitFullscreen(), change: 'webkitfullscreenchange' };
    }
    return null;
  }

  function addPageMarks() {
    const marks = doc.createElement('nav');
    marks.className = 'page-marks';
    marks.setAttribute('aria-label', '课件');
    const back = doc.createElement('a');
    back.href = 'index.html';
    back.title = '返回目录';
    back.setAttribute('aria-label', '返回目录');
    back.innerHTML = icon('M10 3 5 8l5 5');
    marks.append(back);

    const api = fullScreenApi();
    const full = parts.pageButton('全屏', '全屏', () => {
      const done = api.on() ? api.leave() : api.enter();
      if (done && done.catch) done.catch(() => {});  // refused: the page stays as it is
    });
    full.innerHTML = icon('M2.5 6V2.5H6M10 2.5h3.5V6M13.5 10v3.5H10M6 13.5H2.5V10');
    full.setAttribute('aria-pressed', 'false');
    full.hidden = !api;
    if (api) {
      doc.addEventListener(api.change, () => {
        const on = Boolean(api.on());
        full.setAttribute('aria-pressed', String(on));
        full.title = on ? '退出全屏' : '全屏';
      });
    }
    marks.append(full);
    doc.body.append(marks);

    const note = doc.createElement('p');
    note.className = 'turn-notice';
    note.setAttribute('role', 'note');
    note.textContent = '请将设备横过来，课件会显示得更大。';
    doc.body.append(note);
  }

  parts.addPageMarks = addPageMarks;
})(window);

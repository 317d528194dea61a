// Start-up, the last of the page's scripts: opens the lesson the page names (or lesson.html?NAME)
// in the module, reads the module's rules, builds the page, and says in Chinese, with the way
// back, why a page cannot show its lesson.
(function (global) {
  'use strict';
  const parts = global.VectorsPage;
  const doc = global.document;
  const hook = parts.testHook;

  // A page that cannot show its lesson says why, in Chinese, with the way back.
  function notice(text) {
    doc.body.textContent = '';
    doc.body.className = 'notice-page';
    const box = doc.createElement('main');
    box.className = 'notice';
    const para = doc.createElement('p');
    para.textContent = text;
    const back = doc.createElement('a');
    back.href = 'index.html';
    back.textContent = '返回“平面向量”课程列表';
    box.append(para, back);
    doc.body.append(box);
  }

  function programName() {
    const named = doc.documentElement.dataset.program;
    if (named) return named;
    return decodeURIComponent(global.location.search.replace(/^\?/, '').split('&')[0] || '');
  }

  function start() {
    const program = programName();
    const settle = hook.ready;
    if (typeof global.WebAssembly !== 'object') {
      settle.reject(new Error('no WebAssembly'));  // the page has said so already
      return;
    }
    if (typeof global.createVectors !== 'function') {
      notice('这一课的文件不完整（缺少 js/vectors-core.js），请重新复制整个课件文件夹。');
      settle.reject(new Error('no js/vectors-core.js'));
      return;
    }
    global.createVectors().then((core) => {
      const rules = parts.readRules(core);
      const opened = core.ccall('vec_open', 'number', ['string', 'number', 'number'],
        [program, hook.on ? 1 : 0, performance.now()]);
      if (!opened) {
        notice(program ? '没有名为“' + program + '”的课。' : '没有指明要打开哪一课。');
        settle.reject(new Error('unknown lesson: ' + program));
        return;
      }
      // lesson.html?NAME is named after its lesson as the lesson's own page is.
      if (!doc.documentElement.dataset.program) {
        const lessons = JSON.parse(core.ccall('vec_lessons', 'string', [], []));
        const lesson = lessons.find((entry) => entry.name === program);
        if (lesson) doc.title = lesson.title;
      }
      // Every picture of the lesson is decoded before it is first shown, hidden ones too.
      for (const file of Object.keys(global.VECTOR_PICTURES || {})) {
        if (file.startsWith(':/' + program + '/')) parts.image(file);
      }
      const page = new parts.LessonPage(core, program, rules);
      page.whenShown().then(() => settle.resolve(), settle.reject);
    }, (error) => {
      // A browser whose WebAssembly lacks what the module uses (its exceptions) cannot start it.
      notice('这个浏览器不能运行本课件：它的 WebAssembly 太旧。请换用新版的 Chrome、Edge、Firefox 或 Safari 打开。');
      settle.reject(error);
    }).catch((error) => {
      settle.reject(error);
      throw error;
    });
  }

  if (doc.readyState === 'loading') {
    doc.addEventListener('DOMContentLoaded', start);
  } else {
    start();
  }
})(window);

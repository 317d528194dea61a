// Start-up, the last of the page's scripts: opens the lesson the page names (or lesson.html?NAME)
// in its module, reads the module's rules, builds the page, and says in Chinese, with the way
// back, why a page cannot show its lesson.
(function (global) {
  'use strict';
  const parts = global.VectorsPage;
  const doc = global.document;
  const hook = parts.testHook;

  // A page that cannot show its lesson says why, in Chinese, with the way back (and the lessons
  // it may open instead, as {name, title}).
  function notice(text, lessons) {
    doc.body.textContent = '';
    doc.body.className = 'notice-page';
    const box = doc.createElement('main');
    box.className = 'notice';
    const para = doc.createElement('p');
    para.textContent = text;
    box.append(para);
    if (lessons && lessons.length) {
      const list = doc.createElement('ul');
      for (const lesson of lessons) {
        const item = doc.createElement('li');
        const link = doc.createElement('a');
        link.href = lesson.name + '.html';
        link.textContent = lesson.title;
        item.append(link);
        list.append(item);
      }
      box.append(list);
    }
    const back = doc.createElement('a');
    back.href = 'index.html';
    back.textContent = '返回“平面向量”课程列表';
    box.append(back);
    doc.body.append(box);
  }

  // Why the page cannot open the program, before any module is loaded; '' when it can try.
  function refusal(program) {
    const listed = parts.listedLessons();
    if (!program) return '没有指明要打开哪一课。请从下面选一课，或打开课程列表（index.html）：';
    if (listed.length && !listed.some((lesson) => lesson.name === program)) {
      return '没有名为“' + program + '”的课。';
    }
    return '';
  }

  // A copy of the site without some of the lesson's files says so rather than waiting for them.
  function incomplete(file) {
    notice('这一课的文件不完整（缺少 ' + file + '），请重新复制整个课件文件夹。');
    hook.ready.reject(new Error('no ' + file));
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
    const refused = refusal(program);
    if (refused) {
      notice(refused, program ? [] : parts.listedLessons());
      settle.reject(new Error(program ? 'unknown lesson: ' + program : 'no lesson named'));
      return;
    }
    parts.loadCore(program).then((found) => {
      if (!found) return incomplete(parts.coreFile(program));
      if (!global.VECTOR_PICTURES) return incomplete('js/pictures-' + program + '.js');
      return open(program);
    });
  }

  function open(program) {
    const settle = hook.ready;
    (parts.coreStarting || parts.startCore()).then((core) => {
      const rules = parts.readRules(core);
      const opened = core.ccall('vec_open', 'number', ['string', 'number', 'number'],
        [program, hook.on ? 1 : 0, performance.now()]);
      if (!opened) {
        notice('没有名为“' + program + '”的课。');
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
      // A browser whose WebAssembly lacks what the module uses cannot start it.
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

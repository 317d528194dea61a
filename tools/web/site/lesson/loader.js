// The lesson's module: a lesson's page names its own core-NAME.js in a script tag; lesson.html
// (any lesson by name) loads the one it is asked for. Classic scripts only, which a page opened
// from a file may load.
(function (global) {
  'use strict';
  const parts = global.VectorsPage = global.VectorsPage || {};
  const doc = global.document;

  // The file a lesson's module is in.
  parts.coreFile = (program) => 'js/core-' + program + '.js';

  // Resolves true once createVectors is there, false when the file is missing.
  parts.loadCore = function (program) {
    if (typeof global.createVectors === 'function') return Promise.resolve(true);
    // A lesson's own page had its script tag, and the file was not there.
    if (doc.documentElement.dataset.program) return Promise.resolve(false);
    return new Promise((resolve) => {
      const script = doc.createElement('script');
      script.src = parts.coreFile(program);
      script.onload = () => resolve(typeof global.createVectors === 'function');
      script.onerror = () => resolve(false);
      doc.head.appendChild(script);
    });
  };

  // The lessons lesson.html can open ({name, title}, teaching order); none on a lesson's page.
  parts.listedLessons = function () {
    const listed = doc.documentElement.dataset.lessons;
    return listed ? JSON.parse(listed) : [];
  };
})(window);

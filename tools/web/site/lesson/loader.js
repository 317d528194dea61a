// The lesson's module: a lesson's page names its own core-NAME.js (and pictures-NAME.js) in
// script tags; lesson.html (any lesson by name) loads those of the lesson it is asked for. Classic scripts only, which a page opened
// from a file may load.
(function (global) {
  'use strict';
  const parts = global.VectorsPage = global.VectorsPage || {};
  const doc = global.document;

  // Started at once, while the page's other scripts are read: the module compiles on the
  // browser's other threads meanwhile, and the fonts of the page's sheet are decoded, so that the
  // first frame is drawn with them a little sooner.
  // The module's WebAssembly, from the base64 its script holds.
  function wasmBytes() {
    // Native where the browser has it: the loop below costs some milliseconds before it is
    // compiled, and this is on the way to the first frame.
    if (typeof Uint8Array.fromBase64 === 'function') return Uint8Array.fromBase64(global.VECTORS_WASM);
    const text = global.atob(global.VECTORS_WASM);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
  }
  parts.startCore = () => global.createVectors(
    typeof global.VECTORS_WASM === 'string' ? { wasmBinary: wasmBytes() } : {});
  if (typeof global.createVectors === 'function') {
    parts.coreStarting = parts.startCore();
    parts.coreStarting.catch(() => {});  // start.js says why it failed
  }
  if (doc.fonts && doc.fonts.forEach) doc.fonts.forEach((face) => { face.load().catch(() => {}); });

  // The file a lesson's module is in.
  parts.coreFile = (program) => 'js/core-' + program + '.js';

  // A classic script added to the page: resolves true once run, false when it is missing.
  function loadScript(src) {
    return new Promise((resolve) => {
      const script = doc.createElement('script');
      script.src = src;
      script.onload = () => resolve(true);
      script.onerror = () => resolve(false);
      doc.head.appendChild(script);
    });
  }

  // Resolves true once createVectors is there, false when the file is missing. lesson.html
  // loads the lesson's pictures with it.
  parts.loadCore = function (program) {
    if (typeof global.createVectors === 'function') return Promise.resolve(true);
    // A lesson's own page had its script tag, and the file was not there.
    if (doc.documentElement.dataset.program) return Promise.resolve(false);
    return Promise.all([loadScript('js/pictures-' + program + '.js'), loadScript(parts.coreFile(program))])
      .then(() => typeof global.createVectors === 'function');
  };

  // The lessons lesson.html can open ({name, title}, teaching order); none on a lesson's page.
  parts.listedLessons = function () {
    const listed = doc.documentElement.dataset.lessons;
    return listed ? JSON.parse(listed) : [];
  };
})(window);

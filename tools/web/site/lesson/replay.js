// Replays the model's drawing commands (kit/web/recorder.h, their opcodes and operand counts
// from the module's rules) on a 2D canvas: crisp lines on the device's pixel grid, texts at the
// desktop's baseline, pictures copied or drawn afresh at their size. No page needed.
(function (global) {
  'use strict';
  const parts = global.VectorsPage || (global.VectorsPage = {});

  function cssColour(packed) {
    return '#' + (packed >>> 0).toString(16).padStart(6, '0');
  }

  // A crisp line's end on the device's pixel grid: an odd width centred on a pixel's middle, an
  // even one on its edge, so that level and upright lines cover whole pixels.
  function snap(value, dpr, width) {
    const device = Math.max(1, Math.round(width * dpr));
    const offset = device % 2 ? 0.5 : 0;
    return (Math.round(value * dpr) + offset) / dpr;
  }

  // The replay of the module's `drawing` rules: each command an opcode, then a fixed count of
  // numbers.
  function replayer(drawing) {
    const Op = drawing.opcodes, operandCount = drawing.operandCounts, Flag = drawing.strokeFlags;

    // Replays a command list on a 2D context whose units are the area's CSS pixels. `env` gives
    // the device pixel ratio, the pictures (null while loading: env.missing is set) and notes the
    // fonts a text needs.
    function replay(ctx, numbers, strings, env) {
      const dpr = env.dpr || 1;
      let i = 0;
      while (i < numbers.length) {
        const op = numbers[i];
        const count = operandCount[op];
        if (count === undefined || i + 1 + count > numbers.length) {
          throw new Error('bad drawing command ' + op + ' at ' + i);
        }
        // The operands as views into the list: a copy per command would be garbage every frame.
        const a = numbers.subarray ? numbers.subarray(i + 1, i + 1 + count)
          : numbers.slice(i + 1, i + 1 + count);
        i += 1 + count;
        switch (op) {
          case Op.FillRect:
            ctx.fillStyle = cssColour(a[4]);
            ctx.fillRect(a[0], a[1], a[2], a[3]);
            break;
          case Op.Disc:
            ctx.fillStyle = cssColour(a[3]);
            ctx.beginPath();
            ctx.arc(a[0], a[1], a[2], 0, 2 * Math.PI);
            ctx.fill();
            break;
          case Op.Line: {
            const width = a[5], flags = a[6];
            let [x1, y1, x2, y2] = [a[0], a[1], a[2], a[3]];
            if (!(flags & Flag.Smooth)) {
              // Along a level or upright line its ends fall on pixel edges, so that its dots
              // cover whole pixels too.
              const level = Math.abs(y2 - y1) < 0.5 / dpr, upright = Math.abs(x2 - x1) < 0.5 / dpr;
              const edge = (value) => Math.round(value * dpr) / dpr;
              const crisp = (value) => snap(value, dpr, width);
              [x1, x2] = level ? [edge(x1), edge(x2)] : [crisp(x1), crisp(x2)];
              [y1, y2] = upright ? [edge(y1), edge(y2)] : [crisp(y1), crisp(y2)];
            }
            ctx.strokeStyle = cssColour(a[4]);
            ctx.lineWidth = width;
            ctx.lineCap = flags & Flag.RoundCap ? 'round' : 'butt';
            // Dots and gaps as long as the line is wide, as the desktop's pen draws them.
            ctx.setLineDash(flags & Flag.Dotted ? [width, width] : []);
            ctx.beginPath();
            ctx.moveTo(x1, y1);
            ctx.lineTo(x2, y2);
            ctx.stroke();
            ctx.setLineDash([]);
            break;
          }
          case Op.Arc: {
            // Counter-clockwise on screen: the canvas counts angles the other way round.
            const start = -a[3] * Math.PI / 180, end = -(a[3] + a[4]) * Math.PI / 180;
            ctx.strokeStyle = cssColour(a[5]);
            ctx.lineWidth = a[6];
            ctx.lineCap = 'square';
            ctx.beginPath();
            if (a[4] >= 360) {
              ctx.arc(a[0], a[1], a[2], 0, 2 * Math.PI);
            } else {
              ctx.arc(a[0], a[1], a[2], start, end, true);
            }
            ctx.stroke();
            break;
          }
          case Op.Text: {
            const text = strings[a[2]], font = strings[a[3]];
            if (env.needFont) env.needFont(font, text);
            ctx.font = font;
            ctx.fillStyle = cssColour(a[4]);
            // The baseline one font ascent below the top, where the desktop puts it; 'top' (the
            // em box) would lift a Latin letter a pixel or two.
            const ascent = env.ascent ? env.ascent(ctx, font) : undefined;
            if (ascent === undefined) {
              ctx.textBaseline = 'top';
              ctx.fillText(text, a[0], a[1]);
            } else {
              ctx.textBaseline = 'alphabetic';
              ctx.fillText(text, a[0], a[1] + ascent);
            }
            break;
          }
          case Op.Picture:
            drawPicture(ctx, strings[a[0]], a[1] >= 0 ? strings[a[1]] : '', a[2], a[3], a[4], a[5],
                env);
            break;
          case Op.Mark: {
            const colour = cssColour(a[4]);
            ctx.fillStyle = colour;
            ctx.strokeStyle = colour;
            ctx.lineWidth = 1;
            ctx.beginPath();
            if (a[5]) {
              ctx.ellipse(a[0] + a[2] / 2, a[1] + a[3] / 2, a[2] / 2, a[3] / 2, 0, 0, 2 * Math.PI);
            } else {
              ctx.rect(a[0], a[1], a[2], a[3]);
            }
            ctx.fill();
            ctx.stroke();
            break;
          }
        }
      }
    }

    // The colour of a drawing that is only that colour over the whole area, else null.
    function plainColour(numbers, size) {
      const whole = numbers.length === 1 + operandCount[Op.FillRect] &&
        numbers[0] === Op.FillRect &&
        numbers[1] <= 0 && numbers[2] <= 0 && numbers[1] + numbers[3] >= size[0] &&
        numbers[2] + numbers[4] >= size[1];
      return whole ? cssColour(numbers[5]) : null;
    }

    return { replay, plainColour };
  }

  // A picture at its own size lands on whole device pixels, copied as it is; at any other size
  // its artwork is drawn afresh at that size, never a blown-up bitmap.
  function drawPicture(ctx, file, source, x, y, width, height, env) {
    const dpr = env.dpr || 1;
    const bitmap = env.image(file);
    const deviceWidth = Math.round(width * dpr), deviceHeight = Math.round(height * dpr);
    // A bitmap of the very size, copied pixel for pixel onto whole device pixels.
    const copy = (image) => {
      const m = ctx.getTransform();
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(image, Math.round(m.e + x * dpr), Math.round(m.f + y * dpr));
      ctx.restore();
    };
    if (bitmap && bitmap.naturalWidth === deviceWidth && bitmap.naturalHeight === deviceHeight) {
      copy(bitmap);
      return;
    }
    const artwork = (source && env.image(source)) || bitmap;
    if (!artwork) {
      env.missing = true;
      return;
    }
    if (env.rendered && deviceWidth > 0 && deviceHeight > 0) {
      // Drawn afresh once per size and kept: an animation's every frame then only copies it.
      copy(env.rendered(artwork, deviceWidth, deviceHeight));
      return;
    }
    ctx.imageSmoothingEnabled = true;
    ctx.drawImage(artwork, x, y, width, height);
  }

  // Artwork drawn at a device size, kept for the sizes in use: a new zoom makes new ones, and
  // the oldest go once more than `room` are kept.
  function renderedPictures(makeCanvas, room = 32) {
    const kept = new Map();  // artwork -> Map(size -> canvas)
    let count = 0;
    return function rendered(artwork, width, height) {
      let sizes = kept.get(artwork);
      if (!sizes) kept.set(artwork, (sizes = new Map()));
      const key = width + 'x' + height;
      let copy = sizes.get(key);
      if (!copy) {
        if (count >= room) {
          kept.clear();
          count = 0;
          kept.set(artwork, sizes = new Map());
        }
        copy = makeCanvas(width, height);
        const ctx = copy.getContext('2d');
        ctx.imageSmoothingEnabled = true;
        ctx.drawImage(artwork, 0, 0, width, height);
        sizes.set(key, copy);
        ++count;
      }
      return copy;
    };
  }

  const shared = { cssColour, snap, replayer, renderedPictures };
  Object.assign(parts, shared);
  if (typeof module === 'object' && module.exports) module.exports = shared;
})(typeof window !== 'undefined' ? window : globalThis);

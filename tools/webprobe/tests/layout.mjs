// layout.mjs [--site DIR]: what a class sees of the page around and in the lesson's window, a
// case each: a phone's clock boxes show their digits, a phone held upright says to turn it, the
// saved picture wraps a hint as the page does, a hint shows whole with the teacher's bar up, the
// way back and full screen sit clear of the lesson, each page's title names its lesson, and the
// formula cards fill any box they are drawn in.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { checks, defaultSite, launch, newPage, openTestPage, pageErrors, pageUrl, painted, viewportSetting, workTree } from '../lib/browser.mjs';

const { values: options } = parseArgs({ options: { site: { type: 'string', default: defaultSite } } });
const site = options.site;
const registry = JSON.parse(fs.readFileSync(path.join(site, 'lessons.json'), 'utf8'));
const phone = (size) => ({ ...viewportSetting(size), isMobile: true, hasTouch: true });

const browser = await launch();
const { check, summary } = checks();

// A lesson opened in test mode, with `lines` of a driver's script run on it (`click NAME` as a
// real click).
async function lesson(program, setting, lines = [], hash = '#test') {
  const opened = await newPage(browser, setting);
  await openTestPage(opened.page, pageUrl(site, program, hash));
  for (const line of lines) {
    if (line.startsWith('click ')) await opened.page.click('#' + line.slice(6));
    else await opened.page.evaluate((text) => window.vectorsTest.line(text), line);
  }
  await painted(opened.page);
  return opened;
}

async function closed(opened) {
  assert.deepEqual(await pageErrors(opened.page, opened.seen), []);
  await opened.context.close();
}

const rectOf = (page, selector) => page.evaluate((s) => {
  const r = document.querySelector(s).getBoundingClientRect();
  return [r.left, r.top, r.right, r.bottom];
}, selector);
const overlaps = (a, b) => a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];

await check('a phone\'s clock boxes show their digits as the desktop\'s do', async () => {
  // How far each box's text runs past its room, in its font's ems: the desktop's "00:" reaches
  // a little into its border already.
  const overruns = async (setting) => {
    const opened = await lesson('vecintro', setting);
    const found = await opened.page.evaluate(() => ['Text3', 'Text2', 'Text1'].map((id) => {
      const box = document.getElementById(id);
      return (box.scrollWidth - box.clientWidth) / parseFloat(getComputedStyle(box).fontSize);
    }));
    await closed(opened);
    return found;
  };
  const desktop = await overruns(viewportSetting('1280x1024@1'));
  for (const size of ['390x844@3', '320x568@2', '844x390@3']) {
    const found = await overruns(phone(size));
    found.forEach((overrun, i) => assert.ok(overrun <= desktop[i] + 0.04,
      `at ${size} Text${3 - i}'s text runs ${overrun.toFixed(3)} em past its room, ` +
      `${desktop[i].toFixed(3)} em on the desktop`));
  }
});

await check('a phone held upright, and only that, says to turn it', async () => {
  const shows = (page) => page.evaluate(() => {
    const note = document.querySelector('.turn-notice');
    return Boolean(note && note.getClientRects().length && /横过来/.test(note.textContent));
  });
  for (const program of ['vecintro', 'veccoord']) {
    for (const [setting, wanted] of [[phone('390x844@3'), true], [phone('320x568@2'), true],
      [phone('844x390@3'), false], [viewportSetting('1280x1024@1'), false],
      [viewportSetting('600x900@1'), false]]) {
      const opened = await lesson(program, setting);
      const size = `${setting.viewport.width}x${setting.viewport.height}`;
      assert.equal(await shows(opened.page), wanted, `${program} at ${size}`);
      if (wanted) {
        assert.ok(!overlaps(await rectOf(opened.page, '.turn-notice'), await rectOf(opened.page, '.stage')),
          `${program} at ${size}: the note covers the lesson`);
      }
      await closed(opened);
    }
  }
});

await check('the saved picture wraps veccoord\'s hint as the page does', async () => {
  const opened = await lesson('veccoord', viewportSetting('1280x1024@1'), ['click Command6', 'run 20000']);
  const { page } = opened;
  await page.evaluate(() => {
    window.drawnTexts = [];
    const fillText = CanvasRenderingContext2D.prototype.fillText;
    CanvasRenderingContext2D.prototype.fillText = function (text, x, y) {
      window.drawnTexts.push({ text, x, y, width: this.measureText(text).width });
      return fillText.apply(this, arguments);
    };
  });
  await Promise.all([page.waitForEvent('download'), page.click('.save-picture')]);
  const { shown, room, drawn } = await page.evaluate(() => {
    const box = document.getElementById('Text1');
    const style = getComputedStyle(box);
    // The height its lines take, from the box itself made too low to hold them.
    const height = box.style.height;
    box.style.height = '0px';
    const inner = box.scrollHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
    box.style.height = height;
    return {
      shown: { text: box.value, rows: Math.round(inner / parseFloat(style.lineHeight)) },
      room: box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight),
      drawn: window.drawnTexts.filter((t) => t.text && box.value.includes(t.text)),
    };
  });
  assert.ok(shown.rows >= 2, `the page shows the hint in ${shown.rows} lines`);
  assert.equal(drawn.map((t) => t.text).join(''), shown.text, 'the picture holds the whole hint');
  // The text's closing line break makes a last line of its own, empty.
  assert.equal(drawn.length, shown.rows - (shown.text.endsWith('\n') ? 1 : 0),
    'as many lines as the page shows');
  for (const line of drawn) assert.ok(line.width <= room + 0.5, `"${line.text}" is wider than the box`);
  await closed(opened);
});

await check('vecsub\'s hint shows whole with the teacher\'s bar up', async () => {
  for (const size of ['1280x1024@1', '1280x1024@2', '1024x768@1']) {
    const opened = await lesson('vecsub', viewportSetting(size));
    await opened.page.keyboard.press('F4');
    await painted(opened.page);
    const box = await opened.page.evaluate(() => {
      const box = document.getElementById('Text1');
      const style = getComputedStyle(box);
      const bar = document.querySelector('.presenter-bar').getBoundingClientRect();
      return { rows: box.value.replace(/\n+$/, '').split('\n').length, bar: bar.top,
        bottom: box.getBoundingClientRect().bottom, height: box.clientHeight,
        top: parseFloat(style.paddingTop), line: parseFloat(style.lineHeight) };
    });
    // The last line may lose no more than what lies below its glyphs.
    const end = box.top + box.rows * box.line;
    assert.ok(end <= box.height + box.line / 8,
      `at ${size} the hint's ${box.rows} lines end at ${end} px of a box ${box.height} px high`);
    assert.ok(box.bottom <= box.bar, `at ${size} the bar covers the hint`);
    await closed(opened);
  }
});

await check('the way back and full screen: named, clear of the lesson, out of its pictures', async () => {
  for (const { name: program } of registry) {
    for (const setting of [viewportSetting('1280x1024@1'), phone('844x390@3')]) {
      const opened = await lesson(program, setting);
      const { page } = opened;
      const marks = await page.evaluate(() => {
        const back = document.querySelector('a[href="index.html"]');
        const full = [...document.querySelectorAll('button')].find((b) => b.getAttribute('aria-label') === '全屏');
        const shows = (el) => el && el.getClientRects().length > 0;
        const rect = (el) => { const r = el.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
        const lesson = [...document.querySelectorAll('.stage canvas.surface, .stage .control')]
          .filter((el) => shows(el) && !el.classList.contains('frame')).map(rect);
        return { back: shows(back) && back.getAttribute('aria-label'), full: shows(full),
          rects: [back, full].filter(shows).map(rect), lesson,
          keyboard: [back, full].every((el) => el && el.tabIndex >= 0) };
      });
      const size = `${program} at ${setting.viewport.width}x${setting.viewport.height}`;
      assert.equal(marks.back, '返回目录', `${size}: a link back named 返回目录`);
      assert.ok(marks.full, `${size}: a full-screen button named 全屏`);
      assert.ok(marks.keyboard, `${size}: both reached by Tab`);
      for (const mark of marks.rects) {
        for (const part of marks.lesson) assert.ok(!overlaps(mark, part), `${size}: a mark lies over the lesson`);
      }
      await page.evaluate(() => window.vectorsTest.picturing(true));
      assert.ok(await page.evaluate(() => getComputedStyle(document.querySelector('a[href="index.html"]')
        .parentElement).visibility === 'hidden'), `${size}: the marks show in pictures`);
      await closed(opened);
    }
  }
  // A browser without the Fullscreen API (an iPhone's) shows no full-screen button; one with it
  // goes full screen from it.
  const bare = await newPage(browser);
  await bare.page.addInitScript(() => {
    for (const name of ['fullscreenEnabled', 'webkitFullscreenEnabled']) {
      Object.defineProperty(Document.prototype, name, { get: () => false, configurable: true });
    }
  });
  await openTestPage(bare.page, pageUrl(site, 'vecsub'));
  assert.equal(await bare.page.locator('button[aria-label="全屏"]').isVisible(), false,
    'a full-screen button without the Fullscreen API');
  await bare.context.close();
  const opened = await lesson('vecsub', viewportSetting('1280x1024@1'));
  await opened.page.click('button[aria-label="全屏"]');
  await opened.page.waitForFunction(() => document.fullscreenElement === document.documentElement);
  await closed(opened);
});

await check('each page\'s title names its lesson', async () => {
  const titles = [];
  for (const { name, title } of registry) {
    for (const [program, hash] of [[name, '#test'], ['lesson', `?${name}#test`]]) {
      const opened = await newPage(browser);
      await opened.page.goto(pageUrl(site, program, '').replace(/\.html$/, `.html${hash}`));
      await opened.page.waitForFunction(() => window.vectorsTest);
      await opened.page.evaluate(() => window.vectorsTest.ready);
      assert.equal(await opened.page.title(), title, `${program}${hash}`);
      await opened.context.close();
    }
    titles.push(title);
  }
  assert.equal(new Set(titles).size, titles.length, 'the lessons\' titles differ');
});

await check('the formula cards fill a box of another shape, as every engine draws them', async () => {
  const { context, page } = await newPage(browser);
  for (const program of ['veccoord', 'vecscale']) {
    const svg = fs.readFileSync(path.join(workTree, program, 'assets', 'formula.svg'));
    // Drawn wider than it is: a card letterboxed under the SVG's default aspect leaves its
    // frame's left and right edges in from the box's.
    const edges = await page.evaluate(async (data) => {
      const img = new Image();
      img.src = data;
      await img.decode();
      const width = img.naturalWidth * 2, height = img.naturalHeight;
      Object.assign(img.style, { position: 'fixed', left: '0', top: '0', width: width + 'px', height: height + 'px' });
      document.body.append(img);
      return { width, height };
    }, `data:image/svg+xml;base64,${svg.toString('base64')}`);
    const shot = await page.screenshot({ clip: { x: 0, y: 0, width: edges.width, height: edges.height } });
    const cyan = await page.evaluate(async ([png, width, height]) => {
      const img = new Image();
      img.src = png;
      await img.decode();
      const canvas = new OffscreenCanvas(width, height);
      const ctx = canvas.getContext('2d');
      ctx.drawImage(img, 0, 0);
      const column = (x) => {
        const data = ctx.getImageData(x, 0, 1, height).data;
        let count = 0;
        for (let i = 0; i < data.length; i += 4) if (data[i] < 128 && data[i + 1] > 128 && data[i + 2] > 128) ++count;
        return count;
      };
      return [column(2), column(width - 3)];
    }, [`data:image/png;base64,${shot.toString('base64')}`, edges.width, edges.height]);
    assert.ok(cyan[0] > edges.height / 2 && cyan[1] > edges.height / 2,
      `${program}'s card drawn ${edges.width}x${edges.height}: its frame's edges are not at the box's (${cyan})`);
    await page.evaluate(() => document.querySelectorAll('img').forEach((img) => img.remove()));
  }
  await context.close();
});

await browser.close();
summary();

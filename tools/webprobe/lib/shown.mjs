// What the page shows beside what the model holds, at a dump: each control with an element of
// its own (buttons, text boxes, frames, the surface) must show the model's text or caption and
// show or hide as the model says. A difference is the page's fault, not the script's.

// The controls of a dump with what the page should show of them.
function expected(dump) {
  const wanted = [];
  for (const [name, properties] of Object.entries(JSON.parse(dump))) {
    if (['form', 'vars', 'messages', 'drawing'].includes(name)) continue;
    const control = { name };
    if (typeof properties.Text === 'string') control.text = properties.Text;
    else if (typeof properties.Caption === 'string') control.caption = properties.Caption;
    if (typeof properties.Visible === 'boolean') control.visible = properties.Visible;
    if ('text' in control || 'caption' in control || 'visible' in control) wanted.push(control);
  }
  return wanted;
}

// Runs in the page: the differences, one line each.
function differencesOnPage(controls) {
  const found = [];
  for (const control of controls) {
    const el = document.getElementById(control.name);
    if (!el) continue; // drawn on a surface (labels, lines, pictures)
    const tag = el.tagName.toLowerCase();
    if ('text' in control && (tag === 'input' || tag === 'textarea')) {
      // A box of one line takes no line breaks; a box of many shows CR LF as one break.
      const text = tag === 'textarea'
        ? control.text.replace(/\r\n/g, '\n') : control.text.replace(/[\r\n]/g, '');
      if (el.value !== text)
        found.push(`${control.name} shows ${JSON.stringify(el.value)}, not ${JSON.stringify(text)}`);
    }
    if ('caption' in control && (tag === 'button' || tag === 'fieldset')) {
      const words = (tag === 'fieldset' ? el.querySelector('legend') ?? el : el).textContent;
      if (words !== control.caption)
        found.push(`${control.name} reads ${JSON.stringify(words)}, not ${JSON.stringify(control.caption)}`);
    }
    if ('visible' in control) {
      const shows = el.getClientRects().length > 0;
      if (shows !== control.visible)
        found.push(`${control.name} ${shows ? 'shows' : 'is hidden'}, but the lesson has it ${control.visible ? 'shown' : 'hidden'}`);
    }
  }
  return found;
}

// The differences between the page and a dump of the whole window (a dump that names some
// controls checks those).
export async function shownDifferences(evaluate, dump) {
  const controls = expected(dump);
  return controls.length ? evaluate(differencesOnPage, controls) : [];
}

// The page showing other than the lesson holds: the run fails (exit 1) with the dump printed.
export class PageFault extends Error {}

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window of the page, built from the core's control table in one loop, as the
// desktop builds its widgets: every control an element whose id is its name, with its
// kind and caption as data attributes and its accessible name, at its place in the
// 792 × 554 client area; the frame Shape1, the arrows and the antenna drawn on a canvas
// beneath; the menu bar with the «Графика» menu; the & of a caption underlined. The
// elements come in the core's order, which is the Tab order (no element has a Tab index
// of its own) and the order of the one column a narrow screen shows: a caption and the
// field, list or result it captions share a box that only the narrow column draws.

const KINDS = {
  lineedit: 'lineedit', label: 'label', formula: 'label', result: 'label', button: 'button',
  group: 'group', radio: 'radio', check: 'check', combo: 'combo', widget: 'widget',
};

export function cssColour(argb) {
  return `rgb(${(argb >>> 16) & 255},${(argb >>> 8) & 255},${argb & 255})`;
}

export function cssFont(font) {
  const families = font.families.map((family) => `"${family}"`).join(', ');
  return `${font.pointSize}pt ${families}, ${font.symbol ? 'serif' : 'sans-serif'}`;
}

// The caption without its & mark, and the letter the mark stands before.
export function accelerator(caption) {
  const at = caption.indexOf('&');
  if (at < 0 || at + 1 >= caption.length) return { plain: caption, key: null, at: -1 };
  return {
    plain: caption.slice(0, at) + caption.slice(at + 1),
    key: caption[at + 1].toLowerCase(),
    at,
  };
}

// Writes a caption into an element, the accelerator's letter underlined.
export function setCaption(element, caption) {
  const { plain, at } = accelerator(caption);
  element.textContent = '';
  if (at < 0) {
    element.textContent = plain;
    return;
  }
  const underlined = document.createElement('u');
  underlined.textContent = plain[at];
  element.append(plain.slice(0, at), underlined, plain.slice(at + 1));
}

function place(element, control) {
  element.style.left = `${control.x}px`;
  element.style.top = `${control.y}px`;
  if (control.width > 0) element.style.width = `${control.width}px`;
  if (control.height > 0) element.style.height = `${control.height}px`;
}

// The element of a control that a screen reader names and the keyboard reaches.
export function namedPart(element) {
  if (element.matches('input, button, select')) return element;
  return element.querySelector('input, select') || element;
}

// A control's accessible name (and the picture's description) as the core gives them.
export function setAccessible(element, name, description) {
  const kind = element.dataset.kind;
  if (kind === 'label' && !element.classList.contains('result')) return; // its text says it
  if (kind === 'widget') {
    element.setAttribute('aria-label', name);
    document.getElementById(`${element.id}-description`).textContent = description;
    return;
  }
  if (name) namedPart(element).setAttribute('aria-label', name);
}

// Each control in its colours of either look (the core's; a background of 0 is the
// window's).
export function paintControls(elements, controls, highContrast) {
  for (const control of controls) {
    const element = elements.get(control.name);
    const background = highContrast ? control.contrastBackground : control.background;
    element.style.color = cssColour(highContrast ? control.contrastForeground : control.foreground);
    element.style.backgroundColor = background ? cssColour(background) : '';
  }
}

function makeControl(control, captioned) {
  let element;
  switch (control.kind) {
    case 'lineedit':
      element = document.createElement('input');
      element.type = 'text';
      element.value = control.text;
      element.spellcheck = false;
      element.autocomplete = 'off';
      element.setAttribute('inputmode', 'decimal');
      break;
    case 'button':
      element = document.createElement('button');
      element.type = 'button';
      setCaption(element.appendChild(document.createElement('span')), control.text);
      break;
    case 'group': {
      element = document.createElement('div');
      element.setAttribute('role', 'group');
      const title = element.appendChild(document.createElement('span'));
      title.className = 'group-title';
      title.textContent = control.text;
      element.setAttribute('aria-label', control.text);
      break;
    }
    case 'radio':
    case 'check': {
      element = document.createElement('label');
      const input = element.appendChild(document.createElement('input'));
      input.type = control.kind === 'radio' ? 'radio' : 'checkbox';
      if (control.kind === 'radio') input.name = 'scene';
      input.checked = control.selected;
      element.appendChild(document.createElement('span')).textContent = control.text;
      break;
    }
    case 'combo':
      element = document.createElement('div');
      element.appendChild(document.createElement('select'));
      break;
    case 'widget': {
      // The picture takes the focus; its words are a hidden element's.
      element = document.createElement('div');
      element.tabIndex = 0;
      element.setAttribute('role', 'figure');
      element.setAttribute('aria-describedby', `${control.name}-description`);
      element.setAttribute('aria-keyshortcuts', 'Shift+F10');
      break;
    }
    case 'result':
      // A reading takes the focus (the box widens to show all its digits); its name is its
      // caption and its full value.
      element = document.createElement('div');
      element.textContent = control.text;
      element.tabIndex = 0;
      element.setAttribute('role', 'textbox');
      element.setAttribute('aria-readonly', 'true');
      break;
    case 'formula':
      // A caption is a label of its field.
      element = document.createElement(captioned ? 'label' : 'div');
      // The table's own formula markup (<i>, <sub>, <sup>): constant text of the program.
      element.innerHTML = control.text;
      break;
    default:
      element = document.createElement(captioned ? 'label' : 'div');
      element.textContent = control.text;
      break;
  }
  element.id = control.name;
  element.classList.add('control', control.kind);
  element.dataset.kind = KINDS[control.kind];
  if (control.text && control.kind !== 'lineedit' && control.kind !== 'combo')
    element.dataset.caption = control.text;
  if (control.tooltip) element.title = control.tooltip;
  if (control.wrapped) element.classList.add('wrapped');
  if (control.centred) element.classList.add('centred');
  if (control.font.symbol) element.classList.add('symbol');
  element.style.font = cssFont(control.font);
  place(element, control);
  return element;
}

// Draws Shape1, the arrows and the antenna symbol, one device pixel wide.
function drawDiagram(canvas, description) {
  const ratio = window.devicePixelRatio || 1;
  canvas.width = Math.round(description.clientWidth * ratio);
  canvas.height = Math.round(description.clientHeight * ratio);
  const context = canvas.getContext('2d');
  context.lineWidth = 1;
  const line = (x1, y1, x2, y2, colour) => {
    context.strokeStyle = cssColour(colour);
    context.beginPath();
    context.moveTo(Math.floor(x1 * ratio) + 0.5, Math.floor(y1 * ratio) + 0.5);
    context.lineTo(Math.floor(x2 * ratio) + 0.5, Math.floor(y2 * ratio) + 0.5);
    context.stroke();
  };
  const { x, y, width: w, height: h } = description.shape1;
  context.strokeStyle = '#000000';
  context.strokeRect(Math.floor(x * ratio) + 0.5, Math.floor(y * ratio) + 0.5,
                     Math.round((w - 1) * ratio), Math.round((h - 1) * ratio));
  for (const { x1, y1, x2, y2, colour } of description.lines) line(x1, y1, x2, y2, colour);
}

// The exit button's smiling face, 24 × 22.
function smilingFace() {
  const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  svg.setAttribute('width', '24');
  svg.setAttribute('height', '22');
  svg.setAttribute('viewBox', '0 0 24 22');
  svg.setAttribute('aria-hidden', 'true');
  svg.innerHTML = '<circle cx="12" cy="11" r="9.5" fill="#ffff00" stroke="#000"/>' +
    '<circle cx="8.5" cy="8.5" r="1.3"/><circle cx="15.5" cy="8.5" r="1.3"/>' +
    '<path d="M7 13.5 Q12 18 17 13.5" fill="none" stroke="#000" stroke-width="1.2"/>';
  return svg;
}

export function buildWindow(root, description) {
  const form = document.createElement('div');
  form.id = 'Form1';
  form.className = 'form';
  const menubar = form.appendChild(document.createElement('div'));
  menubar.className = 'menubar';
  menubar.setAttribute('role', 'menubar');
  const area = form.appendChild(document.createElement('div'));
  area.id = 'centralwidget';
  area.style.width = `${description.clientWidth}px`;
  area.style.height = `${description.clientHeight}px`;
  area.style.backgroundColor = cssColour(description.lightGrey);
  area.style.color = cssColour(description.windowForeground);
  area.style.font = cssFont(description.windowFont);
  const diagram = area.appendChild(document.createElement('canvas'));
  diagram.className = 'diagram';
  diagram.style.width = `${description.clientWidth}px`;
  diagram.style.height = `${description.clientHeight}px`;
  drawDiagram(diagram, description);
  root.appendChild(form);

  const fields = new Set(description.controls.filter((c) => c.kind === 'lineedit').map((c) => c.name));
  const elements = new Map();
  let pair = null; // a caption's box, waiting for the control it captions
  for (const control of description.controls) {
    const element = makeControl(control, fields.has(control.captionFor));
    let parent = control.parent ? elements.get(control.parent) : area;
    if (control.captionFor) {
      pair = parent.appendChild(document.createElement('div'));
      pair.className = 'pair';
      parent = pair;
      if (element.matches('label')) element.htmlFor = control.captionFor;
    } else if (pair) {
      parent = pair;
      pair = null;
    }
    parent.appendChild(element);
    elements.set(control.name, element);
    if (control.kind === 'widget') {
      const words = area.appendChild(document.createElement('div'));
      words.id = `${control.name}-description`;
      words.hidden = true;
    }
    setAccessible(element, control.accessibleName, control.description);
    const input = element.matches('input') ? element : element.querySelector('input, select');
    if (input) input.disabled = !control.enabled;
  }
  paintControls(elements, description.controls, false);
  const exit = elements.get('cmdExit');
  exit.insertBefore(smilingFace(), exit.firstChild);

  // The sampling rates.
  const select = elements.get('cboFd').querySelector('select');
  description.samplingRates.forEach((name, index) => {
    const option = select.appendChild(document.createElement('option'));
    option.value = String(index);
    option.textContent = name;
  });
  select.selectedIndex = description.startSamplingRate;

  return { form, menubar, area, elements, diagram };
}

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window of the page, built from the core's control table in one loop, as the
// desktop builds its widgets: every control an element whose id is its name, with its
// kind and caption as data attributes, at its place in the 792 × 554 client area; the
// frame Shape1, the arrows and the antenna drawn on a canvas beneath; the menu bar with
// the «Графика» menu; the Tab order of the table; the & of a caption underlined.

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

function makeControl(control) {
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
    case 'widget':
      element = document.createElement('div');
      break;
    case 'formula':
      element = document.createElement('div');
      // The table's own formula markup (<i>, <sub>, <sup>): constant text of the program.
      element.innerHTML = control.text;
      break;
    default:
      element = document.createElement('div');
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
  element.style.font = cssFont(control.font);
  element.style.color = cssColour(control.foreground);
  if (control.background) element.style.backgroundColor = cssColour(control.background);
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

  const elements = new Map();
  for (const control of description.controls) {
    const element = makeControl(control);
    const parent = control.parent ? elements.get(control.parent) : area;
    parent.appendChild(element);
    elements.set(control.name, element);
    const input = element.matches('input') ? element : element.querySelector('input, select');
    if (input) input.disabled = !control.enabled;
  }
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

  // The Tab order of the table.
  description.tabOrder.forEach((name, index) => {
    const element = elements.get(name);
    if (!element) return;
    const target = element.matches('input, button') ? element
      : element.querySelector('input, select, button') || element;
    target.tabIndex = index + 1;
  });

  return { form, menubar, area, elements, diagram };
}

// An entry of a menu: its id, its caption (as data-caption too), its kind and ARIA role;
// out of the Tab order (a menu's arrow keys move between its entries).
export function menuEntry(parent, { id, caption, className, kind, role }) {
  const entry = parent.appendChild(document.createElement('div'));
  entry.id = id;
  entry.className = className;
  entry.dataset.kind = kind;
  entry.dataset.caption = caption;
  entry.setAttribute('role', role);
  entry.tabIndex = -1;
  return entry;
}

// The «Графика» menu: two submenus of seven colour items; a click on an item goes to the
// core, whose answer sets the check marks.
export function buildMenu(menubar, menu, onItem) {
  const top = menubar.appendChild(document.createElement('div'));
  top.id = menu.name;
  top.className = 'menu';
  top.dataset.kind = 'menu';
  top.dataset.caption = menu.caption;
  top.tabIndex = 0;
  top.setAttribute('role', 'menuitem');
  top.setAttribute('aria-haspopup', 'true');
  setCaption(top.appendChild(document.createElement('span')), menu.caption);
  const popup = top.appendChild(document.createElement('div'));
  popup.className = 'popup';
  popup.setAttribute('role', 'menu');
  for (const object of menu.objects) {
    const submenu = menuEntry(popup, {
      id: object.name, caption: object.caption, className: 'submenu', kind: 'menu', role: 'menuitem',
    });
    submenu.setAttribute('aria-haspopup', 'true');
    submenu.appendChild(document.createElement('span')).textContent = object.caption;
    const list = submenu.appendChild(document.createElement('div'));
    list.className = 'popup';
    list.setAttribute('role', 'menu');
    object.items.forEach((colour, row) => {
      const item = menuEntry(list, {
        id: colour.name, caption: colour.caption, className: 'item', kind: 'action',
        role: 'menuitemcheckbox',
      });
      item.setAttribute('aria-checked', String(row === object.startRow));
      item.textContent = colour.caption;
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        top.classList.remove('open');
        onItem(colour.name);
      });
    });
  }
  const toggle = (open) => top.classList.toggle('open', open);
  top.addEventListener('click', () => toggle(!top.classList.contains('open')));
  top.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') toggle(false);
    if (event.key === 'Enter' || event.key === ' ' || event.key === 'ArrowDown') {
      event.preventDefault();
      toggle(true);
      popup.querySelector('.submenu').focus();
    }
  });
  popup.addEventListener('keydown', (event) => {
    const focused = document.activeElement;
    const siblings = [...focused.parentElement.children];
    const at = siblings.indexOf(focused);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      const step = event.key === 'ArrowDown' ? 1 : siblings.length - 1;
      siblings[(at + step) % siblings.length].focus();
    } else if (event.key === 'ArrowRight' && focused.classList.contains('submenu')) {
      event.preventDefault();
      focused.classList.add('open');
      focused.querySelector('.item').focus();
    } else if (event.key === 'ArrowLeft' && focused.classList.contains('item')) {
      event.preventDefault();
      const submenu = focused.closest('.submenu');
      submenu.classList.remove('open');
      submenu.focus();
    } else if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      if (focused.classList.contains('submenu')) {
        focused.classList.add('open');
        focused.querySelector('.item').focus();
      } else {
        focused.click();
      }
    } else if (event.key === 'Escape') {
      event.preventDefault();
      toggle(false);
      top.focus();
    }
    event.stopPropagation();
  });
  document.addEventListener('click', (event) => {
    if (!top.contains(event.target)) toggle(false);
  });
  return {
    top,
    open: () => { toggle(true); popup.querySelector('.submenu').focus(); },
  };
}

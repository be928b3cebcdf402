// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's context menu, made from the core's tool table (name, caption, shortcut):
// each item runs the page's handler of that name; the core's answers enable or disable it
// by its id. The shortcuts are read from the table's portable text ("Ctrl+Shift+S"). And
// the readout: a tool tip with the position and the sample under the cursor.

import { menuEntry } from './form.js';

// A shortcut's text as the parts of a key event.
function shortcutOf(text) {
  if (!text) return null;
  const parts = text.split('+');
  const key = parts.pop();
  return {
    ctrl: parts.includes('Ctrl'), alt: parts.includes('Alt'), shift: parts.includes('Shift'),
    code: key.length === 1 ? `Key${key.toUpperCase()}` : key,
  };
}

export class PictureMenu {
  // tools: the core's table; handlers: {name: () => …}; picture: the element it serves.
  constructor(tools, handlers, picture) {
    this.menu = document.createElement('div');
    this.menu.id = 'mnuPicture';
    this.menu.className = 'context popup';
    this.menu.setAttribute('role', 'menu');
    this.menu.hidden = true;
    this.tools = tools.map((tool) => {
      const item = menuEntry(this.menu, {
        id: tool.name, caption: tool.caption, className: 'item', kind: 'action', role: 'menuitem',
      });
      item.append(tool.caption);
      item.classList.toggle('disabled', !tool.enabled);
      item.appendChild(document.createElement('span')).textContent = tool.shortcut;
      const run = () => {
        if (!item.classList.contains('disabled')) handlers[tool.name]();
      };
      item.addEventListener('click', () => {
        this.menu.hidden = true;
        run();
      });
      return { ...tool, item, run, keys: shortcutOf(tool.shortcut) };
    });
    document.body.appendChild(this.menu);
    picture.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.menu.style.left = `${event.pageX}px`;
      this.menu.style.top = `${event.pageY}px`;
      this.menu.hidden = false;
      this.menu.querySelector('.item').focus();
    });
    this.menu.addEventListener('keydown', (event) => {
      const items = [...this.menu.children];
      const at = items.indexOf(document.activeElement);
      if (event.key === 'Escape') this.menu.hidden = true;
      if (event.key === 'ArrowDown') items[(at + 1) % items.length].focus();
      if (event.key === 'ArrowUp') items[(at + items.length - 1) % items.length].focus();
      if (event.key === 'Enter') document.activeElement.click();
      event.preventDefault();
    });
    document.addEventListener('click', () => { this.menu.hidden = true; });
  }

  // The tool whose shortcut a key event is; none for another key. A field, or a selection
  // on the page, keeps its own Ctrl+C.
  toolOf(event) {
    const inField = event.target instanceof HTMLInputElement && event.target.type !== 'checkbox' &&
      event.target.type !== 'radio';
    for (const tool of this.tools) {
      const keys = tool.keys;
      if (!keys || keys.code !== event.code || keys.ctrl !== event.ctrlKey ||
          keys.alt !== event.altKey || keys.shift !== event.shiftKey)
        continue;
      if (keys.code === 'KeyC' && keys.ctrl && (inField || window.getSelection().toString()))
        return null;
      return tool;
    }
    return null;
  }
}

// The readout: the position in the view's units and the sample under the cursor, asked of
// the core one question at a time.
export function followReadout(picture, toUser, ask) {
  const tip = document.createElement('div');
  tip.id = 'readout';
  tip.className = 'tooltip';
  tip.hidden = true;
  document.body.appendChild(tip);
  let asking = false;
  let wanted = null;
  const next = async () => {
    if (asking || !wanted) return;
    asking = true;
    const { x, y, pageX, pageY } = wanted;
    wanted = null;
    const user = toUser(x, y);
    const text = user ? await ask(user[0], user[1]) : '';
    asking = false;
    tip.hidden = !text;
    tip.textContent = text;
    tip.style.left = `${pageX + 14}px`;
    tip.style.top = `${pageY + 18}px`;
    next();
  };
  picture.addEventListener('mousemove', (event) => {
    const box = picture.getBoundingClientRect();
    wanted = { x: event.clientX - box.left, y: event.clientY - box.top, pageX: event.pageX, pageY: event.pageY };
    next();
  });
  picture.addEventListener('mouseleave', () => { wanted = null; tip.hidden = true; });
}

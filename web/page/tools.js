// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's context menu, made from the core's tool table (name, caption, shortcut,
// whether it switches, the submenu it stands in): each item runs the page's handler of
// that name; the core's answers enable, disable and tick it by its id. A submenu stands
// where its first tool does, with its caption from the core's list of submenus. The
// shortcuts are read from the table's portable text ("Ctrl+Shift+S"). The menu opens on a
// right click, on Shift+F10 or the menu key on the focused picture, on a long press of a
// finger on it, and from the tools button under the window. And the readout: a tool tip
// with the position and the sample under the cursor, or under the finger while it touches
// the picture.

import { menuEntry, setSubmenu, submenuEntry, wireMenu } from './menus.js';

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
  // tools: the core's table; submenus: its submenus' names and captions; handlers:
  // {name: () => …}; picture: the element it serves; longPressMs: how long a finger held
  // still on the picture opens the menu.
  constructor(tools, submenus, handlers, picture, longPressMs) {
    this.picture = picture;
    this.menu = document.createElement('div');
    this.menu.id = 'mnuPicture';
    this.menu.className = 'context popup';
    this.menu.setAttribute('role', 'menu');
    this.menu.hidden = true;
    this.opener = null;   // where the focus goes back to
    this.expander = null; // the button that opened the menu, if one did
    const lists = new Map(); // the submenus made so far, by name
    const listOf = (name) => {
      if (!name) return this.menu;
      if (!lists.has(name)) {
        const caption = (submenus.find((submenu) => submenu.name === name) || { caption: '' }).caption;
        lists.set(name, submenuEntry(this.menu, { id: name, caption }));
      }
      return lists.get(name);
    };
    this.tools = tools.map((tool) => {
      const item = menuEntry(listOf(tool.submenu), {
        id: tool.name, caption: tool.caption, className: 'item', kind: 'action',
        role: tool.checkable ? 'menuitemcheckbox' : 'menuitem',
      });
      item.append(tool.caption);
      if (tool.checkable) item.setAttribute('aria-checked', String(tool.checked));
      item.classList.toggle('disabled', !tool.enabled);
      if (!tool.enabled) item.setAttribute('aria-disabled', 'true');
      if (tool.shortcut) {
        item.setAttribute('aria-keyshortcuts', tool.shortcut);
        const keys = item.appendChild(document.createElement('span'));
        keys.className = 'shortcut';
        keys.textContent = tool.shortcut;
      }
      const run = () => {
        if (!item.classList.contains('disabled')) handlers[tool.name]();
      };
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        this.close(true);
        run();
      });
      return { ...tool, item, run, keys: shortcutOf(tool.shortcut) };
    });
    document.body.appendChild(this.menu);
    wireMenu(this.menu, (restore) => this.close(restore));
    picture.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.open({ x: event.pageX, y: event.pageY });
    });
    picture.addEventListener('keydown', (event) => {
      if ((event.key === 'F10' && event.shiftKey) || event.key === 'ContextMenu') {
        event.preventDefault();
        this.openBelow(picture);
      }
    });
    onLongPress(picture, longPressMs, (x, y) => this.open({ x, y }));
    document.addEventListener('click', (event) => {
      if (!this.menu.contains(event.target) && event.target !== this.expander) this.close(false);
    });
  }

  // Opens the menu at a point of the page (or under an element), its first item focused.
  open({ x, y }, expander = null) {
    if (this.menu.hidden) this.opener = document.activeElement;
    this.menu.hidden = false;
    const width = this.menu.offsetWidth;
    const left = Math.max(window.scrollX, Math.min(x, window.scrollX + document.documentElement.clientWidth - width));
    this.menu.style.left = `${left}px`;
    this.menu.style.top = `${y}px`;
    if (this.expander && this.expander !== expander) this.expander.setAttribute('aria-expanded', 'false');
    this.expander = expander;
    if (expander) expander.setAttribute('aria-expanded', 'true');
    // A submenu opens to the left where the right has no room for it, and upwards where
    // there is none below.
    const view = document.documentElement;
    for (const entry of this.menu.querySelectorAll(':scope > .submenu')) {
      const box = entry.getBoundingClientRect();
      const items = entry.querySelectorAll('.item').length;
      entry.classList.toggle('leftward', box.right + box.width > view.clientWidth);
      entry.classList.toggle('upward', box.top + items * box.height > view.clientHeight);
    }
    this.menu.querySelector('.item').focus();
  }

  openBelow(element, expander = null) {
    const box = element.getBoundingClientRect();
    this.open({ x: box.left + window.scrollX, y: box.bottom + window.scrollY }, expander);
  }

  isOpen() {
    return !this.menu.hidden;
  }

  close(restore) {
    if (this.menu.hidden) return;
    this.menu.hidden = true;
    for (const entry of this.menu.querySelectorAll(':scope > .submenu')) setSubmenu(entry, false);
    if (this.expander) this.expander.setAttribute('aria-expanded', 'false');
    this.expander = null;
    const back = this.opener;
    this.opener = null;
    if (restore && back && back.isConnected && back !== document.body) back.focus();
  }

  // The button under the window that opens the same menu.
  makeButton(parent, caption) {
    const button = parent.appendChild(document.createElement('button'));
    button.type = 'button';
    button.id = 'btnTools';
    button.className = 'under-button';
    button.textContent = caption;
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    button.setAttribute('aria-controls', this.menu.id);
    button.addEventListener('click', () => {
      if (this.isOpen() && this.expander === button) this.close(true);
      else this.openBelow(button, button);
    });
    return button;
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

// A finger (or a pen) held still on the element for `ms`: onPress with the point of the
// page. Moving it away first, lifting it or the browser's own scrolling cancels it.
function onLongPress(element, ms, onPress) {
  let timer = 0;
  let start = null;
  const cancel = () => {
    clearTimeout(timer);
    timer = 0;
    start = null;
  };
  element.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'mouse') return;
    cancel();
    start = { x: event.clientX, y: event.clientY, pageX: event.pageX, pageY: event.pageY };
    timer = setTimeout(() => {
      const { pageX, pageY } = start;
      cancel();
      element.dispatchEvent(new CustomEvent('veltrum-long-press'));
      onPress(pageX, pageY);
    }, ms);
  });
  element.addEventListener('pointermove', (event) => {
    if (start && Math.hypot(event.clientX - start.x, event.clientY - start.y) > 10) cancel();
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave']) element.addEventListener(type, cancel);
  // A long press gives no click of its own, nor the browser's callout.
  element.addEventListener('contextmenu', (event) => { if (start) event.preventDefault(); });
}

// The readout: the position in the view's units and the sample under the cursor or the
// finger, asked of the core one question at a time. toUser takes a point of the picture
// in its own pixels (`width` across), however large the page shows it.
export function followReadout(picture, width, toUser, ask) {
  const tip = document.createElement('div');
  tip.id = 'readout';
  tip.className = 'tooltip';
  tip.setAttribute('role', 'tooltip');
  tip.hidden = true;
  document.body.appendChild(tip);
  let asking = false;
  let wanted = null;
  let touching = false;
  const next = async () => {
    if (asking || !wanted) return;
    asking = true;
    const { x, y, pageX, pageY, finger } = wanted;
    wanted = null;
    const user = toUser(x, y);
    const text = user ? await ask(user[0], user[1]) : '';
    asking = false;
    tip.hidden = !text;
    tip.textContent = text;
    // Above a finger, which would hide it; beside a cursor.
    const left = Math.max(window.scrollX, Math.min(pageX + 14, window.scrollX + document.documentElement.clientWidth - tip.offsetWidth - 4));
    tip.style.left = `${left}px`;
    tip.style.top = `${finger ? pageY - 56 : pageY + 18}px`;
    next();
  };
  const follow = (event) => {
    const box = picture.getBoundingClientRect();
    const scale = box.width > 0 ? width / box.width : 1; // a narrow page shows it smaller
    wanted = {
      x: (event.clientX - box.left) * scale, y: (event.clientY - box.top) * scale,
      pageX: event.pageX, pageY: event.pageY, finger: event.pointerType !== 'mouse',
    };
    next();
  };
  const hide = () => { wanted = null; tip.hidden = true; };
  picture.addEventListener('pointermove', (event) => {
    if (event.pointerType === 'mouse' || touching) follow(event);
  });
  picture.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'mouse') return;
    touching = true;
    follow(event);
  });
  const lift = () => {
    if (!touching) return;
    touching = false;
    setTimeout(hide, 1500);
  };
  picture.addEventListener('pointerup', lift);
  picture.addEventListener('pointercancel', lift);
  picture.addEventListener('mouseleave', hide);
  picture.addEventListener('veltrum-long-press', hide);
}

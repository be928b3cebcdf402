// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's menus, the menu bar's «Графика» and the picture's, as the desktop's behave:
// the arrows move among the items, Right, Enter, Space, a click or a tap opens a submenu,
// Left and Esc close one level, Enter, Space or a click picks an item; a pick, Esc or Tab
// closes the menu and gives the focus back to where it was before the menu opened. Every
// menu is a role="menu" of menuitem and menuitemcheckbox entries; the element that opens
// one says whether it is open (aria-expanded).

import { setCaption } from './form.js';

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

// A submenu's entry in a menu, closed, and the menu of its items (a role="menu" inside it).
export function submenuEntry(parent, { id, caption }) {
  const entry = menuEntry(parent, { id, caption, className: 'submenu', kind: 'menu', role: 'menuitem' });
  entry.setAttribute('aria-haspopup', 'menu');
  entry.setAttribute('aria-expanded', 'false');
  entry.appendChild(document.createElement('span')).textContent = caption;
  const list = entry.appendChild(document.createElement('div'));
  list.className = 'popup';
  list.setAttribute('role', 'menu');
  list.setAttribute('aria-label', caption);
  return list;
}

function entriesOf(menu) {
  return [...menu.children].filter((child) => /^menuitem/.test(child.getAttribute('role') || ''));
}

// A submenu's entry opened or closed, with what it says to a screen reader.
export function setSubmenu(entry, open) {
  entry.classList.toggle('open', open);
  entry.setAttribute('aria-expanded', String(open));
  if (!open) for (const inner of entry.querySelectorAll('.submenu.open')) setSubmenu(inner, false);
}

// The opened menu `root` (a role="menu") answering the keyboard and clicks; close(true)
// closes it with the focus given back.
export function wireMenu(root, close) {
  root.addEventListener('keydown', (event) => {
    const focused = document.activeElement;
    if (!root.contains(focused)) return;
    const menu = focused.parentElement;
    const entries = entriesOf(menu);
    const at = entries.indexOf(focused);
    const submenu = focused.classList.contains('submenu');
    const inner = menu !== root ? menu.closest('.submenu') : null;
    const moveTo = (k) => entries[(k + entries.length) % entries.length].focus();
    let handled = true;
    switch (event.key) {
      case 'ArrowDown': moveTo(at + 1); break;
      case 'ArrowUp': moveTo(at - 1); break;
      case 'Home': moveTo(0); break;
      case 'End': moveTo(entries.length - 1); break;
      case 'ArrowRight':
        if (submenu) {
          setSubmenu(focused, true);
          entriesOf(focused.querySelector('[role="menu"]'))[0].focus();
        }
        break;
      case 'ArrowLeft':
      case 'Escape':
        if (inner) {
          setSubmenu(inner, false);
          inner.focus();
        } else if (event.key === 'Escape') {
          close(true);
        }
        break;
      case 'Enter':
      case ' ':
        if (submenu) {
          setSubmenu(focused, true);
          entriesOf(focused.querySelector('[role="menu"]'))[0].focus();
        } else {
          focused.click();
        }
        break;
      case 'Tab':
        close(true);
        break;
      default:
        handled = false;
    }
    if (handled) event.preventDefault();
    event.stopPropagation();
  });
  // A click or a tap on a submenu's entry opens it (and closes its siblings).
  root.addEventListener('click', (event) => {
    const entry = event.target.closest('.submenu');
    if (!entry || !root.contains(entry) || event.target.closest('.item')) return;
    event.stopPropagation();
    const open = !entry.classList.contains('open');
    for (const sibling of entriesOf(entry.parentElement)) if (sibling !== entry) setSubmenu(sibling, false);
    setSubmenu(entry, open);
  });
}

// The «Графика» menu: two submenus of seven colour items; a click on an item goes to the
// core, whose answer sets the check marks. Reached with Alt and its letter, as a menu bar
// is, and by the pointer; not a stop of the Tab key.
export function buildMenu(menubar, menu, onItem) {
  const top = menubar.appendChild(document.createElement('div'));
  top.id = menu.name;
  top.className = 'menu';
  top.dataset.kind = 'menu';
  top.dataset.caption = menu.caption;
  top.tabIndex = -1;
  top.setAttribute('role', 'menuitem');
  top.setAttribute('aria-haspopup', 'menu');
  top.setAttribute('aria-expanded', 'false');
  top.setAttribute('aria-keyshortcuts', 'Alt');
  setCaption(top.appendChild(document.createElement('span')), menu.caption);
  const popup = top.appendChild(document.createElement('div'));
  popup.className = 'popup';
  popup.setAttribute('role', 'menu');
  popup.setAttribute('aria-label', menu.caption.replace('&', ''));
  for (const object of menu.objects) {
    const list = submenuEntry(popup, { id: object.name, caption: object.caption });
    object.items.forEach((colour, row) => {
      const item = menuEntry(list, {
        id: colour.name, caption: colour.caption, className: 'item', kind: 'action',
        role: 'menuitemcheckbox',
      });
      item.setAttribute('aria-checked', String(row === object.startRow));
      item.textContent = colour.caption;
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        close(true);
        onItem(colour.name);
      });
    });
  }
  let opener = null; // where the focus goes back to
  const isOpen = () => top.classList.contains('open');
  const open = () => {
    if (!isOpen()) opener = document.activeElement;
    top.classList.add('open');
    top.setAttribute('aria-expanded', 'true');
    entriesOf(popup)[0].focus();
  };
  const close = (restore) => {
    if (!isOpen()) return;
    for (const entry of entriesOf(popup)) setSubmenu(entry, false);
    top.classList.remove('open');
    top.setAttribute('aria-expanded', 'false');
    const back = opener;
    opener = null;
    if (restore && back && back.isConnected && back !== document.body) back.focus();
    else if (restore) top.blur();
  };
  top.addEventListener('click', (event) => {
    if (popup.contains(event.target)) return;
    if (isOpen()) close(true);
    else open();
  });
  top.addEventListener('keydown', (event) => {
    if (event.target !== top) return;
    if (event.key === 'Escape') close(true);
    if (event.key === 'Enter' || event.key === ' ' || event.key === 'ArrowDown') {
      event.preventDefault();
      open();
    }
  });
  wireMenu(popup, close);
  document.addEventListener('click', (event) => {
    if (!top.contains(event.target)) close(false);
  });
  return { top, open, close, isOpen };
}

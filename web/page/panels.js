// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's windows beside the main one (the experiment, the guide): a title bar with a
// close button that moves the panel when dragged, and a place beside the main window where
// the page is wide enough, else over its right side.

// A panel (hidden) with its title bar; the close button calls onClose.
export function makePanel(id, title, onClose) {
  const panel = document.createElement('div');
  panel.id = id;
  panel.className = 'panel';
  panel.setAttribute('role', 'dialog');
  panel.setAttribute('aria-label', title);
  panel.hidden = true;
  const bar = panel.appendChild(document.createElement('div'));
  bar.className = 'panel-title';
  bar.textContent = title;
  const close = bar.appendChild(document.createElement('button'));
  close.className = 'panel-close';
  close.type = 'button';
  close.setAttribute('aria-label', '×');
  close.textContent = '×';
  close.addEventListener('click', onClose);
  dragBy(bar, panel);
  return panel;
}

function dragBy(handle, panel) {
  handle.addEventListener('pointerdown', (event) => {
    if (event.target !== handle) return;
    const startX = event.clientX - panel.offsetLeft;
    const startY = event.clientY - panel.offsetTop;
    const move = (e) => {
      panel.style.left = `${Math.max(0, e.clientX - startX)}px`;
      panel.style.top = `${Math.max(0, e.clientY - startY)}px`;
    };
    const up = () => {
      document.removeEventListener('pointermove', move);
      document.removeEventListener('pointerup', up);
    };
    document.addEventListener('pointermove', move);
    document.addEventListener('pointerup', up);
  });
}

// Shows a hidden panel beside the main window (its element given), as wide as the room
// there allows between the widths given.
export function showBeside(panel, main, narrowest, widest) {
  if (!panel.hidden) return;
  panel.hidden = false;
  const box = main.getBoundingClientRect();
  const width = Math.min(widest, Math.max(narrowest, window.innerWidth - box.right - 16));
  panel.style.width = `${width}px`;
  const left = box.right + 8 + width <= window.innerWidth ? box.right + 8
    : Math.max(0, window.innerWidth - width - 8);
  panel.style.left = `${left + window.scrollX}px`;
  panel.style.top = `${box.top + window.scrollY}px`;
}

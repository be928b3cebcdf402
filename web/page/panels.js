// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's windows beside the main one (the experiment, the guide, the value table): a
// title bar with a close button (named by the core's text) that moves the panel when
// dragged, and a place beside the main window where the page is wide enough, else over
// its right side (on a narrow page, the whole screen). A panel remembers where the focus
// was when it opened and gives it back when it closes.

let nextTitle = 1;

// A panel (hidden) with its title bar; the close button calls onClose.
export function makePanel(id, title, onClose, closeName) {
  const panel = document.createElement('div');
  panel.id = id;
  panel.className = 'panel';
  panel.setAttribute('role', 'dialog');
  panel.hidden = true;
  const bar = panel.appendChild(document.createElement('div'));
  bar.className = 'panel-title';
  const heading = bar.appendChild(document.createElement('span'));
  heading.id = `panel-title-${nextTitle++}`;
  heading.textContent = title;
  panel.setAttribute('aria-labelledby', heading.id);
  const close = bar.appendChild(document.createElement('button'));
  close.className = 'panel-close';
  close.type = 'button';
  close.setAttribute('aria-label', closeName);
  close.title = closeName;
  close.textContent = '×';
  close.addEventListener('click', onClose);
  dragBy(bar, panel);
  return panel;
}

function dragBy(handle, panel) {
  handle.addEventListener('pointerdown', (event) => {
    if (event.target !== handle || document.body.classList.contains('narrow')) return;
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
// there allows between the widths given; the focus it found is kept for its closing.
export function showBeside(panel, main, narrowest, widest) {
  if (!panel.hidden) return;
  panel.opener = document.activeElement;
  panel.hidden = false;
  const box = main.getBoundingClientRect();
  const width = Math.min(widest, Math.max(narrowest, window.innerWidth - box.right - 16));
  panel.style.width = `${width}px`;
  const left = box.right + 8 + width <= window.innerWidth ? box.right + 8
    : Math.max(0, window.innerWidth - width - 8);
  panel.style.left = `${left + window.scrollX}px`;
  panel.style.top = `${box.top + window.scrollY}px`;
}

// Hides a panel, the focus back where it was when it opened (if that is still there).
export function hidePanel(panel) {
  if (panel.hidden) return;
  const inside = panel.contains(document.activeElement) || document.activeElement === document.body;
  panel.hidden = true;
  const back = panel.opener;
  panel.opener = null;
  if (inside && back && back.isConnected && back !== document.body) back.focus();
}

// Esc in the panel closes it.
export function closeOnEscape(panel, close) {
  panel.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      event.preventDefault();
      event.stopPropagation();
      close();
    }
  });
}

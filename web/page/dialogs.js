// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's boxes, as the desktop's: a modal message (a warning or an information) with
// one OK button, and the progress of a long accumulation with its cancel button. A modal
// box keeps the focus inside itself and gives it back when it closes.

let openBoxes = 0;

export function boxOpen() {
  return openBoxes > 0;
}

// Shows a message; resolves when it is closed (OK, Enter, Space or Esc).
export function showMessage({ title, text, icon = 'warning' }) {
  return new Promise((resolve) => {
    const before = document.activeElement;
    const shade = document.createElement('div');
    shade.className = 'shade';
    const box = document.createElement('div');
    box.className = `box ${icon}`;
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-modal', 'true');
    const heading = document.createElement('div');
    heading.className = 'box-title';
    heading.id = `box-title-${Date.now()}`;
    heading.textContent = title;
    const body = document.createElement('div');
    body.className = 'box-text';
    body.id = `${heading.id}-text`;
    body.textContent = text;
    const sign = document.createElement('div');
    sign.className = 'box-icon';
    sign.textContent = icon === 'warning' ? '!' : 'i';
    const ok = document.createElement('button');
    ok.className = 'box-ok';
    ok.textContent = 'OK';
    box.setAttribute('aria-labelledby', heading.id);
    box.setAttribute('aria-describedby', body.id);
    const row = document.createElement('div');
    row.className = 'box-row';
    row.append(sign, body);
    box.append(heading, row, ok);
    shade.appendChild(box);
    document.body.appendChild(shade);
    ++openBoxes;
    const close = () => {
      shade.remove();
      --openBoxes;
      if (before && before.focus) before.focus();
      resolve();
    };
    ok.addEventListener('click', close);
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' || event.key === 'Enter') {
        event.preventDefault();
        close();
      } else if (event.key === 'Tab') {
        event.preventDefault(); // the one button keeps the focus
      }
      event.stopPropagation();
    });
    ok.focus();
  });
}

// The progress of a long press, shown once the core says it will take long.
export class ProgressBox {
  constructor({ title, text, cancel }, onCancel) {
    this.texts = { title, text, cancel };
    this.onCancel = onCancel;
    this.shade = null;
  }

  update(done, total, show) {
    if (!this.shade) {
      if (!show) return;
      this.open();
    }
    this.bar.value = Math.min(1, done / total);
  }

  open() {
    this.shade = document.createElement('div');
    this.shade.className = 'shade';
    const box = document.createElement('div');
    box.className = 'box progress';
    box.id = 'dlgProgress';
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-modal', 'true');
    box.setAttribute('aria-label', this.texts.title);
    const heading = document.createElement('div');
    heading.className = 'box-title';
    heading.textContent = this.texts.title;
    const text = document.createElement('div');
    text.className = 'box-text';
    text.textContent = this.texts.text;
    this.bar = document.createElement('progress');
    this.bar.max = 1;
    this.bar.value = 0;
    const cancel = document.createElement('button');
    cancel.id = 'btnCancelPress';
    cancel.className = 'box-ok';
    cancel.textContent = this.texts.cancel;
    cancel.addEventListener('click', () => this.onCancel());
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') this.onCancel();
      if (event.key === 'Tab') event.preventDefault();
      event.stopPropagation();
    });
    box.append(heading, text, this.bar, cancel);
    this.shade.appendChild(box);
    document.body.appendChild(this.shade);
    ++openBoxes;
    cancel.focus();
  }

  close() {
    if (this.shade) {
      this.shade.remove();
      this.shade = null;
      --openBoxes;
    }
  }
}

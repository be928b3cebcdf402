// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's numbers as a table a screen reader and an eye can both read («Таблица
// значений», Ctrl+T), in a panel beside the window: the same columns as the data export,
// from the core; and the curve as a tone («Прослушать»): its pitch follows the curve over
// the core's seconds, with Web Audio.

import { closeOnEscape, hidePanel, makePanel, showBeside } from './panels.js';

export class ValueTablePanel {
  constructor({ title, closeName, anchor }) {
    this.anchor = anchor;
    this.panel = makePanel('dlgValueTable', title, () => this.close(), closeName);
    this.panel.classList.add('values');
    this.scroller = this.panel.appendChild(document.createElement('div'));
    this.scroller.className = 'table-scroll values-scroll';
    this.scroller.tabIndex = 0; // scrolled by the keyboard
    this.scroller.setAttribute('role', 'region');
    this.scroller.setAttribute('aria-label', title);
    this.table = this.scroller.appendChild(document.createElement('table'));
    this.table.id = 'tblValues';
    this.table.createCaption().textContent = title;
    closeOnEscape(this.panel, () => this.close());
    this.panel.addEventListener('keydown', (event) => event.stopPropagation());
    document.body.appendChild(this.panel);
  }

  // Shows the core's table ({title, header, rows}).
  show({ header, rows }) {
    const caption = this.table.caption;
    this.table.textContent = '';
    this.table.appendChild(caption);
    const head = this.table.createTHead().insertRow();
    for (const column of header) {
      const cell = head.appendChild(document.createElement('th'));
      cell.scope = 'col';
      cell.textContent = column;
    }
    const body = this.table.createTBody();
    const fragment = document.createDocumentFragment();
    for (const row of rows) {
      const line = document.createElement('tr');
      row.forEach((value, k) => {
        const cell = line.appendChild(document.createElement(k === 0 ? 'th' : 'td'));
        if (k === 0) cell.scope = 'row';
        cell.textContent = value;
      });
      fragment.appendChild(line);
    }
    body.appendChild(fragment);
    showBeside(this.panel, this.anchor, 300, 420);
    this.panel.style.zIndex = String(12);
    this.scroller.scrollTop = 0;
    this.scroller.focus({ preventScroll: true });
  }

  close() {
    hidePanel(this.panel);
  }
}

let audio = null;

// Plays the core's tone ({seconds, frequencies}): one oscillator whose frequency follows
// the curve, softly faded in and out.
export function playTone({ seconds, frequencies }) {
  if (!frequencies.length) return;
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  audio = audio || new Context();
  if (audio.state === 'suspended') audio.resume();
  const now = audio.currentTime + 0.02;
  const oscillator = audio.createOscillator();
  oscillator.type = 'sine';
  oscillator.frequency.setValueCurveAtTime(frequencies, now, seconds);
  const gain = audio.createGain();
  gain.gain.setValueAtTime(0, now);
  gain.gain.linearRampToValueAtTime(0.25, now + 0.05);
  gain.gain.setValueAtTime(0.25, now + seconds - 0.05);
  gain.gain.linearRampToValueAtTime(0, now + seconds);
  oscillator.connect(gain).connect(audio.destination);
  oscillator.start(now);
  oscillator.stop(now + seconds);
}

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The guide (F1, «Справка»): the same text as the desktop's, from help/guide.md in the
// page's language, made into HTML when the page was built; in a panel beside the window
// that stays usable. Its links go to the anchors of its headings, inside the panel.

import { closeOnEscape, hidePanel, makePanel, showBeside } from './panels.js';

export class HelpPanel {
  constructor({ html, title, closeName, anchor }) {
    this.anchor = anchor;
    this.panel = makePanel('dlgHelp', title, () => this.close(), closeName);
    this.panel.classList.add('help');
    this.text = this.panel.appendChild(document.createElement('div'));
    this.text.id = 'txtGuide';
    this.text.className = 'guide';
    this.text.tabIndex = 0;
    // The program's own text, written by its developers and made at build time.
    this.text.innerHTML = html;
    this.text.addEventListener('click', (event) => {
      const link = event.target.closest('a[href^="#"]');
      if (!link) return;
      event.preventDefault(); // the page's address keeps its #lang= and #setup=
      this.show(link.getAttribute('href').slice(1));
    });
    closeOnEscape(this.panel, () => this.close());
    this.panel.addEventListener('keydown', (event) => event.stopPropagation());
    document.body.appendChild(this.panel);
  }

  // Shows the guide at the heading with that anchor (the top when none).
  show(anchor = '') {
    showBeside(this.panel, this.anchor, 420, 720);
    this.panel.style.zIndex = String(11);
    const heading = anchor && this.text.querySelector(`[id="${CSS.escape(anchor)}"]`);
    this.text.scrollTop = heading ? heading.offsetTop - this.text.offsetTop : 0;
    this.text.focus({ preventScroll: true });
  }

  close() {
    hidePanel(this.panel);
  }
}

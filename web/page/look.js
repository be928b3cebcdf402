// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page tells a screen reader, and the look it shows. An announcement is said once
// through the page's live region. The look in force (the window's own or high contrast)
// shows in the page's colours, in the window's controls painted in the core's colours of
// that look, in the switch under the window and in the experiment's chart.

import { paintControls } from './form.js';

export class Announcer {
  constructor(element) {
    this.element = element;
  }

  // The text cleared first, so that the same words again are said again.
  say(text) {
    this.element.textContent = '';
    setTimeout(() => { this.element.textContent = text; }, 100);
  }
}

export class Look {
  // elements by control name, the core's controls, the high-contrast switch, the experiment.
  constructor({ elements, controls, contrastSwitch, experiment }) {
    this.elements = elements;
    this.controls = controls;
    this.contrastSwitch = contrastSwitch;
    this.experiment = experiment;
  }

  show(highContrast) {
    document.body.classList.toggle('contrast-high', highContrast);
    document.body.dataset.contrast = highContrast ? 'high' : 'normal';
    paintControls(this.elements, this.controls, highContrast);
    this.contrastSwitch.checked = highContrast;
    this.experiment.setLook(highContrast);
  }
}

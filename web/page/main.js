// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the simulator's window in a browser, the page's face of the core's window.
// It builds its elements from the core's control table, sends every action of the user to
// the worker by control name, and applies what comes back by element id: texts, states,
// accessible names, the picture and its words, the boxes, the focus, the caption, the
// progress of a long press, what a screen reader is told, the look. Under the window: the
// language, the tools button and the high-contrast switch. Narrower than the window, the
// page shows it as one column.

import { CoreClient, localeSeparator } from './core-client.js';
import { showMessage, ProgressBox, boxOpen } from './dialogs.js';
import { ExperimentPanel } from './experiment.js';
import { download, bytesBlob } from './files.js';
import { buildWindow, cssColour, paintControls, setAccessible, setCaption } from './form.js';
import { HelpPanel } from './help.js';
import { acceleratedElement, acceleratorLetters } from './keys.js';
import {
  buildContrastSwitch, buildLanguageSwitch, hashParameters, rememberContrast, rememberLanguage,
  rememberedContrast, rememberedLanguage,
} from './language.js';
import { buildMenu } from './menus.js';
import { Picture } from './picture.js';
import { LabFiles } from './labfiles.js';
import { PictureMenu, followReadout } from './tools.js';
import { ValueTablePanel, playTone } from './valuetable.js';

class Page {
  constructor(client, description, built, language) {
    this.client = client;
    this.description = description;
    this.language = language; // {code, languages: [{code, name}], guide}
    this.texts = description.texts;
    this.elements = built.elements;
    this.form = built.form;
    this.busy = false;
    this.highContrast = description.highContrast;
    const picture = this.elements.get('PicRes');
    this.picture = new Picture(picture, description);
    picture.appendChild(this.elements.get('lblRmax')); // above the canvas
    this.menu = buildMenu(built.menubar, description.menu, (item) => this.act('click', item));
    // A panel's close button: the core's word for closing, else the panel's own title.
    const closeName = (title) => this.texts.close || title;
    this.experiment = new ExperimentPanel({
      client, texts: this.texts, settings: description.experiment,
      showWarning: (warning) => this.apply({ boxIcon: 'warning', boxTitle: warning.title,
                                             boxText: warning.text, focus: warning.focus }),
      anchor: this.form, closeName: closeName(this.texts.experiment),
    });
    this.help = new HelpPanel({ html: language.guide, title: this.texts.helpTitle,
                                closeName: closeName(this.texts.helpTitle), anchor: this.form });
    this.values = new ValueTablePanel({ title: this.texts.valueTableTitle,
                                        closeName: closeName(this.texts.valueTableTitle), anchor: this.form });
    this.tools = new PictureMenu(description.tools, this.toolHandlers(), picture, description.longPressMs);
    // Under the window (outside it: the window keeps its controls).
    const under = built.form.parentElement.appendChild(document.createElement('div'));
    under.className = 'under';
    buildLanguageSwitch(under, this.texts.language, language, (code) => this.switchLanguage(code));
    this.tools.makeButton(under, this.texts.toolsButton);
    this.contrastSwitch = buildContrastSwitch(under, this.texts.highContrast,
                                              (on) => this.act('setHighContrast', on));
    followReadout(picture, description.pictureWidth, (x, y) => this.picture.userPoint(x, y),
                  (x, y) => this.call('readout', x, y));
    this.announcer = document.getElementById('announcer');
    this.wire();
    this.showLook();
    document.querySelector('title').textContent = description.caption;
    setInterval(() => {
      const now = new Date();
      this.act('clockTick', now.getHours(), now.getMinutes(), now.getSeconds());
    }, 500);
  }

  // A call of the core's window, answered with what it answers.
  call(method, ...args) {
    return this.client.request('call', { method, args });
  }

  // An action of the user, and its changes shown.
  async act(method, ...args) {
    await this.apply(await this.call(method, ...args));
  }

  wire() {
    for (const control of this.description.controls) {
      const element = this.elements.get(control.name);
      const input = element.matches('input') ? element : element.querySelector('input, select');
      if (control.kind === 'lineedit')
        element.addEventListener('input', () => this.call('type', control.name, element.value));
      else if (control.kind === 'radio')
        input.addEventListener('change', () => input.checked && this.act('setChecked', control.name, true));
      else if (control.kind === 'check')
        input.addEventListener('change', () => this.act('setChecked', control.name, input.checked));
      else if (control.kind === 'combo')
        input.addEventListener('change', () => this.act('choose', control.name, input.selectedIndex));
      else if (control.kind === 'button')
        element.addEventListener('click', () => this.press(control.name));
      else if (control.kind === 'result')
        showWholeOnFocus(element);
    }
    document.addEventListener('keydown', (event) => this.key(event));
  }

  // What the screen reader says, once: the text cleared first, so that the same words
  // again are said again.
  announce(text) {
    this.announcer.textContent = '';
    setTimeout(() => { this.announcer.textContent = text; }, 100);
  }

  // The look in force on the page: its colours, the window's controls in the core's
  // colours of that look, the switch, the experiment's chart.
  showLook() {
    document.body.classList.toggle('contrast-high', this.highContrast);
    document.body.dataset.contrast = this.highContrast ? 'high' : 'normal';
    paintControls(this.elements, this.description.controls, this.highContrast);
    this.contrastSwitch.checked = this.highContrast;
    this.experiment.setLook(this.highContrast);
  }

  // ---- the core's changes --------------------------------------------------------------

  async apply(changes, picture = null) {
    for (const change of changes.controls || []) this.applyControl(change);
    if (changes.hasCaption) document.querySelector('title').textContent = changes.caption;
    if (changes.look) {
      rememberContrast(this.highContrast);
      this.showLook();
    }
    if (changes.picture && !picture) picture = await this.call('picture'); // the new look's
    if (picture) this.picture.show(picture);
    if (changes.announcement) this.announce(changes.announcement);
    if (changes.boxIcon)
      await showMessage({ title: changes.boxTitle, text: changes.boxText, icon: changes.boxIcon });
    if (changes.focus) this.focus(changes.focus);
    if (changes.close) await this.exit();
  }

  applyControl({ control, parts, state }) {
    const element = document.getElementById(control);
    if (!element) return;
    const kind = element.dataset.kind;
    const { text, toolTip, enabled, checked, index, accessible } = this.description.parts;
    const input = element.matches('input') ? element : element.querySelector('input, select');
    if (parts & text) {
      if (kind === 'lineedit') {
        if (element.value !== state.text) element.value = state.text;
      } else if (kind === 'button' || kind === 'radio' || kind === 'check') {
        setCaption(element.querySelector('span'), state.text);
        element.dataset.caption = state.text;
      } else if (kind === 'action') {
        element.firstChild.textContent = state.text;
      } else {
        element.textContent = state.text;
        if (!element.classList.contains('result')) element.dataset.caption = state.text;
      }
    }
    // A reading's full text, shown where its box is too narrow for it.
    if (parts & toolTip)
      element.title = !element.classList.contains('result') ||
        element.scrollWidth > element.clientWidth ? state.toolTip : '';
    if (parts & accessible) setAccessible(element, state.accessibleName, state.description);
    if (parts & enabled) {
      if (kind === 'action') {
        element.classList.toggle('disabled', !state.enabled);
        if (state.enabled) element.removeAttribute('aria-disabled');
        else element.setAttribute('aria-disabled', 'true');
      }
      else if (input) input.disabled = !state.enabled;
      if (kind === 'lineedit')
        element.style.backgroundColor = cssColour(state.enabled ? this.description.enabledField
                                                                : this.description.disabledField);
    }
    if ((parts & checked) && control === 'actHighContrast') this.highContrast = state.checked;
    if (parts & checked) {
      if (kind === 'action') {
        if (element.getAttribute('role') === 'menuitemcheckbox')
          element.setAttribute('aria-checked', String(state.checked));
      } else if (input) {
        input.checked = state.checked;
      }
    }
    if ((parts & index) && input) input.selectedIndex = state.index;
  }

  // The field a message points to takes the focus, its text selected.
  focus(name) {
    const named = this.elements.get(name);
    const target = named && (named.matches('input') ? named : named.querySelector('input, select'));
    if (target && !target.disabled) {
      target.focus();
      if (target.select) target.select();
    }
  }

  // ---- a press -------------------------------------------------------------------------

  async press(button) {
    if (this.busy || boxOpen()) return;
    this.busy = true;
    document.body.dataset.busy = '1';
    try {
      const opened = await this.call('click', button);
      await this.apply(opened); // the labels reset, the title, maybe the beam-filling box
      if (opened.pressing) {
        const end = await this.run();
        if (end.computeMs !== undefined) document.body.dataset.computeMs = String(end.computeMs);
        await this.apply(end.changes, end.picture);
      }
    } finally {
      this.busy = false;
      delete document.body.dataset.busy;
    }
  }

  // The press's batches in the worker, with a progress box that may cancel them.
  async run() {
    let finish;
    const ended = new Promise((resolve) => { finish = resolve; });
    const t = this.texts;
    const progress = new ProgressBox({ title: t.progressTitle, text: t.progressText, cancel: t.cancel },
      () => this.client.request('cancel').then((changes) => finish({ changes })));
    this.client.onProgress = (message) => {
      progress.update(message.done, message.total, message.show);
      if (message.announcement) this.announce(message.announcement); // a long press has begun
    };
    this.client.onPressEnd = (message) => finish(message);
    await this.client.request('press', { id: 'press' });
    const end = await ended;
    progress.close();
    this.client.onProgress = () => {};
    this.client.onPressEnd = () => {};
    return end;
  }

  async exit() {
    window.close();
    await new Promise((resolve) => setTimeout(resolve, 150));
    if (!window.closed)
      await showMessage({ title: this.description.caption, text: this.texts.exitPage, icon: 'information' });
  }

  // ---- the picture's tools, setups and the report ------------------------------------------

  toolHandlers() {
    const files = new LabFiles(this);
    this.files = files;
    return {
      actCopyPicture: () => files.copyPicture(),
      actSavePicture: async () => download(await this.picture.png(), this.texts.pictureFile),
      actSaveData: async () => download(bytesBlob(await this.call('plotCsv'), 'text/csv'), this.texts.dataFile),
      actSensitivity: () => this.experiment.open(),
      actOpenSetup: () => files.chooseSetupFile(),
      actSaveSetup: () => files.saveSetup(),
      actCopySetupLink: () => files.copySetupLink(),
      actReport: () => files.printReport(),
      actValueTable: async () => this.values.show(await this.call('valueTable')),
      actListen: async () => playTone(await this.call('tone')),
      actHighContrast: () => this.act('setHighContrast', !this.highContrast),
      actHelp: () => this.help.show(),
    };
  }

  // A setup's text opened: refused whole with the core's message, or set in the controls
  // as if the user had typed and clicked them (no press runs).
  openSetupText(text, fileName) {
    return this.act('openSetup', text, fileName);
  }

  // The page again in another language, remembered for the next visit, with the controls
  // as they stand (a setup in the address).
  async switchLanguage(code) {
    rememberLanguage(code);
    const look = this.highContrast ? 'contrast=high&' : '';
    location.hash = `lang=${code}&${look}setup=${encodeURIComponent(await this.call('setupText'))}`;
    location.reload();
  }

  // ---- the keyboard --------------------------------------------------------------------

  key(event) {
    if (boxOpen() || this.tools.isOpen()) return;
    const tool = this.tools.toolOf(event);
    if (tool) {
      event.preventDefault(); // not the browser's own (help, save, print)
      tool.run();
      return;
    }
    if (event.altKey && !event.ctrlKey) {
      const letters = acceleratorLetters(event);
      if (!letters.length) return;
      if (acceleratedElement([this.menu.top], letters)) {
        event.preventDefault();
        this.menu.open();
        return;
      }
      const buttons = [...this.elements.values()].filter((element) => element.matches('button'));
      const button = acceleratedElement(buttons, letters);
      if (button) {
        event.preventDefault();
        button.focus();
        button.click();
      }
    }
  }
}

// A reading's box, too narrow for all its digits, widens to the left while it has the
// focus (the column of readings is right-aligned at the window's edge).
function showWholeOnFocus(box) {
  box.addEventListener('focus', () => {
    const needed = box.scrollWidth + (box.offsetWidth - box.clientWidth);
    if (document.body.classList.contains('narrow') || needed <= box.offsetWidth) return;
    const { left, width } = box.style;
    box.dataset.place = JSON.stringify({ left, width });
    box.style.left = `${box.offsetLeft + box.offsetWidth - needed}px`;
    box.style.width = `${needed}px`;
    box.classList.add('whole');
  });
  box.addEventListener('blur', () => {
    if (!box.dataset.place) return;
    Object.assign(box.style, JSON.parse(box.dataset.place));
    delete box.dataset.place;
    box.classList.remove('whole');
  });
}

// Narrower than the window (with the page's margins), the page shows it as one column.
function followWidth(form) {
  const margins = parseFloat(getComputedStyle(document.body).paddingLeft) +
    parseFloat(getComputedStyle(document.body).paddingRight);
  const query = matchMedia(`(max-width: ${form.offsetWidth + margins - 0.5}px)`);
  const apply = () => document.body.classList.toggle('narrow', query.matches);
  query.addEventListener('change', apply);
  apply();
}

function failed(sentence) {
  const app = document.getElementById('app');
  app.textContent = '';
  const message = app.appendChild(document.createElement('p'));
  message.className = 'failure';
  message.setAttribute('role', 'alert');
  message.textContent = sentence;
}

async function start() {
  const failure = document.getElementById('app').dataset.failure;
  if (typeof WebAssembly !== 'object' || typeof Worker !== 'function') {
    failed(failure);
    return;
  }
  try {
    const client = new CoreClient(document.getElementById('veltrum-worker').textContent);
    client.onFailure = (why) => {
      console.error('Veltrum: the worker failed:', why);
      failed(failure);
    };
    // The languages built into the page: Russian, the source, and every catalogue.
    const languages = JSON.parse(document.getElementById('veltrum-languages').textContent);
    const catalogues = {};
    for (const [code, { catalogue }] of Object.entries(languages))
      if (code !== 'ru') catalogues[code] = catalogue;
    const parameters = hashParameters(location.hash);
    const remembered = rememberedContrast();
    const highContrast = parameters.contrast !== undefined ? parameters.contrast === 'high'
      : remembered !== null ? remembered : matchMedia('(prefers-contrast: more)').matches;
    const { language, description } = await client.request('load', {
      option: parameters.lang === undefined ? null : parameters.lang,
      remembered: rememberedLanguage(), catalogues, separator: localeSeparator(),
    });
    document.documentElement.lang = language.code;
    await client.startHelpers();
    const app = document.getElementById('app');
    app.textContent = '';
    const heading = app.appendChild(document.createElement('h1'));
    heading.className = 'visually-hidden';
    heading.textContent = description.texts.pageHeading;
    const built = buildWindow(app, description);
    followWidth(built.form);
    const page = new Page(client, description, built, { ...language, guide: languages[language.code].guide });
    window.veltrum = page;
    if (highContrast !== description.highContrast) await page.act('setHighContrast', highContrast);
    if (language.problem)
      await showMessage({ title: description.caption, text: language.problem, icon: 'warning' });
    // A setup in the page's address (veltrum.html#setup=…), and setup files dropped on it.
    if (parameters.setup !== undefined)
      await page.openSetupText(parameters.setup, description.texts.setupFromAddress);
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => {
      event.preventDefault();
      const files = event.dataTransfer && event.dataTransfer.files;
      if (files && files.length === 1) page.files.openSetupFile(files[0]);
    });
    document.body.dataset.ready = '1';
  } catch (error) {
    console.error('Veltrum:', error);
    failed(failure);
  }
}

start();

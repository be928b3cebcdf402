// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the simulator's window in a browser, the page's face of the core's window.
// It builds its elements from the core's control table, sends every action of the user to
// the worker by control name, and applies what comes back by element id: texts, states,
// the picture, the boxes, the focus, the caption, the progress of a long press.

import { CoreClient, localeSeparator } from './core-client.js';
import { showMessage, ProgressBox, boxOpen } from './dialogs.js';
import { ExperimentPanel } from './experiment.js';
import { download, bytesBlob } from './files.js';
import { buildMenu, buildWindow, cssColour, setCaption } from './form.js';
import { HelpPanel } from './help.js';
import { acceleratedElement, acceleratorLetters } from './keys.js';
import { buildLanguageSwitch, hashParameters, rememberLanguage, rememberedLanguage } from './language.js';
import { Picture } from './picture.js';
import { LabFiles } from './labfiles.js';
import { PictureMenu, followReadout } from './tools.js';

class Page {
  constructor(client, description, built, language) {
    this.client = client;
    this.description = description;
    this.language = language; // {code, languages: [{code, name}], guide}
    this.texts = description.texts;
    this.elements = built.elements;
    this.form = built.form;
    this.busy = false;
    this.picture = new Picture(this.elements.get('PicRes'), description);
    this.elements.get('PicRes').appendChild(this.elements.get('lblRmax')); // above the canvas
    this.menu = buildMenu(built.menubar, description.menu, (item) => this.act('click', item));
    this.experiment = new ExperimentPanel({
      client, texts: this.texts, settings: description.experiment,
      showWarning: (warning) => this.apply({ boxIcon: 'warning', boxTitle: warning.title,
                                             boxText: warning.text, focus: warning.focus }),
      anchor: this.form,
    });
    this.help = new HelpPanel({ html: language.guide, title: this.texts.helpTitle, anchor: this.form });
    buildLanguageSwitch(built.form.parentElement, this.texts.language, language,
                        (code) => this.switchLanguage(code));
    this.tools = new PictureMenu(description.tools, this.toolHandlers(), this.elements.get('PicRes'));
    followReadout(this.elements.get('PicRes'), (x, y) => this.picture.userPoint(x, y),
                  (x, y) => this.call('readout', x, y));
    this.wire();
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
    }
    document.addEventListener('keydown', (event) => this.key(event));
  }

  // ---- the core's changes --------------------------------------------------------------

  async apply(changes, picture = null) {
    for (const change of changes.controls || []) this.applyControl(change);
    if (changes.hasCaption) document.querySelector('title').textContent = changes.caption;
    if (picture) this.picture.show(picture);
    if (changes.boxIcon)
      await showMessage({ title: changes.boxTitle, text: changes.boxText, icon: changes.boxIcon });
    if (changes.focus) this.focus(changes.focus);
    if (changes.close) await this.exit();
  }

  applyControl({ control, parts, state }) {
    const element = document.getElementById(control);
    if (!element) return;
    const kind = element.dataset.kind;
    const { text, toolTip, enabled, checked, index } = this.description.parts;
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
    if (parts & enabled) {
      if (kind === 'action') element.classList.toggle('disabled', !state.enabled);
      else if (input) input.disabled = !state.enabled;
      if (kind === 'lineedit')
        element.style.backgroundColor = cssColour(state.enabled ? this.description.enabledField
                                                                : this.description.disabledField);
    }
    if (parts & checked) {
      if (kind === 'action') element.setAttribute('aria-checked', String(state.checked));
      else if (input) input.checked = state.checked;
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
    this.client.onProgress = (message) => progress.update(message.done, message.total, message.show);
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
    location.hash = `lang=${code}&setup=${encodeURIComponent(await this.call('setupText'))}`;
    location.reload();
  }

  // ---- the keyboard --------------------------------------------------------------------

  key(event) {
    if (boxOpen()) return;
    const tool = this.tools.toolOf(event);
    if (tool) {
      event.preventDefault(); // not the browser's own (help, save, print)
      tool.run();
      return;
    }
    if (event.altKey && !event.ctrlKey) {
      const letters = acceleratorLetters(event);
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
    const { language, description } = await client.request('load', {
      option: parameters.lang === undefined ? null : parameters.lang,
      remembered: rememberedLanguage(), catalogues, separator: localeSeparator(),
    });
    document.documentElement.lang = language.code;
    await client.startHelpers();
    const app = document.getElementById('app');
    app.textContent = '';
    const built = buildWindow(app, description);
    const page = new Page(client, description, built, { ...language, guide: languages[language.code].guide });
    window.veltrum = page;
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

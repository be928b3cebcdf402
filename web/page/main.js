// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the simulator's window in a browser, the page's face of the core's window.
// It builds its elements from the core's control table, sends every action of the user to
// the worker by control name, and applies what comes back by element id: the controls'
// changes (controls.js), the picture and its words, the boxes, the focus, the caption, the
// progress of a long press, what a screen reader is told and the look (look.js). Under the
// window, a row of its own (under.js); narrower than the window, one column (fit.js); what
// it starts with, from its address and the browser (startup.js).

import { applyControl } from './controls.js';
import { CoreClient } from './core-client.js';
import { showMessage, ProgressBox, boxOpen } from './dialogs.js';
import { ExperimentPanel } from './experiment.js';
import { download, bytesBlob } from './files.js';
import { followWidth, showWholeOnFocus } from './fit.js';
import { buildWindow } from './form.js';
import { HelpPanel } from './help.js';
import { acceleratedElement, acceleratorLetters } from './keys.js';
import { rememberContrast } from './language.js';
import { Announcer, Look } from './look.js';
import { buildMenu } from './menus.js';
import { Picture } from './picture.js';
import { LabFiles } from './labfiles.js';
import { acceptDroppedSetups, startParameters } from './startup.js';
import { PictureMenu, followReadout } from './tools.js';
import { buildUnderRow, reloadInLanguage } from './under.js';
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
    this.tools = new PictureMenu(description.tools, description.toolSubmenus, this.toolHandlers(), picture,
                                 description.longPressMs);
    this.contrastSwitch = buildUnderRow(built.form, {
      texts: this.texts, language, tools: this.tools,
      onLanguage: (code) => reloadInLanguage(code, this.highContrast, () => this.call('setupText')),
      onContrast: (on) => this.act('setHighContrast', on),
    });
    followReadout(picture, description.pictureWidth, (x, y) => this.picture.userPoint(x, y),
                  (x, y) => this.call('readout', x, y));
    this.announcer = new Announcer(document.getElementById('announcer'));
    this.look = new Look({ elements: this.elements, controls: description.controls,
                           contrastSwitch: this.contrastSwitch, experiment: this.experiment });
    this.wire();
    this.look.show(this.highContrast);
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

  // ---- the core's changes --------------------------------------------------------------

  async apply(changes, picture = null) {
    for (const change of changes.controls || []) {
      // The look the core's high-contrast action now ticks is the page's.
      if (applyControl(change, this.description) && change.control === 'actHighContrast' &&
          (change.parts & this.description.parts.checked)) this.highContrast = change.state.checked;
    }
    if (changes.hasCaption) document.querySelector('title').textContent = changes.caption;
    if (changes.look) {
      rememberContrast(this.highContrast);
      this.look.show(this.highContrast);
    }
    if (changes.picture && !picture) picture = await this.call('picture'); // the new look's
    if (picture) this.picture.show(picture);
    if (changes.announcement) this.announcer.say(changes.announcement);
    if (changes.boxIcon)
      await showMessage({ title: changes.boxTitle, text: changes.boxText, icon: changes.boxIcon });
    if (changes.focus) this.focus(changes.focus);
    if (changes.close) await this.exit();
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
      if (message.announcement) this.announcer.say(message.announcement); // a long press has begun
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

  // The page's own handler of each tool; any other tool (the receiver's items) is the
  // window's click of its name.
  toolHandlers() {
    const files = new LabFiles(this);
    this.files = files;
    const own = {
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
    return Object.fromEntries(this.description.tools.map(({ name }) =>
      [name, own[name] || (() => this.act('click', name))]));
  }

  // A setup's text opened: refused whole with the core's message, or set in the controls
  // as if the user had typed and clicked them (no press runs).
  openSetupText(text, fileName) {
    return this.act('openSetup', text, fileName);
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
    const { languages, load, highContrast, setup, receiver } = startParameters();
    const { language, description } = await client.request('load', load);
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
    if (setup !== undefined) await page.openSetupText(setup, description.texts.setupFromAddress);
    // The receiver the address names (#receiver=, #switching=), over the setup's.
    if (receiver) await page.act('chooseReceiverOfAddress', ...receiver);
    acceptDroppedSetups((file) => page.files.openSetupFile(file));
    document.body.dataset.ready = '1';
  } catch (error) {
    console.error('Veltrum:', error);
    failed(failure);
  }
}

start();

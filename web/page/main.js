// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the simulator's window in a browser, as the desktop shows it, over the same
// core. The page builds the window from the core's control table, sends what the user
// types and clicks to the worker that holds the core, and shows what comes back: the
// recorded picture, the texts, the warnings, the progress of a long press.

import { CoreClient, localeSeparator } from './core-client.js';
import { showMessage, ProgressBox, boxOpen } from './dialogs.js';
import { ExperimentPanel } from './experiment.js';
import { download, bytesBlob } from './files.js';
import { accelerator, buildMenu, buildWindow, cssColour, menuEntry, setCaption } from './form.js';
import { HelpPanel } from './help.js';
import { Picture } from './picture.js';

// The Russian letters of the standard ЙЦУКЕН layout by physical key, so that Alt+А works
// whichever layout is active.
const RUSSIAN_KEYS = {
  KeyF: 'а', KeyComma: 'б', KeyD: 'в', KeyU: 'г', KeyL: 'д', KeyT: 'е', KeySemicolon: 'ж',
  KeyP: 'з', KeyB: 'и', KeyQ: 'й', KeyR: 'к', KeyK: 'л', KeyV: 'м', KeyY: 'н', KeyJ: 'о',
  KeyG: 'п', KeyH: 'р', KeyC: 'с', KeyN: 'т', KeyE: 'у', KeyA: 'ф', KeyBracketLeft: 'х',
  KeyW: 'ц', KeyX: 'ч', KeyI: 'ш', KeyO: 'щ', KeyS: 'ы', KeyM: 'ь', KeyQuote: 'э',
  Period: 'ю', KeyZ: 'я', Comma: 'б', Semicolon: 'ж', BracketLeft: 'х', Quote: 'э',
  BracketRight: 'ъ', Backquote: 'ё',
};

// Where the page remembers the language chosen with its switch.
const LANGUAGE_KEY = 'veltrum.language';

function rememberedLanguage() {
  try {
    return localStorage.getItem(LANGUAGE_KEY);
  } catch (error) {
    return null; // storage refused (a private window, a strict policy): nothing remembered
  }
}

// The page's address after #: lang=CODE first, if any, then setup=TEXT (URL-encoded) up to
// the end, as the page writes its links.
function hashParameters(hash) {
  const parameters = {};
  let rest = hash.replace(/^#/, '');
  const language = rest.match(/^lang=([^&]*)(?:&|$)/);
  if (language) {
    parameters.lang = language[1];
    rest = rest.slice(language[0].length);
  }
  const setup = rest.match(/^setup=(.*)$/s);
  if (setup) {
    try { parameters.setup = decodeURIComponent(setup[1]); } catch (error) { parameters.setup = setup[1]; }
  }
  return parameters;
}

class Page {
  constructor(client, description, built, language) {
    this.client = client;
    this.description = description;
    this.language = language; // {code, languages: [{code, name}], guide}
    this.texts = description.texts;
    this.elements = built.elements;
    this.form = built.form;
    this.separator = localeSeparator();
    this.busy = false;
    this.hasData = false;
    this.picture = new Picture(this.elements.get('PicRes'), 649, 249);
    this.rmax = this.elements.get('lblRmax');
    this.elements.get('PicRes').appendChild(this.rmax); // above the canvas
    this.menu = buildMenu(built.menubar, description.menu, (object, row) => {
      this.client.request('colour', { object, row });
    });
    this.experiment = new ExperimentPanel({
      client, texts: this.texts, columns: description.experiment.columns,
      separator: this.separator, fields: () => this.fieldState(),
      showWarning: (warning) => this.warn(warning), anchor: this.form,
    });
    this.help = new HelpPanel({ html: language.guide, title: this.texts.helpTitle, anchor: this.form });
    this.buildLanguageSwitch(built.form.parentElement);
    this.wire();
    this.startClock();
  }

  field(name) {
    return this.elements.get(name);
  }

  // The language switch, under the window (outside it: the window keeps its controls).
  buildLanguageSwitch(parent) {
    const row = parent.appendChild(document.createElement('div'));
    row.className = 'languages';
    const label = row.appendChild(document.createElement('label'));
    label.append(`${this.texts.language} `);
    const list = label.appendChild(document.createElement('select'));
    list.id = 'cboLanguage';
    for (const { code, name } of this.language.languages) {
      const option = list.appendChild(document.createElement('option'));
      option.value = code;
      option.textContent = name;
      option.selected = code === this.language.code;
    }
    list.addEventListener('change', () => this.switchLanguage(list.value));
  }

  // The page again in another language, remembered for the next visit, with the fields,
  // scene, side lobes, rate and colours as they stand (a setup in the address).
  async switchLanguage(code) {
    try { localStorage.setItem(LANGUAGE_KEY, code); } catch (error) { /* not remembered */ }
    const { text } = await this.client.request('writeSetup', { page: this.pageControls() });
    location.hash = `lang=${code}&setup=${encodeURIComponent(text)}`;
    location.reload();
  }

  // The fields as they stand, the selected option and the sampling rate.
  fieldState() {
    const fields = {};
    for (const { control } of this.description.fields) {
      const element = this.elements.get(control);
      if (element && element.matches('input')) fields[control] = element.value;
    }
    const checked = this.form.querySelector('input[name="scene"]:checked');
    return {
      fields,
      option: checked ? checked.parentElement.id : this.description.scenes[0],
      rate: this.elements.get('cboFd').querySelector('select').selectedIndex,
    };
  }

  wire() {
    for (const button of this.description.blocks)
      this.elements.get(button).addEventListener('click', () => this.press(button));
    for (const option of this.description.scenes) {
      const input = this.elements.get(option).querySelector('input');
      input.addEventListener('change', () => {
        if (input.checked) this.chooseScene(option);
      });
    }
    const box = this.elements.get('chkLepestok').querySelector('input');
    box.addEventListener('change', () => this.tickSideLobes(box));
    this.elements.get('cmdExit').addEventListener('click', () => this.exit());
    this.wireTools();
    document.addEventListener('keydown', (event) => this.key(event));
  }

  // The caption, with the clock from the first tick on; written into the title element so
  // that its two blanks stay (document.title reads them as one).
  startClock() {
    const title = document.querySelector('title');
    const tick = () => {
      const now = new Date();
      const two = (n) => String(n).padStart(2, '0');
      title.textContent = `${this.description.clockPrefix}${two(now.getHours())}:` +
        `${two(now.getMinutes())}:${two(now.getSeconds())}`;
    };
    title.textContent = this.description.caption;
    setInterval(tick, 500);
  }

  // ---- the labels --------------------------------------------------------------------

  labelTexts() {
    const texts = new Map();
    for (const name of ['lblname', 'lblRmax', ...this.description.results.map((r) => r.label)])
      texts.set(name, this.elements.get(name).textContent);
    return texts;
  }

  setLabel(name, text) {
    const label = this.elements.get(name);
    label.textContent = text;
    if (label.classList.contains('result'))
      label.title = label.scrollWidth > label.clientWidth ? text : '';
  }

  applyLabels(pairs) {
    for (const [name, text] of pairs) this.setLabel(name, text);
  }

  // ---- a press -------------------------------------------------------------------------

  async press(button) {
    if (this.busy || boxOpen()) return;
    this.busy = true;
    document.body.dataset.busy = '1';
    try {
      await this.pressNow(button);
    } finally {
      this.busy = false;
      delete document.body.dataset.busy;
    }
  }

  async pressNow(button) {
    const { fields, option, rate } = this.fieldState();
    const opened = await this.client.request('open', {
      button, fields, option, rate, separator: this.separator,
    });
    if (!opened.ok) {
      await this.warn(opened.warning);
      return;
    }
    const saved = this.labelTexts();
    this.applyLabels(opened.labels);
    if (opened.beamFilled)
      await showMessage({ title: this.texts.beamFilledTitle, text: this.texts.beamFilledText, icon: 'information' });

    let finish;
    const ended = new Promise((resolve) => { finish = resolve; });
    const progress = new ProgressBox(
      { title: this.texts.progressTitle, text: this.texts.progressText, cancel: this.texts.cancel },
      () => this.client.request('cancel').then(() => finish({ state: 'cancelled' })));
    this.client.onProgress = (message) => progress.update(message.done, message.total);
    this.client.onPressEnd = (message) => finish(message.result);
    await this.client.request('run', { id: 'press' });
    const end = await ended;
    progress.close();
    this.client.onProgress = () => {};
    this.client.onPressEnd = () => {};
    if (end.state === 'done') {
      document.body.dataset.computeMs = String(end.computeMs);
      this.picture.show({ kinds: end.kinds, coordinates: end.coordinates, colours: end.colours });
      this.applyLabels(end.labels);
      this.hasData = end.hasData;
      return;
    }
    for (const [name, text] of saved) this.setLabel(name, text);
    if (end.state === 'failed') await this.warn(end.warning);
  }

  // A warning; then the focus on the first field it names, its text selected.
  async warn(warning) {
    await showMessage({ title: warning.title, text: warning.text, icon: 'warning' });
    const named = warning.focus && this.elements.get(warning.focus);
    if (!named) return;
    const target = named.matches('input') ? named : named.querySelector('input, select');
    if (target && !target.disabled) {
      target.focus();
      if (target.select) target.select();
    }
  }

  // ---- the scene, the side lobes ---------------------------------------------------------

  setFieldEnabled(name, enabled) {
    const input = this.field(name);
    input.style.backgroundColor = cssColour(enabled ? this.description.enabledField
                                                    : this.description.disabledField);
    input.disabled = !enabled;
  }

  async chooseScene(option) {
    const look = await this.client.request('scene', { option });
    for (const name of ['txtVisota', 'txtF', 'txtScel']) this.setFieldEnabled(name, look.sceneFieldsEnabled);
    this.elements.get('lblT2').textContent = look.lblT2;
    this.elements.get('lblT2').dataset.caption = look.lblT2;
    for (const [name, caption] of [['btnT2', look.btnT2], ['btnT1', look.btnT1]]) {
      const button = this.elements.get(name);
      setCaption(button.querySelector('span'), caption);
      button.dataset.caption = caption;
    }
  }

  async tickSideLobes(box) {
    const ticked = box.checked;
    this.setFieldEnabled('txtTbokov', ticked);
    this.setFieldEnabled('txtBetta', ticked);
    const { warning } = await this.client.request('sideLobes', {
      ticked, beta: this.field('txtBetta').value, tsl: this.field('txtTbokov').value,
    });
    if (warning) {
      box.checked = false; // the fields stay open for the correction
      await this.warn(warning);
    }
  }

  async exit() {
    window.close();
    await new Promise((resolve) => setTimeout(resolve, 150));
    if (!window.closed) await showMessage({ title: this.description.caption, text: this.texts.exitPage, icon: 'information' });
  }

  // ---- the picture's tools -------------------------------------------------------------

  wireTools() {
    const picture = this.elements.get('PicRes');
    const menu = document.createElement('div');
    menu.id = 'mnuPicture';
    menu.className = 'context popup';
    menu.setAttribute('role', 'menu');
    menu.hidden = true;
    const t = this.texts;
    this.actions = [
      { name: 'actCopyPicture', text: t.copyPicture, keys: 'Ctrl+C', run: () => this.copyPicture() },
      { name: 'actSavePicture', text: t.savePicture, keys: 'Ctrl+S', run: () => this.savePicture() },
      { name: 'actSaveData', text: t.saveData, keys: 'Ctrl+Shift+S', run: () => this.saveData() },
      { name: 'actSensitivity', text: `${t.experiment}…`, keys: 'Ctrl+E', run: () => this.experiment.open() },
      { name: 'actOpenSetup', text: t.openSetup, keys: 'Ctrl+O', run: () => this.chooseSetupFile() },
      { name: 'actSaveSetup', text: t.saveSetup, keys: 'Ctrl+Alt+S', run: () => this.saveSetup() },
      { name: 'actCopySetupLink', text: t.copySetupLink, keys: '', run: () => this.copySetupLink() },
      { name: 'actReport', text: t.report, keys: 'Ctrl+P', run: () => this.printReport() },
      { name: 'actHelp', text: t.help, keys: 'F1', run: () => this.help.show() },
    ];
    for (const action of this.actions) {
      const item = menuEntry(menu, {
        id: action.name, caption: action.text, className: 'item', kind: 'action', role: 'menuitem',
      });
      item.append(action.text);
      item.appendChild(document.createElement('span')).textContent = action.keys;
      item.addEventListener('click', () => {
        menu.hidden = true;
        if (!item.classList.contains('disabled')) action.run();
      });
      action.item = item;
    }
    document.body.appendChild(menu);
    picture.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.actions[2].item.classList.toggle('disabled', !this.hasData);
      menu.style.left = `${event.pageX}px`;
      menu.style.top = `${event.pageY}px`;
      menu.hidden = false;
      menu.querySelector('.item').focus();
    });
    menu.addEventListener('keydown', (event) => {
      const items = [...menu.children];
      const at = items.indexOf(document.activeElement);
      if (event.key === 'Escape') menu.hidden = true;
      if (event.key === 'ArrowDown') items[(at + 1) % items.length].focus();
      if (event.key === 'ArrowUp') items[(at + items.length - 1) % items.length].focus();
      if (event.key === 'Enter') document.activeElement.click();
      event.preventDefault();
    });
    document.addEventListener('click', () => { menu.hidden = true; });

    // The readout: the position in the view's units and the sample under the cursor.
    const tip = document.createElement('div');
    tip.id = 'readout';
    tip.className = 'tooltip';
    tip.hidden = true;
    document.body.appendChild(tip);
    let asking = false;
    let wanted = null;
    const ask = async () => {
      if (asking || !wanted) return;
      asking = true;
      const { x, y, pageX, pageY } = wanted;
      wanted = null;
      const user = this.picture.userPoint(x, y);
      const { text } = user ? await this.client.request('readout', { x: user[0], y: user[1], separator: this.separator })
                            : { text: '' };
      asking = false;
      tip.hidden = !text;
      tip.textContent = text;
      tip.style.left = `${pageX + 14}px`;
      tip.style.top = `${pageY + 18}px`;
      ask();
    };
    picture.addEventListener('mousemove', (event) => {
      const box = picture.getBoundingClientRect();
      wanted = { x: event.clientX - box.left, y: event.clientY - box.top, pageX: event.pageX, pageY: event.pageY };
      ask();
    });
    picture.addEventListener('mouseleave', () => { wanted = null; tip.hidden = true; });
  }

  async copyPicture() {
    try {
      const blob = await this.picture.png();
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
    } catch (error) {
      await showMessage({ title: this.texts.copyFailedTitle, text: this.texts.copyFailedText, icon: 'warning' });
    }
  }

  async savePicture() {
    download(await this.picture.png(), this.texts.pictureFile);
  }

  async saveData() {
    if (!this.hasData) return;
    const { bytes } = await this.client.request('csv', { separator: this.separator });
    download(bytesBlob(bytes, 'text/csv'), this.texts.dataFile);
  }

  action(name) {
    return this.actions.find((action) => action.name === name);
  }

  // ---- lab setups ------------------------------------------------------------------------

  // The page's controls, as the core writes them into a setup.
  pageControls() {
    const { fields, option, rate } = this.fieldState();
    return {
      fields, option, rate,
      sideLobes: this.elements.get('chkLepestok').querySelector('input').checked,
      colours: [this.menu.checkedRow(0), this.menu.checkedRow(1)],
    };
  }

  // A setup's text opened: refused whole with the core's message, or set in the controls
  // as if the user had typed and clicked them (no press runs).
  async openSetupText(text, fileName) {
    const read = await this.client.request('readSetup', { text, fileName });
    if (!read.ok) {
      await this.warn({ title: read.title, text: read.text, focus: '' });
      return false;
    }
    const setup = read.setup;
    for (const [name, typed] of Object.entries(setup.fields)) this.field(name).value = typed;
    if (setup.option) {
      const input = this.elements.get(setup.option).querySelector('input');
      if (!input.checked) {
        input.checked = true;
        await this.chooseScene(setup.option);
      }
    }
    if (setup.rate !== null) this.elements.get('cboFd').querySelector('select').selectedIndex = setup.rate;
    setup.colours.forEach((row, object) => {
      if (row !== null) this.menu.choose(object, row);
    });
    if (setup.seed !== null) await this.client.request('restartNoise', { seed: setup.seed });
    if (setup.sideLobes !== null) {
      const box = this.elements.get('chkLepestok').querySelector('input');
      if (box.checked) { // clicked off first, so that the setup's β and Tsl are read
        box.checked = false;
        await this.tickSideLobes(box);
      }
      if (setup.sideLobes) {
        box.checked = true;
        await this.tickSideLobes(box);
      }
    }
    return true;
  }

  chooseSetupFile() {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = '.veltrum,.json,application/json';
    input.addEventListener('change', () => {
      if (input.files.length === 1) this.openSetupFile(input.files[0]);
    });
    input.click();
  }

  async openSetupFile(file) {
    const text = file.size > 262144 ? ' '.repeat(262145) : await file.text();
    await this.openSetupText(text, file.name);
  }

  async saveSetup() {
    const { text } = await this.client.request('writeSetup', { page: this.pageControls() });
    download(new Blob([text], { type: 'application/x-veltrum-setup' }), this.texts.setupFile);
  }

  async copySetupLink() {
    const { text } = await this.client.request('writeSetup', { page: this.pageControls() });
    const language = this.language.code === 'ru' ? '' : `lang=${this.language.code}&`;
    const link = `${location.href.split('#')[0]}#${language}setup=${encodeURIComponent(text)}`;
    try {
      await navigator.clipboard.writeText(link);
      await showMessage({ title: this.texts.copySetupLink, text: this.texts.setupLinkCopied, icon: 'information' });
    } catch (error) {
      await showMessage({ title: this.texts.copySetupLink, text: this.texts.setupLinkShown + link, icon: 'information' });
    }
  }

  // ---- the lab report ----------------------------------------------------------------------

  async printReport() {
    const now = new Date();
    const two = (n) => String(n).padStart(2, '0');
    const when = `${two(now.getDate())}.${two(now.getMonth() + 1)}.${now.getFullYear()} ` +
      `${two(now.getHours())}:${two(now.getMinutes())}`;
    const report = await this.client.request('report', {
      page: this.pageControls(), when, separator: this.separator, version: this.description.version,
    });
    showReport(report, this.experiment.chartImage());
    window.print();
  }

  // ---- the keyboard --------------------------------------------------------------------

  key(event) {
    if (boxOpen()) return;
    if (event.key === 'F1' && !event.ctrlKey && !event.altKey) {
      event.preventDefault(); // not the browser's own help
      this.help.show();
      return;
    }
    const inField = event.target instanceof HTMLInputElement && event.target.type !== 'checkbox' &&
      event.target.type !== 'radio';
    if (event.ctrlKey && event.altKey && event.code === 'KeyS' && !event.shiftKey) {
      event.preventDefault();
      this.saveSetup();
      return;
    }
    if (event.ctrlKey && !event.altKey) {
      const key = event.code;
      let action = null;
      if (key === 'KeyO' && !event.shiftKey) action = this.action('actOpenSetup');
      else if (key === 'KeyP' && !event.shiftKey) action = this.action('actReport');
      else if (key === 'KeyS') action = event.shiftKey ? this.actions[2] : this.actions[1];
      else if (key === 'KeyE' && !event.shiftKey) action = this.actions[3];
      else if (key === 'KeyC' && !event.shiftKey && !inField && !window.getSelection().toString())
        action = this.actions[0];
      if (action) {
        event.preventDefault();
        if (action !== this.actions[2] || this.hasData) action.run();
      }
      return;
    }
    if (event.altKey && !event.ctrlKey) {
      // The letter typed, and the letters of the physical key on the Russian and the Latin
      // layouts: Alt+У and Alt+R work whichever layout is active.
      const letters = [event.key.length === 1 ? event.key.toLowerCase() : '',
        RUSSIAN_KEYS[event.code] || '',
        (/^Key([A-Z])$/.exec(event.code) || ['', ''])[1].toLowerCase()].filter(Boolean);
      if (letters.includes(accelerator(this.description.menu.caption).key)) {
        event.preventDefault();
        this.menu.open();
        return;
      }
      for (const [name, element] of this.elements) {
        if (!element.matches('button')) continue;
        const { key } = accelerator(element.dataset.caption || '');
        if (key && letters.includes(key)) {
          event.preventDefault();
          element.focus();
          element.click();
          return;
        }
        void name;
      }
    }
  }
}

// The report as a page for the printer: shown instead of the window only when printing.
function showReport(report, chart) {
  const old = document.getElementById('report');
  if (old) old.remove();
  const page = document.createElement('article');
  page.id = 'report';
  const add = (tag, text, parent = page) => {
    const made = parent.appendChild(document.createElement(tag));
    if (text !== undefined) made.textContent = text;
    return made;
  };
  const table = ({ columns, rows }, numbers) => {
    const made = add('table');
    const head = made.createTHead().insertRow();
    for (const column of columns) add('th', column, head);
    const body = made.createTBody();
    for (const row of rows) {
      const line = body.insertRow();
      row.forEach((cell, k) => {
        const td = add('td', cell, line);
        if (numbers && k > 0) td.className = 'number';
      });
    }
  };
  add('h1', report.heading);
  add('p', report.generated).className = 'generated';
  add('h2', report.setupHeading);
  table(report.setup, false);
  add('h2', report.blocksHeading);
  if (!report.blocks.length) add('p', report.noBlocks);
  for (const block of report.blocks) {
    const figure = add('figure');
    add('h3', block.title, figure);
    const holder = document.createElement('div');
    const picture = new Picture(holder, 649, 249, 3);
    picture.show(block);
    const image = add('img', undefined, figure);
    image.src = picture.canvas.toDataURL('image/png');
    image.alt = block.title;
    if (block.readings.length)
      add('p', block.readings.map(([caption, value]) => `${caption}: ${value}`).join('; '), figure);
  }
  if (report.formulas.length) {
    add('h2', report.formulasHeading);
    for (const formula of report.formulas) add('p', formula);
  }
  if (report.experiment.rows.length) {
    add('h2', report.experimentHeading);
    table(report.experiment, true);
    if (chart) {
      const image = add('img');
      image.src = chart;
      image.className = 'chart';
    }
    add('p', report.experimentSlope);
  }
  document.body.appendChild(page);
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
  let client;
  try {
    client = new CoreClient(document.getElementById('veltrum-worker').textContent);
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
      remembered: rememberedLanguage(), catalogues,
    });
    document.documentElement.lang = language.code;
    await client.startHelpers();
    const app = document.getElementById('app');
    app.textContent = '';
    const built = buildWindow(app, description);
    const page = new Page(client, description, built,
      { ...language, guide: languages[language.code].guide });
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
      if (files && files.length === 1) page.openSetupFile(files[0]);
    });
    document.body.dataset.ready = '1';
  } catch (error) {
    console.error('Veltrum:', error);
    failed(failure);
  }
}

start();

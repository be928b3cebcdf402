// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page starts with: the languages built into it (Russian, the source, and every
// catalogue); the language its address asks for and the one the browser remembers, for
// the core to choose between; the look its address asks for, else the one remembered, else
// the one the system prefers; the setup and the receiver its address holds. And setup
// files dropped on it.

import { localeSeparator } from './core-client.js';
import { hashParameters, rememberedContrast, rememberedLanguage } from './language.js';

// {languages: {code: {catalogue, guide}}, load: the core's load request, highContrast,
// setup: the address's setup text, undefined without one, receiver: the address's
// receiver and switching words, null for each it does not name (null without either)}.
export function startParameters() {
  const languages = JSON.parse(document.getElementById('veltrum-languages').textContent);
  const catalogues = {};
  for (const [code, { catalogue }] of Object.entries(languages))
    if (code !== 'ru') catalogues[code] = catalogue;
  const parameters = hashParameters(location.hash);
  const remembered = rememberedContrast();
  const highContrast = parameters.contrast !== undefined ? parameters.contrast === 'high'
    : remembered !== null ? remembered : matchMedia('(prefers-contrast: more)').matches;
  const load = {
    option: parameters.lang === undefined ? null : parameters.lang,
    remembered: rememberedLanguage(), catalogues, separator: localeSeparator(),
  };
  const named = parameters.receiver !== undefined || parameters.switching !== undefined;
  const receiver = named ? [parameters.receiver ?? null, parameters.switching ?? null] : null;
  return { languages, load, highContrast, setup: parameters.setup, receiver };
}

// A setup file dropped on the page (one, not several) handed to open.
export function acceptDroppedSetups(open) {
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const files = event.dataTransfer && event.dataTransfer.files;
    if (files && files.length === 1) open(files[0]);
  });
}

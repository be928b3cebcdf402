// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's address and its language: #lang=CODE, then #setup=TEXT (URL-encoded) up to the
// end, as the page writes its links; the language the switch under the window chose,
// remembered by the browser.

const LANGUAGE_KEY = 'veltrum.language';

export function rememberedLanguage() {
  try {
    return localStorage.getItem(LANGUAGE_KEY);
  } catch (error) {
    return null; // storage refused (a private window, a strict policy): nothing remembered
  }
}

export function rememberLanguage(code) {
  try { localStorage.setItem(LANGUAGE_KEY, code); } catch (error) { /* not remembered */ }
}

export function hashParameters(hash) {
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

// The address of this page with a setup (and the language, unless it is the source one).
export function setupLink(code, source, text) {
  const language = code === source ? '' : `lang=${code}&`;
  return `${location.href.split('#')[0]}#${language}setup=${encodeURIComponent(text)}`;
}

// The switch under the window (outside it: the window keeps its controls).
export function buildLanguageSwitch(parent, caption, language, onChoose) {
  const row = parent.appendChild(document.createElement('div'));
  row.className = 'languages';
  const label = row.appendChild(document.createElement('label'));
  label.append(`${caption} `);
  const list = label.appendChild(document.createElement('select'));
  list.id = 'cboLanguage';
  for (const { code, name } of language.languages) {
    const option = list.appendChild(document.createElement('option'));
    option.value = code;
    option.textContent = name;
    option.selected = code === language.code;
  }
  list.addEventListener('change', () => onChoose(list.value));
  return row;
}

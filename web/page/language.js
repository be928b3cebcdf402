// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's address, its language and its look: #lang=CODE and #contrast=high, then
// #setup=TEXT (URL-encoded) up to the end, as the page writes its links; the language and
// the look the switches under the window (under.js) chose, remembered by the browser.

const LANGUAGE_KEY = 'veltrum.language';
const CONTRAST_KEY = 'veltrum.contrast';

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

// The look remembered: true for high contrast, false for the window's own, null for none.
export function rememberedContrast() {
  try {
    const kept = localStorage.getItem(CONTRAST_KEY);
    return kept === null ? null : kept === 'high';
  } catch (error) {
    return null;
  }
}

export function rememberContrast(high) {
  try { localStorage.setItem(CONTRAST_KEY, high ? 'high' : 'normal'); } catch (error) { /* not remembered */ }
}

export function hashParameters(hash) {
  const parameters = {};
  let rest = hash.replace(/^#/, '');
  for (let pair = rest.match(/^(lang|contrast)=([^&]*)(?:&|$)/); pair;
    pair = rest.match(/^(lang|contrast)=([^&]*)(?:&|$)/)) {
    parameters[pair[1]] = pair[2];
    rest = rest.slice(pair[0].length);
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

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's address, its language, its look and its receiver: #lang=CODE, #contrast=high,
// #receiver=WORD and #switching=WORD (the setup's words, which the core reads), then
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

const NAMED = /^(lang|contrast|receiver|switching)=([^&]*)(?:&|$)/;

function decoded(text) {
  try { return decodeURIComponent(text); } catch (error) { return text; }
}

export function hashParameters(hash) {
  const parameters = {};
  let rest = hash.replace(/^#/, '');
  for (let pair = rest.match(NAMED); pair; pair = rest.match(NAMED)) {
    parameters[pair[1]] = pair[1] === 'lang' || pair[1] === 'contrast' ? pair[2] : decoded(pair[2]);
    rest = rest.slice(pair[0].length);
  }
  const setup = rest.match(/^setup=(.*)$/s);
  if (setup) parameters.setup = decoded(setup[1]);
  return parameters;
}

// The address of this page with a setup (and the language, unless it is the source one).
export function setupLink(code, source, text) {
  const language = code === source ? '' : `lang=${code}&`;
  return `${location.href.split('#')[0]}#${language}setup=${encodeURIComponent(text)}`;
}

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The row under the window (outside it: the window keeps its controls): the language, the
// tools button and the high-contrast switch. Another language chosen there loads the page
// again in it, remembered for the next visit, with the controls as they stand.

import { rememberLanguage } from './language.js';

// The row after the window's form, its switches calling back; answers the high-contrast one.
export function buildUnderRow(form, { texts, language, tools, onLanguage, onContrast }) {
  const under = form.parentElement.appendChild(document.createElement('div'));
  under.className = 'under';
  buildLanguageSwitch(under, texts.language, language, onLanguage);
  tools.makeButton(under, texts.toolsButton);
  return buildContrastSwitch(under, texts.highContrast, onContrast);
}

// The language switch: every language of the page, the one in force chosen.
function buildLanguageSwitch(row, caption, language, onChoose) {
  const label = row.appendChild(document.createElement('label'));
  label.append(`${caption} `);
  const list = label.appendChild(document.createElement('select'));
  list.id = 'cboLanguage';
  for (const { code, name } of language.languages) {
    const option = list.appendChild(document.createElement('option'));
    option.value = code;
    option.lang = code; // each language's name in its own
    option.textContent = name;
    option.selected = code === language.code;
  }
  list.addEventListener('change', () => onChoose(list.value));
  return list;
}

// The high-contrast switch.
function buildContrastSwitch(row, caption, onSwitch) {
  const label = row.appendChild(document.createElement('label'));
  label.className = 'switch';
  const box = label.appendChild(document.createElement('input'));
  box.type = 'checkbox';
  box.id = 'chkContrast';
  box.setAttribute('role', 'switch');
  label.append(` ${caption}`);
  box.addEventListener('change', () => onSwitch(box.checked));
  return box;
}

// The page again in another language, with the look in force and the controls as they
// stand (a setup in the address, its text from setupText()).
export async function reloadInLanguage(code, highContrast, setupText) {
  rememberLanguage(code);
  const look = highContrast ? 'contrast=high&' : '';
  location.hash = `lang=${code}&${look}setup=${encodeURIComponent(await setupText())}`;
  location.reload();
}

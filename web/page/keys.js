// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Alt and a letter: the control whose caption marks that letter with &, as on the desktop,
// on either keyboard layout.

import { accelerator } from './form.js';

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

// The letters an Alt key event may mean: the one typed, and those of its physical key on
// the Russian and the Latin layouts.
export function acceleratorLetters(event) {
  return [event.key.length === 1 ? event.key.toLowerCase() : '',
    RUSSIAN_KEYS[event.code] || '',
    (/^Key([A-Z])$/.exec(event.code) || ['', ''])[1].toLowerCase()].filter(Boolean);
}

// The element among these whose caption's & marks one of the letters; none for others.
export function acceleratedElement(elements, letters) {
  for (const element of elements) {
    const { key } = accelerator(element.dataset.caption || '');
    if (key && letters.includes(key)) return element;
  }
  return null;
}

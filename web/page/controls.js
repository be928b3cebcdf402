// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A change of one control, as the core sends it, applied to its element by id: the parts
// the change names (its text, tool tip, accessible name and description, whether it is
// enabled, checked, and the item chosen) in the way the element's kind shows them.

import { cssColour, setAccessible, setCaption } from './form.js';

// False when the page has no element of that id (the change is for nothing shown).
export function applyControl({ control, parts, state }, description) {
  const element = document.getElementById(control);
  if (!element) return false;
  const kind = element.dataset.kind;
  const { text, toolTip, enabled, checked, index, accessible } = description.parts;
  const input = element.matches('input') ? element : element.querySelector('input, select');
  if (parts & text) {
    if (kind === 'lineedit') {
      if (element.value !== state.text) element.value = state.text;
    } else if (kind === 'button' || kind === 'radio' || kind === 'check') {
      setCaption(element.querySelector('span'), state.text);
      element.dataset.caption = state.text;
    } else if (kind === 'action') {
      element.firstChild.textContent = state.text;
    } else if (kind === 'menu') { // a menu's entry: its caption, not the items it holds
      setCaption(element.firstChild, state.text);
      element.dataset.caption = state.text;
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
      element.style.backgroundColor = cssColour(state.enabled ? description.enabledField
                                                              : description.disabledField);
  }
  if (parts & checked) {
    if (kind === 'action') {
      if (element.getAttribute('role') === 'menuitemcheckbox')
        element.setAttribute('aria-checked', String(state.checked));
    } else if (input) {
      input.checked = state.checked;
    }
  }
  if ((parts & index) && input) input.selectedIndex = state.index;
  return true;
}

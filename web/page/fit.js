// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window fits the page's width: narrower than the window, the page shows it as one
// column; a reading's box too narrow for all its digits widens while it has the focus.

// A reading's box widens to the left while it has the focus (the column of readings is
// right-aligned at the window's edge); in the one column it keeps its width.
export function showWholeOnFocus(box) {
  box.addEventListener('focus', () => {
    const needed = box.scrollWidth + (box.offsetWidth - box.clientWidth);
    if (document.body.classList.contains('narrow') || needed <= box.offsetWidth) return;
    const { left, width } = box.style;
    box.dataset.place = JSON.stringify({ left, width });
    box.style.left = `${box.offsetLeft + box.offsetWidth - needed}px`;
    box.style.width = `${needed}px`;
    box.classList.add('whole');
  });
  box.addEventListener('blur', () => {
    if (!box.dataset.place) return;
    Object.assign(box.style, JSON.parse(box.dataset.place));
    delete box.dataset.place;
    box.classList.remove('whole');
  });
}

// Narrower than the window (with the page's margins), the page shows it as one column.
export function followWidth(form) {
  const margins = parseFloat(getComputedStyle(document.body).paddingLeft) +
    parseFloat(getComputedStyle(document.body).paddingRight);
  const query = matchMedia(`(max-width: ${form.offsetWidth + margins - 0.5}px)`);
  const apply = () => document.body.classList.toggle('narrow', query.matches);
  query.addEventListener('change', apply);
  apply();
}

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab report as a page for the printer, from the core's contents: shown instead of
// the window only when printing.

import { Picture } from './picture.js';

export function showReport(report, chart, description) {
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
    const picture = new Picture(document.createElement('div'), description, 3);
    picture.show(block.drawing);
    const image = add('img', undefined, figure);
    image.src = picture.canvas.toDataURL('image/png');
    image.alt = block.title;
    if (block.readings) add('p', block.readings, figure);
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

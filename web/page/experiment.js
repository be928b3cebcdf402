// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sensitivity experiment in a window of the page's own, beside the main window: the
// summator pressed many times for each accumulation time by the worker, a batch at a time,
// while the window stays usable; a table of every run, a chart of the real and potential
// sensitivity against τ on logarithmic axes with each run's fitted line, the slopes under
// it; the chart as PNG (with the slopes) and the table as CSV. Every text comes from the
// core, as the desktop's.

import { download, bytesBlob } from './files.js';
import { closeOnEscape, hidePanel, makePanel, showBeside } from './panels.js';

function button(id, text) {
  const made = document.createElement('button');
  made.type = 'button';
  made.id = id;
  made.dataset.kind = 'button';
  made.dataset.caption = text;
  made.textContent = text;
  return made;
}

export class ExperimentPanel {
  // settings: the core's (columns, the longest times offered, presses, run colours).
  constructor({ client, texts, settings, showWarning, anchor, closeName }) {
    this.client = client;
    this.closeName = closeName;
    this.highContrast = false;
    this.texts = texts;
    this.settings = settings;
    this.showWarning = showWarning;
    this.anchor = anchor;
    this.runs = [];
    this.running = false;
    this.slope = '';
    this.axes = null; // the core's, for every run kept
    this.build(settings.columns);
    client.onExperimentStep = (result) => this.step(result);
    client.request('call', { method: 'experimentAxes', args: [] }).then((axes) => {
      this.axes = axes;
      this.draw();
    });
  }

  build(columns) {
    const t = this.texts;
    const panel = makePanel('dlgSensitivity', t.experiment, () => this.close(), this.closeName);

    const settings = panel.appendChild(document.createElement('div'));
    settings.className = 'panel-row';
    const kindLabel = settings.appendChild(document.createElement('label'));
    kindLabel.append(t.experimentKind, ' ');
    this.kind = kindLabel.appendChild(document.createElement('select'));
    this.kind.id = 'cboExperiment';
    this.settings.kinds.forEach((name) => {
      this.kind.appendChild(document.createElement('option')).textContent = name;
    });
    const largestLabel = settings.appendChild(document.createElement('label'));
    largestLabel.append(t.largestTime, ' ');
    this.largest = largestLabel.appendChild(document.createElement('select'));
    this.largest.id = 'cboLargest';
    const s = this.settings;
    s.largestTimes.forEach((label, index) => {
      const option = this.largest.appendChild(document.createElement('option'));
      option.value = String(s.largestValues[index]);
      option.textContent = label;
    });
    this.largest.selectedIndex = s.defaultLargest;
    const pressesLabel = settings.appendChild(document.createElement('label'));
    pressesLabel.append(t.pressesPerTime, ' ');
    this.presses = pressesLabel.appendChild(document.createElement('input'));
    this.presses.id = 'spnPresses';
    this.presses.type = 'number';
    this.presses.min = String(s.fewestPresses);
    this.presses.max = String(s.mostPresses);
    this.presses.value = String(s.defaultPresses);

    const buttons = panel.appendChild(document.createElement('div'));
    buttons.className = 'panel-row';
    this.start = buttons.appendChild(button('btnStart', t.start));
    this.stop = buttons.appendChild(button('btnStop', t.stop));
    this.clear = buttons.appendChild(button('btnClear', t.clear));
    this.saveChart = buttons.appendChild(button('btnSaveChart', t.saveChart));
    this.saveTable = buttons.appendChild(button('btnSaveTable', t.saveTable));
    this.stop.disabled = true;
    this.start.addEventListener('click', () => this.run());
    this.stop.addEventListener('click', () => this.halt());
    this.clear.addEventListener('click', () => this.clearAll());
    this.saveChart.addEventListener('click', () => this.exportChart());
    this.saveTable.addEventListener('click', () => this.exportTable());

    this.progress = panel.appendChild(document.createElement('progress'));
    this.progress.id = 'prgSensitivity';
    this.progress.max = 1;
    this.progress.value = 0;
    this.progress.setAttribute('aria-label', t.experiment);

    const scroller = panel.appendChild(document.createElement('div'));
    scroller.className = 'table-scroll';
    scroller.tabIndex = 0; // scrolled by the keyboard too
    scroller.setAttribute('role', 'region');
    scroller.setAttribute('aria-label', t.experiment);
    this.table = scroller.appendChild(document.createElement('table'));
    this.table.id = 'tblSensitivity';
    const head = this.table.createTHead().insertRow();
    for (const column of columns) head.appendChild(document.createElement('th')).textContent = column;
    this.body = this.table.createTBody();

    this.chart = panel.appendChild(document.createElement('canvas'));
    this.chart.id = 'chtSensitivity';
    this.chart.style.width = '100%';
    this.chart.style.height = '300px';
    this.chart.setAttribute('role', 'img');
    this.chart.setAttribute('aria-label', t.chartTitle);
    this.slopeLabel = panel.appendChild(document.createElement('div'));
    this.slopeLabel.id = 'lblSlope';
    this.slopeLabel.className = 'slope';
    this.timeTitle = columns[1];

    closeOnEscape(panel, () => this.close());
    document.body.appendChild(panel);
    this.panel = panel;
    new ResizeObserver(() => this.draw()).observe(this.chart);
  }

  // Shown beside the main window where the page is wide enough, else over its right side.
  open() {
    if (this.panel.hidden) {
      showBeside(this.panel, this.anchor, 560, 900);
      this.draw();
    }
    this.panel.style.zIndex = String(10);
    this.start.focus();
  }

  close() {
    this.halt();
    hidePanel(this.panel);
  }

  // The look: the runs' colours darkened to read on the chart's white.
  setLook(highContrast) {
    this.highContrast = highContrast;
    this.draw();
  }

  colourOf(run) {
    const colour = this.highContrast ? run.contrastColour : run.colour;
    return `rgb(${(colour >> 16) & 255},${(colour >> 8) & 255},${colour & 255})`;
  }

  async run() {
    if (this.running) return;
    const answer = await this.client.request('startExperiment', {
      largest: this.largest.selectedIndex, presses: this.presses.value,
      kind: this.kind.selectedIndex,
    });
    if (!answer.ok) {
      await this.showWarning(answer.warning);
      return;
    }
    this.beginRun(answer);
    this.running = true;
    this.progress.value = 0;
    this.start.disabled = true;
    this.stop.disabled = false;
    this.clear.disabled = true;
    this.draw();
  }

  // A run's series, as the core started it.
  beginRun(answer) {
    this.runs.push({
      number: answer.run, colour: answer.colour, contrastColour: answer.contrastColour,
      names: answer, rows: [], fit: null, longest: answer.longest,
    });
  }

  step(result) {
    const run = this.runs[this.runs.length - 1];
    this.axes = result.axes;
    if (result.hasRow && run) {
      run.rows.push(result.row);
      const line = this.body.insertRow();
      line.appendChild(document.createElement('td')).textContent = String(result.row.run);
      for (const cell of result.row.cells) line.appendChild(document.createElement('td')).textContent = cell;
      line.scrollIntoView({ block: 'nearest' });
    }
    if (result.fit && run) run.fit = result.fit;
    if (result.slope) {
      this.slope = result.slope;
      this.slopeLabel.textContent = result.slope;
    }
    if (result.hasNext) this.beginRun(result.next); // the start's next run
    if (result.total > 0) this.progress.value = result.done / result.total;
    if (result.state === 'failed') {
      this.finish();
      this.showWarning(result.warning);
    } else if (result.state === 'done') {
      this.progress.value = 1;
      this.finish();
    }
    this.draw();
  }

  finish() {
    this.running = false;
    this.start.disabled = false;
    this.stop.disabled = true;
    this.clear.disabled = false;
  }

  halt() {
    if (!this.running) return;
    this.client.request('stopExperiment');
    this.finish();
  }

  clearAll() {
    if (this.running) return;
    this.client.request('clearExperiment').then((axes) => { this.axes = axes; this.draw(); });
    this.runs = [];
    this.body.textContent = '';
    this.slope = '';
    this.slopeLabel.textContent = '';
    this.progress.value = 0;
    this.draw();
  }

  async exportTable() {
    const bytes = await this.client.request('experimentCsv');
    download(bytesBlob(bytes, 'text/csv'), this.texts.tableFile);
  }

  exportChart() {
    this.chartCanvas(window.devicePixelRatio || 1)
      .toBlob((blob) => download(blob, this.texts.chartFile), 'image/png');
  }

  // The chart with the slopes, for a printed report (as a data URL); null without runs.
  chartImage() {
    if (!this.runs.some((run) => run.rows.length)) return null;
    if (this.panel.hidden) return null;
    return this.chartCanvas(3).toDataURL('image/png');
  }

  // The chart with the slopes under it, drawn at a pixel ratio.
  chartCanvas(ratio) {
    const width = this.chart.clientWidth;
    const height = this.chart.clientHeight;
    const lines = Math.max(1, Math.ceil((this.slope.length * 7) / width) + 1);
    const canvas = document.createElement('canvas');
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round((height + 18 * lines) * ratio);
    const context = canvas.getContext('2d');
    context.scale(ratio, ratio);
    context.fillStyle = '#ffffff';
    context.fillRect(0, 0, width, height + 18 * lines);
    this.paint(context, width, height);
    context.fillStyle = '#000000';
    context.font = '12px sans-serif';
    let line = '';
    let y = height + 14;
    for (const word of this.slope.split(' ')) {
      if (context.measureText(`${line} ${word}`).width > width - 16 && line) {
        context.fillText(line, 8, y);
        y += 18;
        line = word;
      } else {
        line = line ? `${line} ${word}` : word;
      }
    }
    context.fillText(line, 8, y);
    return canvas;
  }

  draw() {
    if (this.panel.hidden) return;
    const ratio = window.devicePixelRatio || 1;
    const width = this.chart.clientWidth || 600;
    const height = this.chart.clientHeight || 300;
    this.chart.width = Math.round(width * ratio);
    this.chart.height = Math.round(height * ratio);
    const context = this.chart.getContext('2d');
    context.scale(ratio, ratio);
    this.paint(context, width, height);
  }

  // The chart on logarithmic axes: every press as a point, the mean as a line, the
  // potential sensitivity dashed, the fitted line dotted, in the run's colour; a legend.
  paint(context, width, height) {
    const t = this.texts;
    context.fillStyle = '#ffffff';
    context.fillRect(0, 0, width, height);
    const { axes } = this;
    if (!axes) return;
    const low = axes.kelvinLow;
    const high = axes.kelvinHigh;
    const legendWidth = Math.min(320, width * 0.38);
    const plot = { left: 64, top: 28, right: width - legendWidth - 12, bottom: height - 44 };
    const xMin = axes.timeLow;
    const xMax = axes.timeHigh;
    const x = (v) => plot.left + (Math.log10(v) - Math.log10(xMin)) /
      (Math.log10(xMax) - Math.log10(xMin)) * (plot.right - plot.left);
    const y = (v) => plot.bottom - (Math.log10(v) - Math.log10(low)) /
      (Math.log10(high) - Math.log10(low)) * (plot.bottom - plot.top);
    context.font = '12px sans-serif';
    context.fillStyle = '#333333';
    context.textAlign = 'center';
    context.fillText(t.chartTitle, (plot.left + plot.right) / 2, 16);
    // Decades and their grid.
    context.strokeStyle = this.highContrast ? '#767676' : '#dddddd';
    context.lineWidth = 1;
    for (const { value, label } of axes.timeTicks) {
      context.beginPath();
      context.moveTo(Math.round(x(value)) + 0.5, plot.top);
      context.lineTo(Math.round(x(value)) + 0.5, plot.bottom);
      context.stroke();
      context.fillText(label, x(value), plot.bottom + 16);
    }
    context.textAlign = 'right';
    for (const { value, label } of axes.kelvinTicks) {
      context.beginPath();
      context.moveTo(plot.left, Math.round(y(value)) + 0.5);
      context.lineTo(plot.right, Math.round(y(value)) + 0.5);
      context.stroke();
      context.fillText(label, plot.left - 6, y(value) + 4);
    }
    context.strokeStyle = '#000000';
    context.strokeRect(plot.left + 0.5, plot.top + 0.5, plot.right - plot.left, plot.bottom - plot.top);
    context.textAlign = 'center';
    context.font = 'bold 12px sans-serif';
    context.fillText(this.timeTitle, (plot.left + plot.right) / 2, height - 8);
    context.save();
    context.translate(14, (plot.top + plot.bottom) / 2);
    context.rotate(-Math.PI / 2);
    context.fillText(t.sensitivityAxis, 0, 0);
    context.restore();

    context.save();
    context.beginPath();
    context.rect(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
    context.clip();
    const polyline = (points, colour, dash, lineWidth) => {
      if (points.length < 2) return;
      context.strokeStyle = colour;
      context.setLineDash(dash);
      context.lineWidth = lineWidth;
      context.beginPath();
      points.forEach(([px, py], k) => (k ? context.lineTo(x(px), y(py)) : context.moveTo(x(px), y(py))));
      context.stroke();
      context.setLineDash([]);
    };
    for (const run of this.runs) {
      const colour = this.colourOf(run);
      context.fillStyle = colour;
      context.globalAlpha = this.highContrast ? 1 : 0.55;
      for (const row of run.rows)
        for (const real of row.real)
          if (real > 0) {
            context.beginPath();
            context.arc(x(row.numbers[0]), y(real), 3, 0, 2 * Math.PI);
            context.fill();
          }
      context.globalAlpha = 1;
      const rows = run.rows;
      polyline(rows.filter((r) => r.numbers[1] > 0).map((r) => [r.numbers[0], r.numbers[1]]), colour, [], 2);
      polyline(rows.filter((r) => r.numbers[3] > 0).map((r) => [r.numbers[0], r.numbers[3]]), colour, [6, 4], 1.5);
      if (run.fit && run.fit.valid) {
        const fitted = rows.filter((r) => r.numbers[0] >= run.fit.from)
          .map((r) => [r.numbers[0], run.fit.coefficient * r.numbers[0] ** run.fit.slope]);
        polyline(fitted, colour, [2, 3], 1.5);
      }
    }
    context.restore();

    // The legend.
    context.textAlign = 'left';
    context.font = '11px sans-serif';
    let ly = plot.top + 4;
    const lx = plot.right + 16;
    for (const run of this.runs) {
      const entries = [[run.names.presses, 'dot'], [run.names.means, 'line'],
                       [run.names.potential, 'dash']];
      if (run.fit && run.fit.valid) entries.push([run.fit.name, 'dots']);
      for (const [name, mark] of entries) {
        context.fillStyle = this.colourOf(run);
        context.strokeStyle = this.colourOf(run);
        if (mark === 'dot') {
          context.beginPath();
          context.arc(lx + 8, ly + 5, 3, 0, 2 * Math.PI);
          context.fill();
        } else {
          context.setLineDash(mark === 'dash' ? [6, 4] : mark === 'dots' ? [2, 3] : []);
          context.beginPath();
          context.moveTo(lx, ly + 5);
          context.lineTo(lx + 16, ly + 5);
          context.stroke();
          context.setLineDash([]);
        }
        context.fillStyle = this.highContrast ? '#000000' : '#333333';
        context.fillText(name, lx + 22, ly + 9, width - lx - 26);
        ly += 16;
      }
    }
  }
}

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result picture PicRes: it replays the drawing a press recorded (clear, scale, lines
// in user coordinates) into a canvas at the screen's device pixel ratio, so that its lines
// stay one device pixel wide and sharp on any screen, and draws it again when the ratio
// changes. A segment is clipped to the picture before the canvas sees it. The calls of the
// last press are kept with the digest the core gave them (a test compares it with the
// desktop's). The picture's size and the calls' opcodes are the core's.

// The part of the segment (x1, y1)–(x2, y2) inside [left, right] × [top, bottom]
// (Liang–Barsky); null when none of it is.
function clip(x1, y1, x2, y2, left, top, right, bottom) {
  let t0 = 0;
  let t1 = 1;
  const dx = x2 - x1;
  const dy = y2 - y1;
  const edges = [[-dx, x1 - left], [dx, right - x1], [-dy, y1 - top], [dy, bottom - y1]];
  for (const [p, q] of edges) {
    if (p === 0) {
      if (q < 0) return null;
    } else {
      const r = q / p;
      if (p < 0) { if (r > t1) return null; if (r > t0) t0 = r; }
      else { if (r < t0) return null; if (r < t1) t1 = r; }
    }
  }
  return [x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy];
}

export class Picture {
  // description: the core's ({pictureWidth, pictureHeight, drawing: the opcodes}); ratio: a
  // fixed device pixel ratio (a printed report's), or the screen's when none.
  constructor(element, description, ratio = 0) {
    this.fixedRatio = ratio;
    this.element = element;
    this.width = description.pictureWidth;
    this.height = description.pictureHeight;
    this.kinds = description.drawing;
    this.canvas = document.createElement('canvas');
    this.canvas.style.width = `${this.width}px`;
    this.canvas.style.height = `${this.height}px`;
    this.canvas.setAttribute('aria-hidden', 'true');
    element.appendChild(this.canvas);
    this.drawing = null; // {kinds, coordinates, colours}
    this.scale = null;   // [x1, y1, x2, y2] of the last scale
    this.ratio = 0;
    this.render();
    // A new screen (or zoom) draws the picture again at its ratio.
    const watch = () => {
      const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
      query.addEventListener('change', () => { this.render(); watch(); }, { once: true });
    };
    watch();
  }

  show(drawing) {
    this.drawing = drawing;
    this.element.dataset.calls = String(drawing.kinds.length);
    this.element.dataset.digest = drawing.digest;
    this.render();
  }

  // A point of the element (CSS pixels) in the user coordinates of the last scale.
  userPoint(x, y) {
    if (!this.scale) return null;
    const [x1, y1, x2, y2] = this.scale;
    return [x1 + (x / this.width) * (x2 - x1), y1 + (y / this.height) * (y2 - y1)];
  }

  render() {
    const ratio = this.fixedRatio || window.devicePixelRatio || 1;
    this.ratio = ratio;
    const pixelsX = Math.round(this.width * ratio);
    const pixelsY = Math.round(this.height * ratio);
    this.canvas.width = pixelsX;
    this.canvas.height = pixelsY;
    const context = this.canvas.getContext('2d');
    context.fillStyle = '#ffffff';
    context.fillRect(0, 0, pixelsX, pixelsY);
    if (!this.drawing) return;
    context.lineWidth = 1;
    context.lineCap = 'square';
    const { kinds, coordinates, colours } = this.drawing;
    // The user scale maps (x1, y1) to the top-left and (x2, y2) to the bottom-right pixel.
    let sx = ratio;
    let sy = ratio;
    let ox = 0;
    let oy = 0;
    const toX = (x) => (x - ox) * sx;
    const toY = (y) => (y - oy) * sy;
    let px = 0;
    let py = 0;
    let path = null; // the colour of the path being built
    const flush = () => {
      if (path !== null) { context.stroke(); path = null; }
    };
    const segment = (x1, y1, x2, y2, colour) => {
      const inside = clip(toX(x1), toY(y1), toX(x2), toY(y2), -2, -2, pixelsX + 2, pixelsY + 2);
      if (!inside) return;
      if (path !== colour) {
        flush();
        context.strokeStyle = colour;
        context.beginPath();
        path = colour;
      }
      // Pixel centres: a horizontal or vertical line covers exactly one row or column.
      context.moveTo(Math.floor(inside[0]) + 0.5, Math.floor(inside[1]) + 0.5);
      context.lineTo(Math.floor(inside[2]) + 0.5, Math.floor(inside[3]) + 0.5);
    };
    const colourAt = (k) => (colours[4 * k]
      ? `rgb(${colours[4 * k + 1]},${colours[4 * k + 2]},${colours[4 * k + 3]})`
      : '#000000');
    const { clear, scale, line, lineTo, position } = this.kinds;
    this.scale = null;
    for (let k = 0; k < kinds.length; ++k) {
      const x1 = coordinates[4 * k];
      const y1 = coordinates[4 * k + 1];
      const x2 = coordinates[4 * k + 2];
      const y2 = coordinates[4 * k + 3];
      switch (kinds[k]) {
        case clear:
          flush();
          context.fillStyle = '#ffffff';
          context.fillRect(0, 0, pixelsX, pixelsY);
          px = 0; py = 0;
          break;
        case scale:
          flush();
          this.scale = [x1, y1, x2, y2];
          sx = (pixelsX / (x2 - x1)) || 0;
          sy = (pixelsY / (y2 - y1)) || 0;
          ox = x1;
          oy = y1;
          break;
        case line:
          segment(x1, y1, x2, y2, colourAt(k));
          px = x2; py = y2;
          break;
        case lineTo:
          segment(px, py, x1, y1, colourAt(k));
          px = x1; py = y1;
          break;
        case position:
          px = x1; py = y1;
          break;
        default:
          break;
      }
    }
    flush();
  }

  // The picture at its full device resolution, as PNG.
  png() {
    return new Promise((resolve) => this.canvas.toBlob(resolve, 'image/png'));
  }
}

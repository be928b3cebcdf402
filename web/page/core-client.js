// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the worker that holds the core: requests answered in order, and the
// messages a press and the experiment send while they run. The worker is made from its
// source text (a blob), so that the page works as one file from file://.

export class CoreClient {
  constructor(workerSource) {
    const url = URL.createObjectURL(new Blob([workerSource], { type: 'text/javascript' }));
    this.url = url;
    this.worker = new Worker(url);
    this.pending = new Map();
    this.nextId = 1;
    this.onProgress = () => {};
    this.onPressEnd = () => {};
    this.onExperimentStep = () => {};
    this.onFailure = () => {};
    this.worker.onmessage = (event) => this.receive(event.data);
    this.worker.onerror = (event) => {
      event.preventDefault();
      this.onFailure(event.message || 'worker');
      for (const { reject } of this.pending.values()) reject(new Error('worker'));
      this.pending.clear();
    };
  }

  receive(message) {
    switch (message.type) {
      case 'answer': {
        const waiting = this.pending.get(message.id);
        this.pending.delete(message.id);
        if (!waiting) return;
        if (message.error) waiting.reject(new Error(message.error));
        else waiting.resolve(message.answer);
        break;
      }
      case 'progress':
        this.onProgress(message);
        break;
      case 'pressEnd':
        this.onPressEnd(message);
        break;
      case 'experimentStep':
        this.onExperimentStep(message.result);
        break;
      default:
        break;
    }
  }

  // A request to the core; its answer, in the order the requests were sent.
  request(type, payload = {}, transfer = []) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject });
      this.worker.postMessage({ ...payload, type, id }, transfer);
    });
  }

  // Helper workers for the summator's periods, one per further core of the processor
  // (none on one core); each talks to the main worker on a channel of its own.
  async startHelpers() {
    const count = Math.max(0, Math.min(7, (navigator.hardwareConcurrency || 1) - 1));
    const ports = [];
    for (let k = 0; k < count; ++k) {
      const helper = new Worker(this.url);
      const channel = new MessageChannel();
      helper.postMessage({ type: 'helper', id: 0 }, [channel.port2]);
      ports.push(channel.port1);
    }
    if (count > 0) await this.request('helpers', {}, ports);
    return count;
  }
}

// The decimal separator of the user's locale (the browser's own for numbers): ',' or '.'.
export function localeSeparator() {
  try {
    const parts = new Intl.NumberFormat().formatToParts(1.5);
    const decimal = parts.find((part) => part.type === 'decimal');
    return decimal && decimal.value === ',' ? ',' : '.';
  } catch (error) {
    return '.';
  }
}

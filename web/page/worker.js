// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's worker: it holds the window's core (the C++ model and views in WebAssembly,
// whose loader createVeltrumCore precedes this script in the worker's source) and does
// everything that computes, so that the page never freezes. A press and the sensitivity
// experiment run a batch of periods at a time; between two batches the worker takes its
// messages, so "Отмена" and "Стоп" are honoured without shared memory.
//
// Requests carry an id; the answer to each carries the same id. A press answers its
// "open" at once, then sends "progress" messages and one "pressEnd".

/* global createVeltrumCore */
'use strict';

let core = null;
let session = null;
// Compiled synchronously, the loader gives the module itself; an asynchronous one a promise.
const ready = Promise.resolve(createVeltrumCore()).then((made) => made.ready || made).then((loaded) => {
  core = loaded;
  session = new core.PageSession();
});
let press = null; // {id}: a press being computed
let experiment = null; // {separator}: the experiment running
let pumping = false;

const yielder = new MessageChannel();
yielder.port1.onmessage = () => pump();

function schedule() {
  if (!pumping && (press || experiment)) {
    pumping = true;
    yielder.port2.postMessage(0);
  }
}

// One batch of the press, or else of the experiment; then the worker takes its messages.
function pump() {
  pumping = false;
  if (press) {
    const result = session.step();
    if (result.state === 'running') {
      self.postMessage({ type: 'progress', id: press.id, done: result.done, total: result.total });
    } else {
      const transfer = result.state === 'done'
        ? [result.kinds.buffer, result.coordinates.buffer, result.colours.buffer] : [];
      self.postMessage({ type: 'pressEnd', id: press.id, result }, transfer);
      press = null;
    }
  } else if (experiment) {
    const result = session.stepExperiment(experiment.separator);
    self.postMessage({ type: 'experimentStep', result });
    if (result.state !== 'running') experiment = null;
  }
  schedule();
}

const handlers = {
  load() {
    return { description: core.windowDescription() };
  },
  open({ button, fields, option, rate, separator }) {
    return session.open(button, fields, option, rate, separator);
  },
  run({ id }) {
    press = { id };
    schedule();
    return { started: true };
  },
  cancel() {
    press = null;
    session.cancel();
    return {};
  },
  scene({ option }) {
    return session.chooseScene(option);
  },
  sideLobes({ ticked, beta, tsl }) {
    return { warning: session.tickSideLobes(ticked, beta, tsl) };
  },
  colour({ object, row }) {
    session.chooseColour(object, row);
    return {};
  },
  csv({ separator }) {
    return { bytes: session.plotCsv(separator) };
  },
  readout({ x, y, separator }) {
    return { text: session.readout(x, y, separator) };
  },
  startExperiment({ fields, option, rate, largest, presses, separator }) {
    const result = session.startExperiment(fields, option, rate, largest, presses, separator);
    if (result.ok) {
      experiment = { separator };
      schedule();
    }
    return result;
  },
  stopExperiment() {
    experiment = null;
    session.stopExperiment();
    return {};
  },
  clearExperiment() {
    experiment = null;
    session.clearExperiment();
    return {};
  },
  experimentCsv({ separator }) {
    return { bytes: session.experimentCsv(separator) };
  },
};

self.onmessage = async (event) => {
  const { id, type } = event.data;
  try {
    await ready;
    const answer = handlers[type](event.data);
    self.postMessage({ type: 'answer', id, answer });
  } catch (error) {
    self.postMessage({ type: 'answer', id, error: String(error && error.message || error) });
  }
};

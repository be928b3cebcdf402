// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's worker: it holds the window's core (front::Window and the model in
// WebAssembly, whose loader createVeltrumCore precedes this script in the worker's source)
// and does everything that computes, so that the page never freezes. The page's requests
// are calls of the core's window by name ("call"), answered with what the core answers; a
// press and the sensitivity experiment run a batch of periods at a time, and between two
// batches the worker takes its messages, so «Отмена» and «Стоп» are honoured without
// shared memory. The page may start further workers from the same source as helpers of
// this one: each computes its share of every summator batch's periods, which this worker
// joins in order (the same numbers as one worker alone, to the last bit).

/* global createVeltrumCore */
'use strict';

let core = null;
let mainWindow = null; // the core's PageWindow
// Compiled synchronously, the loader gives the module itself; an asynchronous one a promise.
const ready = Promise.resolve(createVeltrumCore()).then((made) => made.ready || made).then((loaded) => {
  core = loaded;
});
let press = null; // {id, started}: a press being computed
let experiment = false; // the experiment running
let pumping = false;
// The main worker's helpers (ports to other workers of the page, each with its own core),
// and its own share's helper: the summator's periods on every core, as on the desktop.
let helpers = [];
let ownShare = null;
const waiting = new Map();
let nextQuestion = 1;

const yielder = new MessageChannel();
yielder.port1.onmessage = () => pump();

function schedule() {
  if (!pumping && (press || experiment)) {
    pumping = true;
    yielder.port2.postMessage(0);
  }
}

// A helper's share of a batch: the front ends and filters of periods from..from + periods.
function askHelper(port, batch, from, periods) {
  const id = nextQuestion++;
  return new Promise((resolve) => {
    waiting.set(id, resolve);
    port.postMessage({ id, batch, from, periods });
  });
}

function joined(parts, name) {
  const all = new Float64Array(parts.reduce((length, part) => length + part[name].length, 0));
  let at = 0;
  for (const part of parts) {
    all.set(part[name], at);
    at += part[name].length;
  }
  return all;
}

// One batch of the press: a summator's periods shared among the helpers and this worker
// when there are helpers and periods enough; otherwise all here (a block view, and the
// calibrated receiver's summator, for which the core gives no batch to share).
async function stepPress() {
  const batch = helpers.length ? mainWindow.nextBatch() : null;
  const shares = helpers.length + 1;
  if (!batch || batch.periods < 2 * shares) return mainWindow.stepPress(performance.now() - press.started);
  const bounds = [...Array(shares + 1).keys()].map((k) => Math.floor((batch.periods * k) / shares));
  const asked = helpers.map((port, k) => askHelper(port, batch, bounds[k], bounds[k + 1] - bounds[k]));
  const own = ownShare.compute(batch, bounds[shares - 1], bounds[shares] - bounds[shares - 1]);
  const parts = [...(await Promise.all(asked)), own];
  if (!press) return null; // cancelled meanwhile
  return mainWindow.stepWith(joined(parts, 'largest'), joined(parts, 'smallest'), joined(parts, 'summed'),
    performance.now() - press.started);
}

// One batch of the press, or else of the experiment; then the worker takes its messages.
async function pump() {
  if (press) {
    const current = press;
    const changes = await stepPress();
    if (changes && press === current) {
      if (changes.pressing) {
        self.postMessage({ type: 'progress', id: press.id, done: changes.done, total: changes.total,
          show: changes.showProgress, announcement: changes.announcement });
      } else {
        const picture = changes.picture ? mainWindow.picture() : null;
        const transfer = picture ? [picture.kinds.buffer, picture.coordinates.buffer, picture.colours.buffer] : [];
        const computeMs = performance.now() - press.started; // for the page's benchmark
        self.postMessage({ type: 'pressEnd', id: press.id, changes, picture, computeMs }, transfer);
        press = null;
      }
    }
  } else if (experiment) {
    const result = mainWindow.stepExperiment();
    self.postMessage({ type: 'experimentStep', result });
    if (result.state !== 'running') experiment = false;
  }
  pumping = false;
  schedule();
}

// A helper worker answers its main worker's questions on the port it was given.
function serveAsHelper(port) {
  const helper = new core.PartialsHelper();
  port.onmessage = (event) => {
    const { id, batch, from, periods } = event.data;
    const part = helper.compute(batch, from, periods);
    port.postMessage({ id, part }, [part.largest.buffer, part.smallest.buffer, part.summed.buffer]);
  };
}

const handlers = {
  // The page's language first (its catalogue serves every text after it), then the window.
  load({ option, remembered, catalogues, separator }) {
    const language = core.useLanguage(option, remembered, catalogues);
    mainWindow = new core.PageWindow(separator);
    return { language, description: core.windowDescription() };
  },
  // The page's other workers, for the summator's periods.
  helpers(_, ports) {
    helpers = ports;
    ownShare = new core.PartialsHelper();
    for (const port of ports) {
      port.onmessage = (event) => {
        const resolve = waiting.get(event.data.id);
        waiting.delete(event.data.id);
        if (resolve) resolve(event.data.part);
      };
    }
    return { helpers: ports.length };
  },
  // This worker is a helper of the main one.
  helper(_, ports) {
    serveAsHelper(ports[0]);
    return {};
  },
  // Any action or question of the window, by the core's own name for it.
  call({ method, args }) {
    return mainWindow[method](...args);
  },
  // The press the last click opened, computed a batch at a time from now on.
  press({ id }) {
    press = { id, started: performance.now() };
    schedule();
    return {};
  },
  cancel() {
    press = null;
    return mainWindow.cancelPress();
  },
  startExperiment({ largest, presses, kind }) {
    const answer = mainWindow.startExperiment(largest, presses, kind || 0);
    experiment = answer.ok;
    schedule();
    return answer;
  },
  stopExperiment() {
    experiment = false;
    mainWindow.stopExperiment();
    return {};
  },
  clearExperiment() {
    experiment = false;
    return mainWindow.clearExperiment();
  },
  experimentCsv() {
    return mainWindow.experimentCsv();
  },
};

self.onmessage = async (event) => {
  const { id, type } = event.data;
  try {
    await ready;
    const answer = handlers[type](event.data, event.ports);
    self.postMessage({ type: 'answer', id, answer });
  } catch (error) {
    self.postMessage({ type: 'answer', id, error: String(error && error.message || error) });
  }
};

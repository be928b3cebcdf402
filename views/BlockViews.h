// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The oscillogram of each block of the receiver: the block views run the chain from
// the antenna up to their block over two modulation periods (10 000 samples; 2700 for
// the two inputs) and draw its output, coloured by the input the switch had connected.
// Each returns the antenna temperatures it reports; a non-finite record is a ModelError
// thrown before the canvas sees any call.

#include "views/Blocks.h"

namespace views {

ViewOutput modulatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                         Progress* progress);
// The antenna device (first input) and the noise equivalent (second input).
ViewOutput antennaView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       Progress* progress);
ViewOutput noiseEquivalentView(const Press& press, model::ReceiverState& state,
                               canvas::Canvas& canvas, Progress* progress);
ViewOutput switchView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                      Progress* progress);
ViewOutput uhfView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                   Progress* progress);
ViewOutput detectorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        Progress* progress);
ViewOutput filter1View(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       Progress* progress);
ViewOutput capacitorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                         Progress* progress);
ViewOutput filter2View(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       Progress* progress);
ViewOutput adcView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                   Progress* progress);

} // namespace views

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The oscillogram of each block of the receiver: the block views run the chain from
// the antenna up to their block over two modulation periods (10 000 samples; 2700 for
// the two inputs) and draw its output, coloured by the input the switch had connected.
// Each returns the texts of the labels it writes; a non-finite record is a PressError.

#include "canvas/Canvas.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

namespace views {

ResultTexts modulatorView(const model::ReceiverState& state, canvas::Canvas& canvas);
// The antenna device (first input) and the noise equivalent (second input).
ResultTexts inputView(model::SwitchInput input, const Press& press, model::ReceiverState& state,
                      canvas::Canvas& canvas, char decimalSeparator);
ResultTexts switchView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                       char decimalSeparator);
ResultTexts uhfView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                    char decimalSeparator);
ResultTexts detectorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                         char decimalSeparator);
ResultTexts filter1View(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        char decimalSeparator);
ResultTexts capacitorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                          char decimalSeparator);
ResultTexts filter2View(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        char decimalSeparator);
ResultTexts adcView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                    char decimalSeparator);

} // namespace views

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summator's press: Tint modulation periods through the whole chain, the settling of
// the accumulated mean in the picture, and the measurement results in the labels.

#include "canvas/Canvas.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

namespace views {

ResultTexts summatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                         char decimalSeparator, Progress* progress);

} // namespace views

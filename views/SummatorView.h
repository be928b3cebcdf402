// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summator's press: Tint modulation periods through the whole chain, the settling of
// the accumulated mean in the picture, and the measurement results beside the formulas.

#include "views/Blocks.h"

namespace views {

ViewOutput summatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        Progress* progress);

} // namespace views

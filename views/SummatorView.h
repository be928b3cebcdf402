// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summator's press: Tint modulation periods through the whole chain, the settling of
// the accumulated mean in the picture, and the measurement results beside the formulas.

#include "views/Blocks.h"

#include <cstdint>

namespace views {

// Periods between two looks at the progress: a few milliseconds of work on two cores,
// a few tens on one core of an old processor, so "Отмена" answers within 0.1 s.
inline constexpr std::int64_t kPeriodsPerBatch = 128;

ViewOutput summatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        Progress* progress);

} // namespace views

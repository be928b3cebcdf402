// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which field caused an overflow. The model meets an overflow, a diverging filter or a
// result that is not finite deep in the chain, where it cannot tell which typed value is
// to blame. The press can: it is run again, on a copy of the state and with the same
// noise, with each field it reads set back to the text that last gave a good press. The
// fields whose setting back makes the fault go away are the ones the message names; when
// no single one does but all of them together do, those that differ; otherwise none
// (the message then lists every field that shapes the signal).

#include "model/Fault.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

#include <optional>
#include <string>
#include <vector>

namespace front {

// Per field, the text that last took part in a successful press (at start, the default).
using GoodTexts = std::array<std::optional<std::string>, model::kQuantityCount>;

// The faults whose cause the model does not know.
bool isAttributable(model::FaultKind kind);

// The fields a press of `block` reads in `scene`, in the window's order (the sampling rate
// is not among them: it is chosen from a list).
std::vector<model::Quantity> fieldsReadBy(views::Block block, model::Scene scene);

// The fields to name for a fault of `kind` met by the press of `block` with `texts` on
// `before` (the state before the press); empty when the trials cannot tell. `throughChain`:
// the fault was met computing, not reading the fields.
std::vector<model::Quantity> faultCauses(views::Block block, const views::FieldTexts& texts,
                                         const GoodTexts& good, const model::ReceiverState& before,
                                         model::FaultKind kind, bool throughChain);

} // namespace front

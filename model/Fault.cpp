// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Fault.h"

#include <utility>

namespace model {

ModelError::ModelError(Fault fault)
    : std::runtime_error("receiver fault " + std::to_string(static_cast<int>(fault.kind))),
      fault_(std::move(fault)) {}

void fail(FaultKind kind, std::vector<Quantity> quantities, std::string text) {
    throw ModelError(Fault{kind, std::move(quantities), std::move(text), std::nullopt});
}

} // namespace model

// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one place where the model's faults become the window's Russian messages: the field
// named by its caption and the text typed, or the cause and the fields to check.

#include "model/Fault.h"
#include "model/ReceiverState.h"

#include <string>

namespace views {

std::string message(const model::Fault& fault, model::Scene scene);

// The titles of the warning boxes: a field that cannot be used, a fault met computing.
std::string inputErrorTitle();
std::string computeErrorTitle();

} // namespace views

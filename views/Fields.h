// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's input fields: which control holds each quantity and the caption beside
// it. Every caption is written here once; the window's layout shows it and every message
// names the field by it.

#include "model/Quantity.h"
#include "model/ReceiverState.h"

#include <string>
#include <string_view>
#include <vector>

namespace views {

struct Field {
    model::Quantity quantity;
    const char* control;        // objectName of the text box (or list) that holds it
    const char* caption;        // the caption beside it, exactly as the window shows it;
                                // a formula in rich text (<i>, <sub>) where it is one
    const char* captionControl; // the label (or formula picture) showing the caption
};

// Every field of the window, in the order of model::Quantity.
const std::vector<Field>& fields();
const Field& field(model::Quantity quantity);
// The field a control holds; nullptr for a control that is not a field.
const Field* fieldOfControl(std::string_view control);

// A caption as plain text: without its rich-text tags and trailing blanks.
std::string plainCaption(const char* caption);

// How a message names a field: its plain caption, in the user's language. txtT2 is the
// noise equivalent, the background or the second target, as the scene says.
std::string fieldCaption(model::Quantity quantity, model::Scene scene);

// «text»: a text quoted as the user's language quotes it.
std::string quoted(const std::string& text);

// «a», «b» и «c»: the captions quoted and joined for a message.
std::string quoteFields(const std::vector<model::Quantity>& quantities, model::Scene scene);

// The summator's sampling rates as the list cboFd offers them, and the step s (every s-th
// sample of the 5 MHz record) of each.
struct SamplingRate {
    const char* name;
    int step;
};
const std::vector<SamplingRate>& samplingRates();
inline constexpr int kStartSamplingRate = 6; // "50кГц", selected at start

} // namespace views
